#pragma once
// Pente: a stone captures every pair of opponent stones that it closes with a stone of its own
// colour, along rows, columns and diagonals. No winning line is detected.

#include <vector>

#include "model/board_position.h"
#include "model/game_kind.h"
#include "rules/move_result.h"
#include "rules/placement.h"

namespace meridax {

struct PenteMoveOutcome {
  MoveResult result = MoveResult::Accepted;
  Colour mover = Colour::Black;
  std::vector<int> capturedCells;  // cell indexes, pair by pair in direction order

  bool accepted() const { return result == MoveResult::Accepted; }
  int captured() const { return static_cast<int>(capturedCells.size()); }
  // What a side's capture counter gains: the mover its captures, the opponent nothing.
  int gainFor(Colour side) const { return side == mover ? captured() : 0; }
};

// When the cells at distance 1 and 2 from (x, y) in direction (dx, dy) hold the opponent of `side`
// and the cell at distance 3 holds `side`, empties the pair and returns 2; else 0.
int penteCapture(BoardPosition& pos, int x, int y, int dx, int dy, Colour side);

// Places c at (x, y) and captures the pairs it closes, for the directions in the order (-1,-1),
// (-1,0), (-1,1), (0,-1), (0,1), (1,-1), (1,0), (1,1). A point that is not an empty board square is
// refused by checkPlacement and changes nothing.
PenteMoveOutcome PlayPenteMove(BoardPosition& pos, int x, int y, Colour c);

}  // namespace meridax
