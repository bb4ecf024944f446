#pragma once
// Handicap stones of a new Go game: placed on the first node, with White to move.

#include "model/grid_frame.h"

namespace meridax {

// Puts n handicap stones (2 to 9, on 19 x 19) on the game's first node, records "%d" as its handicap
// text and makes White the side to move. Does nothing for other sizes or counts.
void placeHandicapStones(SGridFrame& game, int n);

}  // namespace meridax
