// The tree lines of games changed by play, as the frame changes them.
#include <gtest/gtest.h>

#include "app/frame_test_support.h"
#include "layout/tree_lines.h"

namespace meridax {
namespace {

class TreeLinesOfPlayTest : public testing::FrameTest {};

TEST_F(TreeLinesOfPlayTest, MovePlayedBesideTheLineListsTheOldLineAsAVariation) {
  load(writeFile("g.sgf", "(;GM[1]FF[4]SZ[9];B[aa];W[bb];B[cc])"));
  frame().navigation().jumpToNode(frame().game().firstNode->next());  // after move 1
  play(4, 4);                                             // White plays beside move 2
  const std::vector<TreeLine> lines = buildTreeLines(frame().game(), TreeLineOptions{4});
  EXPECT_EQ(treeLinesText(lines),
            "   Ba9\n"
            "         Wb8  (2)\n"
            "         We5\n");
}

}  // namespace
}  // namespace meridax

namespace meridax {
namespace {

class TreeLinesAtStartTest : public testing::FrameTest {};

TEST_F(TreeLinesAtStartTest, MovePlayedAtTheStartListsTheOldLineAsAVariation) {
  load(writeFile("g.sgf", "(;GM[1]FF[4]SZ[9];B[aa];W[bb];B[cc])"));
  frame().navigation().jumpToNode(frame().game().firstNode);
  play(4, 4);
  play(5, 5);
  const std::vector<TreeLine> lines = buildTreeLines(frame().game(), TreeLineOptions{4});
  EXPECT_EQ(treeLinesText(lines),
            "   Ba9  (3)\n"
            "   Be5   Wf4\n");
}

}  // namespace
}  // namespace meridax
