#include "rules/auto_labels.h"

#include <gtest/gtest.h>

#include <string>

#include "model/node_texts.h"
#include "play_fixture.h"

namespace meridax {
namespace {

using testing::PlayFixture;

// A label value as stored in markup: the point as column + 33 and row + 33, a colon and the text.
std::string lb(int x, int y, const std::string& text) {
  return std::string("LB[") + static_cast<char>(x + 33) + static_cast<char>(y + 33) + ":" + text + "]";
}
std::string value(int x, int y, const std::string& text) {
  return std::string("[") + static_cast<char>(x + 33) + static_cast<char>(y + 33) + ":" + text + "]";
}

// --- Reading and adding labels on one node ---------------------------------------------------------

class AutoLabelTest : public ::testing::Test {
 protected:
  PlayFixture f{GameKind::Go, 19};
  SGridFrame& g = *f.game;
  GameNode* node = g.firstNode;
};

TEST_F(AutoLabelTest, LabelsAfterOtherMarkup_AreFound) {
  addMarkup(g, node, "TR[!!][\"\"]");
  addMarkup(g, node, lb(3, 4, "x") + value(5, 6, "yz"));
  addMarkup(g, node, "MA[$$]" + lb(7, 7, "q"));
  EXPECT_EQ(labelAt(g, node, 3, 4), "x");
  EXPECT_EQ(labelAt(g, node, 5, 6), "yz");
  EXPECT_EQ(labelAt(g, node, 7, 7), "q");
  EXPECT_EQ(labelAt(g, node, 0, 0), std::nullopt) << "a triangle is not a label";
}

TEST_F(AutoLabelTest, LabelWithAnEscapedBracket_KeepsReadingAfterIt) {
  addMarkup(g, node, lb(1, 1, "a\\]b") + lb(2, 2, "c"));
  EXPECT_EQ(labelAt(g, node, 1, 1), "a\\]b");
  EXPECT_EQ(labelAt(g, node, 2, 2), "c");
}

TEST_F(AutoLabelTest, FreshPoints_TakeTheFirstLettersNotYetUsed) {
  addMarkup(g, node, lb(0, 0, "b"));
  EXPECT_TRUE(autoLabelPoint(g, node, 1, 1, true));
  EXPECT_TRUE(autoLabelPoint(g, node, 2, 2, true));
  EXPECT_EQ(labelAt(g, node, 1, 1), "a");
  EXPECT_EQ(labelAt(g, node, 2, 2), "c");
  EXPECT_TRUE(node->hasMarkup());
}

TEST_F(AutoLabelTest, CapitalLetters_WhenAutoLowerIsOff) {
  EXPECT_TRUE(autoLabelPoint(g, node, 1, 1, false));
  EXPECT_TRUE(autoLabelPoint(g, node, 2, 2, false));
  EXPECT_EQ(markupOf(g, node), lb(1, 1, "A") + lb(2, 2, "B"));
}

TEST_F(AutoLabelTest, PointAlreadyLabelled_GetsNoSecondLabel) {
  addMarkup(g, node, "CR[##]" + lb(4, 4, "Z"));
  EXPECT_FALSE(autoLabelPoint(g, node, 4, 4, true));
  EXPECT_EQ(markupOf(g, node), "CR[##]" + lb(4, 4, "Z"));
}

TEST_F(AutoLabelTest, AllTwentySixLettersUsed_AddsNothing) {
  for (int i = 0; i < 26; ++i) ASSERT_TRUE(autoLabelPoint(g, node, i % 19, i / 19, true));
  EXPECT_EQ(labelAt(g, node, 6, 1), "z");
  EXPECT_FALSE(autoLabelPoint(g, node, 10, 10, true));
}

// --- Labels made by move acceptance ------------------------------------------------------------------

TEST(AutoLabelMoves, EachNewMove_IsLabelledOnTheNodeBeforeIt) {
  PlayFixture f(GameKind::Go, 19);
  f.options.autoLabelMoves = true;
  f.click("dd");
  GameNode* dd = f.game->currentNode;
  f.click("pp");
  EXPECT_EQ(labelAt(*f.game, f.game->firstNode, 3, 3), "a");
  EXPECT_EQ(labelAt(*f.game, dd, 15, 15), "a");
  EXPECT_FALSE(f.game->currentNode->hasMarkup());
}

TEST(AutoLabelMoves, WhileReading_LabelsToo) {
  PlayFixture f(GameKind::Go, 19);
  f.options.autoLabelMoves = true;
  f.options.autoLower = false;
  f.read("dd", Colour::Black);
  EXPECT_EQ(labelAt(*f.game, f.game->firstNode, 3, 3), "A");
}

TEST(AutoLabelMoves, OptionOff_LabelsNothing) {
  PlayFixture f(GameKind::Go, 19);
  f.click("dd");
  EXPECT_FALSE(f.game->firstNode->hasMarkup());
}

TEST(AutoLabelMoves, PenteAndConnect6_AreNotLabelled) {
  for (GameKind k : {GameKind::PenteAtCreation, GameKind::Connect6AtCreation}) {
    PlayFixture f(k, 19);
    f.options.autoLabelMoves = true;
    f.click("dd");
    EXPECT_FALSE(f.game->firstNode->hasMarkup());
  }
}

TEST(AutoLabelMoves, SteppingOntoTheFollowingMove_AddsNoLabel) {
  PlayFixture f(GameKind::Go, 19);
  f.click("dd");
  f.goTo(f.game->firstNode);
  f.options.autoLabelMoves = true;
  f.click("dd");
  EXPECT_FALSE(f.game->firstNode->hasMarkup());
}

class AutoLabelBranchesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.click("dd");
    split = f.game->currentNode;
    f.click("pp");
    f.goTo(split);
    f.options.autoLabelBranches = true;
  }
  PlayFixture f{GameKind::Go, 19};
  GameNode* split = nullptr;
};

