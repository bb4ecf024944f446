#pragma once
// The common step of every move through the tree: the node becomes current and the counters and
// markers that depend on it are brought up to date.

#include "model/grid_frame.h"

namespace meridax {

// Makes node current: capture counters recounted (Go kinds), pieces and availability (Othello),
// and the cached position refreshed.
void goToNode(SGridFrame& game, GameNode* node);
// The same, for a caller that holds the node's position already (a reader coming back to a branch).
void goToNode(SGridFrame& game, GameNode* node, const BoardPosition& position);

// Capture counters of a node: those of the nearest node at or above it with a capture record;
// a compose node met first gives 0 and 0.
void recountCaptures(SGridFrame& game);

}  // namespace meridax
