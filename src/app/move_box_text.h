#pragma once
// The text of a node's box in the game-tree pane: "Bq16" for a move (colour letter, column letter, row
// number), "W(p)" and the like for special moves, "_cp_" for a composed position.

#include <string>

#include "model/grid_frame.h"

namespace meridax {

// The box text of a node of the game. The colour letter is "B" or "W", or "V" (Black) and "H" (White)
// in Hex; an Othello move after which the same side moves again ends with "+". Empty for the game's first
// node, which has no box.
std::string moveBoxText(const SGridFrame& game, const GameNode* node);

}  // namespace meridax
