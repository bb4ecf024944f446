#include "rules/display_coords.h"

#include <cctype>

namespace meridax {

namespace {

// Letters of a Go board: "a" to "h", then "j" onward (no "i").
char goLetter(int x) { return static_cast<char>('a' + x + (x >= 8 ? 1 : 0)); }

// Kropki runs on past "z" into capitals, again without "I".
char kropkiLetter(int x) {
  if (x <= 24) return goLetter(x);
  if (x <= 32) return static_cast<char>('A' + (x - 25));
  return static_cast<char>('J' + (x - 33));
}

}  // namespace

DisplayCoordinate displayCoordinate(const SGridFrame& game, int x, int y) {
  const GameKind k = game.kind();
  if (k == GameKind::Othello) return {static_cast<char>('a' + x), y + 1};
  if (isHexagonBoard(k)) return {static_cast<char>('a' + y), x + 1};
  if (k == GameKind::Go) return {goLetter(x), game.width() - y};
  if (k == GameKind::Kropki) {
    int number = game.width() - y;
    if (game.height() < game.width()) number += game.height() - game.width();
    return {kropkiLetter(x), number};
  }
  return {static_cast<char>('a' + x), y + 1};
}

std::string displayPoint(const SGridFrame& game, int x, int y) {
  const DisplayCoordinate d = displayCoordinate(game, x, y);
  const char letter = game.kind() == GameKind::Kropki ? d.letter : static_cast<char>(std::toupper(d.letter));
  return std::string(1, letter) + std::to_string(d.number);
}

}  // namespace meridax
