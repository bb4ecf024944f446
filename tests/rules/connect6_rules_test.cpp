#include "rules/connect6_rules.h"

#include <gtest/gtest.h>

#include <optional>
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

TEST(Connect6Rules, StoneOfTurn_CountsTheStonesOfTheComingTurn) {
  const struct {
    int moveNumber;
    int cellCount;
    std::optional<int> stone;
  } cases[] = {
      {0, 361, std::nullopt}, {1, 361, 1}, {2, 361, 2}, {3, 361, 1}, {4, 361, 2},
      {359, 361, 1},          {360, 361, std::nullopt},  // the next move fills the board
      {8, 9, std::nullopt},   {7, 9, 1},
  };
  for (const auto& c : cases)
    EXPECT_EQ(connect6StoneOfTurn(c.moveNumber, c.cellCount), c.stone) << "move " << c.moveNumber << " of " << c.cellCount;
}

}  // namespace
}  // namespace meridax
