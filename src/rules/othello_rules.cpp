#include "rules/othello_rules.h"

namespace meridax {

namespace {

struct Direction {
  int dx;
  int dy;
};

// The order in which moves look for lines to flip.
constexpr Direction kFlipOrder[8] = {{-1, -1}, {-1, 0}, {-1, 1}, {0, -1}, {0, 1}, {1, -1}, {1, 0}, {1, 1}};
// The order in which availability is tested; any order gives the same marks.
constexpr Direction kAvailabilityOrder[8] = {{0, 1}, {1, 0}, {-1, 0}, {0, -1}, {1, 1}, {-1, 1}, {1, -1}, {-1, -1}};

// How many opponent pieces a piece of `side` at (x, y) closes in direction d: 0 unless the run of
// opponent pieces ends in a piece of `side` (not at the edge, an empty or an off-board cell).
int closedRun(const BoardPosition& pos, int x, int y, Direction d, Colour side) {
  const std::uint8_t own = cellOf(side);
  const std::uint8_t other = cellOf(opponent(side));
  int run = 0;
  for (int cx = x + d.dx, cy = y + d.dy; pos.inSquare(cx, cy); cx += d.dx, cy += d.dy) {
    const std::uint8_t v = pos.at(cx, cy);
    if (v != other) return v == own ? run : 0;
    ++run;
  }
  return 0;
}

bool borders(const BoardPosition& pos, int x, int y, Direction d, Colour side) {
  return pos.inSquare(x + d.dx, y + d.dy) && pos.at(x + d.dx, y + d.dy) == cellOf(opponent(side));
}

bool canPlay(const BoardPosition& pos, int x, int y, Colour side) {
  for (Direction d : kAvailabilityOrder)
    if (closedRun(pos, x, y, d, side) > 0) return true;
  return false;
}

}  // namespace

MoveResult othelloLegality(const BoardPosition& pos, int x, int y, Colour side) {
  if (!pos.inSquare(x, y)) return MoveResult::OutOfRange;
  bool bordered = false;
  for (Direction d : kFlipOrder) {
    if (!borders(pos, x, y, d, side)) continue;
    bordered = true;
    if (closedRun(pos, x, y, d, side) > 0) return MoveResult::Accepted;
  }
  return bordered ? MoveResult::NoHomeColour : MoveResult::NoForeignNeighbour;
}

std::vector<int> othelloFlipPreview(const BoardPosition& pos, int x, int y, Colour c) {
  std::vector<int> cells;
  if (!pos.inSquare(x, y)) return cells;
  for (Direction d : kFlipOrder) {
    const int run = closedRun(pos, x, y, d, c);
    for (int k = 1; k <= run; ++k) cells.push_back(pos.index(x + k * d.dx, y + k * d.dy));
  }
  return cells;
}

std::vector<int> applyOthelloFlips(BoardPosition& pos, int x, int y, Colour c) {
  std::vector<int> cells = othelloFlipPreview(pos, x, y, c);
  for (int i : cells) pos[i] = cellOf(c);
  return cells;
}

OthelloMoveOutcome PlayOthelloMove(BoardPosition& pos, int x, int y, Colour c, PlayMode mode) {
  OthelloMoveOutcome out;
  out.result = checkPlacement(pos, x, y);
  if (out.accepted() && mode == PlayMode::User) out.result = othelloLegality(pos, x, y, c);
  if (!out.accepted()) return out;
  out.flipped = applyOthelloFlips(pos, x, y, c);
  pos.set(x, y, cellOf(c));
  return out;
}

Availability MarkAvailable(BoardPosition& pos, Colour side) {
  Availability counts;
  for (int y = 0; y < pos.width(); ++y) {
    for (int x = 0; x < pos.width(); ++x) {
      const std::uint8_t v = pos.at(x, y);
      if (v == cell::kBlack) ++counts.black;
      if (v == cell::kWhite) ++counts.white;
      if (!isEmptyCell(v)) continue;
      pos.set(x, y, cell::kEmpty);
      if (canPlay(pos, x, y, side)) {
        pos.set(x, y, cell::kAvailable);
        ++counts.available;
      }
    }
  }
  return counts;
}

bool anyAvailable(const BoardPosition& pos) {
  for (std::uint8_t v : pos.cells())
    if (v == cell::kAvailable) return true;
  return false;
}

OthelloTurn othelloTurnAfterMove(BoardPosition& pos, Colour mover) {
  OthelloTurn turn;
  turn.toMove = opponent(mover);
  turn.counts = MarkAvailable(pos, turn.toMove);
  if (turn.counts.available > 0) return turn;
  turn.toMove = mover;
  turn.counts = MarkAvailable(pos, mover);
  turn.event = turn.counts.available > 0 ? OthelloTurnEvent::MoverAgain : OthelloTurnEvent::GameOver;
  return turn;
}

OthelloTurn othelloTurnAtPosition(BoardPosition& pos, Colour side) {
  OthelloTurn turn;
  turn.toMove = side;
  turn.counts = MarkAvailable(pos, side);
  if (turn.counts.available > 0) return turn;
  const Availability other = MarkAvailable(pos, opponent(side));
  if (other.available == 0) {
    turn.event = OthelloTurnEvent::GameOver;
    return turn;
  }
  turn.toMove = opponent(side);
  turn.counts = other;
  turn.event = OthelloTurnEvent::SideSwitched;
  return turn;
}

std::string othelloMoveAgainText(Colour mover) {
  return std::string(colourName(mover)) + " to move again.  There are no spaces available for " +
         colourName(opponent(mover));
}

std::string othelloNoSpacesText(Colour toMove) {
  return std::string(colourName(toMove)) + " to move.  There are no spaces available for " +
         colourName(opponent(toMove));
}

std::string othelloGameOverText(int black, int white) {
  return "Game Over.  Black = " + std::to_string(black) + ". White = " + std::to_string(white);
}

std::string othelloTurnText(const OthelloTurn& turn) {
  switch (turn.event) {
    case OthelloTurnEvent::MoverAgain: return othelloMoveAgainText(turn.toMove);
    case OthelloTurnEvent::SideSwitched: return othelloNoSpacesText(turn.toMove);
    case OthelloTurnEvent::GameOver: return othelloGameOverText(turn.counts.black, turn.counts.white);
    case OthelloTurnEvent::None: break;
  }
  return {};
}

}  // namespace meridax
