#include "rules/placement.h"

namespace meridax {

MoveResult checkPlacement(const BoardPosition& pos, int x, int y) {
  if (!pos.inSquare(x, y)) return MoveResult::OutOfRange;
  const std::uint8_t v = pos.at(x, y);
  if (v == cell::kOffBoard) return MoveResult::OffBoard;
  if (!isEmptyCell(v)) return MoveResult::Occupied;
  return MoveResult::Accepted;
}

}  // namespace meridax
