#include "model/game_statistics.h"

#include <gtest/gtest.h>

#include "model/node_texts.h"
#include "tree_building.h"

namespace meridax {
namespace {

using testing::TestGame;
using testing::endLoading;
using testing::playLine;
using testing::readLoading;

// first - m1 - m2 - m3 - m4 - m5     (current line, 6 nodes)
//              |    \- s1 - s2      (side line below m2)
//              \- t1 - t2 - t3      (side line below m1)
//                   \- u1          (side line below t1)
struct BranchedGame {
  TestGame g;
  std::vector<GameNode*> main;
  GameNode *s1, *s2, *t1, *t2, *t3, *u1;

  BranchedGame() {
    main = playLine(*g, 5);
    g->currentNode = main[1];
    s1 = readLoading(*g, 100);
    s2 = readLoading(*g, 101);
    g->currentNode = main[0];
    t1 = readLoading(*g, 110);
    t2 = readLoading(*g, 111);
    t3 = readLoading(*g, 112);
    g->currentNode = t1;
    u1 = readLoading(*g, 120);
    endLoading(*g);
  }
};

TEST(GameStatistics, Nodes_CountEveryLineFromItsHeadToItsTail) {
  BranchedGame b;
  ASSERT_EQ(validateTree(*b.g), "");
  const GameStatistics s = computeStatistics(*b.g);
  EXPECT_EQ(s.nodes, 6 + 2 + 3 + 1);
  EXPECT_EQ(s.lines, 4);
}

TEST(GameStatistics, NewGame_CountsItsFirstNode) {
  TestGame g;
  const GameStatistics s = computeStatistics(*g);
  EXPECT_EQ(s.nodes, 1);
  EXPECT_EQ(s.lines, 1);
  EXPECT_EQ(s.comments, 0);
}

TEST(GameStatistics, Comments_IncludeTheGameCommentAndCountTheCurrentLine) {
  BranchedGame b;
  setComment(*b.g, b.main[2], "abc");
  setComment(*b.g, b.g->firstNode, "de");
  setComment(*b.g, b.t2, "fghi");
  b.g->details[DetailField::GameComment] = "12345";

  const GameStatistics s = computeStatistics(*b.g);

  EXPECT_EQ(s.comments, 4);
  EXPECT_EQ(s.commentCharacters, 3 + 2 + 4 + 5);
  EXPECT_EQ(s.commentsOnCurrentLine, 2);
}

TEST(GameStatistics, PrintDiagramsAndMarkup_AreCountedOnEveryLine) {
  BranchedGame b;
  b.main[4]->setPrintDiagram(true);
  b.u1->setPrintDiagram(true);
  b.s2->setPrintDiagram(true);
  addMarkup(*b.g, b.t3, "CR[##]");
  addMarkup(*b.g, b.main[0], "MA[##]");
  const GameStatistics s = computeStatistics(*b.g);
  EXPECT_EQ(s.printDiagrams, 3);
  EXPECT_EQ(s.nodesWithMarkup, 2);
}

TEST(GameStatistics, CachedStatistics_AreRecomputedAfterACommentChange) {
  BranchedGame b;
  EXPECT_EQ(statisticsOf(*b.g).comments, 0);
  setComment(*b.g, b.s1, "x");
  EXPECT_EQ(statisticsOf(*b.g).comments, 1);
  setComment(*b.g, b.s1, " ");
  EXPECT_EQ(statisticsOf(*b.g).comments, 0);
}

struct SubtreeCase {
  const char* name;
  GameNode* BranchedGame::*node;  // nullptr: the first node
  int nodes;
  int sideLines;
};

class SubtreeTest : public ::testing::TestWithParam<SubtreeCase> {};

TEST_P(SubtreeTest, CountBelowANode_GivesItsNodesAndSideLines) {
  BranchedGame b;
  const SubtreeCase& c = GetParam();
  const GameNode* node = c.node != nullptr ? b.*c.node : b.g->firstNode;
  const SubtreeCounts counts = countSubtree(*b.g, node);
  EXPECT_EQ(counts.nodes, c.nodes);
  EXPECT_EQ(counts.sideLines, c.sideLines);
}

const SubtreeCase kSubtreeCases[] = {
    {"FirstNode", nullptr, 11, 3},
    {"BranchingT1", &BranchedGame::t1, 3, 1},
    {"LeafU1", &BranchedGame::u1, 0, 0},
    {"SideLineHeadS1", &BranchedGame::s1, 1, 0},
};

INSTANTIATE_TEST_SUITE_P(Nodes, SubtreeTest, ::testing::ValuesIn(kSubtreeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GameStatistics, SubtreeOfTheMiddleOfTheLine_IncludesItsContinuationAndSideLines) {
  BranchedGame b;
  const SubtreeCounts counts = countSubtree(*b.g, b.main[1]);
  EXPECT_EQ(counts.nodes, 3 + 2);
  EXPECT_EQ(counts.sideLines, 1);
}

}  // namespace
}  // namespace meridax
