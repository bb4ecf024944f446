// The board symmetries of every shape, and matching a position against a target: the compiled query
// against the naive comparison and against what a player expects, on small boards drawn as diagrams.

#include <gtest/gtest.h>

#include <algorithm>
#include <cstdlib>

#include "search/game_texts.h"
#include "search/go_text_filter.h"
#include "search/position_query.h"

namespace meridax {
namespace {

struct SymmetryCase {
  GameKind kind;
  int width;
  int height;
  std::size_t count;
};

TEST(BoardSymmetries, EachShapeHasItsGroup_AndEveryMapKeepsTheBoard) {
  const SymmetryCase cases[] = {
      {GameKind::Go, 19, 19, 8},     {GameKind::Go, 1, 1, 1},          {GameKind::Othello, 8, 8, 8},
      {GameKind::Kropki, 10, 7, 4},  {GameKind::Kropki, 9, 9, 8},      {GameKind::Havannah, 9, 5, 12},
      {GameKind::Unlur, 11, 6, 12},  {GameKind::SideStitch, 7, 4, 12}, {GameKind::Hex, 11, 11, 4},
  };
  for (const SymmetryCase& c : cases) {
    SCOPED_TRACE(std::to_string(static_cast<int>(c.kind)) + " " + std::to_string(c.width));
    const std::vector<SymmetryMap> maps = boardSymmetries(c.kind, c.width, c.height);
    ASSERT_EQ(maps.size(), c.count);
    for (const SymmetryMap& m : maps) {
      // A symmetry keeps neighbours of the grid as neighbours: checked by the distance of the images of two
      // neighbouring cells staying that of a neighbour of the same shape, through the inverse's round trip.
      const SymmetryMap back = inverseOf(m);
      for (std::size_t i = 0; i < m.size(); ++i) EXPECT_EQ(back[static_cast<std::size_t>(m[i])], static_cast<int>(i));
      for (int y = 0; y < c.width; ++y)
        for (int x = 0; x < c.width; ++x) {
          const int to = m[static_cast<std::size_t>(x + y * c.width)];
          EXPECT_EQ(isOnBoard(c.kind, c.width, c.height, x, y),
                    isOnBoard(c.kind, c.width, c.height, to % c.width, to / c.width));
        }
    }
  }
}

// Hexagonal grids: each map must keep the six neighbours (+-1, 0), (0, +-1), (1, 1), (-1, -1) of the hexagon
// boards, and (+-1, 0), (0, +-1), (1, -1), (-1, 1) of Hex.
TEST(BoardSymmetries, HexagonalMapsKeepNeighbours) {
  struct Case {
    GameKind kind;
    int width;
    int height;
    int diagonal;  // the y step that goes with an x step of +1 on the diagonal neighbour
  };
  for (const Case c : {Case{GameKind::Havannah, 9, 5, 1}, Case{GameKind::Hex, 6, 6, -1}}) {
    const auto adjacent = [&](int a, int b) {
      const int dx = b % c.width - a % c.width;
      const int dy = b / c.width - a / c.width;
      return (std::abs(dx) + std::abs(dy) == 1) || (dx == 1 && dy == c.diagonal) || (dx == -1 && dy == -c.diagonal);
    };
    for (const SymmetryMap& m : boardSymmetries(c.kind, c.width, c.height))
      for (int a = 0; a < c.width * c.width; ++a)
        for (int b = 0; b < c.width * c.width; ++b) {
          if (!isOnBoard(c.kind, c.width, c.height, a % c.width, a / c.width) ||
              !isOnBoard(c.kind, c.width, c.height, b % c.width, b / c.width) || !adjacent(a, b))
            continue;
          ASSERT_TRUE(adjacent(m[static_cast<std::size_t>(a)], m[static_cast<std::size_t>(b)]));
        }
  }
}

struct MatchCase {
  const char* name;
  const char* target;
  const char* candidate;
  std::optional<SearchArea> area;
  bool anywhere;
  bool swap;
  bool symmetries;
  bool expected;
};

int stones(const BoardPosition& p, std::uint8_t v) {
  return static_cast<int>(std::count(p.cells().begin(), p.cells().end(), v));
}

TEST(PositionMatch, CompiledAndNaiveMatchAgreeWithExpectation) {
  const SearchArea corner{0, 0, 2, 2};
  const MatchCase cases[] = {
      {"same board", "X....\n.O...\n.....\n.....\n.....", "X....\n.O...\n.....\n.....\n.....", {}, false, false, true, true},
      {"rotated board", "X....\n.O...\n.....\n.....\n.....", "....X\n...O.\n.....\n.....\n.....", {}, false, false, true, true},
      {"rotated, symmetries off", "X....\n.O...\n.....\n.....\n.....", "....X\n...O.\n.....\n.....\n.....", {}, false, false, false, false},
      {"reflected board", "XO...\n.....\n.....\n.....\n.....", "X....\nO....\n.....\n.....\n.....", {}, false, false, true, true},
      {"colours swapped, not asked", "X....\n.O...\n.....\n.....\n.....", "O....\n.X...\n.....\n.....\n.....", {}, false, false, true, false},
      {"colours swapped, asked", "X....\n.O...\n.....\n.....\n.....", "O....\n.X...\n.....\n.....\n.....", {}, false, true, true, true},
      {"one stone more", "X....\n.O...\n.....\n.....\n.....", "X....\n.O...\n.....\n.....\n....X", {}, false, false, true, false},
      {"same counts, other place", "X....\n.O...\n.....\n.....\n.....", "X....\n..O..\n.....\n.....\n.....", {}, false, false, true, false},
      {"pattern, stones outside ignored", "X....\n.O...\n.....\n.....\n.....", "X...O\n.O...\n.....\n...XX\n..O..", corner, false, false, true, true},
      {"pattern, empty point taken", "X....\n.O...\n.....\n.....\n.....", "X.X..\n.O...\n.....\n.....\n.....", corner, false, false, true, false},
      {"pattern in the opposite corner", "X....\n.O...\n.....\n.....\n.....", ".....\n.....\n.....\n...O.\n....X", corner, false, false, true, true},
      {"pattern moved, same place only", "X....\n.O...\n.....\n.....\n.....", ".....\n.X...\n..O..\n.....\n.....", corner, false, false, true, false},
      {"pattern moved, anywhere", "X....\n.O...\n.....\n.....\n.....", ".....\n.X...\n..O..\n.....\n.....", corner, true, false, true, true},
      {"pattern moved needs room for its empty points", "X....\n.O...\n.....\n.....\n.....", ".....\n.....\n.....\n...X.\n....O", SearchArea{0, 0, 2, 2}, true, false, false, false},
      {"anywhere, rotated and swapped", "XX...\n.O...\n.....\n.....\n.....", ".....\n..O..\n..OX.\n.....\n.....", SearchArea{0, 0, 1, 1}, true, true, true, true},
  };
  for (const MatchCase& c : cases) {
    SCOPED_TRACE(c.name);
    PositionQuery q;
    q.kind = GameKind::Go;
    q.width = q.height = 5;
    q.position = fromDiagram(c.target);
    q.area = c.area;
    q.anywhere = c.anywhere;
    q.swapColours = c.swap;
    q.symmetries = c.symmetries;
    const BoardPosition pos = fromDiagram(c.candidate);
    EXPECT_EQ(naiveMatch(q, pos), c.expected);
    const CompiledQuery compiled(q);
    EXPECT_EQ(compiled.match(pos, stones(pos, cell::kBlack), stones(pos, cell::kWhite)) >= 0, c.expected);
  }
}

TEST(PositionMatch, HavannahCornerPatternFoundInEveryCorner) {
  // A stone beside a corner of a side-3 hexagon, against the same stone turned to each of the six corners.
  PositionQuery q;
  q.kind = GameKind::Havannah;
  q.width = 5;
  q.height = 3;
  q.position = startingPosition(q.kind, q.width, q.height);
  q.position.set(1, 0, cell::kBlack);
  q.area = SearchArea{0, 0, 1, 1};
  const CompiledQuery compiled(q);
  int found = 0;
  for (const SymmetryMap& m : boardSymmetries(q.kind, q.width, q.height)) {
    BoardPosition pos = startingPosition(q.kind, q.width, q.height);
    pos[m[1]] = cell::kBlack;
    found += compiled.match(pos, 1, 0) >= 0;
    EXPECT_TRUE(naiveMatch(q, pos));
  }
  EXPECT_EQ(found, 12);
}

TEST(GoTextFilter, LetsThroughEveryGameThatNamesTheStonePoints) {
  PositionQuery q;
  q.width = q.height = 19;
  q.position = startingPosition(GameKind::Go, 19, 19);
  q.position.set(1, 1, cell::kBlack);   // "bb"
  q.position.set(2, 3, cell::kWhite);   // "cd"
  q.symmetries = false;
  const CompiledQuery compiled(q);
  struct Case {
    const char* text;
    bool mayHold;
  };
  const Case cases[] = {
      {"(;SZ[19];B[bb];W[cd])", true},
      {"(;SZ[19];B[bb];W[dc])", false},
      {"(;SZ[19]AB[aa:cc];W[cd])", true},        // a rectangle of set-up stones
      {"(;SZ[19]AB[cc:aa];W[cd])", true},        // corners in either order
      {"(;SZ[19];B[ b b ];W[c\\\nd])", true},    // blanks and a soft line break inside values
      {"(;SZ[19];B[bb]C[cd is where White plays])", false},
      {"(;SZ[19];B[bb]LB[cd:x])", false},        // a label names no stone
      {"(;SZ[19];B[bb]C[\\]];W[cd])", true},     // an escaped bracket does not end the value
      {"(;SZ[19];W[bb];B[cd])", false},          // the points, but in the other colours
      {"(;SZ[19]AW[aa][cd]AB[bb])", true},       // a value list keeps its identifier
      {"(;SZ[19]AddBlack[bb]AddWhite[cd])", true},  // an old long name is read by its capitals
      {"(;SZ[19];B[bb]TR[cd];W[dd])", false},    // a mark names no stone
      {"(;SZ[19];B[bb]XW[cd])", false},          // nor another program's property
  };
  for (const Case& c : cases) {
    SCOPED_TRACE(c.text);
    EXPECT_EQ(goTextMayHold(compiled, c.text), c.mayHold);
  }
}

TEST(GameTexts, MainLineFollowsTheFirstVariationAndBracketsInValuesDoNotCount) {
  struct Case {
    const char* game;
    const char* mainLine;
  };
  const Case cases[] = {
      {"(;GM[1];B[aa];W[bb])", "(;GM[1];B[aa];W[bb])"},
      {"(;GM[1](;B[aa];W[bb])(;B[cc]))", "(;GM[1];B[aa];W[bb])"},
      {"(;GM[1];B[aa](;W[bb](;B[cc])(;B[dd]))(;W[ee]))", "(;GM[1];B[aa];W[bb];B[cc])"},
      {"(;C[a (b) c\\] (d];B[aa](;W[bb])(;W[cc]))", "(;C[a (b) c\\] (d];B[aa];W[bb])"},
  };
  for (const Case& c : cases) EXPECT_EQ(mainLineText(c.game), c.mainLine) << c.game;

  const std::string two = "junk (;B[aa]C[)]) \n(;W[bb](;B[cc]))";
  const auto spans = splitGames(two);
  ASSERT_TRUE(spans.has_value());
  ASSERT_EQ(spans->size(), 2u);
  EXPECT_EQ(two.substr((*spans)[0].start, (*spans)[0].end - (*spans)[0].start), "(;B[aa]C[)])");
  EXPECT_EQ(two.substr((*spans)[1].start, (*spans)[1].end - (*spans)[1].start), "(;W[bb](;B[cc]))");
  for (const char* broken : {"(;B[aa]", "(;B[aa]))", "(;C[open)"}) EXPECT_FALSE(splitGames(broken).has_value()) << broken;
}

}  // namespace
}  // namespace meridax
