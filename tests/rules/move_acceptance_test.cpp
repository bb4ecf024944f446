#include "rules/move_acceptance.h"

#include <gtest/gtest.h>

#include "model/collection.h"
#include "model/game_tree.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

struct GoGame {
  Collection coll;
  SGridFrame* game;
  GoGame(int width = 19) { game = &coll.game(coll.createGame(GameKind::Go, width, width, 0)); }
  MoveResult play(int x, int y, bool quiet = false) {
    PlayContext ctx{*game, 0, 0, false, {}, nullptr};
    ctx.x = x;
    ctx.y = y;
    ctx.quiet = quiet;
    BoardPosition pos = PositionAt(*game, game->currentNode);
    const Colour c = game->currentNode->blackNext() ? Colour::Black : Colour::White;
    return Accept_Move(ctx, c, pos);
  }
};

TEST(AcceptMoveSmoke, SnapshotsEvery33Moves) {
  GoGame g;
  for (int i = 0; i < 100; ++i) ASSERT_EQ(g.play(2 * (i % 10), 2 * (i / 10)), MoveResult::Accepted);
  std::vector<unsigned> withSnapshot;
  for (GameNode* n = g.game->firstNode; n; n = n->next())
    if (n->hasSnapshot()) withSnapshot.push_back(n->moveNumber());
  EXPECT_EQ(withSnapshot, (std::vector<unsigned>{0, 33, 66, 99}));
  EXPECT_EQ(validateTree(*g.game), "");
}

}  // namespace
}  // namespace meridax
