#include "edit/branch_ends.h"

#include "edit/navigation.h"

namespace meridax {

std::vector<GameNode*> branchEnds(const SGridFrame& game, GameNode* from) {
  std::vector<GameNode*> ends;
  if (from == nullptr) return ends;
  forEachInTreeOrder(game, from, [&](GameNode* n) {
    if (n->next() == nullptr) ends.push_back(n);
  });
  return ends;
}

void BranchEndCursor::discard() {
  origin_ = nullptr;
  entries_.clear();
  cursor_.reset();
}

bool BranchEndCursor::stillValid(const SGridFrame& game) const {
  // The origin is only looked at once it is known to be an ancestor of the current node, and so alive.
  const GameNode* n = game.currentNode;
  while (n != nullptr && n != origin_) n = n->prev();
  // Selecting the line of an end reorders the walk, not the ends.
  return n != nullptr && sameNodes(branchEnds(game, origin_), entries_);
}

GameNode* BranchEndCursor::cycle(const SGridFrame& game, CycleDirection direction) {
  GameNode* current = game.currentNode;
  if (current == nullptr) return nullptr;
  if (current->next() != nullptr || (!entries_.empty() && !stillValid(game))) discard();
  if (entries_.empty()) {
    origin_ = current;
    entries_ = branchEnds(game, current);
    cursor_.reset();
    if (entries_.empty()) return nullptr;
  }
  const std::size_t count = entries_.size();
  if (direction == CycleDirection::Forward) cursor_ = (!cursor_ || *cursor_ + 1 >= count) ? 0 : *cursor_ + 1;
  else cursor_ = (!cursor_ || *cursor_ == 0 || *cursor_ >= count) ? count - 1 : *cursor_ - 1;
  return entries_[*cursor_];
}

}  // namespace meridax
