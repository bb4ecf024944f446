#pragma once
// Where a node stands among the lines of its game, for the commands that cut lines away: the record of
// the line that holds it, the first branching node above it, and where the primary position lies.

#include "model/grid_frame.h"

namespace meridax {

// True when walking prev from node meets ancestor (node itself counts).
bool liesBelow(const GameNode* node, const GameNode* ancestor);

// True when the game has a primary position and it lies in the subtree of x (x itself counts).
bool primaryInSubtree(const SGridFrame& game, const GameNode* x);

// True when the game has a primary position and it lies on the current line.
bool primaryOnCurrentLine(const SGridFrame& game);

// The first branching node strictly above a node, and its child on the path to the node.
struct BranchAbove {
  GameNode* branching = nullptr;
  GameNode* child = nullptr;

  bool found() const { return branching != nullptr; }
};
BranchAbove branchingAbove(GameNode* node);

// The record of the line whose chain of next links holds node: the current line's record (entered
// under the empty key) for the nodes of the current line. nullptr when the index has none.
SBranchDetails* lineRecordOf(const SGridFrame& game, const GameNode* node);

// Sets a line record's tail; for the current line's record the end node too.
void setLineTail(SGridFrame& game, SBranchDetails* record, GameNode* tail);

}  // namespace meridax
