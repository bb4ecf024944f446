// Deleting the branch a node lies on, and pruning the branching above, below or beside the current
// node, with the questions that name the primary position when it would be lost.

#include "edit/branch_removal.h"

#include <gtest/gtest.h>

#include "edit/tree_edit_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;
using testing_support::nodeAt;
using testing_support::problems;
using testing_support::standOn;
using testing_support::treeText;

GameNode* deleteBranchOf(SGridFrame& g, GameNode* node) { return deleteBranch(g, planBranchDeletion(g, node)); }

// ---- Delete branch ----

TEST(DeleteBranch, OnTheCurrentLineWithTwoChildren_PromotesTheOtherChildAndClearsBranching) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb];B[cc])(;W[dd];B[ee]))");
  SGridFrame& g = standOn(t, "cc");
  GameNode* aa = nodeAt(g, "aa");
  GameNode* dd = nodeAt(g, "dd");

  EXPECT_EQ(deleteBranchOf(g, g.currentNode), dd);

  EXPECT_FALSE(aa->branching());
  EXPECT_EQ(aa->next(), dd);
  EXPECT_EQ(g.endNode, nodeAt(g, "ee"));
  EXPECT_EQ(treeText(g), ";B[aa];W[dd];B[ee]");
  EXPECT_EQ(problems(t), "");
}

TEST(DeleteBranch, OnTheCurrentLineWithThreeChildren_FirstSideLineMovesUpAndBranchingStays) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb])(;W[cc])(;W[dd]))");
  SGridFrame& g = standOn(t, "bb");

  EXPECT_EQ(deleteBranchOf(g, g.currentNode), nodeAt(g, "cc"));

  EXPECT_TRUE(nodeAt(g, "aa")->branching());
  EXPECT_EQ(treeText(g), ";B[aa](;W[cc])(;W[dd])");
  EXPECT_EQ(problems(t), "");
}

TEST(DeleteBranch, SideLine_GoesAndThePositionStays) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb];B[cc])(;W[dd];B[ee]))");
  SGridFrame& g = standOn(t, "cc");

  EXPECT_EQ(deleteBranchOf(g, nodeAt(g, "ee")), nullptr);

  EXPECT_EQ(g.currentNode, nodeAt(g, "cc"));
  EXPECT_EQ(treeText(g), ";B[aa];W[bb];B[cc]");
  EXPECT_EQ(t.collection.store().liveNodes(), 4u);
  EXPECT_EQ(problems(t), "");
}

TEST(DeleteBranch, ContinuationOfANodeOnASideLine_KeepsTheCurrentLineAndItsEnd) {
  // ee continues dd, which lies on a side line; its own side line ff takes its place there.
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb];B[cc])(;W[dd](;B[ee])(;B[ff])))");
  SGridFrame& g = standOn(t, "cc");
  GameNode* end = g.endNode;

  EXPECT_EQ(deleteBranchOf(g, nodeAt(g, "ee")), nullptr);

  EXPECT_EQ(g.endNode, end);
  EXPECT_EQ(g.currentNode, nodeAt(g, "cc"));
  EXPECT_EQ(treeText(g), ";B[aa](;W[bb];B[cc])(;W[dd];B[ff])");
  EXPECT_EQ(problems(t), "");
}

TEST(DeleteBranch, NoBranchingAbove_IsNotPossible) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = standOn(t, "bb");

  const BranchDeletionPlan plan = planBranchDeletion(g, g.currentNode);

  EXPECT_FALSE(plan.possible());
  EXPECT_EQ(deleteBranch(g, plan), nullptr);
  EXPECT_EQ(treeText(g), ";B[aa];W[bb]");
}

TEST(DeleteBranch, BranchingNodeItself_DeletesTheBranchItLiesOn) {
  // The node's own branching does not count: bb's branch above it is deleted with everything below.
  LoadedText t("(;GM[1]SZ[9](;B[aa];W[bb](;B[cc])(;B[dd]))(;B[ee]))");
  SGridFrame& g = standOn(t, "bb");

  EXPECT_EQ(deleteBranchOf(g, g.currentNode), nodeAt(g, "ee"));

  EXPECT_EQ(treeText(g), ";B[ee]");
  EXPECT_EQ(t.collection.store().liveNodes(), 2u);
  EXPECT_EQ(problems(t), "");
}

TEST(DeleteBranch, Questions_NameThePrimaryWhenItLiesInTheBranch) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb];B[cc])(;W[dd]))");
  SGridFrame& g = standOn(t, "bb");

  g.primaryNode = nodeAt(g, "cc");
  EXPECT_EQ(planBranchDeletion(g, g.currentNode).question(),
            "Warning.\nAbout to delete branch.\n\nThe primary position will be deleted by this action.\n\n"
            "Do you wish to continue?");
  g.primaryNode = nodeAt(g, "dd");
  EXPECT_EQ(planBranchDeletion(g, g.currentNode).question(),
            "Warning.\nAbout to delete branch.\n\nDo you wish to continue?");
  g.primaryNode = nullptr;
  EXPECT_EQ(planBranchDeletion(g, g.currentNode).loss, PrimaryLoss::No);
}

// ---- Remove higher, lower and neighbouring branching ----

// Branching above the current node (at the first node and at aa) and below it (at cc).
constexpr char kBranchesAboveAndBelow[] =
    "(;GM[1]SZ[9](;B[aa](;W[bb];B[cc](;W[dd])(;W[ee]))(;W[ff]))(;B[gg]))";

