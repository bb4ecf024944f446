#include "view/dialog_gallery.h"

#include <QApplication>
#include <QDeadlineTimer>
#include <QDialog>
#include <QListWidget>
#include <QMessageBox>
#include <QPointer>
#include <QTimer>
#include <algorithm>
#include <optional>

#include "app/preferences.h"
#include "rules/position_at.h"
#include "view/compose_dialog.h"
#include "view/main_window.h"
#include "view/plain_text_widgets.h"
#include "view/qt_text.h"

namespace meridax {
namespace {

constexpr int kPollMilliseconds = 20;
constexpr int kWaitMilliseconds = 1500;

// "New game of another type" with the list answered: the dialog that follows the list is the one shown.
void newGameOfType(MainWindow& window, const QString& entry) {
  QTimer::singleShot(0, &window, [entry] {
    auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget());
    auto* list = dialog != nullptr ? dialog->findChild<QListWidget*>() : nullptr;
    if (list == nullptr) return;
    const QList<QListWidgetItem*> items = list->findItems(entry, Qt::MatchExactly);
    if (!items.isEmpty()) list->setCurrentItem(items.front());
    dialog->accept();
  });
  window.runCommand("CmNewGameOfType");
}

// Moving the current move's stone to the first empty point; nothing when the current node is no move.
void correctCurrentMove(MainWindow& window) {
  SGridFrame& game = window.frame().game();
  const GameNode* node = game.currentNode;
  if (node == nullptr || !node->isPlacement() || node == game.firstNode) return;
  const BoardPosition& position = currentPosition(game);
  const int width = position.width();
  const int source = static_cast<int>(node->point());
  for (int i = 0; i < position.cellCount(); ++i) {
    if (!isEmptyCell(position.at(i % width, i / width))) continue;
    window.run([&] { window.frame().CorrectStone(source % width, source / width, i % width, i / width); });
    return;
  }
}

void tellValidation(QWidget* parent, const std::optional<UserMessage>& refusal) {
  if (!refusal) return;
  execPlainMessage(parent, QMessageBox::Warning, toQt(refusal->caption), toQt(refusal->text));
}

// Keep sorted by name.
constexpr GalleryEntry kEntries[] = {
    {"BookmarkName",
     [](MainWindow& w) {
       w.frame().appSettings().bookmarkNames = true;
       w.runCommand("CmBookmark");
     }},
    {"ComposeOptions",
     [](MainWindow& w) {
       ComposeOptionsDialog options(&w);
       options.exec();
     }},
    {"FloatingValidation", [](MainWindow& w) { tellValidation(&w, checkRealField(7.5, 0.5, 6.5)); }},
    {"GoHandicapStones", [](MainWindow& w) { newGameOfType(w, QStringLiteral("Go  19x19  ( Handicap )")); }},
    {"HexBoardSize", [](MainWindow& w) { newGameOfType(w, QStringLiteral("Hex")); }},
    {"IntegerValidation", [](MainWindow& w) { tellValidation(&w, checkIntegerField(25, 2, 19)); }},
    {"KropkiBoardSize", [](MainWindow& w) { newGameOfType(w, QStringLiteral("Kropki")); }},
    {"MostRecentNumbering",
     [](MainWindow& w) {
       w.frame().frameSettings().scoreValue = score_value::kFromComposition;  // the next mode asks
       w.runCommand("CmNumbering");
     }},
    {"MoveCorrection", correctCurrentMove},
    {"PreferencesFonts", [](MainWindow& w) { w.openPreferences(PreferencePage::TreeFonts); }},
    {"UnlurBoardSize", [](MainWindow& w) { newGameOfType(w, QStringLiteral("Unlur")); }},
};

QList<QPointer<QDialog>> openDialogs() {
  QList<QPointer<QDialog>> dialogs;
  for (QWidget* widget : QApplication::topLevelWidgets()) {
    auto* dialog = qobject_cast<QDialog*>(widget);
    if (dialog != nullptr && dialog->isVisible()) dialogs.append(dialog);
  }
  return dialogs;
}

// Watches for dialogs that were not open when it started: the first is grabbed once it has had a turn of
// the event loop to lay itself out, and every one is closed with Cancel.
class DialogCatcher {
 public:
  DialogCatcher() : before_(openDialogs()) {
    QObject::connect(&timer_, &QTimer::timeout, [this] { poll(); });
    timer_.start(kPollMilliseconds);
  }

  const std::optional<DialogShot>& shot() const { return shot_; }

  // Lets the event loop run until a dialog was grabbed and closed, or the time is up.
  void waitForShot() {
    const QDeadlineTimer deadline(kWaitMilliseconds);
    while (!(shot_ && newDialogs().isEmpty()) && !deadline.hasExpired())
      QApplication::processEvents(QEventLoop::AllEvents, kPollMilliseconds);
  }

 private:
  QList<QPointer<QDialog>> newDialogs() const {
    QList<QPointer<QDialog>> fresh;
    for (const QPointer<QDialog>& dialog : openDialogs())
      if (!before_.contains(dialog)) fresh.append(dialog);
    return fresh;
  }

  void poll() {
    for (const QPointer<QDialog>& dialog : newDialogs()) {
      if (dialog.isNull()) continue;  // closed by the one cancelled before it
      if (!shot_) {
        if (!seen_.contains(dialog)) {
          seen_.append(dialog);
          continue;
        }
        shot_ = DialogShot{dialog->grab().toImage(), dialog->windowTitle()};
      }
      dialog->reject();
    }
  }

  QList<QPointer<QDialog>> before_;
  QList<QPointer<QDialog>> seen_;
  std::optional<DialogShot> shot_;
  QTimer timer_;
};

}  // namespace

std::span<const GalleryEntry> galleryEntries() { return kEntries; }

std::variant<DialogShot, std::string> shootDialog(const std::function<void()>& open) {
  DialogCatcher catcher;
  open();
  catcher.waitForShot();
  if (!catcher.shot()) return std::string("no dialog opened");
  return *catcher.shot();
}

std::variant<DialogShot, std::string> shootDialog(MainWindow& window, const std::string& name) {
  const auto entry = std::find_if(std::begin(kEntries), std::end(kEntries),
                                  [&](const GalleryEntry& e) { return name == e.name; });
  if (entry != std::end(kEntries)) return shootDialog([&] { entry->open(window); });
  if (window.frame().findCommand(name) == nullptr) {
    std::string names;
    for (const GalleryEntry& e : kEntries) names += std::string(names.empty() ? "" : ", ") + e.name;
    return "no dialog '" + name + "': give a command's handler name or one of " + names;
  }
  const auto result = shootDialog([&] { window.runCommand(name); });
  if (const auto* error = std::get_if<std::string>(&result))
    return "the command " + name + ": " + *error + " (is it enabled now?)";
  return result;
}

}  // namespace meridax
