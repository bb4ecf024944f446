#include "collection/players.h"

#include <gtest/gtest.h>

#include "collection_test_support.h"

namespace meridax {
namespace {

using testing::TextCollection;

const SPlayer* find(const std::vector<SPlayer>& players, const std::string& name) {
  for (const SPlayer& p : players)
    if (p.name == name) return &p;
  return nullptr;
}

TEST(Players, ThreeGamesOneUnfinishedOneWon_ScoreOfOneHalf) {
  TextCollection c("(;PB[Ann]PW[Bob]RE[B+5])(;PB[Cy]PW[Ann]RE[B+R])(;PB[Ann]PW[Di])");
  PlayersList list;
  list.fill(c.games);
  const std::optional<std::size_t> row = list.rowOf("Ann");
  ASSERT_TRUE(row);
  EXPECT_EQ(list.player(*row), (SPlayer{"Ann", 3, 1, 1}));
  EXPECT_EQ(list.cell(*row, static_cast<int>(PlayersColumn::Played)), "3");
  EXPECT_EQ(list.cell(*row, static_cast<int>(PlayersColumn::Unfinished)), "1");
  EXPECT_EQ(list.cell(*row, static_cast<int>(PlayersColumn::Score)), "0.50");
  EXPECT_EQ(list.cell(*row, 12), "");
}

TEST(Players, EveryGameUnfinished_EmptyScore) {
  TextCollection c("(;PB[Ann]PW[Bob])(;PB[Bob]PW[Ann])");
  const std::vector<SPlayer> players = playerStatistics(c.games);
  ASSERT_NE(find(players, "Bob"), nullptr);
  EXPECT_EQ(*find(players, "Bob"), (SPlayer{"Bob", 2, 2, 0}));
  EXPECT_EQ(scoreText(*find(players, "Bob")), "");
  EXPECT_EQ(scoreText(SPlayer{"Cy", 3, 0, 2}), "0.67");
}

TEST(Players, HavannahWhiteWins_PlayerOneHoldsWhite) {
  // PW names player 1 in Havannah, who moves first with White.
  TextCollection c("(;GM[4100]SZ[4]PB[Gil]PW[Hal]RE[W+];W[d4];B[c3])");
  const std::vector<SPlayer> players = playerStatistics(c.games);
  EXPECT_EQ(*find(players, "Hal"), (SPlayer{"Hal", 1, 0, 1}));
  EXPECT_EQ(*find(players, "Gil"), (SPlayer{"Gil", 1, 0, 0}));
}

TEST(Players, HavannahWithSwapSides_CreditsTheOtherPlayer) {
  TextCollection c("(;GM[4100]SZ[4]PB[Gil]PW[Hal]RE[W+];W[d4];B[swap-sides];W[c3])");
  ASSERT_TRUE(containsSwapSides(c.game(0)));
  const std::vector<SPlayer> players = playerStatistics(c.games);
  EXPECT_EQ(find(players, "Hal")->wins, 0);
  EXPECT_EQ(find(players, "Gil")->wins, 1);
}

TEST(Players, SwapSidesOnASideLine_CountsAsASwap) {
  TextCollection c("(;GM[11]SZ[5];B[c3](;W[b2])(;W[swap-sides]))(;GM[11]SZ[5];B[c3];W[b2])");
  EXPECT_TRUE(containsSwapSides(c.game(0)));
  EXPECT_FALSE(containsSwapSides(c.game(1)));
}

TEST(Players, SwapTestPassedIn_DecidesForGamesWhoseTreeIsNotRead) {
  TextCollection c("(;GM[1]SZ[9]PB[Ann]PW[Bob]RE[B+1])");
  const std::vector<SPlayer> players = playerStatistics(c.games, [](const SGridFrame&) { return true; });
  EXPECT_EQ(find(players, "Bob")->wins, 1);
  EXPECT_EQ(find(players, "Ann")->wins, 0);
}

struct CreditCase {
  const char* result;
  bool whiteFirst;
  bool swapped;
  bool first;   // the first player is credited
  bool second;  // the second player is credited
};

class PlayersCredit : public ::testing::TestWithParam<CreditCase> {};

TEST_P(PlayersCredit, Result_CreditsTheWinnerByColourAndSwap) {
  const CreditCase& c = GetParam();
  EXPECT_EQ(creditsWin(c.result, true, c.whiteFirst, c.swapped), c.first);
  EXPECT_EQ(creditsWin(c.result, false, c.whiteFirst, c.swapped), c.second);
}

INSTANTIATE_TEST_SUITE_P(
    ColoursSwapsAndPlayerResults, PlayersCredit,
    ::testing::Values(CreditCase{"B+R", false, false, true, false}, CreditCase{"W+3.5", false, false, false, true},
                      CreditCase{"W+", true, false, true, false}, CreditCase{"B+", true, false, false, true},
                      CreditCase{"B+R", false, true, false, true}, CreditCase{"W+R", false, true, true, false},
                      CreditCase{"W+", true, true, false, true}, CreditCase{"B+", true, true, true, false},
                      // "P1" and "P2" name the player whatever the colours, but only in a game without a swap.
                      CreditCase{"P1+", false, false, true, false}, CreditCase{"P1", true, false, true, false},
                      CreditCase{"P2 wins", false, false, false, true}, CreditCase{"P1+", false, true, false, false},
                      CreditCase{"P", false, false, false, false}, CreditCase{"0", false, false, false, false},
                      CreditCase{"Draw", false, false, false, false}, CreditCase{"b+R", false, false, false, false},
                      CreditCase{"", false, false, false, false}));

TEST(Players, EqualNames_CreateTheEntryButCountNothing) {
  TextCollection c("(;PB[Ann]PW[Ann]RE[B+R])");
  PlayersList list;
  list.fill(c.games);
  ASSERT_EQ(list.size(), 1u);
  EXPECT_EQ(list.player(0), (SPlayer{"Ann", 0, 0, 0}));
  EXPECT_EQ(list.cell(0, static_cast<int>(PlayersColumn::Score)), "");
}

TEST(Players, NamelessGames_PassedOverUnlessOneSideIsNamed) {
  TextCollection c("(;RE[B+R])(;PB[Ann]RE[B+R])");
  const std::vector<SPlayer> players = playerStatistics(c.games);
  // The unnamed opponent is listed under the empty name.
  ASSERT_EQ(players.size(), 2u);
  EXPECT_EQ(players[0], (SPlayer{"", 1, 0, 0}));
  EXPECT_EQ(players[1], (SPlayer{"Ann", 1, 0, 1}));
}

TEST(Players, Order_ByteByByteWithPrefixesFirst) {
  TextCollection c("(;PB[\xC3\x89mile]PW[ann])(;PB[Bob]PW[Anna])(;PB[Ann]PW[B])");
  PlayersList list;
  list.fill(c.games);
  std::vector<std::string> names;
  for (std::size_t i = 0; i < list.size(); ++i) names.push_back(list.cell(i, static_cast<int>(PlayersColumn::Player)));
  EXPECT_EQ(names, (std::vector<std::string>{"Ann", "Anna", "B", "Bob", "ann", "\xC3\x89mile"}));
  EXPECT_EQ(list.cell(5, static_cast<int>(PlayersColumn::Row)), "6");
}

TEST(Players, Columns_HeadersAndDefaultShares) {
  EXPECT_EQ(kPlayersColumns[1].header, std::string("Player"));
  EXPECT_EQ(kPlayersColumns[4].header, std::string("Unfinished"));
  EXPECT_EQ(defaultColumnWidths(kPlayersColumns, 64),
            (std::vector<int>{4, 16, 10, 10, 10, 2, 2, 2, 2, 2, 2, 2, 2}));
}

}  // namespace
}  // namespace meridax
