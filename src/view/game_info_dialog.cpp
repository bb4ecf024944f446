#include "view/game_info_dialog.h"

#include <QApplication>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "collection/collection_edits.h"
#include "view/qt_text.h"

namespace meridax {

namespace {

constexpr char kAccept[] = "Accept";
constexpr QSize kGameInfoSize(560, 600);

bool isRating(DetailField field) { return field == DetailField::Player1Rank || field == DetailField::Player2Rank; }

QDialogButtonBox* acceptCancel(QDialog& dialog, const char* acceptText) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QPushButton* accept = buttons->button(QDialogButtonBox::Ok);
  accept->setText(QString::fromUtf8(acceptText));
  accept->setDefault(true);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

}  // namespace

GameInfoDialog::GameInfoDialog(const GameDetailsForm& form, QWidget* parent) : QDialog(parent), initial_(form.details) {
  setObjectName(QStringLiteral("gameInformation"));
  setWindowTitle(toQt(form.title));
  setSizeGripEnabled(true);
  auto* box = new QGroupBox(this);
  auto* grid = new QGridLayout(box);
  int row = 0;
  const DetailsFormField* comments = nullptr;
  for (const DetailsFormField& field : form.fields) {
    if (field.field == DetailField::GameComment) comments = &field;
    else addField(field, row, *grid);
  }
  if (comments != nullptr) addField(*comments, row, *grid);
  grid->setColumnStretch(1, 3);
  grid->setColumnStretch(3, 2);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(box, 1);
  layout->addWidget(acceptCancel(*this, kAccept));
  resize(kGameInfoSize);
}

// A rating joins its player's row; the comments take the whole width and every spare pixel of height.
void GameInfoDialog::addField(const DetailsFormField& field, int& row, QGridLayout& grid) {
  const QString text = toQt(initial_[field.field]);
  QWidget* editor = nullptr;
  if (field.field == DetailField::GameComment) {
    auto* edit = new QPlainTextEdit(text, this);
    edit->setTabChangesFocus(true);
    editor = edit;
  } else {
    editor = new QLineEdit(text, this);
  }
  editor->setObjectName(QStringLiteral("detail%1").arg(static_cast<int>(field.field)));
  editors_[field.field] = editor;
  auto* label = new QLabel(toQt(field.label), this);
  label->setBuddy(editor);
  if (isRating(field.field) && row > 0) {
    grid.addWidget(label, row - 1, 2);
    grid.addWidget(editor, row - 1, 3);
    return;
  }
  grid.addWidget(label, row, 0, field.field == DetailField::GameComment ? Qt::AlignTop : Qt::Alignment());
  if (field.field == DetailField::GameComment) {
    grid.addWidget(editor, row, 1, 1, 3);
    grid.setRowStretch(row, 1);
  } else if (field.field == DetailField::Date) {
    grid.addWidget(editor, row, 1);
    grid.addWidget(new QLabel(QString::fromUtf8(kDateHint), this), row, 2, 1, 2);
  } else if (field.field == DetailField::Player1 || field.field == DetailField::Player2) {
    grid.addWidget(editor, row, 1);  // the rating that follows takes the rest of the row
  } else {
    grid.addWidget(editor, row, 1, 1, 3);
  }
  ++row;
}

QWidget* GameInfoDialog::editor(DetailField field) const {
  const auto it = editors_.find(field);
  return it != editors_.end() ? it->second : nullptr;
}

SSGFDetails GameInfoDialog::details() const {
  SSGFDetails edited = initial_;
  for (const auto& [field, editor] : editors_) {
    if (const auto* line = qobject_cast<const QLineEdit*>(editor)) edited[field] = fromQt(line->text());
    else if (const auto* text = qobject_cast<const QPlainTextEdit*>(editor)) edited[field] = fromQt(text->toPlainText());
  }
  return edited;
}

PlayerNameDialog::PlayerNameDialog(const std::string& name, QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("playerName"));
  setWindowTitle(QString::fromUtf8(kRenameDialogTitle));
  auto* form = new QFormLayout;
  auto* old = new QLineEdit(toQt(name), this);
  old->setReadOnly(true);
  old->setFocusPolicy(Qt::NoFocus);
  newName_ = new QLineEdit(toQt(name), this);
  newName_->setObjectName(QStringLiteral("newName"));
  newName_->selectAll();
  form->addRow(QStringLiteral("Name"), old);
  form->addRow(QString::fromUtf8(kNewNameLabel), newName_);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(form);
  layout->addWidget(acceptCancel(*this, "OK"));
  newName_->setFocus();
}

QWidget* QtListDialogs::owner() const {
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : parent_;
}

std::optional<SSGFDetails> QtListDialogs::editGameDetails(const GameDetailsForm& form) {
  GameInfoDialog dialog(form, owner());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return dialog.details();
}

std::optional<std::string> QtListDialogs::askNewPlayerName(const std::string& name) {
  PlayerNameDialog dialog(name, owner());
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return fromQt(dialog.newName().text());
}

}  // namespace meridax
