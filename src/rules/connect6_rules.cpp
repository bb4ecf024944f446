#include "rules/connect6_rules.h"

namespace meridax {

Colour connect6SideToMove(int moveNumber, Colour mover) {
  return moveNumber % 2 == 0 ? mover : opponent(mover);
}

Colour connect6SideOfMove(int moveNumber) {
  if (moveNumber <= 1) return Colour::Black;
  return (moveNumber / 2) % 2 == 1 ? Colour::White : Colour::Black;
}

std::string connect6SideToMoveText(int moveNumber, int cellCount, Colour side, const std::string& nodeName) {
  std::string text;
  if (!nodeName.empty()) text = " [ " + nodeName + " ]  ";
  text += " " + std::string(colourName(side)) + " to move";
  if (moveNumber >= 1 && moveNumber + 1 != cellCount)
    text += "  ( " + std::to_string(moveNumber % 2 == 1 ? 1 : 2) + " of 2 )";
  return text;
}

}  // namespace meridax
