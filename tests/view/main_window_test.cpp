#include "view/main_window.h"

#include <QLabel>
#include <QSplitter>
#include <QStatusBar>
#include <QTest>

#include <QScrollArea>
#include <QScrollBar>

#include "layout/board_fit.h"
#include "layout/colour_contrast.h"
#include "layout/pane_split.h"
#include "view/board_widget.h"
#include "view/tree_pane.h"
#include "view_test_support.h"

namespace meridax {
namespace {

class MainWindowTest : public view_testing::WindowTest {};

TEST_F(MainWindowTest, GeometryAndDragBarsAreWrittenAndReadBack) {
  QRect placed;
  {
    auto window = makeWindow(profile);
    window->setGeometry(QRect(40, 30, 700, 500));  // inside the offscreen screen, where a placement is kept
    QApplication::processEvents();
    const QList<int> columns = window->boardSplit().sizes();
    const int total = columns[0] + columns[1];
    window->boardSplit().setSizes({total - total / 4, total / 4});
    const QList<int> rows = window->columnSplit().sizes();
    window->columnSplit().setSizes({(rows[0] + rows[1]) / 2, (rows[0] + rows[1]) / 2});
    window->writeSettings();
    placed = window->geometry();
  }
  EXPECT_EQ(profile.readInt("Application", "Display Width"), 250);
  // Halves of a column of odd height differ by a pixel: 499 or 500 thousandths.
  EXPECT_NEAR(profile.readInt("Application", "Display Width HZ").value_or(0), 500, 1);
  EXPECT_NE(profile.readString("Application", "Window Placement").value_or("NULL"), "NULL");

  auto again = makeWindow(profile, false);
  QApplication::processEvents();
  EXPECT_EQ(again->geometry(), placed);
  const QList<int> columns = again->boardSplit().sizes();
  EXPECT_NEAR(shareOf(SplitSizes{columns[0], columns[1]}), 0.250, 0.01);
  const QList<int> rows = again->columnSplit().sizes();
  EXPECT_NEAR(shareOf(SplitSizes{rows[0], rows[1]}), 0.500, 0.01);
}

TEST_F(MainWindowTest, DamagedDragBarProportionsStillShowEveryPane) {
  profile.writeInt("Application", "Display Width", 5000);
  profile.writeInt("Application", "Display Width HZ", -300);
  auto window = makeWindow(profile);
  QApplication::processEvents();
  for (QSplitter* split : {&window->boardSplit(), &window->columnSplit()})
    for (int size : split->sizes()) EXPECT_GT(size, 0);
}

TEST_F(MainWindowTest, StatusBarHasFourFieldsOfTheirWidths) {
  auto window = makeWindow(profile);
  const QList<QLabel*> labels = window->statusBar()->findChildren<QLabel*>(Qt::FindDirectChildrenOnly);
  int fields = 0;
  for (QLabel* label : labels) {
    const QString name = label->objectName();
    if (!name.startsWith(QStringLiteral("statusField"))) continue;
    ++fields;
    const int field = name.mid(11).toInt();
    if (field > 0) {
      EXPECT_EQ(label->width(), kStatusFieldWidths[static_cast<std::size_t>(field)]) << field;
    }
  }
  EXPECT_EQ(fields, 4);
  window->setStatus(StatusField::Cursor, "Move 3");
  EXPECT_EQ(window->statusText(StatusField::Cursor), QStringLiteral("Move 3"));
}

TEST_F(MainWindowTest, StartupFileIsLoadedOnTheFirstShowOnly) {
  const std::string path = writeFile("start.sgf", "(;GM[1]SZ[9]PB[Black One]PW[White Two];B[aa])");
  FramePorts ports = scripted.framePorts();
  ports.window = nullptr;
  MainWindow window(MainWindowSetup{profile, files, readAppSettings(profile), {}, ports});
  window.frame().files().decideStartupFile({path});
  EXPECT_TRUE(window.frame().currentFile().empty());  // nothing read before the window shows
  window.show();
  QTRY_COMPARE(QString::fromStdString(window.frame().currentFile()), QString::fromStdString(path));
  EXPECT_TRUE(window.windowTitle().contains(QStringLiteral("Black One - White Two")));
}

TEST_F(MainWindowTest, TreeScrollKeepsTheTopWithinItsBounds) {
  std::string moves;
  for (int i = 0; i < 200; ++i) {
    const char x = static_cast<char>('a' + i % 19), y = static_cast<char>('a' + (i / 19) % 19);
    moves += std::string(";") + (i % 2 == 0 ? "B" : "W") + "[" + x + y + "]";
  }
  const std::string path = writeFile("long.sgf", "(;GM[1]SZ[19]" + moves + ")");
  auto window = makeWindow(profile);
  window->run([&] { window->frame().files().ReLoad(path); });
  TreePane& tree = window->treePane();
  const int lines = static_cast<int>(tree.lines().size());
  window->scrollTree(TreeScrollRequest::Bottom);
  EXPECT_EQ(tree.topLine(), lastTopLine(lines, tree.visibleLines()));
  window->scrollTree(TreeScrollRequest::LineDown);
  EXPECT_EQ(tree.topLine(), lastTopLine(lines, tree.visibleLines()));
  window->scrollTree(TreeScrollRequest::Top);
  EXPECT_EQ(tree.topLine(), 0);
  window->runCommand("CmPreviousMove");  // the current move is out of view: not followed
  EXPECT_EQ(tree.topLine(), 0);
  window->runCommand("CmStartPosition");  // the start node on the first line: followed again
  window->runCommand("CmEndPosition");
  EXPECT_FALSE(tree.boxOf(window->frame().game().currentNode).isEmpty());
}

TEST_F(MainWindowTest, FittedBoardFollowsTheWindowUntilTheToggleTurnsItOff) {
  const std::string path = writeFile("big.sgf", "(;GM[1]SZ[19];B[pd];W[dp])");
  auto window = makeWindow(profile);
  window->run([&] { window->frame().files().ReLoad(path); });
  auto& board = static_cast<BoardWidget&>(window->boardPane());
  auto* scroll = window->findChild<QScrollArea*>(QStringLiteral("boardScroll"));
  ASSERT_NE(scroll, nullptr);
  auto resizeTo = [&](int width, int height) {
    window->resize(width, height);
    QApplication::processEvents();
  };
  auto scrolls = [&] { return scroll->horizontalScrollBar()->isVisible() || scroll->verticalScrollBar()->isVisible(); };
  auto squareAt = [&](int width, int height) {
    resizeTo(width, height);
    EXPECT_TRUE(boardInsideArea(board.boardGeometry())) << width << " x " << height;
    EXPECT_FALSE(scrolls()) << width << " x " << height;
    return board.boardGeometry().square;
  };
  const int small = squareAt(700, 450), middle = squareAt(1024, 720), large = squareAt(1600, 1000);
  EXPECT_LT(small, middle);
  EXPECT_LT(middle, large);

  // Off: the kept size, and a board larger than its pane scrolls rather than being cut.
  window->frame().frameSettings().sizeGoBoard[18] = 40;
  window->runCommand("CmFitBoard");
  resizeTo(1024, 720);
  EXPECT_EQ(board.boardGeometry().square, 40);
  EXPECT_TRUE(boardInsideArea(board.boardGeometry()));
  EXPECT_TRUE(scrolls());
  // Decrease steps down from the kept size; turned on again, the fit takes over once the pane has its size.
  window->runCommand("CmDecreaseSize");
  EXPECT_EQ(board.boardGeometry().square, 38);
  window->runCommand("CmFitBoard");
  QApplication::processEvents();
  EXPECT_EQ(board.boardGeometry().square, middle);
  EXPECT_FALSE(scrolls());
}

TEST_F(MainWindowTest, TitleCarriesTheUnsavedChangesMark) {
  auto window = makeWindow(profile);
  EXPECT_TRUE(window->windowTitle().endsWith(QStringLiteral("[*]")));
  EXPECT_FALSE(window->isWindowModified());
  window->run([&] { window->frame().clickBoard(3, 3); });
  EXPECT_TRUE(window->isWindowModified());
}

TEST_F(MainWindowTest, CurrentTreeBoxHasAnOutlineThatStandsOutFromTheOtherBoxes) {
  const std::string path = writeFile("three.sgf", "(;GM[1]SZ[19];B[pd];W[dp];B[pp])");
  auto window = makeWindow(profile);
  window->run([&] { window->frame().files().ReLoad(path); });
  window->runCommand("CmPreviousMove");
  TreePane& tree = window->treePane();
  const GameNode* current = window->frame().game().currentNode;
  const QImage image = tree.grab().toImage();
  const QRect mine = tree.boxOf(current), other = tree.boxOf(current->next());
  ASSERT_FALSE(mine.isEmpty());
  ASSERT_FALSE(other.isEmpty());
  // One pixel inside the left edge: the thick outline on the current box, the fill on the others.
  const QColor mark = image.pixelColor(mine.left() + 1, mine.center().y());
  const QColor fill = image.pixelColor(other.left() + 1, other.center().y());
  auto ref = [](const QColor& c) {
    return static_cast<ContrastColour>(c.red() | c.green() << 8 | c.blue() << 16);
  };
  EXPECT_GE(contrastRatio(ref(mark), ref(fill)), kLeastMarkContrast) << mark.name().toStdString() << " on "
                                                                     << fill.name().toStdString();
}

}  // namespace
}  // namespace meridax
