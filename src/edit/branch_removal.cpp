#include "edit/branch_removal.h"

#include <vector>

#include "edit/navigation.h"
#include "model/game_tree.h"

namespace meridax {

namespace {

SBranchDetails* sideLineWithHead(const SGridFrame& game, const GameNode* node, const GameNode* head) {
  for (SBranchDetails* line : game.variations.linesBelow(node))
    if (line->head == head) return line;
  return nullptr;
}

// The continuation of the branching node gives way: its first side line takes its place.
GameNode* replaceContinuation(SGridFrame& game, GameNode* branching) {
  SBranchDetails* holder = lineRecordOf(game, branching);
  const auto lines = game.variations.linesBelow(branching);
  if (lines.empty()) {
    branching->setBranching(false);
    branching->setNext(nullptr);
    setLineTail(game, holder, branching);
    return branching;
  }
  SBranchDetails* promoted = lines.front();
  GameNode* head = promoted->head;
  GameNode* tail = promoted->tail;
  branching->setNext(head);
  game.variations.remove(branching, promoted);
  if (game.variations.linesBelow(branching).empty()) branching->setBranching(false);
  setLineTail(game, holder, tail);
  return head;
}

// The first branching node at or below the current node along next.
GameNode* firstBranchingFromCurrent(const SGridFrame& game) {
  for (GameNode* n = game.currentNode; n != nullptr; n = n->next())
    if (n->branching()) return n;
  return nullptr;
}

std::vector<GameNode*> nodesToPrune(const SGridFrame& game, BranchScope scope) {
  std::vector<GameNode*> nodes;
  switch (scope) {
    case BranchScope::Higher:
      for (GameNode* n = game.currentNode->prev(); n != nullptr; n = n->prev())
        if (n->branching()) nodes.push_back(n);
      break;
    case BranchScope::Lower:
      for (GameNode* n = game.currentNode; n != nullptr; n = n->next())
        if (n->branching()) nodes.push_back(n);
      break;
    case BranchScope::Neighbours:
      if (GameNode* parent = game.currentNode->prev(); parent != nullptr && parent->branching())
        nodes.push_back(parent);
      break;
  }
  return nodes;
}

}  // namespace

void removeSideLine(SGridFrame& game, GameNode* node, SBranchDetails* line) {
  GameNode* head = line->head;
  if (game.currentLine == line) game.currentLine = nullptr;
  game.variations.remove(node, line);
  if (game.variations.linesBelow(node).empty()) node->setBranching(false);
  if (head != nullptr) deleteChain(game, head);
}

int pruneBranching(SGridFrame& game, GameNode* node) {
  const auto lines = game.variations.linesBelow(node);
  for (SBranchDetails* line : lines) removeSideLine(game, node, line);
  node->setBranching(false);
  return static_cast<int>(lines.size());
}

std::string BranchDeletionPlan::question() const { return warningQuestion("delete branch", loss); }

BranchDeletionPlan planBranchDeletion(const SGridFrame& game, GameNode* node) {
  BranchDeletionPlan plan;
  if (node == nullptr) return plan;
  plan.branch = branchingAbove(node);
  if (plan.possible() && primaryInSubtree(game, plan.branch.child)) plan.loss = PrimaryLoss::Yes;
  return plan;
}

GameNode* deleteBranch(SGridFrame& game, const BranchDeletionPlan& plan) {
  if (!plan.possible()) return nullptr;
  GameNode* branching = plan.branch.branching;
  GameNode* child = plan.branch.child;
  const bool heldCurrent = liesBelow(game.currentNode, child);
  GameNode* goTo = nullptr;
  if (branching->next() == child) {
    // The branch continues its node: the first side line moves up, and a current line through the
    // node now runs on along it.
    const bool continuedCurrentLine = isOnCurrentLine(game, branching);
    GameNode* replacement = replaceContinuation(game, branching);
    if (heldCurrent || continuedCurrentLine) goTo = replacement;
  } else if (SBranchDetails* line = sideLineWithHead(game, branching, child)) {
    game.variations.remove(branching, line);
    if (game.variations.linesBelow(branching).empty()) branching->setBranching(false);
    if (heldCurrent) goTo = branching;  // cannot happen while the current node is on the current line
  } else {
    return nullptr;  // a child the index does not know: nothing is deleted
  }
  deleteChain(game, child);
  return goTo;
}

PrimaryLoss branchingRemovalLoss(const SGridFrame& game, BranchScope scope) {
  if (game.primaryNode == nullptr || primaryOnCurrentLine(game)) return PrimaryLoss::No;
  switch (scope) {
    case BranchScope::Higher:
      return primaryInSubtree(game, game.currentNode) ? PrimaryLoss::No : PrimaryLoss::Yes;
    case BranchScope::Lower: {
      const GameNode* first = firstBranchingFromCurrent(game);
      return first != nullptr && primaryInSubtree(game, first) ? PrimaryLoss::Yes : PrimaryLoss::No;
    }
    case BranchScope::Neighbours: {
      const GameNode* parent = game.currentNode->prev();
      return parent != nullptr && primaryInSubtree(game, parent) ? PrimaryLoss::Yes : PrimaryLoss::No;
    }
  }
  return PrimaryLoss::No;
}

EditNotice branchingRemovalQuestion(BranchScope scope, PrimaryLoss loss) {
  switch (scope) {
    case BranchScope::Higher: return {kRemoveOffBranchesCaption, warningQuestion("remove higher branching", loss)};
    case BranchScope::Lower: return {kRemoveOffBranchesCaption, warningQuestion("remove lower branching", loss)};
    case BranchScope::Neighbours:
      return {kRemoveNeighboursCaption, warningQuestion("remove neighbouring branching", loss)};
  }
  return {};
}

int removeBranching(SGridFrame& game, BranchScope scope) {
  int pruned = 0;
  for (GameNode* node : nodesToPrune(game, scope))
    if (pruneBranching(game, node) > 0) ++pruned;
  return pruned;
}

}  // namespace meridax
