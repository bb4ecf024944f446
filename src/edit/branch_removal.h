#pragma once
// Removing lines from a game tree: one side line, every side line of a node (pruning), the branch a
// node lies on, and the branching above, below or beside the current node. The callers ask first;
// these functions only plan and carry out.

#include "edit/edit_notice.h"
#include "edit/line_records.h"
#include "model/grid_frame.h"

namespace meridax {

inline constexpr char kDeleteBranchCaption[] = "DeleteBranch()";
inline constexpr char kRemoveOffBranchesCaption[] = "RemoveOffBranches()";
inline constexpr char kRemoveNeighboursCaption[] = "CmRemoveNeighbours()";

// Deletes one side line leaving node, with its subtree and index entry; node loses its branching flag
// with its last side line.
void removeSideLine(SGridFrame& game, GameNode* node, SBranchDetails* line);

// Deletes every side line of node, keeping its continuation. Returns how many lines went.
int pruneBranching(SGridFrame& game, GameNode* node);

// The branch a node lies on: the first branching node above it and the child that starts the branch.
struct BranchDeletionPlan {
  BranchAbove branch;
  PrimaryLoss loss = PrimaryLoss::No;

  bool possible() const { return branch.found(); }
  // "Warning.\nAbout to delete branch. ..." (caption kDeleteBranchCaption).
  std::string question() const;
};
BranchDeletionPlan planBranchDeletion(const SGridFrame& game, GameNode* node);

// Deletes the planned branch. A branch that continues its branching node gives way to the node's first
// side line. Returns the node the position moves to (the branching node's new continuation, or the
// branching node when none is left) when the branch held the current node or continued the current
// line; nullptr when the position stays. The caller goes there.
GameNode* deleteBranch(SGridFrame& game, const BranchDeletionPlan& plan);

// Which branching nodes a removal prunes: those above the current node up to the first node, those
// from the current node down to the end node, or the current node's parent.
enum class BranchScope { Higher, Lower, Neighbours };

// Whether the removal would delete the primary position.
PrimaryLoss branchingRemovalLoss(const SGridFrame& game, BranchScope scope);
// The question of the removal, with its caption.
EditNotice branchingRemovalQuestion(BranchScope scope, PrimaryLoss loss);
// Prunes every branching node of the scope. Returns how many nodes were pruned (0: nothing changed).
int removeBranching(SGridFrame& game, BranchScope scope);

}  // namespace meridax
