// Where the moving commands lead, the walk in tree order, and making a line the current line.

#include "edit/navigation.h"

#include <gtest/gtest.h>

#include "edit/edit_test_support.h"

namespace meridax {
namespace {

using namespace edit_testing;

constexpr char kStraight[] = "(;GM[1]SZ[9];B[aa];W[bb];B[cc];W[dd];B[ee])";

// The first moves of the node's child lines: its continuation first, then its side lines in index order.
std::string childOrder(SGridFrame& g, GameNode* node) {
  std::vector<GameNode*> heads{node->next()};
  for (const SBranchDetails* line : g.variations.linesBelow(node)) heads.push_back(line->head);
  return pointsOf(g, heads);
}

// ---- Up and down ----

TEST(NavigationTargets, UpEightThreeBelowTheStart_LandsOnTheStart) {
  LoadedText t(kStraight);
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 3);
  EXPECT_EQ(upTarget(g, 8), g.firstNode);
}

TEST(NavigationTargets, UpOrDownAtTheirEnd_DoNothing) {
  LoadedText t(kStraight);
  SGridFrame& g = t.game();
  g.currentNode = g.firstNode;
  EXPECT_EQ(upTarget(g, 1), nullptr);
  EXPECT_EQ(upTarget(g, 8), nullptr);
  g.currentNode = g.endNode;
  EXPECT_EQ(downTarget(g, 1), nullptr);
  EXPECT_EQ(downTarget(g, 8), nullptr);
}

TEST(NavigationTargets, DownEightTwoAboveTheEnd_LandsOnTheEnd) {
  LoadedText t(kStraight);
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 3);
  EXPECT_EQ(downTarget(g, 8), g.endNode);
}

TEST(NavigationTargets, StepsOfOne_FollowTheCurrentLine) {
  LoadedText t(kStraight);
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 2);
  EXPECT_EQ(upTarget(g, 1), onLine(g, 1));
  EXPECT_EQ(downTarget(g, 1), onLine(g, 3));
}

// ---- Branch nodes ----

// Branching at bb (side line ff) and at dd (side line gg) on the current line aa bb cc dd ee.
constexpr char kTwoBranchings[] = "(;GM[1]SZ[9];B[aa];W[bb](;B[cc];W[dd](;B[ee])(;B[gg]))(;B[ff]))";

TEST(NavigationTargets, NextBranchNodeWithoutBranchingBelow_GoesToTheEnd) {
  LoadedText t(kStraight);
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 1);
  EXPECT_EQ(nextBranchNodeTarget(g), g.endNode);
}

TEST(NavigationTargets, NextBranchNode_StopsAtEachBranchingNodeBelowInTurn) {
  LoadedText t(kTwoBranchings);
  SGridFrame& g = t.game();
  g.currentNode = g.firstNode;
  EXPECT_EQ(pointOf(g, nextBranchNodeTarget(g)), "bb");
  g.currentNode = onLine(g, 2);
  EXPECT_EQ(pointOf(g, nextBranchNodeTarget(g)), "dd");
  g.currentNode = onLine(g, 4);
  EXPECT_EQ(nextBranchNodeTarget(g), g.endNode);
  g.currentNode = g.endNode;
  EXPECT_EQ(nextBranchNodeTarget(g), nullptr);
}

TEST(NavigationTargets, PreviousBranchNode_SkipsTheCurrentNodeAndFallsBackToTheStart) {
  LoadedText t(kTwoBranchings);
  SGridFrame& g = t.game();
  g.currentNode = g.endNode;
  EXPECT_EQ(pointOf(g, previousBranchNodeTarget(g)), "dd");
  g.currentNode = onLine(g, 4);  // dd itself is branching
  EXPECT_EQ(pointOf(g, previousBranchNodeTarget(g)), "bb");
  g.currentNode = onLine(g, 2);
  EXPECT_EQ(previousBranchNodeTarget(g), g.firstNode);
  g.currentNode = g.firstNode;
  EXPECT_EQ(previousBranchNodeTarget(g), nullptr);
}

// ---- Move numbers ----

TEST(NavigationTargets, NumberedNode_CountsFromTheStartAlongTheCurrentLine) {
  LoadedText t(kTwoBranchings);
  SGridFrame& g = t.game();
  const struct {
    int number;
    const char* expected;
  } cases[] = {{0, "root"}, {2, "bb"}, {5, "ee"}, {6, "(none)"}, {-1, "(none)"}, {2047, "(none)"}};
  for (const auto& c : cases) EXPECT_EQ(pointOf(g, numberedNodeTarget(g, c.number)), c.expected) << c.number;
}

// ---- The move played on a point ----

