// The bookmark and node-name list, the composition dialog and the branch statistics window, opened from
// their commands in a main window whose other questions are answered from queues.

#include "view/frame_dialogs.h"

#include <QLineEdit>
#include <QMenu>
#include <QPushButton>
#include <QTest>
#include <QTimer>
#include <QTreeView>
#include <functional>

#include "edit/compose_apply.h"
#include "rules/kropki_tree.h"
#include "view/branch_statistics_dialog.h"
#include "view/compose_dialog.h"
#include "view/position_list_dialog.h"
#include "view/tree_pane.h"
#include "view_test_support.h"

namespace meridax {
namespace {

// Bookmarks "first" and "" on move 1, "other" on move 2; names on move 1 and on the side line after move 2.
constexpr char kBookmarked[] =
    "(;GM[1]FF[4]SZ[9];B[ee]XB[3:first][2]N[Centre];W[cc]XB[1:other](;B[gc])(;B[gg]N[Side];W[hh]))";
constexpr char kRingGame[] = "(;GM[40]FF[4]SZ[10];W[ee];B[ed];B[fd];B[de];B[ge];B[ef];B[ff])";

// Runs `act` on the modal dialog of type D once the command has opened it.
template <typename D>
void whenOpen(std::function<void(D&)> act) {
  auto* timer = new QTimer;
  timer->setInterval(10);
  QObject::connect(timer, &QTimer::timeout, [timer, act] {
    if (auto* dialog = qobject_cast<D*>(QApplication::activeModalWidget())) {
      timer->stop();
      timer->deleteLater();
      act(*dialog);
    }
  });
  timer->start();
}

class FrameDialogsTest : public view_testing::WindowTest {
 protected:
  MainWindow& open(const char* sgf) {
    window_ = makeWindow(profile);
    window_->run([&] { window_->frame().files().ReLoad(writeFile("game.sgf", sgf)); });
    scripted.takeLines();
    return *window_;
  }
  FrameWin& frame() { return window_->frame(); }
  std::vector<Bookmark>& bookmarks() { return frame().game().bookmarks; }

