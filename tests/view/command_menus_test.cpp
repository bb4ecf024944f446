#include "view/command_menus.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

#include "app/command_registry.h"
#include "view/about_dialog.h"
#include "view/tree_pane.h"
#include "view_test_support.h"

namespace meridax {
namespace {

class CommandMenusTest : public view_testing::WindowTest {
 protected:
  void SetUp() override { window = makeWindow(profile); }

  // A new game of the kind the " Game Selection" entry names, with the answers its size dialogs want.
  void newGame(const std::string& entry, std::vector<std::string> sizes = {}) {
    scripted.queueInput(entry);
    for (std::string& s : sizes) scripted.queueInput(std::move(s));
    window->runCommand("CmNewGameOfType");
    ASSERT_FALSE(scripted.stopped()) << entry;
    (void)scripted.takeLines();
  }
  QAction* action(const char* name) {
    QAction* a = window->menus().action(name);
    EXPECT_NE(a, nullptr) << name;
    return a;
  }

  std::unique_ptr<MainWindow> window;
};

TEST_F(CommandMenusTest, EveryCommandOfTheRegistryHasAMenuEntry) {
  const std::vector<QMenu*> menus = window->menus().allMenus();
  for (const FrameCommand* c : allCommands()) {
    QAction* a = window->menus().action(c->name);
    if (c->group == CommandGroup::Lists) {  // in the lists' own menus only
      EXPECT_EQ(a, nullptr) << c->name;
      continue;
    }
    ASSERT_NE(a, nullptr) << c->name;
    bool inMenu = false;
    for (QMenu* m : menus) inMenu = inMenu || m->actions().contains(a);
    EXPECT_TRUE(inMenu) << c->name;
    EXPECT_FALSE(a->text().isEmpty()) << c->name;
  }
}

TEST_F(CommandMenusTest, AcceleratorsAreShortcutsOfTheirCommands) {
  for (const FrameCommand* c : allCommands()) {
    if (c->group == CommandGroup::Lists) continue;
    const QList<QKeySequence> shortcuts = window->menus().action(c->name)->shortcuts();
    EXPECT_EQ(static_cast<std::size_t>(shortcuts.size()), commandKeys(*c).size()) << c->name << " " << c->keys;
    for (const QKeySequence& s : shortcuts) EXPECT_FALSE(s.isEmpty()) << c->name;
  }
}

// A menu entry shows its keys in the words of its menu text ("Shift+Ctrl+P", which Qt would write
// "Ctrl+Shift+P"), for whichever kind of game gives the text.
TEST_F(CommandMenusTest, MenuEntriesShowTheKeysTheirMenuTextsName) {
  for (const auto& [entry, sizes] : {std::pair<std::string, std::vector<std::string>>{"Go  13x13", {}},
                                     {"Havannah", {}}}) {
    newGame(entry, sizes);
    for (QMenu* m : window->menus().allMenus()) emit m->aboutToShow();
    for (const FrameCommand* c : allCommands()) {
      QAction* a = window->menus().action(c->name);
      const std::string text = window->frame().commandMenuText(*c);
      if (a == nullptr || text.find('\t') == std::string::npos) continue;
      EXPECT_EQ(a->text().section(QLatin1Char('\t'), 1), QString::fromStdString(text.substr(text.find('\t') + 1)))
          << entry << " " << c->name;
    }
  }
  EXPECT_EQ(action("CmFlipBoard")->text(), QStringLiteral("&Mirror Board\tShift+Ctrl+P"));  // Havannah
}

TEST_F(CommandMenusTest, RegistryKeyNamesBecomeQtKeys) {
  const std::pair<const char*, QKeySequence> cases[] = {
      {"Ctrl+O", QKeySequence(Qt::CTRL | Qt::Key_O)},
      {"Ctrl+PageUp", QKeySequence(Qt::CTRL | Qt::Key_PageUp)},
      {"Alt+PageDown", QKeySequence(Qt::ALT | Qt::Key_PageDown)},
      {"Shift+Backspace", QKeySequence(Qt::SHIFT | Qt::Key_Backspace)},
      {"Ctrl+Shift+Left", QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Left)},
      {"Ctrl+Alt+T", QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_T)},
      {"Ctrl++", QKeySequence(Qt::CTRL | Qt::Key_Plus)},
      {"F11", QKeySequence(Qt::Key_F11)},
      {"Home", QKeySequence(Qt::Key_Home)},
      {"Delete", QKeySequence(Qt::Key_Delete)},
  };
  for (const auto& [name, expected] : cases) EXPECT_EQ(qtKeySequence(name), expected) << name;
  EXPECT_TRUE(qtKeySequence("").isEmpty());
}

