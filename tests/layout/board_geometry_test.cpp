#include "layout/board_geometry.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

BoardDimensions go(int width) { return {GameKind::Go, width, width}; }

struct StarCase {
  int width;
  int stars;
};
class StarPoints : public ::testing::TestWithParam<StarCase> {};

TEST_P(StarPoints, CountPerBoardSize) {
  const StarCase c = GetParam();
  int stars = 0;
  for (int y = 0; y < c.width; ++y)
    for (int x = 0; x < c.width; ++x) stars += isStarPoint(go(c.width), x, y) ? 1 : 0;
  EXPECT_EQ(stars, c.stars) << c.width << " x " << c.width;
}
INSTANTIATE_TEST_SUITE_P(Go, StarPoints,
                         ::testing::Values(StarCase{9, 0}, StarCase{13, 5}, StarCase{15, 5}, StarCase{19, 9},
                                           StarCase{7, 0}, StarCase{25, 0}));

TEST(StarPoints, OnlyGoBoardsHaveThem) {
  EXPECT_TRUE(isStarPoint(go(13), 6, 6));
  EXPECT_FALSE(isStarPoint({GameKind::Kropki, 19, 19}, 3, 3));
  EXPECT_FALSE(isStarPoint({GameKind::Othello, 19, 19}, 3, 3));
}

TEST(PointFlags, EdgesAndCornersOfGoAndKropki) {
  EXPECT_EQ(pointFlags(go(9), 0, 0), point_flag::kLeftEdge | point_flag::kTopEdge);
  EXPECT_EQ(pointFlags(go(9), 8, 8), point_flag::kRightEdge | point_flag::kBottomEdge);
  EXPECT_EQ(pointFlags(go(19), 3, 3), point_flag::kStar);
  EXPECT_EQ(pointFlags(go(19), 4, 3), 0);
  // Kropki's bottom edge is its last row, not the last row of the square array.
  const BoardDimensions kropki{GameKind::Kropki, 30, 20};
  EXPECT_EQ(pointFlags(kropki, 5, 19), point_flag::kBottomEdge);
  EXPECT_EQ(pointFlags(kropki, 29, 0), point_flag::kRightEdge | point_flag::kTopEdge);
}

class SquareSizes : public ::testing::TestWithParam<std::pair<int, int>> {};
TEST_P(SquareSizes, EvenWithinTwelveAndSeventy) { EXPECT_EQ(clampSquareSize(GetParam().first), GetParam().second); }
INSTANTIATE_TEST_SUITE_P(Clamp, SquareSizes,
                         ::testing::Values(std::pair{-4, 12}, std::pair{5, 12}, std::pair{12, 12}, std::pair{13, 12},
                                           std::pair{15, 14}, std::pair{24, 24}, std::pair{70, 70},
                                           std::pair{71, 70}, std::pair{200, 70}));

TEST(LayoutBoard, GoCentredWithFrameAndShadow) {
  const BoardGeometry g = layoutBoard(go(19), 24, {0, 0, 600, 500}, false);
  EXPECT_EQ(g.origin, (PixelPoint{72, 22}));
  EXPECT_EQ(g.shadow, 5);
  ASSERT_TRUE(g.frame);
  // Half a square outside the first point, then half a square more for a Go board.
  EXPECT_EQ(*g.frame, (PixelRect{72 - 24, 22 - 24, 24 * 20 + 24, 24 * 20 + 24}));
  EXPECT_EQ(g.cellBox(18, 18), (PixelRect{72 + 18 * 24, 22 + 18 * 24, 24, 24}));
}

TEST(LayoutBoard, OddRemainderGoesTopLeftAndCoordinatesWidenTheFrame) {
  const BoardGeometry plain = layoutBoard(go(9), 20, {10, 10, 181, 181}, false);
  EXPECT_EQ(plain.origin, (PixelPoint{10 + 0, 10 + 0}));
  const BoardGeometry lettered = layoutBoard(go(9), 20, {10, 10, 181, 181}, true);
  EXPECT_EQ(lettered.frame->width, plain.frame->width + 40);
  EXPECT_EQ(lettered.frame->x, plain.frame->x - 20);
  // Co-ordinates belong to Go boards only.
  EXPECT_FALSE(layoutBoard({GameKind::Othello, 8, 8}, 20, {0, 0, 300, 300}, true).coordinates);
}

