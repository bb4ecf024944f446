// Injecting SGF node text below the current node: where the nodes go, and that the current node and
// the current line are the ones from before.

#include "edit/inject.h"

#include <gtest/gtest.h>

#include "edit/tree_edit_support.h"
#include "model/node_texts.h"

namespace meridax {
namespace {

using testing_support::LoadedText;
using testing_support::nodeAt;
using testing_support::problems;
using testing_support::standOn;
using testing_support::treeText;

InjectOutcome inject(LoadedText& t, const std::string& nodes) {
  return injectSgf(t.collection, t.game(), nodes, ReaderSettings{}, t.errors);
}

struct InjectCase {
  const char* game;
  const char* standOn;  // point letters of the current node
  const char* nodes;
  const char* tree;     // the tree afterwards
  const char* end;      // point letters of the end node afterwards
};

class InjectPlaces : public ::testing::TestWithParam<InjectCase> {};

TEST_P(InjectPlaces, NodesHangBelowTheCurrentNode_WhichStaysCurrentOnItsLine) {
  const InjectCase& c = GetParam();
  LoadedText t(c.game);
  SGridFrame& g = standOn(t, c.standOn);
  GameNode* before = g.currentNode;
  g.flags = game_flag::kUnchanged;

  const InjectOutcome outcome = inject(t, c.nodes);

  EXPECT_TRUE(outcome.read);
  EXPECT_FALSE(outcome.message.has_value());
  EXPECT_TRUE(t.errors.empty()) << t.errors.joined();
  EXPECT_EQ(g.currentNode, before);
  EXPECT_EQ(treeText(g), c.tree);
  EXPECT_EQ(g.endNode, nodeAt(g, c.end));
  EXPECT_NE(g.flags & game_flag::kTreeChanged, 0);
  EXPECT_EQ(problems(t), "");
}

INSTANTIATE_TEST_SUITE_P(
    Inject, InjectPlaces,
    ::testing::Values(
        // At the end node the current line grows.
        InjectCase{"(;GM[1]SZ[9];B[aa];W[bb])", "bb", ";B[cc];W[dd]", ";B[aa];W[bb];B[cc];W[dd]", "dd"},
        // In the middle of the line the nodes become a side line.
        InjectCase{"(;GM[1]SZ[9];B[aa];W[bb])", "aa", ";W[cc];B[dd]", ";B[aa](;W[bb])(;W[cc];B[dd])", "bb"},
        // An existing side line is followed and extended; the current line is put back.
        InjectCase{"(;GM[1]SZ[9];B[aa](;W[bb])(;W[cc]))", "aa", ";W[cc];B[dd]", ";B[aa](;W[bb])(;W[cc];B[dd])",
                   "bb"},
        // The continuation is followed and the line grows at its end.
        InjectCase{"(;GM[1]SZ[9];B[aa];W[bb])", "aa", ";W[bb];B[cc]", ";B[aa];W[bb];B[cc]", "cc"},
        // Variations of the text each become a line below the current node.
        InjectCase{"(;GM[1]SZ[9];B[aa];W[bb])", "bb", "(;B[cc])(;B[dd])", ";B[aa];W[bb](;B[cc])(;B[dd])", "cc"}));

TEST(Inject, RefusedMove_KeepsTheNodesReadBeforeAndListsTheError) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = standOn(t, "bb");

  const InjectOutcome outcome = inject(t, ";B[cc];W[cc];B[dd]");

  EXPECT_TRUE(outcome.read);
  EXPECT_FALSE(t.errors.empty());
  EXPECT_EQ(treeText(g), ";B[aa];W[bb];B[cc]");
  EXPECT_EQ(g.currentNode, nodeAt(g, "bb"));
  EXPECT_EQ(problems(t), "");
}

TEST(Inject, ErrorListOfAnEarlierRead_IsEmptiedFirst) {
  LoadedText t("(;GM[1]SZ[9];B[aa])");
  t.errors.add("an earlier error", 1);

  inject(t, ";W[bb]");

  EXPECT_TRUE(t.errors.empty()) << t.errors.joined();
}

TEST(Inject, PropertiesOfTheTextsFirstNode_GoToTheCurrentNode) {
  LoadedText t("(;GM[1]SZ[9];B[aa])");
  SGridFrame& g = standOn(t, "aa");

  inject(t, "C[injected here];W[bb]");

  EXPECT_EQ(commentOf(g, nodeAt(g, "aa")), "injected here");
  EXPECT_EQ(treeText(g), ";B[aa];W[bb]");
}

TEST(Inject, DamagedText_NeverBreaksTheTreeAndKeepsTheCurrentNode) {
  for (const char* nodes : {"", ";B[cc", ";W[zz];B[cc]", "(;W[cc](;B[dd]", ")))", "(;W[cc])(;W[dd])(", ";W[]C[\\"}) {
    LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb])(;W[ee]))");
    SGridFrame& g = standOn(t, "aa");
    GameNode* before = g.currentNode;
    GameNode* end = g.endNode;

    inject(t, nodes);

    EXPECT_EQ(g.currentNode, before) << nodes;
    EXPECT_EQ(g.endNode, end) << nodes;
    EXPECT_EQ(problems(t), "") << nodes;
  }
}

}  // namespace
}  // namespace meridax
