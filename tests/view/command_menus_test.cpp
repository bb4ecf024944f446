#include "view/command_menus.h"

#include <QAction>
#include <QApplication>
#include <QLabel>
#include <QMenu>
#include <QTimer>
#include <QToolBar>

#include <algorithm>
#include <cctype>
#include <set>
#include <sstream>

#include "app/command_registry.h"
#include "app/context_menus.h"
#include "app/list_menus.h"
#include "view/about_dialog.h"
#include "view/command_icons.h"
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

// Whether the action stands in the menu or one of its submenus.
bool holds(const QMenu& menu, QAction* action) {
  for (QAction* a : menu.actions())
    if (a == action || (a->menu() != nullptr && holds(*a->menu(), action))) return true;
  return false;
}

TEST_F(CommandMenusTest, EveryCommandOfTheMenuBarHasAnEntryAndNoOtherHasOne) {
  const std::vector<QMenu*> menus = window->menus().allMenus();
  for (const FrameCommand* c : allCommands()) {
    QAction* a = window->menus().action(c->name);
    if (!inMenuBar(*c)) {  // a list's command, or one of a context menu's alone
      EXPECT_EQ(a, nullptr) << c->name;
      continue;
    }
    ASSERT_NE(a, nullptr) << c->name;
    bool inMenu = false;
    for (QMenu* m : menus) inMenu = inMenu || holds(*m, a);
    EXPECT_TRUE(inMenu) << c->name;
    EXPECT_FALSE(a->text().isEmpty()) << c->name;
  }
}

