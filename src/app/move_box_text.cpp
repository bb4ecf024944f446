#include "app/move_box_text.h"

#include "rules/display_coords.h"
#include "rules/special_move_suffix.h"

namespace meridax {

namespace {

char colourLetter(const SGridFrame& game, const GameNode* node) {
  if (game.kind() == GameKind::Hex) return node->blackMove() ? 'V' : 'H';
  return node->blackMove() ? 'B' : 'W';
}

}  // namespace

std::string moveBoxText(const SGridFrame& game, const GameNode* node) {
  if (node == nullptr || node == game.firstNode || game.width() <= 0) return {};
  if (node->kind() == SpecialMoveKind::Compose) return "_cp_";
  std::string text(1, colourLetter(game, node));
  if (!node->isPlacement()) return text + specialMoveSuffix(node->kind());
  const int x = static_cast<int>(node->point()) % game.width();
  const int y = static_cast<int>(node->point()) / game.width();
  const DisplayCoordinate c = displayCoordinate(game, x, y);
  text += c.letter;
  text += std::to_string(c.number);
  if (game.kind() == GameKind::Othello && node->captureRecord()) text += '+';
  return text;
}

}  // namespace meridax
