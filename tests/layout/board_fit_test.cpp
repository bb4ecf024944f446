#include "layout/board_fit.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

bool inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}

struct FitCase {
  const char* name;
  BoardDimensions board;
  PixelRect area;
};

class BoardFitTest : public ::testing::TestWithParam<FitCase> {};

TEST_P(BoardFitTest, LargestSquareThatFitsTheArea) {
  const FitCase& c = GetParam();
  const BoardGeometry g = fittedBoardGeometry(c.board, c.area, false);
  EXPECT_TRUE(inside(boardExtent(g), c.area)) << "square " << g.square;
  if (g.square < kMaxBoardSquare) {
    EXPECT_FALSE(inside(boardExtent(layoutBoard(c.board, g.square + 2, c.area, false)), c.area)) << g.square;
  }
}

const FitCase kFitCases[] = {
    {"Go19Square", {GameKind::Go, 19, 19}, {0, 0, 400, 400}},
    {"Go9Wide", {GameKind::Go, 9, 9}, {10, 20, 900, 300}},
    {"Go9Huge", {GameKind::Go, 9, 9}, {0, 0, 3000, 3000}},
    {"Othello", {GameKind::Othello, 8, 8}, {0, 0, 250, 330}},
    {"HexLeans", {GameKind::Hex, 11, 11}, {0, 0, 500, 300}},
    {"Havannah", {GameKind::Havannah, 10, 5}, {0, 0, 320, 320}},
    {"KropkiOblong", {GameKind::Kropki, 20, 15}, {0, 0, 420, 360}},
};

INSTANTIATE_TEST_SUITE_P(Cases, BoardFitTest, ::testing::ValuesIn(kFitCases),
                         [](const ::testing::TestParamInfo<FitCase>& info) { return info.param.name; });

TEST(BoardFit, AreaTooSmallForAnyBoard_TakesTheSmallestSquare) {
  EXPECT_EQ(fittedBoardGeometry({GameKind::Go, 19, 19}, {0, 0, 40, 40}, false).square, kMinBoardSquare);
}

TEST(BoardFit, CellRangeBox_CoversBothCornersInEitherOrder) {
  const BoardGeometry g = layoutBoard({GameKind::Othello, 8, 8}, 20, {0, 0, 300, 300}, false);
  const PixelRect box = cellRangeBox(g, 5, 4, 2, 1);
  EXPECT_EQ(box, cellRangeBox(g, 2, 1, 5, 4));
  const PixelRect first = g.cellBox(2, 1), last = g.cellBox(5, 4);
  EXPECT_EQ(box, (PixelRect{first.x, first.y, last.right() - first.x, last.bottom() - first.y}));
}

}  // namespace
}  // namespace meridax
