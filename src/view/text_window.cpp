#include "view/text_window.h"

#include <QApplication>
#include <QClipboard>
#include <QDialogButtonBox>
#include <QDir>
#include <QFileDialog>
#include <QFontDatabase>
#include <QMessageBox>
#include <QSaveFile>
#include <QVBoxLayout>

namespace meridax {
namespace {

std::optional<QString> askSaveName(QWidget* parent, const QString& suggested) {
  const QString name = QFileDialog::getSaveFileName(parent, QStringLiteral("Save the Errors As"),
                                                    QDir::home().filePath(suggested),
                                                    QStringLiteral("Text Files (*.txt);;All Files (*)"));
  if (name.isEmpty()) return std::nullopt;
  return name;
}

void showFailure(QWidget* parent, const QString& text) {
  QMessageBox box(QMessageBox::Warning, parent->windowTitle(), text, QMessageBox::Ok, parent);
  box.setTextFormat(Qt::PlainText);
  box.exec();
}

}  // namespace

TextWindow::TextWindow(const QString& title, const QByteArray& bytes, const QString& suggestedName, QWidget* parent)
    : QDialog(parent),
      bytes_(bytes),
      suggestedName_(suggestedName),
      view_(new QPlainTextEdit(this)),
      copy_(new QPushButton(QStringLiteral("&Copy"), this)),
      saveAs_(new QPushButton(QStringLiteral("Save &As..."), this)),
      chooseSaveName_(askSaveName),
      tellFailure_(showFailure) {
  setWindowTitle(title);
  setModal(false);
  QString shown = QString::fromUtf8(bytes);
  shown.replace(QStringLiteral("\r\n"), QStringLiteral("\n"));
  view_->setPlainText(shown);
  view_->setReadOnly(true);
  view_->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
  view_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  view_->setLineWrapMode(QPlainTextEdit::NoWrap);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  buttons->addButton(copy_, QDialogButtonBox::ActionRole);
  buttons->addButton(saveAs_, QDialogButtonBox::ActionRole);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::close);
  connect(copy_, &QPushButton::clicked, this, &TextWindow::copy);
  connect(saveAs_, &QPushButton::clicked, this, [this] { saveAs(); });

  auto* layout = new QVBoxLayout(this);
  layout->addWidget(view_, 1);
  layout->addWidget(buttons);
  resize(760, 520);
}

void TextWindow::copy() {
  const QString selected = view_->textCursor().selectedText();
  // A selection carries paragraph separators where the lines broke.
  QApplication::clipboard()->setText(selected.isEmpty() ? view_->toPlainText()
                                                        : QString(selected).replace(QChar::ParagraphSeparator, u'\n'));
}

bool TextWindow::saveAs() {
  const std::optional<QString> name = chooseSaveName_(this, suggestedName_);
  if (!name) return false;
  QSaveFile file(*name);
  if (!file.open(QIODevice::WriteOnly) || file.write(bytes_) != bytes_.size() || !file.commit()) {
    tellFailure_(this, QStringLiteral("'%1'\n\nThe file could not be written: %2").arg(*name, file.errorString()));
    return false;
  }
  return true;
}

}  // namespace meridax