  std::unique_ptr<MainWindow> window_;
};

// ---- Bookmarks and node names ----

TEST_F(FrameDialogsTest, BookmarkRenameAndDelete_AreWrittenBackAtOnceAndTheTitleFollows) {
  open(kBookmarked);
  PositionListModel rows(frame().game(), PositionListKind::Bookmarks);
  PositionListDialog dialog(frame(), rows, window_.get());
  EXPECT_EQ(dialog.windowTitle(), " Bookmarks ( 3 )");
  QAbstractItemModel& items = *dialog.list().model();
  EXPECT_EQ(items.headerData(0, Qt::Horizontal).toString(), "Move");
  EXPECT_EQ(items.headerData(1, Qt::Horizontal).toString(), "Name");
  EXPECT_EQ(items.data(items.index(0, 0)).toString(), "B. e5");

  ASSERT_TRUE(items.setData(items.index(0, 1), QStringLiteral("opening")));
  EXPECT_FALSE(items.setData(items.index(0, 0), QStringLiteral("B. a1"))) << "the move column is not edited";
  dialog.selectRow(2);
  QTest::keyClick(&dialog.list(), Qt::Key_Delete);
  EXPECT_EQ(dialog.windowTitle(), " Bookmarks ( 2 )");
  dialog.reject();

  ASSERT_EQ(bookmarks().size(), 2u);
  EXPECT_EQ(rows.name(0), "opening");
  EXPECT_TRUE(rows.changed());
}

TEST_F(FrameDialogsTest, NodeNameEditedToNothing_LosesItsRowAndItsFlag) {
  open(kBookmarked);
  PositionListModel rows(frame().game(), PositionListKind::NodeNames);
  PositionListDialog dialog(frame(), rows, window_.get());
  EXPECT_EQ(dialog.windowTitle(), " Node Names ( 2 )");
  GameNode* named = rows.node(0);
  QAbstractItemModel& items = *dialog.list().model();
  ASSERT_TRUE(items.setData(items.index(0, 1), QStringLiteral("  ")));
  EXPECT_EQ(items.rowCount(), 1);
  EXPECT_EQ(dialog.windowTitle(), " Node Names ( 1 )");
  EXPECT_FALSE(named->hasName());
}

TEST_F(FrameDialogsTest, SelectedRowOffTheCurrentLine_SmallTreeShowsItsLineWithoutChangingTheGame) {
  open(kBookmarked);
  PositionListModel rows(frame().game(), PositionListKind::NodeNames);
  PositionListDialog dialog(frame(), rows, window_.get());
  dialog.resize(700, 500);
  GameNode* side = rows.node(1);  // "Side", on the second line
  const GameNode* continuation = frame().game().firstNode->next()->next()->next();
  dialog.selectRow(1);
  EXPECT_GE(lineOfMove(dialog.smallTree().lines(), side), 0);
  EXPECT_EQ(frame().game().firstNode->next()->next()->next(), continuation);
  EXPECT_FALSE(dialog.smallBoard().boardScene().cells.empty());
}

struct ListKeyCase {
  const char* name;
  Qt::Key key;
  Qt::KeyboardModifiers modifiers;
  bool closes;
};

class ListKeyTest : public FrameDialogsTest, public ::testing::WithParamInterface<ListKeyCase> {};

TEST_P(ListKeyTest, AltKeysScrollTheSmallTree_F2Closes) {
  const ListKeyCase& c = GetParam();
  // A long line, so that the small tree has room to scroll.
  std::string sgf = "(;GM[1]FF[4]SZ[19];B[aa]XB[1:]";
  for (int i = 1; i < 120; ++i) sgf += std::string(";") + (i % 2 ? "W" : "B") + "[" + char('a' + i % 19) + char('a' + i / 19) + "]";
  open((sgf + ")").c_str());
  PositionListModel rows(frame().game(), PositionListKind::Bookmarks);
  PositionListDialog dialog(frame(), rows, window_.get());
  dialog.resize(700, 400);
  dialog.show();
  QApplication::processEvents();
  const int top = dialog.smallTree().topLine();
  ASSERT_GT(dialog.smallTree().lines().size(), static_cast<std::size_t>(dialog.smallTree().visibleLines()));
  QTest::keyClick(&dialog.list(), c.key, c.modifiers);
  EXPECT_EQ(dialog.isVisible(), !c.closes);
  if (!c.closes) {
    EXPECT_NE(dialog.smallTree().topLine(), top);
  }
  EXPECT_EQ(rows.rowCount(), 1u) << "no row was touched";
}

INSTANTIATE_TEST_SUITE_P(Keys, ListKeyTest,
                         ::testing::Values(ListKeyCase{"AltDown", Qt::Key_Down, Qt::AltModifier, false},
                                           ListKeyCase{"AltPageDown", Qt::Key_PageDown, Qt::AltModifier, false},
                                           ListKeyCase{"AltEnd", Qt::Key_End, Qt::AltModifier, false},
                                           ListKeyCase{"F2", Qt::Key_F2, Qt::NoModifier, true}),
                         [](const ::testing::TestParamInfo<ListKeyCase>& info) { return info.param.name; });

TEST_F(FrameDialogsTest, OkOnARowFromTheCommand_GoesToItsNode_CancelStays) {
  open(kBookmarked);
  GameNode* start = frame().game().currentNode;
  ASSERT_FALSE(frame().modified());
  whenOpen<PositionListDialog>([](PositionListDialog& d) {
    d.list().model()->setData(d.list().model()->index(1, 1), QStringLiteral("renamed"));
    d.selectRow(1);
    d.reject();
  });
  window_->runCommand("CmBMDisplay");
  EXPECT_EQ(frame().game().currentNode, start);
  // A rename leaves the count alone, yet it is stored at once and must reach the file.
  EXPECT_EQ(bookmarks().size(), 3u);
  EXPECT_TRUE(frame().modified());

  whenOpen<PositionListDialog>([](PositionListDialog& d) {
    d.selectRow(2);  // "other", on move 2
    d.accept();
  });
  window_->runCommand("CmBMDisplay");
  EXPECT_EQ(frame().game().currentNode, frame().game().firstNode->next()->next());
  EXPECT_TRUE(frame().appSettings().bookmarksDimensions.has_value()) << "the columns were recorded";
}

// ---- Composition ----

TEST_F(FrameDialogsTest, ComposeKropkiField_MadeErasedAndMadeAgainReachesTheNewNode) {
  open(kRingGame);
  GameNode* before = frame().game().currentNode;
  bool madeAndErased = false;
  ComposeChoice preselected = ComposeChoice::NewGame;
  whenOpen<ComposeDialog>([&](ComposeDialog& d) {
    EXPECT_EQ(d.windowTitle(), " Board Composition");
    ComposeBoard& board = d.board();
    d.colourButton().click();  // White is to move after the ring: the field is Black's
    QTest::mouseClick(&board, Qt::LeftButton, {}, board.pointCentre({5, 4}));
    QAction* create = d.findChild<QAction*>(QStringLiteral("CmCreateField"));
    QAction* erase = d.findChild<QAction*>(QStringLiteral("CmEraseField"));
    ASSERT_TRUE(create && erase);
    EXPECT_EQ(create->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_K));
    EXPECT_EQ(erase->shortcut(), QKeySequence(Qt::CTRL | Qt::Key_E));
    create->trigger();
    const bool made = board.boardScene().cellAt({5, 4})->field == FieldColour::Black;
    erase->trigger();
    madeAndErased = made && board.boardScene().cellAt({5, 4})->field == FieldColour::None;
    create->trigger();
    whenOpen<ComposeOptionsDialog>([](ComposeOptionsDialog& options) { options.reject(); });
    d.accept();
    EXPECT_TRUE(d.isVisible()) << "Cancel in the options returns to the board";
    whenOpen<ComposeOptionsDialog>([&](ComposeOptionsDialog& options) {
      EXPECT_EQ(options.windowTitle(), "Composition Options");
      preselected = options.choice();
      options.choose(ComposeChoice::Modification);
      options.accept();
    });
    d.accept();
  });
  window_->runCommand("CmCompose");
  EXPECT_TRUE(madeAndErased);
  EXPECT_EQ(preselected, ComposeChoice::ReturnToDialog);
  GameNode* composed = frame().game().currentNode;
  ASSERT_NE(composed, before);
  EXPECT_EQ(composed->prev(), before);
  EXPECT_TRUE(isTerritoryOf(territoryMap(frame().game(), composed).valueAt(5, 4), Colour::Black));
}

TEST_F(FrameDialogsTest, ComposeColourButtonAndCancel_LeaveTheGameAlone) {
  open("(;GM[1]FF[4]SZ[9];B[ee])");
  const std::uint64_t revision = frame().game().treeRevision();
  QString before, after;
  whenOpen<ComposeDialog>([&](ComposeDialog& d) {
    before = d.colourButton().text();
    d.colourButton().click();
    after = d.colourButton().text();
    QTest::keyClick(&d.board(), Qt::Key_Return);  // the cursor square takes the colour
    d.reject();
  });
  window_->runCommand("CmCompose");
  EXPECT_EQ(before, "White");
  EXPECT_EQ(after, "Black");
  EXPECT_EQ(frame().game().treeRevision(), revision);
  EXPECT_TRUE(scripted.takeLines().empty());
}

TEST_F(FrameDialogsTest, ComposeContextMenu_OffersByKindAndSelection) {
  open(kRingGame);
  ComposeModel model(frame().game());
  ComposeDialog dialog(frame(), model, [] { return false; }, window_.get());
  const auto names = [&] {
    const std::unique_ptr<QMenu> menu = dialog.contextMenu();
    QStringList list;
    for (QAction* a : menu->actions()) list << a->objectName();
    return list.join(' ').toStdString();
  };
  EXPECT_EQ(names(), "CmClearBoard CmCreateField CmEraseField CmExportGif CmCopyImage CmASCII CmHelp");
  QTest::keyClick(&dialog.board(), Qt::Key_Right, Qt::ShiftModifier);
  EXPECT_EQ(names(), "CmCopy CmCut CmHelp");
}

// ---- Branch statistics ----

TEST_F(FrameDialogsTest, StatisticsWindow_StaysOpenAndFollowsTheCurrentNode) {
  open("(;GM[1]FF[4]SZ[9];B[ee];W[cc];B[gc])");
  window_->runCommand("CmStartPosition");
  window_->runCommand("CmBranchStatistics");
  BranchStatisticsDialog* stats = window_->dialogs().statisticsWindow();
  ASSERT_NE(stats, nullptr);
  EXPECT_TRUE(stats->isVisible());
  EXPECT_FALSE(stats->isModal());
  EXPECT_EQ(stats->windowTitle(), " Branch Statistics");
  EXPECT_EQ(stats->field(3).text(), "3");  // "Nodes below current position"

  window_->runCommand("CmNextMove");
  EXPECT_EQ(stats->field(3).text(), "2");
  EXPECT_TRUE(stats->field(3).isReadOnly());
  EXPECT_TRUE(scripted.takeLines().empty()) << "no message box";
}

}  // namespace
}  // namespace meridax
