// Cycling through the ends of the lines below a position, as the frame does it: each end found is
// made the current line and the current node.

#include "edit/branch_ends.h"

#include <gtest/gtest.h>

#include "edit/edit_test_support.h"
#include "edit/navigation.h"

namespace meridax {
namespace {

using namespace edit_testing;

// Below bb: ends ee (under cc's side line), dd and ff.
constexpr char kBranched[] = "(;GM[1]SZ[9];B[aa];W[bb](;B[cc](;W[dd])(;W[ee]))(;B[ff]))";

// One use of the command: the end found becomes current on its own line.
GameNode* cycleOnce(BranchEndCursor& ends, SGridFrame& g, CycleDirection d) {
  GameNode* end = ends.cycle(g, d);
  if (end != nullptr) {
    EXPECT_TRUE(selectLineOf(g, end));
    g.currentNode = end;
  }
  return end;
}

TEST(BranchEnds, Order_SideVariationsBeforeTheContinuation) {
  LoadedText t(kBranched);
  SGridFrame& g = t.game();
  EXPECT_EQ(pointsOf(g, branchEnds(g, g.firstNode)), "ff ee dd");
  EXPECT_EQ(pointsOf(g, branchEnds(g, byMoves(g, "aa bb cc"))), "ee dd");
  EXPECT_EQ(pointsOf(g, branchEnds(g, g.endNode)), "dd");
}

TEST(BranchEnds, Forward_CyclesThroughEveryEndBelowWhereCyclingBegan) {
  LoadedText t(kBranched);
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 1);
  BranchEndCursor ends;
  std::vector<GameNode*> visited;
  for (int i = 0; i < 4; ++i) visited.push_back(cycleOnce(ends, g, CycleDirection::Forward));
  EXPECT_EQ(pointsOf(g, visited), "ff ee dd ff");
  EXPECT_EQ(validateTree(g), "");
}

TEST(BranchEnds, Backward_StartsWithTheLastEnd) {
  LoadedText t(kBranched);
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 1);
  BranchEndCursor ends;
  std::vector<GameNode*> visited;
  for (int i = 0; i < 3; ++i) visited.push_back(cycleOnce(ends, g, CycleDirection::Backward));
  EXPECT_EQ(pointsOf(g, visited), "dd ee ff");
}

TEST(BranchEnds, AwayFromAnEnd_ListRebuiltFromTheCurrentNode) {
  LoadedText t(kBranched);
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 1);
  BranchEndCursor ends;
  cycleOnce(ends, g, CycleDirection::Forward);
  g.currentNode = byMoves(g, "aa bb cc");

  EXPECT_EQ(pointOf(g, cycleOnce(ends, g, CycleDirection::Forward)), "ee");
  EXPECT_EQ(pointsOf(g, ends.entries()), "ee dd");
}

TEST(BranchEnds, StartingOnAnEnd_StaysThere) {
  LoadedText t(kBranched);
  SGridFrame& g = t.game();
  g.currentNode = g.endNode;
  BranchEndCursor ends;
  EXPECT_EQ(ends.cycle(g, CycleDirection::Forward), g.endNode);
  EXPECT_EQ(ends.entries().size(), 1u);
}

TEST(BranchEnds, TreeGrewBelowTheStart_ListRebuiltFromTheEndReached) {
  LoadedText t(kBranched);
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 1);
  BranchEndCursor ends;
  GameNode* ff = cycleOnce(ends, g, CycleDirection::Forward);
  // A move below ff: the list no longer describes the tree.
  list_insert(g, ff, g.cachedPosition, Colour::White, SpecialMoveKind::Placement, 80, false);
  g.currentNode = g.endNode;

  EXPECT_EQ(ends.cycle(g, CycleDirection::Forward), g.endNode);
  EXPECT_EQ(ends.entries().size(), 1u);
}

}  // namespace
}  // namespace meridax
