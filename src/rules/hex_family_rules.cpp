#include "rules/hex_family_rules.h"

namespace meridax {

PieceCounts countPieces(const BoardPosition& pos) {
  PieceCounts counts;
  for (std::uint8_t v : pos.cells()) {
    if (v == cell::kBlack) ++counts.black;
    if (v == cell::kWhite) ++counts.white;
  }
  return counts;
}

BoardPosition swapPieces(GameKind kind, const BoardPosition& pos) {
  BoardPosition out = pos;
  for (std::uint8_t& v : out.cells()) {
    if (v == cell::kBlack)
      v = cell::kWhite;
    else if (v == cell::kWhite)
      v = cell::kBlack;
  }
  if (kind == GameKind::Hex) {
    for (int y = 0; y < out.width(); ++y)
      for (int x = y + 1; x < out.width(); ++x) {
        const std::uint8_t upper = out.at(x, y);
        out.set(x, y, out.at(y, x));
        out.set(y, x, upper);
      }
  }
  return out;
}

bool isUnlurEdge(int width, int x, int y) {
  const int half = (width - 1) / 2;
  return x == 0 || y == 0 || x == width - 1 || y == width - 1 || x - y == half || y - x == half;
}

bool isUnlurContractMove(Colour currentNodeColour, const BoardPosition& before) {
  return currentNodeColour == Colour::Black && countPieces(before).white == 0;
}

MoveResult checkUnlurEdgeRule(const BoardPosition& before, Colour currentNodeColour, int x, int y) {
  if (isUnlurContractMove(currentNodeColour, before) && isUnlurEdge(before.width(), x, y))
    return MoveResult::ContractOnEdge;
  return MoveResult::Accepted;
}

Colour sideToMoveAfterPlacement(GameKind kind, Colour placed, const BoardPosition& after) {
  // Every piece of the Unlur contract is black, so Black keeps the move until a white piece stands.
  if (kind == GameKind::Unlur && placed == Colour::Black && countPieces(after).white == 0) return Colour::Black;
  return opponent(placed);
}

Colour sideToMoveAfterSpecialMove(GameKind kind, SpecialMoveKind move, Colour mover) {
  if (kind == GameKind::Unlur && move == SpecialMoveKind::Pass) return Colour::White;
  if (move == SpecialMoveKind::SwapSides) return mover;
  return opponent(mover);
}

}  // namespace meridax
