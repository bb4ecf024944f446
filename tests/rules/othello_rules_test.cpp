#include "rules/othello_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace meridax {
namespace {

std::string board(const std::string& rows) { return toDiagram(fromDiagram(rows)); }

// Cells as "x,y" so that a failing list can be read against the drawn board.
std::string cellList(const BoardPosition& pos, const std::vector<int>& cells) {
  std::string out;
  for (int i : cells) {
    if (!out.empty()) out += ' ';
    out += std::to_string(i % pos.width()) + "," + std::to_string(i / pos.width());
  }
  return out;
}

const char* const kLegalityBoard = R"(. . . . .
                                      . O O X .
                                      . . . . .
                                      . . . . O
                                      . . . . .)";

TEST(OthelloRules, Legality_TellsWhyAMoveIsRefused) {
  const BoardPosition pos = fromDiagram(kLegalityBoard);
  const struct {
    int x;
    int y;
    Colour side;
    MoveResult expected;
  } cases[] = {
      {0, 1, Colour::Black, MoveResult::Accepted},            // closes two along the row
      {4, 1, Colour::White, MoveResult::Accepted},            // closes one leftwards
      {0, 4, Colour::Black, MoveResult::NoForeignNeighbour},  // nothing next to it
      {4, 1, Colour::Black, MoveResult::NoForeignNeighbour},  // borders only its own colour
      {1, 0, Colour::Black, MoveResult::NoHomeColour},        // the lines end in empty cells
      {3, 3, Colour::Black, MoveResult::NoHomeColour},        // the line ends at the edge
      {3, 4, Colour::Black, MoveResult::NoHomeColour},        // the diagonal ends at the edge
      {5, 0, Colour::Black, MoveResult::OutOfRange},
  };
  for (const auto& c : cases)
    EXPECT_EQ(othelloLegality(pos, c.x, c.y, c.side), c.expected) << "at " << c.x << "," << c.y;
}

TEST(OthelloRules, RefusedUserMoves_ShowTheirTextAndLeaveThePosition) {
  BoardPosition pos = fromDiagram(kLegalityBoard);

  const OthelloMoveOutcome lonely = PlayOthelloMove(pos, 0, 4, Colour::Black, PlayMode::User);
  const OthelloMoveOutcome open = PlayOthelloMove(pos, 1, 0, Colour::Black, PlayMode::User);
  const OthelloMoveOutcome taken = PlayOthelloMove(pos, 1, 1, Colour::Black, PlayMode::User);

  EXPECT_EQ(std::string(statusText(lonely.result)), "Invalid Move - No bordering foreign colour");
  EXPECT_EQ(std::string(statusText(open.result)), "Invalid Move - No home colour could be found");
  EXPECT_EQ(taken.result, MoveResult::Occupied);
  EXPECT_TRUE(lonely.flipped.empty());
  EXPECT_EQ(toDiagram(pos), board(kLegalityBoard));
}

TEST(OthelloRules, QuietMove_IsPlacedEvenWhenNothingFlips) {
  BoardPosition pos = fromDiagram(kLegalityBoard);

  const OthelloMoveOutcome out = PlayOthelloMove(pos, 0, 4, Colour::Black, PlayMode::Quiet);

  EXPECT_TRUE(out.accepted());
  EXPECT_TRUE(out.flipped.empty());
  EXPECT_EQ(pos.at(0, 4), cell::kBlack);
}

TEST(OthelloRules, MoveClosingAllEightDirections_FlipsEveryLine) {
  const char* rows = R"(O . . O . . O
                        . X . X . X .
                        . . X X X . .
                        O X X . X X O
                        . . X X X . .
                        . X . X . X .
                        O . . O . . O)";
  BoardPosition pos = fromDiagram(rows);

  const std::vector<int> preview = othelloFlipPreview(pos, 3, 3, Colour::White);
  EXPECT_EQ(toDiagram(pos), board(rows)) << "the preview changes nothing";
  EXPECT_EQ(cellList(pos, preview), "2,2 1,1 2,3 1,3 2,4 1,5 3,2 3,1 3,4 3,5 4,2 5,1 4,3 5,3 4,4 5,5");

  const OthelloMoveOutcome out = PlayOthelloMove(pos, 3, 3, Colour::White, PlayMode::User);

  EXPECT_TRUE(out.accepted());
  EXPECT_EQ(out.flipped, preview);
  EXPECT_EQ(toDiagram(pos), board(R"(O . . O . . O
                                     . O . O . O .
                                     . . O O O . .
                                     O O O O O O O
                                     . . O O O . .
                                     . O . O . O .
                                     O . . O . . O)"));
}

