#include "rules/navigation_step.h"

#include "rules/go_rules.h"
#include "rules/hex_family_rules.h"
#include "rules/othello_rules.h"
#include "rules/position_at.h"

namespace meridax {

void recountCaptures(SGridFrame& game) {
  game.blackCounter = 0;
  game.whiteCounter = 0;
  for (const GameNode* n = game.currentNode; n != nullptr; n = n->prev()) {
    // A composed position starts the counters again, whether or not it carries a capture record.
    if (n->kind() == SpecialMoveKind::Compose) return;
    if (!n->captureRecord()) continue;
    auto it = game.captureCounts.find(n);
    if (it == game.captureCounts.end()) return;
    const CaptureCounts counts = unpackCaptureEntry(it->second);
    game.blackCounter = static_cast<std::int16_t>(counts.black);
    game.whiteCounter = static_cast<std::int16_t>(counts.white);
    return;
  }
}

void goToNode(SGridFrame& game, GameNode* node) { goToNode(game, node, PositionAt(game, node)); }

void goToNode(SGridFrame& game, GameNode* node, const BoardPosition& position) {
  game.currentNode = node;
  BoardPosition& pos = game.cachedPosition;
  pos = position;
  game.cachedPositionNode = node;
  switch (game.kind()) {
    case GameKind::Go: recountCaptures(game); break;
    case GameKind::Othello: {
      const Availability a = MarkAvailable(pos, node->blackNext() ? Colour::Black : Colour::White);
      game.blackCounter = static_cast<std::int16_t>(a.black);
      game.whiteCounter = static_cast<std::int16_t>(a.white);
      break;
    }
    case GameKind::Unlur: {
      const PieceCounts counts = countPieces(pos);
      game.blackCounter = static_cast<std::int16_t>(counts.black);
      game.whiteCounter = static_cast<std::int16_t>(counts.white);
      break;
    }
    default: break;
  }
}

}  // namespace meridax
