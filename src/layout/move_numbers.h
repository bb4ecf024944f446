#pragma once
// The move numbers the board shows in each numbering mode.

#include <vector>

#include "layout/board_scene.h"

namespace meridax {

// The numbers of the moves above and at `node` by the mode: from the last composition (or the start;
// Othello: every node's own number), back from the current move, or the most recent `recentCount`
// moves. Only placements whose point holds a piece are numbered, each point by its latest move.
// Kropki and mode None number nothing.
std::vector<SceneNumber> moveNumbers(const SGridFrame& game, const GameNode* node, const BoardPosition& position,
                                     Numbering mode, int recentCount);

}  // namespace meridax
