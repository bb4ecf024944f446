#include "rules/position_at.h"

#include <vector>

#include "model/game_tree.h"
#include "rules/othello_rules.h"

namespace meridax {

namespace {

void replayPlacement(const SGridFrame& game, const GameNode* node, BoardPosition& pos) {
  if (!node->isPlacement()) return;
  const int w = game.width();
  const int x = static_cast<int>(node->point()) % w;
  const int y = static_cast<int>(node->point()) / w;
  if (!pos.inSquare(x, y)) return;
  const Colour c = node->blackMove() ? Colour::Black : Colour::White;
  if (game.kind() == GameKind::Othello) applyOthelloFlips(pos, x, y, c);
  pos.set(x, y, cellOf(c));
}

}  // namespace

BoardPosition PositionAt(const SGridFrame& game, const GameNode* node) {
  std::vector<const GameNode*> passed;
  const GameNode* n = node;
  BoardPosition pos;
  for (; n != nullptr; n = n->prev()) {
    if (readSnapshot(game, n, pos)) break;
    passed.push_back(n);
  }
  if (n == nullptr) pos = startingPosition(game.kind(), game.width(), game.height());
  // A Kropki snapshot keeps rows beyond the height as 0 already; other boards never lose their shape.
  for (auto it = passed.rbegin(); it != passed.rend(); ++it) replayPlacement(game, *it, pos);
  return pos;
}

void stepPosition(const SGridFrame& game, const GameNode* node, BoardPosition& pos) {
  if (!readSnapshot(game, node, pos)) replayPlacement(game, node, pos);
}

const BoardPosition& currentPosition(SGridFrame& game) {
  if (game.cachedPositionNode != game.currentNode || game.cachedPosition.width() != game.width()) {
    game.cachedPosition = PositionAt(game, game.currentNode);
    game.cachedPositionNode = game.currentNode;
  }
  return game.cachedPosition;
}

}  // namespace meridax
