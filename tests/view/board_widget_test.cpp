#include "view/board_widget.h"

#include <gtest/gtest.h>

#include <QMenu>
#include <QSignalSpy>
#include <QTest>
#include <QTimer>

#include "app/board_view_commands.h"
#include "app/frame_test_support.h"
#include "layout/board_hit_test.h"
#include "view/view_test_support.h"

namespace meridax {
namespace {

// Closes the next popup menu once it shows, after choosing the item with this text (none: just close).
void answerNextMenu(const QString& choose = {}) {
  QTimer::singleShot(0, [choose] {
    auto* menu = qobject_cast<QMenu*>(QApplication::activePopupWidget());
    if (menu == nullptr) return;
    for (QAction* a : menu->actions())
      if (!choose.isEmpty() && a->text() == choose) a->trigger();
    menu->close();
  });
}

std::vector<std::string> textsOf(const QList<QVariant>& arguments) {
  std::vector<std::string> texts;
  for (const MenuItem& m : arguments.at(0).value<std::vector<MenuItem>>()) texts.push_back(m.text);
  return texts;
}

class BoardWidgetTest : public testing::FrameTest {
 protected:
  void SetUp() override { view_testing::application(); }

  BoardWidget& board(const std::string& sgf) {
    load(writeFile("game.sgf", sgf));
    widget_ = std::make_unique<BoardWidget>(frame());
    widget_->resize(400, 400);
    widget_->show();
    return *widget_;
  }
  QPoint at(int x, int y) { return widget_->pointCentre({x, y}); }
  SGridFrame& game() { return frame().game(); }
  unsigned currentPoint() { return game().currentNode->point(); }

  std::unique_ptr<BoardWidget> widget_;
};

TEST_F(BoardWidgetTest, LaidOutInTheWholeWidgetAndHitBack) {
  frame().frameSettings().fitBoard = false;  // the kept square size
  BoardWidget& b = board("(;GM[1]SZ[9])");
  const BoardGeometry& g = b.boardGeometry();
  EXPECT_EQ(g.area, (PixelRect{0, 0, 400, 400}));
  EXPECT_EQ(g.square, 24);
  EXPECT_EQ(g.origin, (PixelPoint{(400 - 9 * 24) / 2, (400 - 9 * 24) / 2}));
  const QPoint p = at(8, 0);
  EXPECT_EQ(hitTest(g, p.x(), p.y()), (BoardPoint{8, 0}));
}

TEST_F(BoardWidgetTest, SingleClickPlaysAndTellsTheWindowAroundIt) {
  BoardWidget& b = board("(;GM[1]SZ[9])");
  QSignalSpy before(&b, &BoardWidget::aboutToAct), after(&b, &BoardWidget::acted);
  QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, at(2, 3));
  EXPECT_EQ(currentPoint(), 2u + 3 * 9);
  EXPECT_EQ(game().cursorX, 2);
  EXPECT_EQ(game().cursorY, 3);
  EXPECT_EQ(before.count(), 1);
  EXPECT_EQ(after.count(), 1);
  EXPECT_EQ(b.boardScene().cellAt({2, 3})->look, CellLook::Black);  // drawn from the new state
}

TEST_F(BoardWidgetTest, WithoutSingleClickOnlyADoubleClickPlays) {
  BoardWidget& b = board("(;GM[1]SZ[9])");
  frame().appSettings().doSingleClick = false;
  QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, at(4, 4));
  EXPECT_EQ(game().currentNode, game().firstNode);
  EXPECT_EQ(game().cursorX, 4);
  QTest::mouseDClick(&b, Qt::LeftButton, Qt::NoModifier, at(4, 4));
  EXPECT_EQ(currentPoint(), 4u + 4 * 9);
}

TEST_F(BoardWidgetTest, ClicksOutsideTheBoardDoNothing) {
  BoardWidget& b = board("(;GM[1]SZ[9])");
  QSignalSpy after(&b, &BoardWidget::acted);
  QTest::mouseClick(&b, Qt::LeftButton, Qt::NoModifier, QPoint(2, 2));
  EXPECT_EQ(game().currentNode, game().firstNode);
  EXPECT_EQ(after.count(), 0);
}

TEST_F(BoardWidgetTest, CtrlDragAsksToCorrectTheStone) {
  BoardWidget& b = board("(;GM[1]SZ[9];B[cc];W[gg])");
  ports.queueAnswer(Answer::No);
  QTest::mousePress(&b, Qt::LeftButton, Qt::ControlModifier, at(2, 2));
  EXPECT_EQ(ports.lines().size(), 0u);  // a Ctrl press never plays
  QTest::mouseRelease(&b, Qt::LeftButton, Qt::ControlModifier, at(4, 4));
  ASSERT_FALSE(ports.lines().empty());
  EXPECT_NE(ports.lines().back().find("Move Correction"), std::string::npos) << ports.lines().back();
  EXPECT_EQ(frame().collection().size(), 1u);  // No: nothing was added
}

