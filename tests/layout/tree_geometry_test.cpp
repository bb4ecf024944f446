#include "layout/tree_geometry.h"

#include <gtest/gtest.h>

#include "sgf/sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;

constexpr TreeMetrics kMetrics{16, 8, 4, 2};

TEST(TreeGeometry, VisibleLinesLeaveThreeQuartersOfALineAndTwoPixels) {
  EXPECT_EQ(visibleLineCount(16 * 10 + 12 + 2, 16), 10);
  EXPECT_EQ(visibleLineCount(16 * 10 + 11 + 2, 16), 9);
  EXPECT_EQ(visibleLineCount(5, 16), 0);
  EXPECT_EQ(visibleLineCount(100, 0), 0);
}

struct ScrollCase {
  const char* name;
  int startTop;
  TreeScrollRequest request;
  int expectedTop;
};

class TreeScrollTest : public testing::TestWithParam<ScrollCase> {};

// 30 lines, 10 visible: the top may go to 25, five lines past where the last line sits at the bottom.
TEST_P(TreeScrollTest, MovesTheTopWithinItsBounds) {
  const ScrollCase& c = GetParam();
  TreeScroll scroll;
  scroll.setTop(c.startTop);
  scroll.scroll(c.request, 30, 10);
  EXPECT_EQ(scroll.top(), c.expectedTop);
  EXPECT_FALSE(scroll.keepsCurrentVisible());
}

const ScrollCase kScrollCases[] = {
    {"LineUp", 4, TreeScrollRequest::LineUp, 3},
    {"LineUpAtTopStays", 0, TreeScrollRequest::LineUp, 0},
    {"LineDown", 4, TreeScrollRequest::LineDown, 5},
    {"LineDownStopsFiveLinesPastTheEnd", 25, TreeScrollRequest::LineDown, 25},
    {"PageUp", 14, TreeScrollRequest::PageUp, 4},
    {"PageUpStopsAtZero", 6, TreeScrollRequest::PageUp, 0},
    {"PageDown", 4, TreeScrollRequest::PageDown, 14},
    {"PageDownStopsAtTheLimit", 20, TreeScrollRequest::PageDown, 25},
    {"Top", 17, TreeScrollRequest::Top, 0},
    {"Bottom", 0, TreeScrollRequest::Bottom, 25},
};

INSTANTIATE_TEST_SUITE_P(Cases, TreeScrollTest, testing::ValuesIn(kScrollCases),
                         [](const testing::TestParamInfo<ScrollCase>& info) { return info.param.name; });

TEST(TreeScroll, BottomOfAShortListIsTheFirstLine) {
  TreeScroll scroll;
  scroll.scroll(TreeScrollRequest::Bottom, 3, 10);
  EXPECT_EQ(scroll.top(), 0);
}

TEST(TreeScroll, ThumbPositionPastTheLimitIsRefused) {
  TreeScroll scroll;
  scroll.scrollTo(12, 30, 10);
  EXPECT_EQ(scroll.top(), 12);
  scroll.scrollTo(26, 30, 10);
  EXPECT_EQ(scroll.top(), 12);
}

TEST(TreeScroll, FollowingKeepsTheCurrentMoveAmongTheFirstLines) {
  TreeScroll scroll;  // 12 visible: the current move stays among the first 7
  scroll.followCurrent(6, 12, false);
  EXPECT_EQ(scroll.top(), 0);
  scroll.followCurrent(7, 12, false);
  EXPECT_EQ(scroll.top(), 1);
  scroll.followCurrent(40, 12, false);
  EXPECT_EQ(scroll.top(), 34);
  scroll.followCurrent(20, 12, false);
  EXPECT_EQ(scroll.top(), 20);
  scroll.followCurrent(-1, 12, true);
  EXPECT_EQ(scroll.top(), 0);
}

TEST(TreeScroll, ScrolledAwayStaysUntilTheCurrentMoveIsSeenAgain) {
  TreeScroll scroll;
  scroll.setTop(10);
  scroll.scroll(TreeScrollRequest::LineDown, 100, 12);  // top 11, not following
  scroll.followCurrent(50, 12, false);
  EXPECT_EQ(scroll.top(), 11);
  EXPECT_FALSE(scroll.keepsCurrentVisible());
  scroll.followCurrent(15, 12, false);  // the current move is in view: followed again
  EXPECT_TRUE(scroll.keepsCurrentVisible());
}

TEST(TreeScroll, SmallPaneStillFollowsWithAWindowOfOneLine) {
  TreeScroll scroll;
  scroll.followCurrent(9, 3, false);
  EXPECT_EQ(scroll.top(), 9);
}

