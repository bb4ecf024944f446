#include "view/plain_text_widgets.h"

#include <QLabel>

namespace meridax {

QLabel* plainLabel(const QString& text, QWidget* parent) {
  auto* label = new QLabel(parent);
  label->setTextFormat(Qt::PlainText);
  label->setText(text);
  return label;
}

QMessageBox::StandardButton execPlainMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                             const QString& text, QMessageBox::StandardButtons buttons,
                                             QMessageBox::StandardButton defaultButton) {
  QMessageBox box(icon, caption, QString(), buttons, parent);
  box.setTextFormat(Qt::PlainText);
  box.setText(text);
  if (defaultButton != QMessageBox::NoButton) box.setDefaultButton(defaultButton);
  return static_cast<QMessageBox::StandardButton>(box.exec());
}

void makeLabelsPlain(QWidget& widget) {
  for (QLabel* label : widget.findChildren<QLabel*>()) label->setTextFormat(Qt::PlainText);
}

}  // namespace meridax
