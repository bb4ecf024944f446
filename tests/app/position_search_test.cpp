// The results of Find Position as its window lists them: one row per game at its first match, and the
// counts of the moves played next with how those games ended.

#include <gtest/gtest.h>

#include "app/position_search.h"

namespace meridax {
namespace {

PositionMatch matchAt(int move, std::optional<NextMove> next, int ordinal = 0) {
  return PositionMatch{ordinal, move, next, 0};
}

TEST(PositionSearchResults, RowsTakeEachGamesFirstMatch_CountsGroupTheMovesPlayedNext) {
  Collection shape;
  shape.createGame(GameKind::Go, 19, 19, Collection::npos);
  const NextMove q16{SpecialMoveKind::Placement, Colour::Black, 15, 3};
  const NextMove d4{SpecialMoveKind::Placement, Colour::Black, 3, 15};
  const NextMove pass{SpecialMoveKind::Pass, Colour::White, -1, -1};
  SearchOutcome outcome;
  outcome.gamesSearched = 40;
  outcome.hits = {
      {0, 1, "Ann", "Bob", "2001", "B+3.5", GameKind::Go, {matchAt(30, q16, 30), matchAt(80, d4, 81)}},
      {0, 4, "Cid", "Dee", "2002", "W+R", GameKind::Go, {matchAt(32, q16)}},
      {1, 2, "Eve", "Fay", "", "B+R", GameKind::Go, {matchAt(30, q16)}},
      {1, 7, "Gus", "Hal", "", "Jigo", GameKind::Go, {matchAt(30, d4)}},
      {1, 9, "Ida", "Jon", "", "", GameKind::Go, {matchAt(31, pass)}},
      {1, 12, "Kim", "Lee", "", "W+2", GameKind::Go, {matchAt(30, std::nullopt)}},
  };
  const std::vector<std::string> paths = {"a.sgf", "dir/b.sgf"};
  const std::vector<PositionSearchRow> rows = positionSearchRows(outcome, paths, shape.game(0));
  ASSERT_EQ(rows.size(), 6u);
  EXPECT_EQ(rows[0].file, "a.sgf");
  EXPECT_EQ(rows[0].move, 30);
  EXPECT_EQ(rows[0].nodeOrdinal, 30);
  EXPECT_EQ(rows[0].next, "B Q16");
  EXPECT_EQ(rows[3].next, "B D4");
  EXPECT_EQ(rows[4].next, "W pass");
  EXPECT_EQ(rows[5].next, "");

  struct Count {
    const char* move;
    int played, black, white;
  };
  const Count expected[] = {{"B Q16", 3, 2, 1}, {"(end)", 1, 0, 1}, {"B D4", 1, 0, 0}, {"W pass", 1, 0, 0}};
  const std::vector<ContinuationCount> counts = continuationCounts(rows);
  ASSERT_EQ(counts.size(), std::size(expected));
  for (std::size_t i = 0; i < counts.size(); ++i) {
    SCOPED_TRACE(expected[i].move);
    EXPECT_EQ(counts[i].move, expected[i].move);
    EXPECT_EQ(counts[i].played, expected[i].played);
    EXPECT_EQ(counts[i].blackWins, expected[i].black);
    EXPECT_EQ(counts[i].whiteWins, expected[i].white);
  }
  EXPECT_EQ(positionSearchSummary(outcome, 2), "6 games, 7 matches in 2 files (40 games searched)");
  outcome.hits.resize(1);
  outcome.hits[0].matches.resize(1);
  outcome.cancelled = true;
  EXPECT_EQ(positionSearchSummary(outcome, 1), "1 game, 1 match in 1 file (40 games searched), cancelled");
}

}  // namespace
}  // namespace meridax
