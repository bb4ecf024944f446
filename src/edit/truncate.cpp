#include "edit/truncate.h"

#include "edit/branch_removal.h"
#include "edit/line_records.h"
#include "edit/navigation.h"
#include "model/game_tree.h"
#include "rules/navigation_step.h"

namespace meridax {

PrimaryLoss truncationLoss(const SGridFrame& game, const GameNode* node) {
  // The side lines of node go as well as its continuation, so any primary below node is lost.
  const bool below = game.primaryNode != nullptr && game.primaryNode != node && primaryInSubtree(game, node);
  return below ? PrimaryLoss::Yes : PrimaryLoss::No;
}

std::string truncationQuestion(PrimaryLoss loss) { return warningQuestion("truncate", loss); }

bool truncateAt(SGridFrame& game, GameNode* node) {
  if (!isOnCurrentLine(game, node) && !selectLineOf(game, node)) return false;
  if (game.currentNode != node) goToNode(game, node);
  const bool anything = node->next() != nullptr || node->branching();
  if (node->branching()) pruneBranching(game, node);
  if (GameNode* below = node->next()) {
    node->setNext(nullptr);
    setLineTail(game, lineRecordOf(game, node), node);
    deleteChain(game, below);
  }
  return anything;
}

GameNode* truncateAndDeleteMove(SGridFrame& game) {
  GameNode* end = game.endNode;
  if (game.currentNode != end) return nullptr;
  GameNode* parent = end->prev();
  if (parent == nullptr) return nullptr;
  if (parent->branching()) {
    BranchDeletionPlan plan;
    plan.branch = BranchAbove{parent, end};
    deleteBranch(game, plan);
  } else {
    parent->setNext(nullptr);
    setLineTail(game, lineRecordOf(game, parent), parent);
    deleteChain(game, end);
  }
  goToNode(game, parent);
  return parent;
}

}  // namespace meridax
