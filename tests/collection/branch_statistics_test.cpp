#include "collection/branch_statistics.h"

#include <gtest/gtest.h>

#include "collection_test_support.h"
#include "model/game_tree.h"
#include "model/node_texts.h"

namespace meridax {
namespace {

using testing::TextCollection;

// The dialog's fields as "label: value" lines.
std::string dialogText(const SGridFrame& game, const NodeStore& store) {
  std::string out;
  for (const StatisticsField& f : branchStatisticsFields(branchStatisticsOf(game, store)))
    out += std::string(f.label) + ": " + f.value + "\n";
  return out;
}

TEST(BranchStatistics, GameOfOneNode_CountsItsFirstNodeAndOneBranch) {
  TextCollection c("(;GM[1]SZ[9])");
  EXPECT_EQ(dialogText(c.game(0), c.games.store()), R"(Branches in total: 1
Nodes in total: 1  /  1
Branches below: 0
Nodes below current position: 0
Comments: 0
Comments in current line of play: 0
Comment bytes: 0
Diagrams: 0
Marked Positions: 0
Bookmarks: 0
Position Scores: 0
Position Nodes: 0
)");
}

TEST(BranchStatistics, GameCommentAlone_CountsAsOneCommentWithItsLength) {
  TextCollection c("(;GM[1]SZ[9]GC[Played in Oslo];B[ee])");
  const BranchStatistics s = branchStatisticsOf(c.game(0), c.games.store());
  EXPECT_EQ(s.comments, 1);
  EXPECT_EQ(s.commentBytes, 14);
  EXPECT_EQ(s.commentsOnLine, 0);
}

TEST(BranchStatistics, BranchedGame_CountsTheWholeGameAndTheSubtreeBelowTheCurrentNode) {
  // Main line: first node, B[aa], W[bb] with a comment, B[cc]; below B[aa] a side line W[dd] B[ee] with a
  // name and a score, and below W[dd] another side line B[ff] with markup and a print diagram.
  TextCollection c(
      "(;GM[1]SZ[9];B[aa](;W[bb]C[main];B[cc])(;W[dd]N[Idea]V[12](;B[ee]C[side])(;B[ff]LB[aa:A]DD[])))"
      "(;GM[1]SZ[9];B[aa])");
  SGridFrame& g = c.game(0);
  g.currentNode = g.firstNode->next();  // B[aa]
  const BranchStatistics s = branchStatisticsOf(g, c.games.store());
  EXPECT_EQ(s.branches, 3);
  EXPECT_EQ(s.nodes, 7);
  EXPECT_EQ(s.storeNodes, 9u);  // the second game's two nodes are in the same store
  EXPECT_EQ(s.nodesBelow, 5);
  EXPECT_EQ(s.branchesBelow, 2);
  EXPECT_EQ(s.comments, 2);
  EXPECT_EQ(s.commentsOnLine, 1);
  EXPECT_EQ(s.commentBytes, 8);
  EXPECT_EQ(s.positionNodes, 1);
  EXPECT_EQ(s.positionScores, 1);
  EXPECT_EQ(s.markedPositions, 1);

  g.currentNode = g.endNode;
  const BranchStatistics atEnd = branchStatisticsOf(g, c.games.store());
  EXPECT_EQ(atEnd.nodesBelow, 0);
  EXPECT_EQ(atEnd.branchesBelow, 0);
}

TEST(BranchStatistics, MoveAddedAfterStatisticsWereKept_IsCounted) {
  TextCollection c("(;GM[1]SZ[9];B[aa])");
  SGridFrame& g = c.game(0);
  EXPECT_EQ(branchStatisticsOf(g, c.games.store()).nodes, 2);
  setComment(g, g.firstNode, "note");
  g.currentNode = g.endNode;
  list_insert(g, g.currentNode, g.cachedPosition, Colour::White, SpecialMoveKind::Pass, 0, false);
  const BranchStatistics s = branchStatisticsOf(g, c.games.store());
  EXPECT_EQ(s.nodes, 3);
  EXPECT_EQ(s.commentsOnLine, 1);
}

}  // namespace
}  // namespace meridax
