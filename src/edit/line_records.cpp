#include "edit/line_records.h"

namespace meridax {

namespace {

// The first node of the chain of next links that holds node.
const GameNode* chainHead(const GameNode* node) {
  while (node->prev() != nullptr && node->prev()->next() == node) node = node->prev();
  return node;
}

SBranchDetails* currentLineRecord(const SGridFrame& game) {
  const auto lines = game.variations.linesBelow(nullptr);
  return lines.empty() ? nullptr : lines.front();
}

}  // namespace

bool liesBelow(const GameNode* node, const GameNode* ancestor) {
  for (const GameNode* n = node; n != nullptr; n = n->prev())
    if (n == ancestor) return true;
  return false;
}

bool primaryInSubtree(const SGridFrame& game, const GameNode* x) {
  return game.primaryNode != nullptr && x != nullptr && liesBelow(game.primaryNode, x);
}

bool primaryOnCurrentLine(const SGridFrame& game) {
  return game.primaryNode != nullptr && liesBelow(game.endNode, game.primaryNode);
}

BranchAbove branchingAbove(GameNode* node) {
  for (GameNode* child = node; child != nullptr && child->prev() != nullptr; child = child->prev())
    if (child->prev()->branching()) return BranchAbove{child->prev(), child};
  return {};
}

SBranchDetails* lineRecordOf(const SGridFrame& game, const GameNode* node) {
  const GameNode* head = chainHead(node);
  if (head->prev() == nullptr) return head == game.firstNode ? currentLineRecord(game) : nullptr;
  for (SBranchDetails* line : game.variations.linesBelow(head->prev()))
    if (line->head == head) return line;
  return nullptr;
}

void setLineTail(SGridFrame& game, SBranchDetails* record, GameNode* tail) {
  if (record == nullptr) return;
  record->tail = tail;
  if (record == currentLineRecord(game)) game.endNode = tail;
}

}  // namespace meridax
