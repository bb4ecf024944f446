#pragma once
// The position of any node, rebuilt from the nearest snapshot at or above it by replaying placements.

#include "model/board_position.h"
#include "model/grid_frame.h"

namespace meridax {

BoardPosition PositionAt(const SGridFrame& game, const GameNode* node);

// Turns pos, the position of node's parent, into the position of node: its snapshot when it carries
// one, else its placement replayed. A walk down a line calls it once per node.
void stepPosition(const SGridFrame& game, const GameNode* node, BoardPosition& pos);

// The position of the current node, from the game's cache when it is fresh.
const BoardPosition& currentPosition(SGridFrame& game);

}  // namespace meridax