TEST_F(CommandMenusTest, AcceleratorsAreShortcutsOfTheirCommands) {
  for (const FrameCommand* c : allCommands()) {
    if (!inMenuBar(*c)) continue;
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
  EXPECT_EQ(window->menus().toolbar()->actions().value(0), action("LoadSGF"));  // Open and Save lead
  EXPECT_EQ(window->menus().toolbar()->actions().value(1), action("CmSave"));
  EXPECT_FALSE(action("CmNextGame")->icon().isNull());
}

TEST_F(CommandMenusTest, ButtonsTellTheirTextAndKeysAndShowPicturesOfTheirOwn) {
  const std::pair<const char*, const char*> tips[] = {
      {"LoadSGF", "Load File (Ctrl+O)"},
      {"CmNextGame", "Next Game (Ctrl+Right)"},
      {"CmPreviousMove", "Previous Move (F11, Alt+Left)"},
      {"CmPass", "Pass (Ctrl+T)"},  // a text that changes with the kind: Go's
      {"CmNodeName", "Add SGF Node Name"},
      {"CmWebPage", "Meridax Web Page"},
  };
  for (const auto& [name, tip] : tips) EXPECT_EQ(action(name)->toolTip(), QString::fromUtf8(tip)) << name;
  newGame("Hex", {"11"});
  EXPECT_EQ(action("CmPass")->toolTip(), QStringLiteral("Swap Sides (Ctrl+T)"));

  // Every button has a picture; no two buttons, nor two pictures, share one, and every drawn one draws.
  std::set<std::string> drawn, themed;
  for (const CommandPicture& p : commandPictures()) {
    EXPECT_TRUE(drawn.insert(p.drawn).second) << p.drawn << " drawn twice";
    if (p.theme != nullptr) {
      EXPECT_TRUE(themed.insert(p.theme).second) << p.theme << " used twice";
    }
    EXPECT_FALSE(drawnIcon(p).pixmap(QSize(48, 48)).isNull()) << p.drawn;
  }
  for (QToolBar* bar : {window->menus().toolbar(), window->menus().navigationBar()}) {
    for (QAction* a : bar->actions()) {
      if (a->isSeparator()) continue;
      const FrameCommand* c = findCommand(a->objectName().toStdString());
      ASSERT_NE(c, nullptr) << a->objectName().toStdString();
      EXPECT_NE(commandPicture(*c), nullptr) << c->name;
      EXPECT_FALSE(a->icon().isNull()) << c->name;
    }
  }
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

// A text a person would not read as a menu item: a handler name ("CmAbout", "OnClose") or one word joined
// from several ("NavigationBar", "LoadSGF"). "ReLoad" is the program's own item text.
bool namedLikeACommand(const std::string& text) {
  if (text == "ReLoad") return false;
  if (text.size() > 2 && (text.starts_with("Cm") || text.starts_with("On")) && std::isupper(text[2])) return true;
  if (text.find(' ') != std::string::npos) return false;
  for (std::size_t i = 1; i < text.size(); ++i)
    if (std::islower(static_cast<unsigned char>(text[i - 1])) && std::isupper(static_cast<unsigned char>(text[i])))
      return true;
  return false;
}

// The faults of a menu's texts: empty, named like a command, or repeated.
std::vector<std::string> menuFaults(const std::string& menu, const std::vector<std::string>& texts) {
  std::vector<std::string> faults;
  std::set<std::string> seen;
  for (const std::string& raw : texts) {
    const std::string text = readableMenuText(raw);
    if (text.empty()) faults.push_back(menu + ": an item without a text");
    if (namedLikeACommand(text)) faults.push_back(menu + ": \"" + text + "\" is named like a command");
    if (!seen.insert(text).second) faults.push_back(menu + ": \"" + text + "\" is listed twice");
  }
  return faults;
}

void walkMenu(const QMenu& menu, const std::string& path, std::vector<std::string>& faults) {
  std::vector<std::string> texts;
  for (QAction* a : menu.actions()) {
    if (a->isSeparator()) continue;
    texts.push_back(a->text().toStdString());
    if (a->menu() != nullptr) walkMenu(*a->menu(), path + "/" + readableMenuText(a->text().toStdString()), faults);
  }
  for (std::string& f : menuFaults(path, texts)) faults.push_back(std::move(f));
}

template <typename Items>
void walkItems(const std::string& menu, const Items& items, std::vector<std::string>& faults) {
  std::vector<std::string> texts;
  for (const auto& item : items)
    if (!item.text.empty()) texts.push_back(item.text);
  for (std::string& f : menuFaults(menu, texts)) faults.push_back(std::move(f));
}

TEST_F(CommandMenusTest, NoMenuNamesAnItemLikeACommandOrListsItTwice) {
  // The rule itself, on texts a fault once put in the menus.
  EXPECT_EQ(menuFaults("Annotate", {"Add SGF &Score", "Label", "Add SGF Score", "&Label"}).size(), 2u);
  EXPECT_EQ(menuFaults("Navigate", {"CmQuickGo0", "CmNeighbourBranchBack", "NavigationBar", "&ReLoad"}).size(), 3u);

  std::vector<std::string> faults;
  const std::string path = writeFile("marked.sgf", "(;GM[1]SZ[9]N[start]V[1]C[c];B[cc]LB[cc:A]MA[dd]FG[]C[x](;W[dd])(;W[ee]))");
  window->run([&] { window->frame().files().ReLoad(path); });
  for (const char* entry : {"", "Othello / Reversi", "Hex", "Kropki"}) {
    if (*entry != '\0') newGame(entry, std::string(entry) == "Kropki" ? std::vector<std::string>{"20", "20"}
                                      : std::string(entry) == "Hex" ? std::vector<std::string>{"11"}
                                                                     : std::vector<std::string>{});
    window->menus().listing();  // brings every text up to date
    for (QMenu* menu : window->menus().allMenus()) walkMenu(*menu, menu->objectName().toStdString(), faults);
    SGridFrame& game = window->frame().game();
    for (const BoardArea& area : {BoardArea{2, 2, 2, 2}, BoardArea{3, 3, 3, 3}, BoardArea{0, 0, 4, 4}})
      walkItems(std::string("board menu of ") + entry, boardContextMenu(game, area, BoardMenuView{}), faults);
    for (GameNode* node = game.firstNode; node != nullptr; node = node->next())
      walkItems(std::string("tree menu of ") + entry, treeContextMenu(game, node, node != game.firstNode), faults);
  }
  for (const ListMode mode : {ListMode::Games, ListMode::Players})
    for (const std::size_t selected : {1u, 3u})
      for (const bool forPlayers : {false, true})
        walkItems("list menu", listContextMenu(ListMenuState{mode, selected, 5, forPlayers}), faults);
  EXPECT_TRUE(faults.empty()) << ::testing::PrintToString(faults);
}

TEST_F(CommandMenusTest, MenuListingNamesEveryItemWithItsMenuKeysAndState) {
  std::istringstream lines(window->menus().listing());
  std::vector<std::string> listed;
  for (std::string line; std::getline(lines, line);) listed.push_back(line);
  ASSERT_FALSE(listed.empty());
  EXPECT_EQ(listed.front(), "File\tLoad File\tCtrl+O\tenabled");
  const std::string expected[] = {
      "Navigate/Go to Quick Slot\t3\tCtrl+3\tenabled",
      "Navigate/Store in Quick Slot\t0\tCtrl+Shift+0\tenabled",
      "Navigate\tPrevious Move\tF11, Alt+Left\tenabled",
      "Navigate\tNext Comment\tCtrl+Alt+N\tdisabled",  // the new game has no comment
      "View\tNavigation Bar\t\tenabled",
  };
  for (const std::string& line : expected)
    EXPECT_NE(std::find(listed.begin(), listed.end(), line), listed.end()) << line;
  // The menus come in the order of the menu bar.
  std::vector<std::string> order;
  for (const std::string& line : listed) {
    const std::string menu = line.substr(0, line.find_first_of("/\t"));
    if (order.empty() || order.back() != menu) order.push_back(menu);
  }
  EXPECT_EQ(order, (std::vector<std::string>{"File", "Collection", "Navigate", "Moves", "Edit", "Annotate", "View",
                                             "Tree", "Export", "Engine", "Settings", "Help"}));
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