TEST(OthelloRules, LinesEndingAtTheEdgeOrAnEmptyCell_AreNotFlipped) {
  BoardPosition pos = fromDiagram(R"(O . . O . . .
                                     . X . X . . .
                                     . . X X X . .
                                     O X X . X O .
                                     . . X X X . .
                                     . O . O . X .
                                     . . . . . . X)");

  const OthelloMoveOutcome out = PlayOthelloMove(pos, 3, 3, Colour::White, PlayMode::User);

  EXPECT_EQ(out.flipped.size(), 9u);
  EXPECT_EQ(toDiagram(pos), board(R"(O . . O . . .
                                     . O . O . . .
                                     . . O O X . .
                                     O O O O O O .
                                     . . O O X . .
                                     . O . O . X .
                                     . . . . . . X)"));
}

TEST(OthelloRules, MarkAvailable_MarksTheSideToMoveAndCountsPieces) {
  BoardPosition pos = startingPosition(GameKind::Othello, 8, 0);
  pos.set(0, 0, cell::kAvailable);  // a stale mark from the previous position

  const Availability counts = MarkAvailable(pos, Colour::Black);

  EXPECT_EQ(counts.available, 4);
  EXPECT_EQ(counts.black, 2);
  EXPECT_EQ(counts.white, 2);
  EXPECT_TRUE(anyAvailable(pos));
  EXPECT_EQ(toDiagram(pos), board(R"(. . . . . . . .
                                     . . . . . . . .
                                     . . . + . . . .
                                     . . + O X . . .
                                     . . . X O + . .
                                     . . . . + . . .
                                     . . . . . . . .
                                     . . . . . . . .)"));
}

TEST(OthelloRules, MarkAvailable_WithNoCellForTheSide_ClearsEveryMark) {
  BoardPosition pos = fromDiagram(R"(X X X + .
                                     + . . . .
                                     . . + . .)");

  const Availability counts = MarkAvailable(pos, Colour::Black);

  EXPECT_EQ(counts.available, 0);
  EXPECT_EQ(counts.black, 3);
  EXPECT_FALSE(anyAvailable(pos));
}

// Black has just played (0,2), flipping (0,1): White has no cell, Black still has (2,0).
const char* const kWhiteShutOut = R"(X O . . .
                                     X . . . .
                                     X . . . .
                                     . . . . .
                                     . . . . .)";

TEST(OthelloRules, OpponentWithoutACell_MoverMovesAgainAndIsNamedFirst) {
  BoardPosition pos = fromDiagram(R"(X O . . .
                                     O . . . .
                                     . . . . .
                                     . . . . .
                                     . . . . .)");
  ASSERT_TRUE(PlayOthelloMove(pos, 0, 2, Colour::Black, PlayMode::User).accepted());
  ASSERT_EQ(toDiagram(pos), board(kWhiteShutOut));

  const OthelloTurn turn = othelloTurnAfterMove(pos, Colour::Black);

  EXPECT_EQ(turn.toMove, Colour::Black);
  EXPECT_TRUE(turn.passImplied());
  EXPECT_FALSE(turn.gameOver());
  EXPECT_EQ(othelloTurnText(turn), "Black to move again.  There are no spaces available for White");
  EXPECT_EQ(toDiagram(pos), board(R"(X O + . .
                                     X . . . .
                                     X . . . .
                                     . . . . .
                                     . . . . .)"));
}

TEST(OthelloRules, OrdinaryMove_PassesTheTurnWithoutAText) {
  BoardPosition pos = startingPosition(GameKind::Othello, 8, 0);
  ASSERT_TRUE(PlayOthelloMove(pos, 3, 2, Colour::Black, PlayMode::User).accepted());

  const OthelloTurn turn = othelloTurnAfterMove(pos, Colour::Black);

  EXPECT_EQ(turn.toMove, Colour::White);
  EXPECT_EQ(turn.event, OthelloTurnEvent::None);
  EXPECT_EQ(turn.counts.available, 3);
  EXPECT_EQ(turn.counts.black, 4);
  EXPECT_EQ(turn.counts.white, 1);
  EXPECT_EQ(othelloTurnText(turn), "");
}

TEST(OthelloRules, NeitherSideWithACell_EndsTheGameWithThePieceCounts) {
  BoardPosition pos = fromDiagram(R"(X O . . .
                                     . . . . .
                                     . . . . .
                                     . . . . .
                                     . . . . .)");
  ASSERT_TRUE(PlayOthelloMove(pos, 2, 0, Colour::Black, PlayMode::User).accepted());

  const OthelloTurn turn = othelloTurnAfterMove(pos, Colour::Black);

  EXPECT_TRUE(turn.gameOver());
  EXPECT_FALSE(turn.passImplied());
  EXPECT_EQ(turn.toMove, Colour::Black);
  EXPECT_EQ(othelloTurnText(turn), "Game Over.  Black = 3. White = 0");
  EXPECT_FALSE(anyAvailable(pos));
}

TEST(OthelloRules, ComposedPositionWithoutACellForTheSide_SwitchesTheSide) {
  BoardPosition pos = fromDiagram(kWhiteShutOut);

  const OthelloTurn turn = othelloTurnAtPosition(pos, Colour::White);

  EXPECT_EQ(turn.toMove, Colour::Black);
  EXPECT_EQ(turn.event, OthelloTurnEvent::SideSwitched);
  EXPECT_EQ(othelloTurnText(turn), "Black to move.  There are no spaces available for White");
  EXPECT_EQ(pos.at(2, 0), cell::kAvailable);

  BoardPosition full = fromDiagram(R"(X O
                                      O X)");
  const OthelloTurn over = othelloTurnAtPosition(full, Colour::White);
  EXPECT_EQ(over.toMove, Colour::White);
  EXPECT_EQ(othelloTurnText(over), "Game Over.  Black = 2. White = 2");
}

TEST(OthelloRules, StatusTexts_NameBothSidesExactly) {
  EXPECT_EQ(othelloMoveAgainText(Colour::White), "White to move again.  There are no spaces available for Black");
  EXPECT_EQ(othelloNoSpacesText(Colour::White), "White to move.  There are no spaces available for Black");
  EXPECT_EQ(othelloGameOverText(40, 24), "Game Over.  Black = 40. White = 24");
}

}  // namespace
}  // namespace meridax
