#include "rules/handicap.h"

#include <string>

#include "model/game_tree.h"
#include "rules/go_rules.h"
#include "rules/position_at.h"

namespace meridax {

void placeHandicapStones(SGridFrame& game, int n) {
  if (game.kind() != GameKind::Go || n < kMinHandicap || n > kMaxHandicap) return;
  BoardPosition pos = PositionAt(game, game.firstNode);
  if (placeHandicap(pos, n) == 0) return;
  rewriteSnapshot(game, game.firstNode, pos);
  game.firstNode->setBlackNext(false);
  game.details[DetailField::Handicap] = std::to_string(n);
  game.cachedPositionNode = nullptr;
}

}  // namespace meridax
