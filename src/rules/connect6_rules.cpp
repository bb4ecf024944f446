#include "rules/connect6_rules.h"

namespace meridax {

Colour connect6SideToMove(int moveNumber, Colour mover) {
  return moveNumber % 2 == 0 ? mover : opponent(mover);
}

Colour connect6SideOfMove(int moveNumber) {
  if (moveNumber <= 1) return Colour::Black;
  return (moveNumber / 2) % 2 == 1 ? Colour::White : Colour::Black;
}

std::optional<int> connect6StoneOfTurn(int moveNumber, int cellCount) {
  if (moveNumber < 1 || moveNumber + 1 == cellCount) return std::nullopt;
  return moveNumber % 2 == 1 ? 1 : 2;
}

}  // namespace meridax
