#include "view/find_dialog.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "view/qt_ports.h"
#include "view/qt_text.h"

namespace meridax {

FindDialog::FindDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("findDialog"));
  setWindowTitle(QStringLiteral("Find"));
  setModal(false);
  auto* layout = new QVBoxLayout(this);
  auto* what = new QHBoxLayout;
  text_ = new QLineEdit(this);
  auto* label = new QLabel(QStringLiteral("Fi&nd what:"), this);
  label->setBuddy(text_);
  what->addWidget(label);
  what->addWidget(text_, 1);
  layout->addLayout(what);
  auto* options = new QHBoxLayout;
  matchCase_ = new QCheckBox(QStringLiteral("Match &case"), this);
  options->addWidget(matchCase_);
  auto* direction = new QGroupBox(QStringLiteral("Direction"), this);
  auto* directions = new QHBoxLayout(direction);
  up_ = new QRadioButton(QStringLiteral("&Up"), direction);
  down_ = new QRadioButton(QStringLiteral("&Down"), direction);
  directions->addWidget(up_);
  directions->addWidget(down_);
  options->addWidget(direction);
  layout->addLayout(options);
  auto* buttons = new QDialogButtonBox(this);
  findNext_ = buttons->addButton(QStringLiteral("&Find Next"), QDialogButtonBox::ActionRole);
  findNext_->setDefault(true);
  buttons->addButton(QDialogButtonBox::Cancel);
  layout->addWidget(buttons);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  connect(text_, &QLineEdit::textChanged, this, [this](const QString& t) { findNext_->setEnabled(!t.isEmpty()); });
  connect(findNext_, &QPushButton::clicked, this, [this] {
    const DialogOwnerScope owner(this);
    emit findNext(request());
  });
  seed(FindDialogSeed{});
}

void FindDialog::seed(const FindDialogSeed& seed) {
  text_->setText(toQt(seed.text));
  text_->selectAll();
  text_->setFocus();
  matchCase_->setChecked(seed.matchCase);
  down_->setChecked(true);
  findNext_->setEnabled(!text_->text().isEmpty());
}

FindRequest FindDialog::request() const {
  return FindRequest{fromQt(text_->text()), matchCase_->isChecked(),
                     up_->isChecked() ? SearchDirection::Up : SearchDirection::Down};
}

}  // namespace meridax