TEST_F(AutoLabelBranchesTest, NewBranch_LabelsTheOldContinuationThenTheNewMove) {
  f.click("pd");
  EXPECT_EQ(labelAt(*f.game, split, 15, 15), "a");
  EXPECT_EQ(labelAt(*f.game, split, 15, 3), "b");
}

TEST_F(AutoLabelBranchesTest, SecondBranch_KeepsTheLettersGivenBefore) {
  f.click("pd");
  f.goTo(split);
  f.options.autoLower = false;
  f.click("dp");
  EXPECT_EQ(markupOf(*f.game, split), lb(15, 15, "a") + lb(15, 3, "b") + lb(3, 15, "A"));
}

TEST_F(AutoLabelBranchesTest, WithMovesLabelledToo_TheNewMoveGetsOneLabel) {
  f.options.autoLabelMoves = true;
  f.click("pd");
  EXPECT_EQ(markupOf(*f.game, split), lb(15, 15, "a") + lb(15, 3, "b"));
}

TEST_F(AutoLabelBranchesTest, WhileReading_NoBranchLabels) {
  f.read("pd", Colour::White);
  EXPECT_FALSE(split->hasMarkup());
}

TEST(AutoLabelBranches, Pente_IsAGoKindAndGetsBranchLabels) {
  PlayFixture f(GameKind::PenteAtCreation, 19);
  f.click("dd");
  GameNode* split = f.game->currentNode;
  f.click("pp");
  f.goTo(split);
  f.options.autoLabelBranches = true;
  f.click("pd");
  EXPECT_EQ(labelAt(*f.game, split, 15, 15), "a");
  EXPECT_EQ(labelAt(*f.game, split, 15, 3), "b");
}

TEST(AutoLabelBranches, Hex_GetsNoBranchLabels) {
  PlayFixture f(GameKind::Hex, 11);
  f.click(1, 1);
  GameNode* split = f.game->currentNode;
  f.click(2, 2);
  f.goTo(split);
  f.options.autoLabelBranches = true;
  f.click(3, 3);
  EXPECT_FALSE(split->hasMarkup());
}

}  // namespace
}  // namespace meridax
