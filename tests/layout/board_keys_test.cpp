#include "layout/board_keys.h"

#include <gtest/gtest.h>

#include "app/frame_test_support.h"
#include "rules/othello_rules.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

struct StepCase {
  const char* name;
  GameKind kind;
  int width, height;
  BoardPoint from;
  int dx, dy;
  BoardPoint expected;
};
class CursorSteps : public ::testing::TestWithParam<StepCase> {};

TEST_P(CursorSteps, WrapAndPassOverOffBoardCells) {
  const StepCase c = GetParam();
  const BoardPosition p = startingPosition(c.kind, c.width, c.height);
  const int rows = c.kind == GameKind::Kropki ? c.height : c.width;
  const BoardPoint to = stepCursor(p, rows, c.from, c.dx, c.dy);
  EXPECT_EQ(to.x, c.expected.x) << c.name;
  EXPECT_EQ(to.y, c.expected.y) << c.name;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, CursorSteps,
    ::testing::Values(StepCase{"go_right", GameKind::Go, 9, 9, {3, 3}, 1, 0, {4, 3}},
                      StepCase{"go_wrap_right", GameKind::Go, 9, 9, {8, 3}, 1, 0, {0, 3}},
                      StepCase{"go_wrap_left", GameKind::Go, 9, 9, {0, 3}, -1, 0, {8, 3}},
                      StepCase{"go_wrap_up", GameKind::Go, 9, 9, {2, 0}, 0, -1, {2, 8}},
                      StepCase{"kropki_wrap_down_at_height", GameKind::Kropki, 30, 20, {2, 19}, 0, 1, {2, 0}},
                      StepCase{"kropki_wrap_up_to_height", GameKind::Kropki, 30, 20, {2, 0}, 0, -1, {2, 19}},
                      // Havannah of side 4 (width 7): row 0 holds columns 0 to 3.
                      StepCase{"havannah_wrap_past_corner", GameKind::Havannah, 7, 4, {3, 0}, 1, 0, {0, 0}},
                      StepCase{"havannah_wrap_left_past_corner", GameKind::Havannah, 7, 4, {0, 0}, -1, 0, {3, 0}},
                      StepCase{"havannah_up_past_corner", GameKind::Havannah, 7, 4, {6, 3}, 0, -1, {6, 6}},
                      StepCase{"havannah_down", GameKind::Havannah, 7, 4, {0, 3}, 0, 1, {0, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AvailableCells, TabInReadingOrderWithWrap) {
  BoardPosition p = startingPosition(GameKind::Othello, 8, 8);
  MarkAvailable(p, Colour::Black);  // d3, c4, f5, e6
  auto at = [&](BoardPoint from, bool back) {
    const auto q = nextAvailableCell(p, from, back);
    return q ? std::to_string(q->x) + "," + std::to_string(q->y) : std::string("none");
  };
  EXPECT_EQ(at({0, 0}, false), "3,2");
  EXPECT_EQ(at({3, 2}, false), "2,3");
  EXPECT_EQ(at({4, 5}, false), "3,2");  // wraps to the first
  EXPECT_EQ(at({3, 2}, true), "4,5");   // wraps to the last
  EXPECT_EQ(at({2, 3}, true), "3,2");
  EXPECT_EQ(nextAvailableCell(startingPosition(GameKind::Othello, 8, 8), {0, 0}, false), std::nullopt);
}

struct LetterCase {
  int width;
  char key;
  std::optional<BoardPoint> expected;
};
class OthelloLetters : public ::testing::TestWithParam<LetterCase> {};
TEST_P(OthelloLetters, ColumnOrRow) {
  const LetterCase c = GetParam();
  EXPECT_EQ(othelloCursorKey(c.width, {2, 2}, c.key), c.expected) << c.key;
}
INSTANTIATE_TEST_SUITE_P(Keys, OthelloLetters,
                         ::testing::Values(LetterCase{8, 'a', BoardPoint{0, 2}}, LetterCase{8, 'H', BoardPoint{7, 2}},
                                           LetterCase{8, 'i', std::nullopt}, LetterCase{8, '1', BoardPoint{2, 0}},
                                           LetterCase{8, '8', BoardPoint{2, 7}}, LetterCase{8, '9', std::nullopt},
                                           LetterCase{8, '0', std::nullopt}, LetterCase{10, '0', BoardPoint{2, 9}},
                                           LetterCase{8, '-', std::nullopt}));

class BoardKeysOnFrame : public testing::FrameTest {
 protected:
  void loadText(const std::string& sgf) { load(writeFile("game.sgf", sgf)); }
};

TEST_F(BoardKeysOnFrame, ReturnPlaysAtTheCursorOrStepsOntoTheNextMove) {
  loadText("(;GM[1]SZ[9];B[cc];W[dd])");
  SGridFrame& g = frame().game();
  g.currentNode = g.firstNode;
  g.cursorX = 2;
  g.cursorY = 2;
  ASSERT_TRUE(boardCursorKey(frame(), CursorKey::Return));
  EXPECT_EQ(g.currentNode, g.firstNode->next());  // the move already there: a step forward
  EXPECT_FALSE(frame().modified());
  g.cursorX = 5;
  ASSERT_TRUE(boardCursorKey(frame(), CursorKey::Return));
  EXPECT_EQ(g.currentNode->point(), 5u + 2 * 9);  // a new white move, a new branch
  EXPECT_TRUE(frame().modified());
}

TEST_F(BoardKeysOnFrame, ArrowsMoveTheCursorAndTheStatusFollows) {
  loadText("(;GM[1]SZ[9])");
  SGridFrame& g = frame().game();
  g.cursorX = 0;
  g.cursorY = 0;
  ASSERT_TRUE(boardCursorKey(frame(), CursorKey::Left));
  EXPECT_EQ(g.cursorX, 8);
  EXPECT_EQ(ports.status(StatusField::Cursor), " Cursor J9");
  EXPECT_FALSE(boardCursorKey(frame(), CursorKey::Tab));  // Tab is Othello's
}

TEST_F(BoardKeysOnFrame, NothingWhileTheCursorIsHidden) {
  loadText("(;GM[2]SZ[8])");
  frame().frameSettings().viewCursor = 0;
  EXPECT_FALSE(boardCursorKey(frame(), CursorKey::Right));
  EXPECT_FALSE(boardCursorCharacter(frame(), 'c'));
  frame().frameSettings().viewCursor = 1;
  EXPECT_TRUE(boardCursorCharacter(frame(), 'c'));
  EXPECT_EQ(frame().game().cursorX, 2);
  ASSERT_TRUE(boardCursorKey(frame(), CursorKey::Tab));
  EXPECT_EQ(currentPosition(frame().game()).at(frame().game().cursorX, frame().game().cursorY), cell::kAvailable);
}

TEST_F(BoardKeysOnFrame, ShortMenuFollowsKindAndState) {
  loadText("(;GM[2]SZ[8])");
  std::vector<std::string> texts;
  for (const MenuItem& m : boardShortMenu(frame())) texts.push_back(m.text);
  EXPECT_EQ(texts.front(), "&Help\tF1");
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Hide &Search\tAlt+F7"), 1);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "View Go &Co-ordinates\tShift+Ctrl+L"), 0);
  EXPECT_EQ(std::count(texts.begin(), texts.end(), "Remove all &Markup from Board"), 0);
}

}  // namespace
}  // namespace meridax
