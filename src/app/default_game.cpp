#include "app/default_game.h"

#include <algorithm>
#include <initializer_list>

namespace meridax {
namespace {

constexpr int kFallbackWidth = 19;

bool oneOf(int value, std::initializer_list<int> allowed) {
  return std::find(allowed.begin(), allowed.end(), value) != allowed.end();
}

}  // namespace

bool isValidDefaultGame(int kindCode, int width, int height) {
  switch (kindCode) {
    case code(GameKind::Othello): return oneOf(width, {8, 10});
    case code(GameKind::Go): return oneOf(width, {9, 13, 19});
    case code(GameKind::Hex): return width >= 9 && width <= 17;
    case code(GameKind::Havannah): return width == 19;
    case code(GameKind::Unlur): return oneOf(width, {11, 15, 19});
    // A Kropki board is never higher than wide; a stored height outside that would describe no board.
    case code(GameKind::Kropki): return width >= 9 && width <= 45 && height >= kMinKropkiHeight && height <= width;
    default: return false;
  }
}

DefaultGame resolveDefaultGame(const FrameSettings& settings) {
  DefaultGame game;
  game.rules = settings.defaultRules;
  const int width = settings.defaultKropkiX;
  if (!isValidDefaultGame(settings.defaultGame, width, settings.defaultKropkiY)) {
    game.width = game.height = kFallbackWidth;
    return game;
  }
  game.kind = static_cast<GameKind>(settings.defaultGame);
  game.width = width;
  if (game.kind == GameKind::Kropki) {
    game.height = settings.defaultKropkiY;
  } else if (isHexagonBoard(game.kind)) {
    game.height = (width + 1) / 2;
  } else {
    game.height = width;
  }
  return game;
}

}  // namespace meridax
