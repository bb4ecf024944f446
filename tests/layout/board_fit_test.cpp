#include "layout/board_fit.h"

#include <gtest/gtest.h>

#include <algorithm>

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

// The board pane's fit: no largest square, co-ordinates part of the board.
struct PaneFitCase {
  const char* name;
  BoardDimensions board;
  PixelRect area;
  bool coordinates;
  int square;  // the square expected; 0 where only the rules below are checked
};

class PaneFitTest : public ::testing::TestWithParam<PaneFitCase> {};

TEST_P(PaneFitTest, LargestEvenSquareWithTheWholeBoardInside) {
  const PaneFitCase& c = GetParam();
  const BoardGeometry g = fittedBoardGeometry(c.board, c.area, c.coordinates, kNoSquareCap);
  if (c.square != 0) {
    EXPECT_EQ(g.square, c.square);
  }
  EXPECT_EQ(g.square % 2, 0);
  if (g.square == kMinBoardSquare && !boardInsideArea(g)) return;  // nothing smaller to try
  EXPECT_TRUE(boardInsideArea(g)) << "square " << g.square;
  for (const BoxedText& t : coordinateTexts(g)) EXPECT_TRUE(inside(t.box, c.area)) << t.text;
  EXPECT_FALSE(boardInsideArea(layoutBoard(c.board, g.square + 2, c.area, c.coordinates))) << g.square;
  if (g.square > kMinBoardSquare) {
    // A step of two pixels a square leaves little unused: the board fills most of the area one way.
    const PixelRect e = boardExtent(g);
    EXPECT_GE(std::max(double(e.width) / c.area.width, double(e.height) / c.area.height), 0.8) << g.square;
  }
}

const PaneFitCase kPaneFitCases[] = {
    {"Go19", {GameKind::Go, 19, 19}, {0, 0, 600, 500}, false, 22},
    {"Go19Lettered", {GameKind::Go, 19, 19}, {0, 0, 600, 500}, true, 20},
    {"Go19Narrow", {GameKind::Go, 19, 19}, {0, 0, 430, 900}, false, 0},
    {"Go19FourK", {GameKind::Go, 19, 19}, {0, 0, 2400, 2000}, true, 0},
    {"Go9PastSeventy", {GameKind::Go, 9, 9}, {0, 0, 3000, 3000}, false, 0},
    {"Go19Offset", {GameKind::Go, 19, 19}, {37, 91, 701, 453}, true, 0},
    {"KropkiLargest", {GameKind::Kropki, 39, 32}, {0, 0, 650, 380}, false, 0},
    {"KropkiWide", {GameKind::Kropki, 39, 32}, {0, 0, 1400, 880}, false, 0},
    {"KropkiLettersIgnored", {GameKind::Kropki, 39, 32}, {0, 0, 1400, 880}, true, 0},
    {"Hex11", {GameKind::Hex, 11, 11}, {0, 0, 450, 340}, false, 0},
    {"Hex11Large", {GameKind::Hex, 11, 11}, {0, 0, 1100, 860}, false, 0},
    {"Hex19Tall", {GameKind::Hex, 19, 19}, {0, 0, 500, 1200}, false, 0},
    {"Havannah", {GameKind::Havannah, 19, 10}, {0, 0, 1100, 860}, false, 0},
    {"Othello", {GameKind::Othello, 8, 8}, {0, 0, 900, 300}, true, 0},
    {"TooSmall", {GameKind::Go, 19, 19}, {0, 0, 100, 100}, true, kMinBoardSquare},
    {"EmptyArea", {GameKind::Hex, 11, 11}, {0, 0, 0, 0}, false, kMinBoardSquare},
};

INSTANTIATE_TEST_SUITE_P(Cases, PaneFitTest, ::testing::ValuesIn(kPaneFitCases),
                         [](const ::testing::TestParamInfo<PaneFitCase>& info) { return info.param.name; });

TEST(PaneFit, GrowsPastTheLargestKeptSquare) {
  EXPECT_GT(fittedBoardGeometry({GameKind::Go, 19, 19}, {0, 0, 2400, 2000}, false, kNoSquareCap).square,
            kMaxBoardSquare);
}

// The least area is exact: a pixel less either way cuts the board.
struct NeededCase {
  const char* name;
  BoardDimensions board;
  int square;
  bool coordinates;
};
class AreaNeededTest : public ::testing::TestWithParam<NeededCase> {};

TEST_P(AreaNeededTest, HoldsTheBoardAndNoPixelLessDoes) {
  const NeededCase& c = GetParam();
  const PixelSize n = areaNeeded(c.board, c.square, c.coordinates);
  auto fits = [&](int w, int h) { return boardInsideArea(layoutBoard(c.board, c.square, {0, 0, w, h}, c.coordinates)); };
  EXPECT_TRUE(fits(n.width, n.height)) << n.width << " x " << n.height;
  EXPECT_FALSE(fits(n.width - 1, n.height));
  EXPECT_FALSE(fits(n.width, n.height - 1));
  // And a board laid out to fit that area gets this square back.
  EXPECT_EQ(fittedBoardGeometry(c.board, {0, 0, n.width, n.height}, c.coordinates, kNoSquareCap).square, c.square);
}

const NeededCase kNeededCases[] = {
    {"Go19", {GameKind::Go, 19, 19}, 24, false},   {"Go19Lettered", {GameKind::Go, 19, 19}, 24, true},
    {"Go19Smallest", {GameKind::Go, 19, 19}, 12, true}, {"Kropki", {GameKind::Kropki, 39, 32}, 14, false},
    {"Hex", {GameKind::Hex, 11, 11}, 30, false},    {"Havannah", {GameKind::Havannah, 19, 10}, 26, false},
    {"Othello", {GameKind::Othello, 8, 8}, 70, false}, {"GoLarge", {GameKind::Go, 9, 9}, 96, false},
};

INSTANTIATE_TEST_SUITE_P(Cases, AreaNeededTest, ::testing::ValuesIn(kNeededCases),
                         [](const ::testing::TestParamInfo<NeededCase>& info) { return info.param.name; });

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
