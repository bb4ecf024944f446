#pragma once
// Where the navigation commands lead, and how a line of play becomes the current line. The target
// functions only look: each returns the node to go to, or nullptr when the command does nothing there.
// The line functions change which child of a branching node is its continuation, and nothing else.

#include <optional>
#include <vector>

#include "model/grid_frame.h"

namespace meridax {

struct BoardSquare {
  int x = 0;
  int y = 0;
  friend bool operator==(const BoardSquare&, const BoardSquare&) = default;
};

// ---- Walks ----

// The last node reached by following next from the node.
GameNode* lineTail(GameNode* node);
// True when the node lies on the chain of next links from the first node.
bool isOnCurrentLine(const SGridFrame& game, const GameNode* node);
// True when the node is one of the game's nodes. The node is only compared, never read, so a pointer
// kept from a deleted node or another game is safe to ask about.
bool isNodeOfGame(const SGridFrame& game, const GameNode* node);
// True when both lists hold the same nodes, in any order.
bool sameNodes(std::vector<GameNode*> a, std::vector<GameNode*> b);
// Visits the node and everything below it in tree order: along next, and at a branching node each of
// its side lines (in index order, recursively) before the walk goes on down next.
template <typename Visit>
void forEachInTreeOrder(const SGridFrame& game, GameNode* from, Visit&& visit);

// ---- Targets ----

// Up or down by up to `steps` nodes along the current line, stopping at its ends; nullptr at the start
// (up) or at the end (down).
GameNode* upTarget(const SGridFrame& game, int steps);
GameNode* downTarget(const SGridFrame& game, int steps);
// The first branching node below (above) the current node, or else the end (start) node; nullptr when
// the current node is already the end (start) node.
GameNode* nextBranchNodeTarget(const SGridFrame& game);
GameNode* previousBranchNodeTarget(const SGridFrame& game);
// The node with that number on the current line, the first node being 0; nullptr when the line is
// shorter or the number is negative.
GameNode* numberedNodeTarget(const SGridFrame& game, int number);
// The node whose move stands on (x, y): searched upward from the current node to the start or a composed
// position, then downward from below the current node up to a composed position; nullptr when none.
GameNode* playedNodeTarget(const SGridFrame& game, int x, int y);
// The square of the first ordinary move below the node, where the cursor goes after a jump.
std::optional<BoardSquare> nextMoveSquare(const SGridFrame& game, const GameNode* node);

// ---- Lines ----

// Makes the line that holds the node the current line, by promoting every side line on the way up
// from the node to the first node. The game is not marked changed. False when the links and the
// variation index disagree (nothing is left half done at the failing branch).
bool selectLineOf(SGridFrame& game, GameNode* node);
// Makes the side line the continuation of its branching node, which lies on the current line; the
// record takes the former continuation. False when the line is not a side line of such a node.
bool promoteSideLine(SGridFrame& game, SBranchDetails& line);

enum class RotateDirection { Forward, Backward };

// The neighbouring variation: at the first branching node above the current node, the child lines
// (the current one first, then the side lines in index order) rotate by one place, towards the end
// (Forward) or towards the front (Backward), so that repeated use visits every variation in turn.
// Returns the first node of the new continuation, or nullptr when there is no branching node above.
GameNode* rotateToNeighbouringBranch(SGridFrame& game, RotateDirection direction);

// ---- Template definitions ----

template <typename Visit>
void forEachInTreeOrder(const SGridFrame& game, GameNode* from, Visit&& visit) {
  // Our own stack instead of recursion, so that deeply nested variations cannot exhaust the call stack.
  std::vector<GameNode*> pending{from};
  while (!pending.empty()) {
    GameNode* n = pending.back();
    pending.pop_back();
    for (; n != nullptr; n = n->next()) {
      visit(n);
      if (!n->branching()) continue;
      if (n->next() != nullptr) pending.push_back(n->next());
      const auto lines = game.variations.linesBelow(n);
      for (auto it = lines.rbegin(); it != lines.rend(); ++it)
        if ((*it)->head != nullptr && (*it)->head != n->next()) pending.push_back((*it)->head);
      break;
    }
  }
}

}  // namespace meridax
