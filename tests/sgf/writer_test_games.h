#pragma once
// Games built through the model and move acceptance for the SGF writer's tests.

#include <gtest/gtest.h>

#include <string>

#include "model/collection.h"
#include "model/node_texts.h"
#include "model/game_tree.h"
#include "rules/move_acceptance.h"
#include "rules/navigation_step.h"
#include "rules/position_at.h"
#include "sgf/sgf_writer.h"

namespace meridax::writer_test {

class TestGame {
 public:
  explicit TestGame(GameKind kind, int width = 19, int height = 0, const std::string& rules = "")
      : game(coll.game(coll.createGame(kind, width, height == 0 ? width : height, 0))) {
    if (!rules.empty()) game.details[DetailField::Rules] = rules;
  }

  // Plays colour c at (x, y) in user play: below a node with a continuation the new move becomes
  // the continuation and the old one a side line. Returns the new current node.
  GameNode* play(int x, int y, Colour c) {
    PlayContext ctx{game, x, y, false, {}, nullptr};
    BoardPosition pos = PositionAt(game, game.currentNode);
    EXPECT_EQ(Accept_Move(ctx, c, pos), MoveResult::Accepted) << "move at " << x << ", " << y;
    return game.currentNode;
  }
  GameNode* black(int x, int y) { return play(x, y, Colour::Black); }
  GameNode* white(int x, int y) { return play(x, y, Colour::White); }

  GameNode* special(SpecialMoveKind kind, Colour c) {
    PlayContext ctx{game, 0, 0, false, {}, nullptr};
    BoardPosition pos = PositionAt(game, game.currentNode);
    addSpecialMove(ctx, kind, c, pos);
    return game.currentNode;
  }

  GameNode* compose(const BoardPosition& pos, Colour sideToMove) {
    PlayContext ctx{game, 0, 0, false, {}, nullptr};
    return addComposeNode(ctx, sideToMove, pos);
  }

  void goTo(GameNode* node) { goToNode(game, node); }

  // Replaces the first node's position, as the reader does with set-up in the root.
  void setFirstPosition(const BoardPosition& pos, bool asCompose) {
    GameNode* first = game.firstNode;
    EXPECT_TRUE(rewriteSnapshot(game, first, pos));
    if (asCompose) first->setKind(SpecialMoveKind::Compose);
    goToNode(game, game.currentNode);
  }

  std::string text(WriteGameOptions options = {}) const {
    std::string out;
    EXPECT_TRUE(WriteGameText(game, out, options));
    return out;
  }

  Collection coll;
  SGridFrame& game;
};

// The header of a game without information, marks or setup.
inline std::string plainHeader(const char* gm, const char* size) {
  return std::string("(;\r\nFF[4]\r\nGM[") + gm + "]\r\nSZ[" + size + "]\r\nAP[Meridax:18.5]\r\n";
}

}  // namespace meridax::writer_test