TEST_F(BoardWidgetTest, RightClickOpensTheBoardMenuOnReleaseAndRunsTheChoice) {
  BoardWidget& b = board("(;GM[1]SZ[9];B[cc])");
  QSignalSpy menus(&b, &BoardWidget::menuRequested);
  QTest::mousePress(&b, Qt::RightButton, Qt::NoModifier, at(5, 5));
  EXPECT_EQ(menus.count(), 0);  // not on the press
  answerNextMenu("Mark with &Triangle");
  QTest::mouseRelease(&b, Qt::RightButton, Qt::NoModifier, at(5, 5));
  ASSERT_EQ(menus.count(), 1);
  const std::vector<std::string> texts = textsOf(menus.at(0));
  EXPECT_EQ(texts.front(), "Hide SGF &Markup\tAlt+F5");
  EXPECT_EQ(game().cursorX, 5);  // a single right click takes the cursor
  EXPECT_TRUE(game().currentNode->hasMarkup());
  ASSERT_EQ(b.boardScene().symbols.size(), 1u);
  EXPECT_EQ(b.boardScene().symbols[0].kind, SymbolKind::Triangle);
}

TEST_F(BoardWidgetTest, RightDragMarksAnArea) {
  BoardWidget& b = board("(;GM[1]SZ[9];B[cc])");
  QSignalSpy menus(&b, &BoardWidget::menuRequested);
  QTest::mousePress(&b, Qt::RightButton, Qt::NoModifier, at(1, 1));
  QMouseEvent move(QEvent::MouseMove, at(3, 2), b.mapToGlobal(at(3, 2)), Qt::NoButton, Qt::RightButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&b, &move);
  answerNextMenu("&Mark");
  QTest::mouseRelease(&b, Qt::RightButton, Qt::NoModifier, at(3, 2));
  ASSERT_EQ(menus.count(), 1);
  EXPECT_EQ(ports.status(StatusField::SideToMove), "Selected area = 6");
  EXPECT_EQ(b.boardScene().symbols.size(), 6u);  // the stone on c3 is marked too
}

TEST_F(BoardWidgetTest, RightDragReleasedOffTheBoardKeepsTheLastPointPassed) {
  BoardWidget& b = board("(;GM[1]SZ[9])");
  QTest::mousePress(&b, Qt::RightButton, Qt::NoModifier, at(0, 0));
  QMouseEvent move(QEvent::MouseMove, at(1, 2), b.mapToGlobal(at(1, 2)), Qt::NoButton, Qt::RightButton,
                   Qt::NoModifier);
  QApplication::sendEvent(&b, &move);
  answerNextMenu();
  QTest::mouseRelease(&b, Qt::RightButton, Qt::NoModifier, QPoint(2, 399));
  EXPECT_EQ(ports.status(StatusField::SideToMove), "Selected area = 6");
  EXPECT_EQ(frame().markedArea().x2, 1);
  EXPECT_EQ(frame().markedArea().y2, 2);
}

TEST_F(BoardWidgetTest, KeysMoveTheCursorPlayAndMark) {
  BoardWidget& b = board("(;GM[1]SZ[9])");
  game().cursorX = 0;
  game().cursorY = 0;
  QTest::keyClick(&b, Qt::Key_Up);
  EXPECT_EQ(game().cursorY, 8);  // wrapped to the bottom row
  QTest::keyClick(&b, Qt::Key_T);
  EXPECT_TRUE(game().currentNode->hasMarkup());
  QTest::keyClick(&b, Qt::Key_Return);
  EXPECT_EQ(currentPoint(), 0u + 8 * 9);
  QTest::keyClick(&b, Qt::Key_Insert);
  QTest::keyClick(&b, Qt::Key_Q, Qt::NoModifier);
  ASSERT_EQ(b.boardScene().labels.size(), 1u);
  EXPECT_EQ(b.boardScene().labels[0].text, "q");
}

TEST_F(BoardWidgetTest, TabWalksOthellosLegalSquares) {
  BoardWidget& b = board("(;GM[2]SZ[8])");
  b.setFocus();
  game().cursorX = 0;
  game().cursorY = 0;
  QTest::keyClick(&b, Qt::Key_Tab);
  EXPECT_EQ(game().cursorX, 3);
  EXPECT_EQ(game().cursorY, 2);
  QTest::keyClick(&b, Qt::Key_F);
  EXPECT_EQ(game().cursorX, 5);
}

TEST_F(BoardWidgetTest, MenuKeyOpensTheShortMenu) {
  BoardWidget& b = board("(;GM[1]SZ[9])");
  QSignalSpy menus(&b, &BoardWidget::menuRequested);
  answerNextMenu();
  QTest::keyClick(&b, Qt::Key_Menu);
  ASSERT_EQ(menus.count(), 1);
  EXPECT_EQ(textsOf(menus.at(0)).front(), "&Help\tF1");
}

TEST_F(BoardWidgetTest, RefreshFollowsTheSquareSize) {
  frame().frameSettings().fitBoard = false;  // the kept square size
  BoardWidget& b = board("(;GM[1]SZ[9])");
  frame().runCommand("CmIncreaseSize");
  b.refresh();
  EXPECT_EQ(b.boardGeometry().square, 26);
}

}  // namespace
}  // namespace meridax