TEST(LayoutBoard, HexLeansRightAndRowsOverlap) {
  const BoardGeometry g = layoutBoard({GameKind::Hex, 11, 0}, 24, {0, 0, 500, 400}, false);
  EXPECT_EQ(g.overlap, 3);  // 0.134 of 24, rounded
  EXPECT_EQ(g.origin.x, (500 - 264) / 2 - 24 * 10 / 4);
  EXPECT_EQ(g.origin.y, (400 - 264) / 2 + 10 * 3 / 2);
  EXPECT_EQ(g.cellBox(0, 1).x, g.origin.x + 12);  // each row half a square further right
  EXPECT_EQ(g.cellBox(0, 1).y, g.origin.y + 21);
  // The frame reaches over the lean and is shortened by the overlaps.
  EXPECT_EQ(g.frame->width, 24 * 12 + 24 * 10 / 2);
  EXPECT_EQ(g.frame->height, 24 * 12 - 2 * (10 * 3 / 2));
}

TEST(LayoutBoard, HexagonRowsAreSymmetric) {
  const BoardGeometry g = layoutBoard({GameKind::Havannah, 19, 10}, 20, {0, 0, 500, 500}, false);
  EXPECT_EQ(g.cellBox(0, 0).x, g.origin.x + 20 * 9 / 2);     // first row starts half-way in
  EXPECT_EQ(g.cellBox(0, 9).x, g.origin.x);                  // the middle row spans the width
  EXPECT_EQ(g.cellBox(9, 18).x, g.origin.x + 20 * 9 / 2);    // the last row mirrors the first
  EXPECT_EQ(g.cellBox(18, 9).right(), g.origin.x + 19 * 20);
}

struct ImageCase {
  const char* name;
  BoardDimensions board;
  int square;
  int width, height;
};
class ImageSizes : public ::testing::TestWithParam<ImageCase> {};
TEST_P(ImageSizes, AsTheExportsMakeThem) {
  const ImageCase c = GetParam();
  const BoardGeometry g = imageGeometry(c.board, c.square);
  EXPECT_EQ(g.area.width, c.width) << c.name;
  EXPECT_EQ(g.area.height, c.height) << c.name;
  EXPECT_FALSE(g.frame) << c.name;
}
INSTANTIATE_TEST_SUITE_P(
    Kinds, ImageSizes,
    ::testing::Values(ImageCase{"go19at16", go(19), 16, 319, 319}, ImageCase{"go19at15", go(19), 15, 279, 279},
                      ImageCase{"kropki", {GameKind::Kropki, 30, 20}, 16, 495, 335},
                      ImageCase{"othello", {GameKind::Othello, 8, 8}, 30, 241, 241},
                      ImageCase{"hex", {GameKind::Hex, 11, 0}, 24, 385, 265},
                      ImageCase{"havannah", {GameKind::Havannah, 19, 10}, 20, 381, 381 - 18 * 3}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Coordinates, GoLettersSkipIAndRowsCountUp) {
  const BoardGeometry g = layoutBoard(go(19), 20, {0, 0, 600, 600}, true);
  const std::vector<BoxedText> texts = coordinateTexts(g);
  ASSERT_EQ(texts.size(), 4u * 19);
  EXPECT_EQ(texts[0].text, "19");  // the top row, left of the board
  EXPECT_EQ(texts[0].box, (PixelRect{g.origin.x - 5 - 20, g.origin.y, 20, 20}));
  EXPECT_EQ(texts[2 * 18].text, "1");
  EXPECT_EQ(texts[2 * 19 + 2 * 8].text, "J");
  EXPECT_EQ(texts.back().text, "T");
  EXPECT_TRUE(coordinateTexts(layoutBoard(go(19), 20, {0, 0, 600, 600}, false)).empty());
}

TEST(LabelBox, WidenedByTheColumnsThatExist) {
  const BoardGeometry g = layoutBoard(go(19), 20, {0, 0, 600, 600}, false);
  EXPECT_EQ(labelBox(g, 0, 0).width, 20);
  EXPECT_EQ(labelBox(g, 1, 0).width, 60);
  EXPECT_EQ(labelBox(g, 5, 0).width, 100);
  EXPECT_EQ(labelBox(g, 5, 0).x, g.cellBox(3, 0).x);
  EXPECT_EQ(labelBox(g, 17, 0).width, 60);
}

}  // namespace
}  // namespace meridax
