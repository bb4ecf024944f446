// Box texts of game-tree nodes by kind of game and of node.

#include <gtest/gtest.h>

#include "app/move_box_text.h"
#include "model/collection.h"
#include "rules/move_acceptance.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

class MoveBoxText : public ::testing::Test {
 protected:
  SGridFrame& newGame(GameKind kind, int width, int height) {
    return games.game(games.createGame(kind, width, height, Collection::npos));
  }
  // Plays the side to move at (x, y) as a click does; the node played.
  const GameNode* play(SGridFrame& g, int x, int y) {
    PlayContext ctx{g, x, y, false, {}, nullptr};
    BoardPosition pos = currentPosition(g);
    EXPECT_EQ(Accept_Move(ctx, g.currentNode->blackNext() ? Colour::Black : Colour::White, pos), MoveResult::Accepted);
    return g.currentNode;
  }
  const GameNode* special(SGridFrame& g, SpecialMoveKind kind) {
    PlayContext ctx{g, 0, 0, false, {}, nullptr};
    BoardPosition pos = currentPosition(g);
    addSpecialMove(ctx, kind, g.currentNode->blackNext() ? Colour::Black : Colour::White, pos);
    return g.currentNode;
  }
  Collection games;
};

TEST_F(MoveBoxText, GoMoves_ColourLetterAndDisplayPoint) {
  SGridFrame& g = newGame(GameKind::Go, 19, 19);
  EXPECT_EQ(moveBoxText(g, g.firstNode), "") << "the start node has no box";
  EXPECT_EQ(moveBoxText(g, play(g, 3, 3)), "Bd16");
  EXPECT_EQ(moveBoxText(g, play(g, 8, 18)), "Wj1") << "no column i";
}

TEST_F(MoveBoxText, SpecialMoves) {
  SGridFrame& g = newGame(GameKind::Go, 9, 9);
  EXPECT_EQ(moveBoxText(g, special(g, SpecialMoveKind::Pass)), "B(p)");
  EXPECT_EQ(moveBoxText(g, special(g, SpecialMoveKind::Resign)), "W(r)");
  EXPECT_EQ(moveBoxText(g, special(g, SpecialMoveKind::Forfeit)), "B(f)");
}

TEST_F(MoveBoxText, HexMoves_VerticalAndHorizontal) {
  SGridFrame& g = newGame(GameKind::Hex, 11, 11);
  EXPECT_EQ(moveBoxText(g, play(g, 2, 0)), "Vc1");
  EXPECT_EQ(moveBoxText(g, special(g, SpecialMoveKind::SwapPieces)), "H(sp)");
}

TEST_F(MoveBoxText, OthelloMoveAfterWhichTheSameSideMovesAgain_EndsWithPlus) {
  SGridFrame& g = newGame(GameKind::Othello, 8, 8);
  GameNode* node = const_cast<GameNode*>(play(g, 3, 2));
  EXPECT_EQ(moveBoxText(g, node), "Bd3");
  node->setCaptureRecord(true);
  EXPECT_EQ(moveBoxText(g, node), "Bd3+");
}

}  // namespace
}  // namespace meridax
