#pragma once
// The per-game index from a branching node to the lines that leave it, in the order they were added.
// The current line from the first node is held under the empty key (nullptr).

#include <map>
#include <memory>
#include <string>
#include <vector>

#include "model/game_node.h"

namespace meridax {

// One line of play: its first node and the last node reached by following next from it.
struct SBranchDetails {
  GameNode* head = nullptr;
  GameNode* tail = nullptr;
};

class VariationIndex {
 public:
  // Enters a new record under key, after any records already there; the index owns it.
  SBranchDetails* add(const GameNode* key, GameNode* head = nullptr, GameNode* tail = nullptr);
  // The records under key, in insertion order.
  std::vector<SBranchDetails*> linesBelow(const GameNode* key) const;
  // The key a record is entered under, or nullopt-like: false when the record is not in the index.
  bool keyOf(const SBranchDetails* line, const GameNode*& key) const;
  // Removes and destroys the record entered under key; false when it is not there.
  bool remove(const GameNode* key, const SBranchDetails* line);
  // Removes and destroys every record entered under key.
  void removeAll(const GameNode* key) { entries_.erase(key); }
  // Destroys every record.
  void clear() { entries_.clear(); }

  std::size_t size() const { return entries_.size(); }
  bool empty() const { return entries_.empty(); }

  template <typename Fn>
  void forEach(Fn&& fn) const {
    for (const auto& [key, line] : entries_) fn(key, *line);
  }

 private:
  std::multimap<const GameNode*, std::unique_ptr<SBranchDetails>> entries_;
};

}  // namespace meridax
