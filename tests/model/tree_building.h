#pragma once
// Growing game trees in model tests the way the editing commands and the reader do, without the rules:
// every node stores the game's starting position, which is all the tree operations need.

#include <memory>
#include <vector>

#include "model/game_tree.h"
#include "model/node_store.h"

namespace meridax::testing {

struct TestGame {
  NodeStore store;
  std::unique_ptr<SGridFrame> game;

  explicit TestGame(GameKind kind = GameKind::Go, int width = 19, int height = 19)
      : game(std::make_unique<SGridFrame>(store, kind, width, height, 1)) {}
  SGridFrame& operator*() { return *game; }
  SGridFrame* operator->() { return game.get(); }
};

// Editing form: a child of the current node; an existing continuation becomes a side line.
inline GameNode* playEditing(SGridFrame& g, unsigned point, Colour c = Colour::Black,
                             SpecialMoveKind kind = SpecialMoveKind::Placement) {
  if (g.currentNode->next() != nullptr) openNewLine(g, false);
  GameNode* n = list_insert(g, g.currentNode, g.cachedPosition, c, kind, point, false);
  g.currentNode = n;
  return n;
}

// Loading form: the first child read stays on the line, later children open side lines in file order.
inline GameNode* readLoading(SGridFrame& g, unsigned point, Colour c = Colour::Black) {
  SBranchDetails* line = g.currentNode->next() != nullptr ? openNewLine(g, true) : nullptr;
  GameNode* parent = g.currentNode;
  GameNode* n = list_insert(g, parent, g.cachedPosition, c, SpecialMoveKind::Placement, point, false);
  if (line != nullptr) adoptNewLine(g, *line, parent, n);
  g.currentNode = n;
  return n;
}

// What the reader does at the end of a game: the main line and its end become current again.
inline void endLoading(SGridFrame& g) {
  g.currentLine = g.variations.linesBelow(nullptr).front();
  g.endNode = g.currentLine->tail;
  g.currentNode = g.firstNode;
}

// A straight line of n placements below the current node, alternating colours.
inline std::vector<GameNode*> playLine(SGridFrame& g, int n, unsigned firstPoint = 0) {
  std::vector<GameNode*> nodes;
  for (int i = 0; i < n; ++i)
    nodes.push_back(playEditing(g, firstPoint + static_cast<unsigned>(i), i % 2 == 0 ? Colour::Black : Colour::White));
  return nodes;
}

inline std::vector<GameNode*> headsBelow(const SGridFrame& g, const GameNode* node) {
  std::vector<GameNode*> heads;
  for (const SBranchDetails* line : g.variations.linesBelow(node)) heads.push_back(line->head);
  return heads;
}

}  // namespace meridax::testing
