#pragma once
// Connect6: Black's first stone is single, then each side plays two stones a turn. Nothing is
// captured and no winning line is detected.

#include <string>

#include "model/game_kind.h"

namespace meridax {

// The side to move after `mover` made move number n: the mover again after an even-numbered move,
// the opponent after an odd-numbered one (so moves 1, 2, 3 leave White, White, Black to move).
Colour connect6SideToMove(int moveNumber, Colour mover);

// The side that makes move n under the two-stones rule: Black for move 1 (and below), then White
// for 2 and 3, Black for 4 and 5, and so on. After a composed position numbered n, the side of n + 1
// is to move.
Colour connect6SideOfMove(int moveNumber);

// Status field 0 of a Connect6 game: " [ %s ]  " with the node name when it has one, then
// " %s to move  ( %d of 2 )" (1 after an odd-numbered move, 2 after an even one), or the plain
// " %s to move" before the first move and when moveNumber + 1 equals the cell count.
std::string connect6SideToMoveText(int moveNumber, int cellCount, Colour side, const std::string& nodeName);

}  // namespace meridax