TEST(RemoveBranching, Higher_PrunesEveryBranchingNodeAboveAndKeepsThoseBelow) {
  LoadedText t(kBranchesAboveAndBelow);
  SGridFrame& g = standOn(t, "bb");

  EXPECT_EQ(removeBranching(g, BranchScope::Higher), 2);

  EXPECT_EQ(treeText(g), ";B[aa];W[bb];B[cc](;W[dd])(;W[ee])");
  EXPECT_EQ(g.currentNode, nodeAt(g, "bb"));
  EXPECT_EQ(problems(t), "");
}

TEST(RemoveBranching, Lower_PrunesFromTheCurrentNodeDownToTheEnd) {
  LoadedText t(kBranchesAboveAndBelow);
  SGridFrame& g = standOn(t, "cc");

  EXPECT_EQ(removeBranching(g, BranchScope::Lower), 1) << "the current node itself counts";

  EXPECT_EQ(treeText(g), "(;B[aa](;W[bb];B[cc];W[dd])(;W[ff]))(;B[gg])");
  EXPECT_EQ(problems(t), "");
}

TEST(RemoveBranching, LowerWithNoBranchingBelow_ChangesNothing) {
  LoadedText t(kBranchesAboveAndBelow);
  SGridFrame& g = standOn(t, "dd");
  g.flags = game_flag::kUnchanged;

  EXPECT_EQ(removeBranching(g, BranchScope::Lower), 0);

  EXPECT_EQ(g.flags, game_flag::kUnchanged);
  EXPECT_EQ(treeText(g), "(;B[aa](;W[bb];B[cc](;W[dd])(;W[ee]))(;W[ff]))(;B[gg])");
}

TEST(RemoveBranching, Neighbours_PrunesTheParentOnly) {
  LoadedText t(kBranchesAboveAndBelow);
  SGridFrame& g = standOn(t, "bb");

  EXPECT_EQ(removeBranching(g, BranchScope::Neighbours), 1);

  EXPECT_EQ(treeText(g), "(;B[aa];W[bb];B[cc](;W[dd])(;W[ee]))(;B[gg])");
  EXPECT_EQ(problems(t), "");
}

struct RemovalLossCase {
  BranchScope scope;
  const char* current;
  const char* primary;  // "" for none
  PrimaryLoss expected;
};

class BranchingRemovalLoss : public ::testing::TestWithParam<RemovalLossCase> {};

TEST_P(BranchingRemovalLoss, PrimaryOffTheKeptLines_IsNamed) {
  LoadedText t(kBranchesAboveAndBelow);
  const RemovalLossCase& c = GetParam();
  SGridFrame& g = standOn(t, c.current);
  g.primaryNode = *c.primary == '\0' ? nullptr : nodeAt(g, c.primary);

  EXPECT_EQ(branchingRemovalLoss(g, c.scope), c.expected) << c.current << " / " << c.primary;
}

INSTANTIATE_TEST_SUITE_P(
    RemoveBranching, BranchingRemovalLoss,
    ::testing::Values(
        // Higher, standing on bb: the current line aa-bb-cc-dd and the subtree of bb stay.
        RemovalLossCase{BranchScope::Higher, "bb", "", PrimaryLoss::No},
        RemovalLossCase{BranchScope::Higher, "bb", "aa", PrimaryLoss::No},
        RemovalLossCase{BranchScope::Higher, "bb", "ee", PrimaryLoss::No},
        RemovalLossCase{BranchScope::Higher, "bb", "ff", PrimaryLoss::Yes},
        RemovalLossCase{BranchScope::Higher, "bb", "gg", PrimaryLoss::Yes},
        // Lower, standing on bb: side lines from cc downward go.
        RemovalLossCase{BranchScope::Lower, "bb", "ee", PrimaryLoss::Yes},
        RemovalLossCase{BranchScope::Lower, "bb", "dd", PrimaryLoss::No},
        RemovalLossCase{BranchScope::Lower, "bb", "ff", PrimaryLoss::No},
        RemovalLossCase{BranchScope::Lower, "bb", "", PrimaryLoss::No},
        // Neighbours, standing on bb: aa's side line ff goes.
        RemovalLossCase{BranchScope::Neighbours, "bb", "ff", PrimaryLoss::Yes},
        RemovalLossCase{BranchScope::Neighbours, "bb", "gg", PrimaryLoss::No},
        RemovalLossCase{BranchScope::Neighbours, "bb", "cc", PrimaryLoss::No}));

TEST(RemoveBranching, Questions_CarryTheirCaptionsAndTexts) {
  EXPECT_EQ(branchingRemovalQuestion(BranchScope::Higher, PrimaryLoss::Yes),
            (EditNotice{"RemoveOffBranches()",
                        "Warning.\nAbout to remove higher branching.\n\nThe primary position will be deleted by this "
                        "action.\n\nDo you wish to continue?"}));
  EXPECT_EQ(branchingRemovalQuestion(BranchScope::Lower, PrimaryLoss::No),
            (EditNotice{"RemoveOffBranches()", "Warning.\nAbout to remove lower branching.\n\nDo you wish to continue?"}));
  EXPECT_EQ(branchingRemovalQuestion(BranchScope::Neighbours, PrimaryLoss::No),
            (EditNotice{"CmRemoveNeighbours()",
                        "Warning.\nAbout to remove neighbouring branching.\n\nDo you wish to continue?"}));
}

}  // namespace
}  // namespace meridax