TEST(NavigationTargets, PlayedNode_FoundAboveTheCurrentNodeFirst) {
  // Black's cc of move 1 is captured at move 8; White plays cc at move 10.
  LoadedText t("(;GM[1]SZ[9];B[cc];W[bc];B[aa];W[dc];B[ab];W[cb];B[ac];W[cd];B[ee];W[cc];B[ff])");
  SGridFrame& g = t.game();
  ASSERT_EQ(g.endNode->moveNumber(), 11u) << treeText(g);
  g.currentNode = onLine(g, 3);
  EXPECT_EQ(playedNodeTarget(g, 2, 2), onLine(g, 1));
  g.currentNode = g.endNode;
  EXPECT_EQ(playedNodeTarget(g, 2, 2), onLine(g, 10));
  EXPECT_EQ(playedNodeTarget(g, 5, 5), g.endNode) << "the current node's own move";
}

TEST(NavigationTargets, PlayedNode_BelowWhenNotAbove_NoneWhenNowhere) {
  LoadedText t(kStraight);
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 1);
  EXPECT_EQ(playedNodeTarget(g, 3, 3), onLine(g, 4));
  EXPECT_EQ(playedNodeTarget(g, 8, 8), nullptr);
  EXPECT_EQ(playedNodeTarget(g, -1, 0), nullptr);
  EXPECT_EQ(playedNodeTarget(g, 9, 0), nullptr);
}

TEST(NavigationTargets, PlayedNode_WalksStopAtAComposedPosition) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb];AB[gg];B[cc];W[dd];AW[hh];B[ee])");
  SGridFrame& g = t.game();
  ASSERT_EQ(onLine(g, 3)->kind(), SpecialMoveKind::Compose) << treeText(g);
  g.currentNode = onLine(g, 4);
  EXPECT_EQ(playedNodeTarget(g, 0, 0), nullptr) << "aa lies above the composed position";
  EXPECT_EQ(playedNodeTarget(g, 3, 3), onLine(g, 5));
  EXPECT_EQ(playedNodeTarget(g, 4, 4), nullptr) << "ee lies below the next composed position";
}

TEST(NavigationTargets, NextMoveSquare_IsTheFirstOrdinaryMoveBelow) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[];B[cd])");
  SGridFrame& g = t.game();
  EXPECT_EQ(nextMoveSquare(g, g.firstNode), (BoardSquare{0, 0}));
  EXPECT_EQ(nextMoveSquare(g, onLine(g, 1)), (BoardSquare{2, 3})) << "the pass is passed over";
  EXPECT_EQ(nextMoveSquare(g, g.endNode), std::nullopt);
}

// ---- Walks ----

TEST(NavigationWalks, TreeOrder_SideVariationsComeRightAfterTheirBranchingNode) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb](;B[cc];W[dd])(;B[ee];W[ff](;B[gg])(;B[hh]))(;B[ii]))");
  SGridFrame& g = t.game();
  std::vector<GameNode*> visited;
  forEachInTreeOrder(g, g.firstNode, [&](GameNode* n) { visited.push_back(n); });
  EXPECT_EQ(pointsOf(g, visited), "root aa bb ee ff hh gg ii cc dd");
}

TEST(NavigationWalks, CurrentLine_IsTheChainFromTheFirstNode) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb])(;W[cc]))");
  SGridFrame& g = t.game();
  EXPECT_TRUE(isOnCurrentLine(g, byMoves(g, "aa bb")));
  EXPECT_FALSE(isOnCurrentLine(g, byMoves(g, "aa cc")));
  EXPECT_EQ(pointOf(g, lineTail(g.firstNode)), "bb");
}

TEST(NavigationWalks, NodeOfGame_FoundOnAnyLineNeverInAnotherGame) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb])(;W[cc]))");
  LoadedText other(kStraight);
  SGridFrame& g = t.game();
  EXPECT_TRUE(isNodeOfGame(g, g.firstNode));
  EXPECT_TRUE(isNodeOfGame(g, byMoves(g, "aa cc")));
  EXPECT_FALSE(isNodeOfGame(g, other.game().endNode));
  EXPECT_FALSE(isNodeOfGame(g, nullptr));
}

// ---- Selecting a line ----

TEST(LineSelection, NodeTwoVariationsDeep_BecomesTheCurrentLineWithoutChangingTheGame) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb];B[cc])(;W[dd];B[ee](;W[ff])(;W[gg])))");
  SGridFrame& g = t.game();
  const std::uint8_t flags = g.flags;
  GameNode* gg = byMoves(g, "aa dd ee gg");

  ASSERT_TRUE(selectLineOf(g, gg));

  EXPECT_EQ(treeText(g), ";B[aa](;W[dd];B[ee](;W[gg])(;W[ff]))(;W[bb];B[cc])");
  EXPECT_EQ(g.endNode, gg);
  EXPECT_EQ(validateTree(g), "");
  EXPECT_EQ(g.flags, flags);
}