TEST_F(CommandMenusTest, ToolBarsHoldTheCommandsWithShortTips) {
  EXPECT_TRUE(window->menus().navigationBar()->actions().contains(action("CmNextGame")));
  EXPECT_TRUE(window->menus().toolbar()->actions().contains(action("CollImport")));
  EXPECT_FALSE(window->menus().toolbar()->actions().contains(action("LoadSGF")));  // no tip of its own
  EXPECT_EQ(action("CmNextGame")->toolTip(), QStringLiteral("Next Game"));
  EXPECT_FALSE(action("CmNextGame")->icon().isNull());
}

struct KindCase {
  const char* entry;
  std::vector<std::string> sizes;
  bool othello;
  bool go;
};

TEST_F(CommandMenusTest, EnabledCheckedAndTextsFollowTheKindOfTheCurrentGame) {
  const KindCase kinds[] = {
      {"Othello / Reversi", {}, true, false}, {"Hex", {"11"}, false, false},       {"Havannah", {}, false, false},
      {"Kropki", {"20", "20"}, false, false}, {"Go  13x13", {}, false, true},      {"Unlur", {"9"}, false, false},
      {"Pente 19", {}, false, true},          {"Connect 6", {}, false, true},  // Go boards
  };
  for (const KindCase& k : kinds) {
    newGame(k.entry, k.sizes);
    for (const char* menu : {"View", "Moves"})
      for (QMenu* m : window->menus().allMenus())
        if (m->objectName() == QLatin1String(menu)) emit m->aboutToShow();
    EXPECT_EQ(action("CmViewHighlighting")->isEnabled(), k.othello) << k.entry;
    EXPECT_EQ(action("CmViewSearch")->isEnabled(), k.othello) << k.entry;
    EXPECT_EQ(action("CmViewGoCoordinates")->isEnabled(), k.go) << k.entry;
    EXPECT_TRUE(action("CmCollDelete")->isEnabled()) << k.entry;  // the collection has several games now
    // Every action shows the state and text the frame gives for the kind.
    for (const FrameCommand* c : allCommands()) {
      QAction* a = window->menus().action(c->name);
      if (a == nullptr) continue;  // a list's command
      EXPECT_EQ(a->isEnabled(), window->frame().commandEnabled(*c)) << k.entry << " " << c->name;
      if (c->checked != nullptr) {
        EXPECT_EQ(a->isChecked(), window->frame().commandChecked(*c)) << c->name;
      }
      EXPECT_EQ(a->text(), menuLabel(window->frame().commandMenuText(*c), *c)) << k.entry << " " << c->name;
    }
  }
}

TEST_F(CommandMenusTest, ToggleIsCheckedAfterItsCommand) {
  QAction* cursor = action("CmViewCursor");
  const bool before = cursor->isChecked();
  cursor->trigger();
  EXPECT_EQ(cursor->isChecked(), !before);
  EXPECT_NE(cursor->text().startsWith(QLatin1String("Hide")), before);
}

QStringList* capturedWarnings = nullptr;
// Warnings of the program's own menus; the offscreen platform's notes that it cannot raise a popup or grab the
// keyboard are about the test's platform.
void captureWarnings(QtMsgType type, const QMessageLogContext&, const QString& text) {
  if (text.startsWith(QLatin1String("This plugin does not support"))) return;
  if (type != QtDebugMsg && type != QtInfoMsg && capturedWarnings != nullptr) capturedWarnings->append(text);
}

