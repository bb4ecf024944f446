#pragma once
// Cycling through the ends of the lines below a position: the branch-end list of a frame, built from
// the position where cycling began, with a cursor on the end last visited.

#include <cstddef>
#include <optional>
#include <vector>

#include "model/grid_frame.h"

namespace meridax {

enum class CycleDirection { Forward, Backward };

// Every node without a continuation at or below `from`, in tree order (side variations of a branching
// node before its continuation).
std::vector<GameNode*> branchEnds(const SGridFrame& game, GameNode* from);

class BranchEndCursor {
 public:
  // The next end to visit from the game's current node. Away from an end node the list is rebuilt
  // from the current node; at an end node the list is kept while it still describes the tree below the
  // position it was built from. nullptr when there is nothing to visit.
  GameNode* cycle(const SGridFrame& game, CycleDirection direction);
  // Empties the list; the next use rebuilds it from the current node.
  void discard();

  const std::vector<GameNode*>& entries() const { return entries_; }
  std::optional<std::size_t> cursor() const { return cursor_; }

 private:
  bool stillValid(const SGridFrame& game) const;

  GameNode* origin_ = nullptr;  // where the list was built from
  std::vector<GameNode*> entries_;
  std::optional<std::size_t> cursor_;
};

}  // namespace meridax
