#pragma once
// The position of any node, rebuilt from the nearest snapshot at or above it by replaying placements.

#include "model/board_position.h"
#include "model/grid_frame.h"

namespace meridax {

BoardPosition PositionAt(const SGridFrame& game, const GameNode* node);

// The position of the current node, from the game's cache when it is fresh.
const BoardPosition& currentPosition(SGridFrame& game);

}  // namespace meridax