TEST_F(CommandMenusTest, OpeningEveryMenuForEveryKindRaisesNoWarning) {
  QStringList warnings;
  capturedWarnings = &warnings;
  const QtMessageHandler previous = qInstallMessageHandler(captureWarnings);
  for (const char* entry : {"Go  19x19", "Othello / Reversi", "Havannah", "Pente 15", "Connect 6"}) {
    newGame(entry);
    for (QMenu* menu : window->menus().allMenus()) {
      menu->popup(QPoint(10, 10));
      QApplication::processEvents();
      menu->hide();
    }
  }
  qInstallMessageHandler(previous);
  capturedWarnings = nullptr;
  EXPECT_TRUE(warnings.isEmpty()) << warnings.join(QLatin1Char('\n')).toStdString();
}

TEST_F(CommandMenusTest, CommandNotBuiltYetSaysSoInOneMessage) {
  const FrameCommand* later = nullptr;
  for (const FrameCommand* c : allCommands())
    if (c->route == CommandRoute::Later && window->frame().commandEnabled(*c)) later = c;
  if (later == nullptr) GTEST_SKIP() << "every command is built";
  (void)scripted.takeLines();
  window->menus().action(later->name)->trigger();
  const std::vector<std::string> lines = scripted.takeLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("[" + std::string(later->name) + "()]", 0), 0u) << lines[0];
}

TEST_F(CommandMenusTest, ExitClosesTheWindowThroughItsQuestion) {
  window->frame().clickBoard(3, 3);  // an unsaved change: no file, so a Yes/No question
  scripted.queueAnswer(Answer::No);
  action("OnClose")->trigger();
  EXPECT_TRUE(window->isVisible());
  scripted.queueAnswer(Answer::Yes);
  action("OnClose")->trigger();
  EXPECT_FALSE(window->isVisible());
}

}  // namespace
}  // namespace meridax

namespace meridax {
namespace {

class WindowCommandsTest : public view_testing::WindowTest {};

TEST_F(WindowCommandsTest, AboutOpensItsDialogOverTheWindowAndNoMessage) {
  auto window = makeWindow(profile);
  (void)scripted.takeLines();
  QString title;
  QString version;
  QWidget* owner = nullptr;
  QTimer::singleShot(0, window.get(), [&] {
    auto* about = qobject_cast<AboutDialog*>(QApplication::activeModalWidget());
    if (about == nullptr) return;
    title = about->windowTitle();
    for (QLabel* label : about->findChildren<QLabel*>())
      if (label->text().contains("Version")) version = label->text();
    owner = about->parentWidget();
    about->accept();
  });
  window->menus().action("CmAbout")->trigger();
  EXPECT_EQ(title, "About Meridax");
  EXPECT_TRUE(version.contains("18.5")) << version.toStdString();
  EXPECT_EQ(owner, window.get());
  EXPECT_TRUE(scripted.takeLines().empty());
}

TEST_F(WindowCommandsTest, TreeScrollCommandsScrollThePane) {
  std::string moves;
  for (int i = 0; i < 160; ++i)
    moves += std::string(";") + (i % 2 == 0 ? "B" : "W") + "[" + static_cast<char>('a' + i % 19) +
             static_cast<char>('a' + i / 19) + "]";
  const std::string path = writeFile("scroll.sgf", "(;GM[1]SZ[19]" + moves + ")");
  auto window = makeWindow(profile);
  window->run([&] { window->frame().files().ReLoad(path); });
  TreePane& tree = window->treePane();
  window->menus().action("CmTreeTop")->trigger();
  EXPECT_EQ(tree.topLine(), 0);
  window->menus().action("CmTreeLineDown")->trigger();
  EXPECT_EQ(tree.topLine(), 1);
  window->menus().action("CmTreePageDown")->trigger();
  EXPECT_EQ(tree.topLine(), 1 + tree.visibleLines());
  window->menus().action("CmTreeBottom")->trigger();
  EXPECT_EQ(tree.topLine(), lastTopLine(static_cast<int>(tree.lines().size()), tree.visibleLines()));
  EXPECT_TRUE(scripted.lines().empty() || scripted.lines().back().find("not available") == std::string::npos);
}

}  // namespace
}  // namespace meridax
