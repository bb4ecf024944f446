#include "layout/frame_board.h"

#include <gtest/gtest.h>

#include "app/frame_test_support.h"

namespace meridax {
namespace {

class FrameBoardTest : public testing::FrameTest {
 protected:
  void loadText(const std::string& sgf) { load(writeFile("game.sgf", sgf)); }
  int squareIn(int width, int height) { return frameBoardGeometry(frame(), {0, 0, width, height}).square; }
  FrameSettings& settings() { return frame().frameSettings(); }
};

TEST_F(FrameBoardTest, FittedBoardFollowsTheAreaTheGameAndTheCoordinates) {
  loadText("(;GM[1]SZ[19])");
  const int small = squareIn(500, 400), large = squareIn(2400, 1800);
  EXPECT_LT(small, large);
  EXPECT_GT(large, kMaxBoardSquare);  // a large window is not held to the kept sizes' limit
  settings().goLetters = true;
  EXPECT_LT(squareIn(2400, 1800), large);  // the co-ordinates take room of their own
  loadText("(;GM[1]SZ[9])");
  EXPECT_GT(squareIn(2400, 1800), large);
  // Whatever the area, the whole board stays inside it, a margin away from its edges.
  for (const PixelRect area : {PixelRect{0, 0, 700, 450}, PixelRect{0, 0, 333, 999}, PixelRect{0, 0, 2000, 130}}) {
    const BoardGeometry g = frameBoardGeometry(frame(), area);
    EXPECT_EQ(g.area, area);
    const PixelRect inner = area.inflated(-kBoardPaneMargin);
    const PixelRect e = boardExtent(g);
    if (g.square > kMinBoardSquare) {
      EXPECT_TRUE(e.x >= inner.x && e.y >= inner.y && e.right() <= inner.right() && e.bottom() <= inner.bottom())
          << area.width << " x " << area.height;
    }
  }
}

TEST_F(FrameBoardTest, UnfittedBoardKeepsItsSquareAndAsksForRoomToShowItWhole) {
  loadText("(;GM[40]SZ[39:32])");
  settings().fitBoard = false;
  settings().sizeKropki[38] = 30;
  EXPECT_EQ(squareIn(300, 300), 30);
  EXPECT_EQ(squareIn(3000, 3000), 30);
  const PixelSize least = frameBoardMinimum(frame());
  const PixelSize needed = areaNeeded({GameKind::Kropki, 39, 32}, 30, false);
  EXPECT_EQ(least, (PixelSize{needed.width + 2 * kBoardPaneMargin, needed.height + 2 * kBoardPaneMargin}));
  EXPECT_TRUE(boardInsideArea(frameBoardGeometry(frame(), {0, 0, least.width, least.height})));
  // Fitted, the board asks only for room at the smallest square.
  settings().fitBoard = true;
  EXPECT_EQ(frameBoardMinimum(frame()).width, areaNeeded({GameKind::Kropki, 39, 32}, 12, false).width + 8);
}

}  // namespace
}  // namespace meridax