TEST(LineSelection, NodeOnTheCurrentLine_ChangesNothing) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb];B[cc])(;W[dd]))");
  SGridFrame& g = t.game();
  const std::string before = treeText(g);
  EXPECT_TRUE(selectLineOf(g, byMoves(g, "aa bb")));
  EXPECT_EQ(treeText(g), before);
}

TEST(LineSelection, PromotedSideLine_TakesThePlaceOfTheContinuation) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb];B[cc])(;W[dd])(;W[ee]))");
  SGridFrame& g = t.game();
  SBranchDetails* dd = g.variations.linesBelow(onLine(g, 1))[0];

  ASSERT_TRUE(promoteSideLine(g, *dd));

  EXPECT_EQ(treeText(g), ";B[aa](;W[dd])(;W[bb];B[cc])(;W[ee])");
  EXPECT_EQ(pointOf(g, g.endNode), "dd");
  EXPECT_EQ(validateTree(g), "");
}

TEST(LineSelection, SideLineBelowAnotherSideLine_IsNotPromotedAlone) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb])(;W[cc];B[dd](;W[ee])(;W[ff])))");
  SGridFrame& g = t.game();
  SBranchDetails* ff = g.variations.linesBelow(byMoves(g, "aa cc dd"))[0];
  const std::string before = treeText(g);
  EXPECT_FALSE(promoteSideLine(g, *ff));
  EXPECT_EQ(treeText(g), before);
}

// ---- The neighbouring variation ----

constexpr char kThreeVariations[] = "(;GM[1]SZ[9];B[aa](;W[bb];B[ee])(;W[cc])(;W[dd]))";

TEST(NeighbouringBranch, ForwardRepeated_VisitsEveryVariationAndComesBack) {
  LoadedText t(kThreeVariations);
  SGridFrame& g = t.game();
  GameNode* aa = onLine(g, 1);
  g.currentNode = onLine(g, 2);
  const char* expected[] = {"dd bb cc", "cc dd bb", "bb cc dd"};
  for (const char* order : expected) {
    GameNode* target = rotateToNeighbouringBranch(g, RotateDirection::Forward);
    ASSERT_NE(target, nullptr);
    EXPECT_EQ(childOrder(g, aa), order);
    EXPECT_EQ(target, aa->next());
    EXPECT_EQ(validateTree(g), "") << order;
    g.currentNode = target;
  }
}

TEST(NeighbouringBranch, BackwardRepeated_RotatesTowardsTheFront) {
  LoadedText t(kThreeVariations);
  SGridFrame& g = t.game();
  GameNode* aa = onLine(g, 1);
  g.currentNode = onLine(g, 2);
  const char* expected[] = {"cc dd bb", "dd bb cc", "bb cc dd"};
  for (const char* order : expected) {
    g.currentNode = rotateToNeighbouringBranch(g, RotateDirection::Backward);
    ASSERT_NE(g.currentNode, nullptr);
    EXPECT_EQ(childOrder(g, aa), order);
  }
  EXPECT_EQ(pointOf(g, g.endNode), "ee");
  EXPECT_EQ(validateTree(g), "");
}

TEST(NeighbouringBranch, FromDeepInTheLine_RotatesAtTheFirstBranchingNodeAbove) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb];B[cc];W[dd])(;W[ee];B[ff]))");
  SGridFrame& g = t.game();
  g.currentNode = g.endNode;

  GameNode* target = rotateToNeighbouringBranch(g, RotateDirection::Forward);

  EXPECT_EQ(pointOf(g, target), "ee");
  EXPECT_EQ(treeText(g), ";B[aa](;W[ee];B[ff])(;W[bb];B[cc];W[dd])");
  EXPECT_EQ(pointOf(g, g.endNode), "ff");
  EXPECT_EQ(validateTree(g), "");
}

TEST(NeighbouringBranch, NoBranchingNodeAbove_DoesNothing) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb])(;W[cc]))");
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 1);  // branching itself, but nothing above it branches
  const std::string before = treeText(g);
  EXPECT_EQ(rotateToNeighbouringBranch(g, RotateDirection::Forward), nullptr);
  EXPECT_EQ(treeText(g), before);

  LoadedText straight(kStraight);
  straight.game().currentNode = straight.game().endNode;
  EXPECT_EQ(rotateToNeighbouringBranch(straight.game(), RotateDirection::Backward), nullptr);
}

}  // namespace
}  // namespace meridax
