#include "model/variation_index.h"

namespace meridax {

SBranchDetails* VariationIndex::add(const GameNode* key, GameNode* head, GameNode* tail) {
  auto line = std::make_unique<SBranchDetails>(SBranchDetails{head, tail});
  SBranchDetails* raw = line.get();
  entries_.emplace(key, std::move(line));  // equal keys keep insertion order
  return raw;
}

std::vector<SBranchDetails*> VariationIndex::linesBelow(const GameNode* key) const {
  std::vector<SBranchDetails*> out;
  auto [from, to] = entries_.equal_range(key);
  for (auto it = from; it != to; ++it) out.push_back(it->second.get());
  return out;
}

bool VariationIndex::keyOf(const SBranchDetails* line, const GameNode*& key) const {
  for (const auto& [k, l] : entries_)
    if (l.get() == line) {
      key = k;
      return true;
    }
  return false;
}

bool VariationIndex::remove(const GameNode* key, const SBranchDetails* line) {
  auto [from, to] = entries_.equal_range(key);
  for (auto it = from; it != to; ++it)
    if (it->second.get() == line) {
      entries_.erase(it);
      return true;
    }
  return false;
}

}  // namespace meridax
