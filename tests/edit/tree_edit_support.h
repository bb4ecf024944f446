#pragma once
// Helpers for the tree-editing tests: games read from SGF text, nodes found by their point letters,
// and the checks every edit must pass.

#include <gtest/gtest.h>

#include <string>

#include "edit/navigation.h"
#include "model/game_tree.h"
#include "model/node_store.h"
#include "rules/navigation_step.h"
#include "sgf/sgf_test_support.h"

namespace meridax::testing_support {

// The first placement at the point ("cc") anywhere in the tree, in tree order; nullptr when none.
inline GameNode* nodeAt(const SGridFrame& game, const char* letters) {
  GameNode* found = nullptr;
  forEachInTreeOrder(game, game.firstNode, [&](GameNode* n) {
    if (found == nullptr && n->isPlacement() && nodeText(game, n).find(std::string("[") + letters + "]") != std::string::npos)
      found = n;
  });
  return found;
}

// Empty when the tree and the node store are sound, else what is wrong with either.
inline std::string problems(LoadedText& t, std::size_t game = 0) {
  const std::string tree = validateTree(t.game(game));
  return tree.empty() ? t.collection.store().validate() : tree;
}

// Reads the text and goes to the node at the point (the first node for nullptr).
inline SGridFrame& standOn(LoadedText& t, const char* letters) {
  SGridFrame& g = t.game();
  GameNode* node = letters == nullptr ? g.firstNode : nodeAt(g, letters);
  EXPECT_NE(node, nullptr) << letters;
  if (node != nullptr) {
    if (!isOnCurrentLine(g, node)) selectLineOf(g, node);
    goToNode(g, node);
  }
  return g;
}

}  // namespace meridax::testing_support
