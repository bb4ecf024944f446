#include "rules/connect6_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace meridax {
namespace {

TEST(Connect6Rules, SideToMove_FollowsOneStoneThenTwoStonesATurn) {
  // Replays a line from the first stone, each move made by the side the previous one left to move.
  const char* expected = "WWBBWWBBWW";
  Colour mover = Colour::Black;
  std::string sides;
  for (int n = 1; n <= 10; ++n) {
    EXPECT_EQ(connect6SideOfMove(n), mover) << "move " << n;
    mover = connect6SideToMove(n, mover);
    sides += mover == Colour::Black ? 'B' : 'W';
  }
  EXPECT_EQ(sides, expected);
}

TEST(Connect6Rules, SideOfMove_StartsWithBlackBeforeAndAtMove1) {
  EXPECT_EQ(connect6SideOfMove(0), Colour::Black);
  EXPECT_EQ(connect6SideOfMove(1), Colour::Black);
  EXPECT_EQ(connect6SideOfMove(2), Colour::White);
  EXPECT_EQ(connect6SideOfMove(3), Colour::White);
  EXPECT_EQ(connect6SideOfMove(4), Colour::Black);
}

TEST(Connect6Rules, SideToMoveText_CountsTheStonesOfTheTurn) {
  const struct {
    int moveNumber;
    int cellCount;
    Colour side;
    const char* name;
    const char* text;
  } cases[] = {
      {0, 361, Colour::Black, "", " Black to move"},
      {1, 361, Colour::White, "", " White to move  ( 1 of 2 )"},
      {2, 361, Colour::White, "", " White to move  ( 2 of 2 )"},
      {3, 361, Colour::Black, "", " Black to move  ( 1 of 2 )"},
      {360, 361, Colour::Black, "", " Black to move"},
      {359, 361, Colour::White, "", " White to move  ( 1 of 2 )"},
      {2, 361, Colour::White, "Opening", " [ Opening ]   White to move  ( 2 of 2 )"},
      {0, 361, Colour::Black, "Start", " [ Start ]   Black to move"},
  };
  for (const auto& c : cases)
    EXPECT_EQ(connect6SideToMoveText(c.moveNumber, c.cellCount, c.side, c.name), c.text) << "move " << c.moveNumber;
}

}  // namespace
}  // namespace meridax