class TreeHitTest : public testing::Test {
 protected:
  TreeHitTest() : loaded_("(;GM[1]SZ[9];B[aa];W[ba](;B[ca];W[da]C[note];B[ea])(;B[cb]))") {
    loaded_.game().primaryNode = nullptr;
    lines_ = buildTreeLines(loaded_.game(), TreeLineOptions{4});
  }
  GameNode* move(int n) {
    GameNode* node = loaded_.game().firstNode;
    for (int i = 0; i < n; ++i) node = node->next();
    return node;
  }
  TreeHit at(int x, int y, int top = 0) { return hitTreeLine(lines_, top, kMetrics, x, y); }
  static int rowY(int row) { return kMetrics.margin + row * kMetrics.lineHeight; }
  static int boxX(int column) { return boxRect(kMetrics, 0, column, kMoveBoxChars).x; }

  LoadedText loaded_;
  std::vector<TreeLine> lines_;
};

TEST_F(TreeHitTest, LinesAreAsExpected) {
  ASSERT_EQ(treeLinesText(lines_),
            "   Ba9   Wb9\n"
            "               Bc8  (1)\n"
            "               Bc9   Wd9\n"
            "\n"
            " note\n"
            "\n"
            "   Be9\n");
}

TEST_F(TreeHitTest, EveryPixelRowOfALineHitsThatLine) {
  const PixelRect second = boxRect(kMetrics, 0, 2, kMoveBoxChars);
  for (int y = second.y; y < second.y + second.height; ++y) EXPECT_EQ(at(second.x + 1, y).node, move(2)) << y;
  // The pixel row just below belongs to the next line (no half-line shift).
  const TreeHit below = at(boxX(3) + 1, second.y + second.height);
  EXPECT_EQ(below.line, 1);
  EXPECT_TRUE(below.variationLine);
}

TEST_F(TreeHitTest, BoxEdgesAndGaps) {
  const PixelRect first = boxRect(kMetrics, 0, 1, kMoveBoxChars);
  EXPECT_EQ(at(first.x, first.y).node, move(1));
  EXPECT_EQ(at(first.x + first.width - 1, first.y).node, move(1));
  EXPECT_EQ(at(first.x + first.width, first.y).node, nullptr);  // the gap before the next tab stop
  EXPECT_EQ(at(first.x - 1, first.y).node, nullptr);
}

TEST_F(TreeHitTest, VariationLineAndTextLine) {
  const TreeHit v = at(boxX(3) + 2, rowY(1) + 2);
  EXPECT_TRUE(v.variationLine);
  ASSERT_NE(v.node, nullptr);
  EXPECT_EQ(v.node->prev(), move(2));
  EXPECT_NE(v.node, move(3));
  const TreeHit text = at(kMetrics.margin + 300, rowY(4) + 3);
  EXPECT_EQ(text.node, move(4));
  EXPECT_FALSE(text.variationLine);
}

TEST_F(TreeHitTest, EmptyLinesEmptyBoxesAndBeyondTheEndAreNoHit) {
  EXPECT_EQ(at(boxX(1) + 1, rowY(3) + 1).node, nullptr);  // an empty line
  EXPECT_EQ(at(boxX(1) + 1, rowY(2) + 1).node, nullptr);  // the padding before move 3
  EXPECT_EQ(at(boxX(3) + 1, rowY(2) + 1).node, move(3));
  EXPECT_EQ(at(boxX(1) + 1, rowY(7) + 1).node, nullptr);  // past the last line
  EXPECT_EQ(at(boxX(1) + 1, 0).node, nullptr);            // the margin
}

TEST_F(TreeHitTest, CountsFromTheTopVisibleLine) {
  EXPECT_EQ(at(boxX(1) + 1, rowY(0) + 1, 6).node, move(5));
}

TEST_F(TreeHitTest, MarkerBoxesHitTheirNode) {
  loaded_.game().primaryNode = move(5);
  lines_ = buildTreeLines(loaded_.game(), TreeLineOptions{4});
  const int marker = markerLineOf(lines_, move(5));
  ASSERT_EQ(marker, 8);
  const PixelRect box = markerRects(kMetrics, marker, lines_[8].markers).front();
  EXPECT_EQ(at(box.x + 1, box.y + 1).node, move(5));
  EXPECT_EQ(at(box.x + box.width + 1, box.y + 1).node, nullptr);
}

}  // namespace
}  // namespace meridax
