// Truncating the current line at a node, and deleting the last move of the line.

#include "edit/truncate.h"

#include <gtest/gtest.h>

#include "edit/tree_edit_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;
using testing_support::nodeAt;
using testing_support::problems;
using testing_support::standOn;
using testing_support::treeText;

constexpr char kBranchingGame[] = "(;GM[1]SZ[9];B[aa](;W[bb];B[cc])(;W[dd];B[ff];W[gg])(;W[ee]))";

// ---- Truncate at a node ----

TEST(Truncate, StartNodeOfOneLineGame_LeavesOnlyTheStartNode) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb];B[cc])");
  SGridFrame& g = standOn(t, nullptr);

  EXPECT_TRUE(truncateAt(g, g.firstNode));

  EXPECT_EQ(treeText(g), "");
  EXPECT_EQ(g.currentNode, g.firstNode);
  EXPECT_EQ(g.endNode, g.firstNode);
  EXPECT_EQ(t.collection.store().liveNodes(), 1u);
  EXPECT_EQ(problems(t), "");
}

TEST(Truncate, BranchingNode_DeletesContinuationAndEverySideLine) {
  LoadedText t(kBranchingGame);
  SGridFrame& g = standOn(t, "aa");
  g.primaryNode = nodeAt(g, "ff");

  EXPECT_TRUE(truncateAt(g, g.currentNode));

  EXPECT_EQ(treeText(g), ";B[aa]");
  EXPECT_FALSE(g.currentNode->branching());
  EXPECT_EQ(g.variations.size(), 1u) << "only the current line's record is left";
  EXPECT_EQ(g.primaryNode, nullptr) << "the primary went with its line";
  EXPECT_EQ(t.collection.store().liveNodes(), 2u);
  EXPECT_EQ(problems(t), "");
}

TEST(Truncate, NodeOnASideLine_SelectsItsLineAndGoesThere) {
  LoadedText t(kBranchingGame);
  SGridFrame& g = standOn(t, "aa");
  GameNode* ff = nodeAt(g, "ff");

  EXPECT_TRUE(truncateAt(g, ff));

  EXPECT_EQ(g.currentNode, ff);
  EXPECT_EQ(g.endNode, ff);
  EXPECT_EQ(treeText(g), ";B[aa](;W[dd];B[ff])(;W[bb];B[cc])(;W[ee])");
  EXPECT_EQ(problems(t), "");
}

TEST(Truncate, EndNode_ChangesNothing) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = standOn(t, "bb");

  EXPECT_FALSE(truncateAt(g, g.currentNode));

  EXPECT_EQ(treeText(g), ";B[aa];W[bb]");
  EXPECT_EQ(problems(t), "");
}

struct LossCase {
  const char* primary;  // point letters of the primary; "" for none, "-" for the first node
  PrimaryLoss expected;
};

class TruncationLoss : public ::testing::TestWithParam<LossCase> {};

TEST_P(TruncationLoss, PrimaryAnywhereBelowTheNode_IsLost) {
  // Truncating at bb: cc on its continuation and ee on its side line go; aa, bb and dd stay.
  LoadedText t("(;GM[1]SZ[9](;B[aa];W[bb](;B[cc])(;B[ee]))(;B[dd]))");
  SGridFrame& g = t.game();
  const std::string primary = GetParam().primary;
  g.primaryNode = primary.empty() ? nullptr : primary == "-" ? g.firstNode : nodeAt(g, primary.c_str());

  EXPECT_EQ(truncationLoss(g, nodeAt(g, "bb")), GetParam().expected) << primary;
}

INSTANTIATE_TEST_SUITE_P(Truncate, TruncationLoss,
                         ::testing::Values(LossCase{"", PrimaryLoss::No}, LossCase{"-", PrimaryLoss::No},
                                           LossCase{"aa", PrimaryLoss::No}, LossCase{"bb", PrimaryLoss::No},
                                           LossCase{"dd", PrimaryLoss::No}, LossCase{"cc", PrimaryLoss::Yes},
                                           LossCase{"ee", PrimaryLoss::Yes}));

TEST(Truncate, Questions_NameThePrimaryOnlyWhenItIsLost) {
  EXPECT_EQ(truncationQuestion(PrimaryLoss::No), "Warning.\nAbout to truncate.\n\nDo you wish to continue?");
  EXPECT_EQ(truncationQuestion(PrimaryLoss::Yes),
            "Warning.\nAbout to truncate.\n\nThe primary position will be deleted by this action.\n\n"
            "Do you wish to continue?");
}

// ---- Truncate and delete the move ----

TEST(TruncateAndDeleteMove, LastMoveOfAPlainLine_ParentBecomesEndAndCurrent) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = standOn(t, "bb");
  GameNode* aa = nodeAt(g, "aa");

  EXPECT_EQ(truncateAndDeleteMove(g), aa);

  EXPECT_EQ(g.currentNode, aa);
  EXPECT_EQ(g.endNode, aa);
  EXPECT_EQ(treeText(g), ";B[aa]");
  EXPECT_EQ(problems(t), "");
}

TEST(TruncateAndDeleteMove, ParentBranches_FirstSideLineTakesThePlaceOfTheLine) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb])(;W[cc];B[dd])(;W[ee]))");
  SGridFrame& g = standOn(t, "bb");
  GameNode* aa = nodeAt(g, "aa");

  EXPECT_EQ(truncateAndDeleteMove(g), aa);

  EXPECT_EQ(g.currentNode, aa);
  EXPECT_EQ(g.endNode, nodeAt(g, "dd"));
  EXPECT_TRUE(aa->branching());
  EXPECT_EQ(treeText(g), ";B[aa](;W[cc];B[dd])(;W[ee])");
  EXPECT_EQ(problems(t), "");
}

TEST(TruncateAndDeleteMove, NothingToDelete_DoesNothing) {
  LoadedText lone("(;GM[1]SZ[9])");
  EXPECT_EQ(truncateAndDeleteMove(lone.game()), nullptr) << "the first node stays";

  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = standOn(t, "aa");
  EXPECT_EQ(truncateAndDeleteMove(g), nullptr) << "only at the end node";
  EXPECT_EQ(treeText(g), ";B[aa];W[bb]");
}

}  // namespace
}  // namespace meridax
