#pragma once
// Games for the navigation and annotation tests, read from SGF text, and ways to name their nodes:
// by move number along the current line, or by the moves that lead to them.

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/game_tree.h"
#include "sgf/sgf_test_support.h"

namespace meridax::edit_testing {

using testing_support::LoadedText;
using testing_support::treeText;

// The node with that move number on the current line; fails the test when the line is shorter.
inline GameNode* onLine(SGridFrame& g, int number) {
  GameNode* n = g.firstNode;
  for (int i = 0; i < number && n != nullptr; ++i) n = n->next();
  EXPECT_NE(n, nullptr) << "the current line has no move " << number;
  return n;
}

// The node reached from the first node by the SGF points of its moves ("aa bb cc"), whichever line they
// are on; nullptr when there is no such path.
inline GameNode* byMoves(SGridFrame& g, const std::string& moves) {
  GameNode* at = g.firstNode;
  std::size_t i = 0;
  while (at != nullptr && i < moves.size()) {
    const std::string point = moves.substr(i, 2);
    i += 3;
    GameNode* found = nullptr;
    std::vector<GameNode*> children;
    if (at->next() != nullptr) children.push_back(at->next());
    for (const SBranchDetails* line : g.variations.linesBelow(at)) children.push_back(line->head);
    for (GameNode* c : children)
      if (c->isPlacement() && testing_support::letters(c->point(), g.width()) == point) found = c;
    at = found;
  }
  EXPECT_NE(at, nullptr) << "no node at " << moves;
  return at;
}

// The SGF points of the nodes, blank-separated ("aa cc"), "root" for the first node.
inline std::string pointsOf(const SGridFrame& g, const std::vector<GameNode*>& nodes) {
  std::string out;
  for (const GameNode* n : nodes) {
    if (!out.empty()) out += ' ';
    out += n == g.firstNode ? "root" : testing_support::letters(n->point(), g.width());
  }
  return out;
}

inline std::string pointOf(const SGridFrame& g, const GameNode* n) {
  if (n == nullptr) return "(none)";
  return pointsOf(g, {const_cast<GameNode*>(n)});
}

}  // namespace meridax::edit_testing
