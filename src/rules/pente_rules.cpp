#include "rules/pente_rules.h"

namespace meridax {

namespace {

struct Direction {
  int dx;
  int dy;
};

constexpr Direction kCaptureOrder[8] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}};

bool holds(const BoardPosition& pos, int x, int y, Colour c) { return pos.inSquare(x, y) && pos.at(x, y) == cellOf(c); }

bool closesPair(const BoardPosition& pos, int x, int y, Direction d, Colour side) {
  const Colour other = opponent(side);
  return holds(pos, x + d.dx, y + d.dy, other) && holds(pos, x + 2 * d.dx, y + 2 * d.dy, other) &&
         holds(pos, x + 3 * d.dx, y + 3 * d.dy, side);
}

}  // namespace

int penteCapture(BoardPosition& pos, int x, int y, int dx, int dy, Colour side) {
  const Direction d{dx, dy};
  if ((dx == 0 && dy == 0) || !closesPair(pos, x, y, d, side)) return 0;
  pos.set(x + dx, y + dy, cell::kEmpty);
  pos.set(x + 2 * dx, y + 2 * dy, cell::kEmpty);
  return 2;
}

PenteMoveOutcome PlayPenteMove(BoardPosition& pos, int x, int y, Colour c) {
  PenteMoveOutcome out;
  out.mover = c;
  out.result = checkPlacement(pos, x, y);
  if (!out.accepted()) return out;
  pos.set(x, y, cellOf(c));
  for (Direction d : kCaptureOrder) {
    if (penteCapture(pos, x, y, d.dx, d.dy, c) == 0) continue;
    out.capturedCells.push_back(pos.index(x + d.dx, y + d.dy));
    out.capturedCells.push_back(pos.index(x + 2 * d.dx, y + 2 * d.dy));
  }
  return out;
}

}  // namespace meridax
