#pragma once
// Connect6: Black's first stone is single, then each side plays two stones a turn. Nothing is
// captured and no winning line is detected.

#include <optional>

#include "model/game_kind.h"

namespace meridax {

// The side to move after `mover` made move number n: the mover again after an even-numbered move,
// the opponent after an odd-numbered one (so moves 1, 2, 3 leave White, White, Black to move).
Colour connect6SideToMove(int moveNumber, Colour mover);

// The side that makes move n under the two-stones rule: Black for move 1 (and below), then White
// for 2 and 3, Black for 4 and 5, and so on. After a composed position numbered n, the side of n + 1
// is to move.
Colour connect6SideOfMove(int moveNumber);

// Which stone of a two-stone turn the next move is, after move number n: 1 after an odd-numbered move, 2 after
// an even one; none before the first move and when the next move fills the last of `cellCount` cells.
std::optional<int> connect6StoneOfTurn(int moveNumber, int cellCount);

}  // namespace meridax
