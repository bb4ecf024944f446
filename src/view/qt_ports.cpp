#include "view/qt_ports.h"

#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFormLayout>
#include <QInputDialog>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QMessageBox>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStringList>
#include <QVBoxLayout>

#include "app/preferences.h"
#include "view/plain_text_widgets.h"
#include "view/qt_text.h"

namespace meridax {

namespace {

QMessageBox::Icon qtIcon(MessageIcon icon) {
  switch (icon) {
    case MessageIcon::Information: return QMessageBox::Information;
    case MessageIcon::Warning: return QMessageBox::Warning;
    case MessageIcon::Error: return QMessageBox::Critical;
  }
  return QMessageBox::Warning;
}

// Message texts are written with CR LF or LF line ends; Qt wants LF alone.
QString messageText(const std::string& text) { return toQt(text).remove(QLatin1Char('\r')); }

int askButtons(QWidget* parent, const std::string& caption, const std::string& text,
               QMessageBox::StandardButtons buttons) {
  return execPlainMessage(parent, QMessageBox::Question, toQt(caption), messageText(text), buttons, QMessageBox::Yes);
}

QDialogButtonBox* okCancel(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

// A number dialog of one or more fields that refuses a value outside its bounds with the validation message
// and stays on that field.
std::optional<std::vector<int>> runNumberDialog(QWidget* parent, const std::string& caption,
                                                const std::string& prompt, int min, int max,
                                                const std::vector<std::pair<QString, int>>& fields) {
  QDialog dialog(parent);
  dialog.setWindowTitle(toQt(caption));
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(plainLabel(messageText(prompt), &dialog));
  auto* form = new QFormLayout;
  std::vector<QLineEdit*> edits;
  for (const auto& [label, initial] : fields) {
    auto* edit = new QLineEdit(QString::number(initial), &dialog);
    form->addRow(label, edit);
    edits.push_back(edit);
  }
  layout->addLayout(form);
  edits.front()->selectAll();
  QDialogButtonBox* buttons = okCancel(dialog);
  layout->addWidget(buttons);
  std::vector<int> values;
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, [&] {
    values.clear();
    for (QLineEdit* edit : edits) {
      bool ok = false;
      const long long entered = edit->text().trimmed().toLongLong(&ok);
      const auto refusal = checkIntegerField(ok ? entered : static_cast<long long>(max) + 1, min, max);
      if (refusal) {
        execPlainMessage(&dialog, QMessageBox::Warning, toQt(refusal->caption), toQt(refusal->text));
        edit->setFocus();
        edit->selectAll();
        return;
      }
      values.push_back(static_cast<int>(entered));
    }
    dialog.accept();
  });
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return values;
}

// A resizable dialog for pasted SGF text, its text in the dialog font size of the settings (0: the default).
std::optional<std::string> runMultiLineDialog(QWidget* parent, const std::string& caption, const std::string& initial,
                                              int fontPoints) {
  QDialog dialog(parent);
  dialog.setWindowTitle(toQt(caption));
  dialog.setSizeGripEnabled(true);
  dialog.resize(560, 360);
  auto* layout = new QVBoxLayout(&dialog);
  auto* edit = new QPlainTextEdit(toQt(initial), &dialog);
  if (fontPoints > 0) {
    QFont font = edit->font();
    font.setPointSize(fontPoints);
    edit->setFont(font);
  }
  layout->addWidget(edit);
  QDialogButtonBox* buttons = okCancel(dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return fromQt(edit->toPlainText());
}

QFileDialog* fileDialog(QWidget* parent, const FileDialogRequest& request, QFileDialog::FileMode mode) {
  auto* dialog = new QFileDialog(parent, toQt(request.title), toQt(request.initialPath), qtFileFilter(request.filter));
  dialog->setFileMode(mode);
  if (!request.defaultExtension.empty()) dialog->setDefaultSuffix(toQt(request.defaultExtension));
  return dialog;
}

std::vector<std::string> chosenFiles(QWidget* parent, const FileDialogRequest& request, QFileDialog::FileMode mode,
                                     QFileDialog::AcceptMode accept) {
  std::unique_ptr<QFileDialog> dialog(fileDialog(parent, request, mode));
  dialog->setAcceptMode(accept);
  std::vector<std::string> names;
  if (dialog->exec() != QDialog::Accepted) return names;
  for (const QString& name : dialog->selectedFiles()) names.push_back(fromQt(name));
  return names;
}

QWidget* g_dialogOwner = nullptr;

}  // namespace

DialogOwnerScope::DialogOwnerScope(QWidget* owner) : previous_(g_dialogOwner) { g_dialogOwner = owner; }
DialogOwnerScope::~DialogOwnerScope() { g_dialogOwner = previous_; }
QWidget* DialogOwnerScope::current() { return g_dialogOwner; }

QWidget* QtDialogs::owner() const {
  if (QWidget* scoped = DialogOwnerScope::current()) return scoped;
  QWidget* modal = QApplication::activeModalWidget();
  return modal != nullptr ? modal : parent_;
}

QString qtFileFilter(const std::string& filter) {
  const QStringList parts = QString::fromStdString(filter).split(QLatin1Char('|'));
  QStringList filters;
  for (qsizetype i = 0; i + 1 < parts.size(); i += 2) {
    if (parts[i].isEmpty()) break;
    QString patterns = parts[i + 1];
    patterns.replace(QLatin1Char(';'), QLatin1Char(' '));
    if (patterns == QLatin1String("*.*")) patterns = QStringLiteral("*");
    filters << parts[i] + QStringLiteral(" (") + patterns + QLatin1Char(')');
  }
  return filters.join(QStringLiteral(";;"));
}

void QtDialogs::tell(const UserMessage& message) {
  execPlainMessage(owner(), qtIcon(message.icon), toQt(message.caption), messageText(message.text));
}

bool QtDialogs::askYesNo(const std::string& caption, const std::string& text) {
  return askButtons(owner(), caption, text, QMessageBox::Yes | QMessageBox::No) == QMessageBox::Yes;
}

Answer QtDialogs::askYesNoCancel(const std::string& caption, const std::string& text) {
  switch (askButtons(owner(), caption, text, QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel)) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

CheckedAnswer QtDialogs::askYesNoWithCheck(const std::string& caption, const std::string& text,
                                          const std::string& check) {
  QMessageBox box(QMessageBox::Question, toQt(caption), messageText(text), QMessageBox::Yes | QMessageBox::No,
                  owner());
  box.setDefaultButton(QMessageBox::Yes);
  box.setCheckBox(new QCheckBox(toQt(check), &box));
  const bool yes = box.exec() == QMessageBox::Yes;
  return {yes, box.checkBox()->isChecked()};
}

bool QtDialogs::tellWithCheck(const UserMessage& message, const std::string& check) {
  QMessageBox box(qtIcon(message.icon), toQt(message.caption), messageText(message.text), QMessageBox::Ok, owner());
  box.setCheckBox(new QCheckBox(toQt(check), &box));
  box.exec();
  return box.checkBox()->isChecked();
}

Answer QtDialogs::askNamedChoice(const std::string& caption, const std::string& text,
                                 const std::array<std::string, 3>& buttons) {
  QMessageBox box(QMessageBox::Question, toQt(caption), messageText(text),
                  QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel, owner());
  box.button(QMessageBox::Yes)->setText(toQt(buttons[0]));
  box.button(QMessageBox::No)->setText(toQt(buttons[1]));
  box.button(QMessageBox::Cancel)->setText(toQt(buttons[2]));
  box.setDefaultButton(QMessageBox::Cancel);  // the answer that changes nothing
  switch (box.exec()) {
    case QMessageBox::Yes: return Answer::Yes;
    case QMessageBox::No: return Answer::No;
    default: return Answer::Cancel;
  }
}

std::optional<std::string> QtDialogs::askText(const std::string& caption, const std::string& prompt,
                                              const std::string& initial) {
  if (prompt.empty()) return runMultiLineDialog(owner(), caption, initial, settings_ ? settings_->dialogFontSize : 0);
  QInputDialog dialog(owner());
  dialog.setWindowTitle(toQt(caption));
  dialog.setLabelText(messageText(prompt));
  dialog.setTextValue(toQt(initial));
  makeLabelsPlain(dialog);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return fromQt(dialog.textValue());
}

std::optional<int> QtDialogs::askNumber(const std::string& caption, const std::string& prompt, int min, int max,
                                        int initial) {
  const auto values = runNumberDialog(owner(), caption, prompt, min, max, {{QString(), initial}});
  if (!values) return std::nullopt;
  return values->front();
}

std::optional<std::pair<int, int>> QtDialogs::askNumberPair(const std::string& caption, const std::string& prompt,
                                                            int min, int max, std::pair<int, int> initial) {
  const auto values = runNumberDialog(owner(), caption, prompt, min, max,
                                      {{QStringLiteral("Width"), initial.first}, {QStringLiteral("Height"), initial.second}});
  if (!values) return std::nullopt;
  return std::pair{(*values)[0], (*values)[1]};
}

std::optional<std::pair<int, int>> QtDialogs::askTimeSettings(std::pair<int, int> initial) {
  const auto values = runNumberDialog(owner(), "Time Settings", "The engine's time for the game (0: no limit)", 0, 600,
                                      {{QStringLiteral("Main time (minutes)"), initial.first},
                                       {QStringLiteral("Seconds per move after it"), initial.second}});
  if (!values) return std::nullopt;
  return std::pair{(*values)[0], (*values)[1]};
}

std::optional<int> QtDialogs::chooseFromList(const std::string& caption, const std::vector<std::string>& entries,
                                             int selected) {
  QDialog dialog(owner());
  dialog.setWindowTitle(toQt(caption));
  auto* layout = new QVBoxLayout(&dialog);
  auto* list = new QListWidget(&dialog);
  for (const std::string& entry : entries) list->addItem(toQt(entry));
  if (selected >= 0 && selected < list->count()) list->setCurrentRow(selected);
  layout->addWidget(list);
  QDialogButtonBox* buttons = okCancel(dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Accept"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(list, &QListWidget::itemDoubleClicked, &dialog, &QDialog::accept);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted || list->currentRow() < 0) return std::nullopt;
  return list->currentRow();
}

std::optional<std::string> QtDialogs::chooseFileToOpen(const FileDialogRequest& request) {
  const std::vector<std::string> names =
      chosenFiles(owner(), request, QFileDialog::ExistingFile, QFileDialog::AcceptOpen);
  if (names.empty()) return std::nullopt;
  return names.front();
}

std::vector<std::string> QtDialogs::chooseFilesToOpen(const FileDialogRequest& request) {
  return chosenFiles(owner(), request, QFileDialog::ExistingFiles, QFileDialog::AcceptOpen);
}

std::optional<std::string> QtDialogs::chooseFileToSave(const FileDialogRequest& request) {
  const std::vector<std::string> names = chosenFiles(owner(), request, QFileDialog::AnyFile, QFileDialog::AcceptSave);
  if (names.empty()) return std::nullopt;
  return names.front();
}

void QtDialogs::setText(const std::string& text) { QApplication::clipboard()->setText(toQt(text)); }

std::optional<std::string> QtDialogs::text() {
  const QString text = QApplication::clipboard()->text();
  if (text.isNull()) return std::nullopt;
  return fromQt(text);
}

bool QtDialogs::confirmMoveCorrection(const MoveCorrectionRequest& request) {
  QDialog dialog(owner());
  dialog.setWindowTitle(QStringLiteral("Move Correction"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* form = new QFormLayout;
  for (const auto& [label, value] : {std::pair{"Position", &request.position}, {"New Position", &request.newPosition}}) {
    auto* field = new QLineEdit(toQt(*value), &dialog);
    field->setReadOnly(true);
    form->addRow(QString::fromLatin1(label), field);
  }
  layout->addLayout(form);
  QLabel* text = plainLabel(messageText(request.text), &dialog);
  text->setWordWrap(true);
  text->setMinimumWidth(420);
  layout->addWidget(text);
  QDialogButtonBox* buttons = okCancel(dialog);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  buttons->button(QDialogButtonBox::Ok)->setDefault(true);
  layout->addWidget(buttons);
  return dialog.exec() == QDialog::Accepted;
}

}  // namespace meridax
