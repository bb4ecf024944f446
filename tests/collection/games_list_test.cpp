#include "collection/games_list.h"

#include <gtest/gtest.h>

#include "collection_test_support.h"

namespace meridax {
namespace {

using testing::TextCollection;

struct KindCase {
  GameKind kind;
  int width;
  int height;
  const char* rules;
  const char* type;
  const char* size;
};

class GamesListKinds : public ::testing::TestWithParam<KindCase> {};

TEST_P(GamesListKinds, TypeAndSizeColumns_NameTheKindAndItsBoard) {
  const KindCase& c = GetParam();
  Collection games;
  SGridFrame& g = games.game(games.createGame(c.kind, c.width, c.height, Collection::npos));
  g.details[DetailField::Rules] = c.rules;
  EXPECT_EQ(gamesListCell(g, 0, GamesColumn::Type), c.type);
  EXPECT_EQ(gamesListCell(g, 0, GamesColumn::Size), c.size);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, GamesListKinds,
    ::testing::Values(KindCase{GameKind::Othello, 8, 8, "", "RVR", "8"},
                      KindCase{GameKind::Go, 19, 19, "", "GO", "19"},
                      KindCase{GameKind::Go, 19, 19, "Pente", "Pente", "19"},
                      KindCase{GameKind::Go, 19, 19, "pente", "GO", "19"},
                      KindCase{GameKind::Go, 19, 19, "Connect6", "Connect6", "19"},
                      KindCase{GameKind::Hex, 11, 11, "", "HEX", "11"},
                      KindCase{GameKind::Unlur, 9, 9, "", "UNL", "9"},
                      KindCase{GameKind::Havannah, 10, 10, "", "HVN", "10"},
                      KindCase{GameKind::SideStitch, 7, 7, "", "Side Stitch", "7:4"},
                      KindCase{GameKind::Kropki, 20, 15, "", "Kropki", "20:15"},
                      KindCase{GameKind::Kropki, 20, 20, "", "Kropki", "20"},
                      KindCase{GameKind::Margo, 8, 8, "", "", "8"}));

TEST(GamesList, Row_ShowsTheGameInformationAndTheTreeSize) {
  TextCollection c(
      "(;GM[1]FF[4]SZ[19]HA[2]AB[dp][pd]GN[Handicap game]EV[Club night]PB[Ann]PW[Bob]RE[W+3.5]DT[2024-03-01]"
      "GC[Two\nlines];W[dd];B[pp](;W[qq])(;W[cc];B[dc]))");
  // The main line holds the first node and three moves, the side line two. Line breaks are kept as CR LF.
  EXPECT_EQ(gamesListRow(c.game(0), 4),
            (std::vector<std::string>{"5", "Handicap game", "Club night", "Ann", "Bob", "W+3.5", "GO", "19", "2", "6",
                                      "2", "2024-03-01", "Two\r\nlines"}));
}

TEST(GamesList, HavannahRow_ListsWhiteAsPlayerOne) {
  TextCollection c("(;GM[4100]SZ[4]PB[Gil]PW[Hal]RE[W+];W[d4];B[c3])");
  EXPECT_EQ(c.game(0).kind(), GameKind::Havannah);
  EXPECT_EQ(gamesListCell(c.game(0), 0, GamesColumn::Player1), "Hal");
  EXPECT_EQ(gamesListCell(c.game(0), 0, GamesColumn::Player2), "Gil");
}

TEST(GamesList, GameOnlyReadToItsRoot_ListedWithItsInformationAndTheTreeSizeCountedInItsText) {
  TextCollection c("(;GM[1]SZ[19];B[aa];W[bb])(;GM[1]SZ[9]GN[Later]PB[Cy]PW[Di]RE[B+R];B[ee];W[cc];B[gg])",
                   GameTrees::FirstOnly);
  ASSERT_FALSE(c.game(1).treeLoaded);
  GamesList list;
  list.fill(c.games);
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(gamesListRow(list.game(1), 1),
            (std::vector<std::string>{"2", "Later", "", "Cy", "Di", "B+R", "GO", "9", "", "4", "1", "", ""}));
  EXPECT_EQ(list.cell(0, GamesColumn::Nodes), "3");
}

struct TreeSizeCase {
  const char* name;
  std::string game;  // read as the second game of a file, so only to its root
};

class GamesListTreeSize : public ::testing::TestWithParam<TreeSizeCase> {};

// What the pass over a game's text counts is what its tree holds once built.
TEST_P(GamesListTreeSize, CountedInTheTextAsInTheBuiltTree) {
  const std::string text = "(;GM[1]SZ[19])" + GetParam().game;
  TextCollection counted(text, GameTrees::FirstOnly);
  TextCollection built(text);
  ASSERT_FALSE(counted.game(1).treeLoaded);
  for (const GamesColumn column : {GamesColumn::Nodes, GamesColumn::Branches})
    EXPECT_EQ(gamesListCell(counted.game(1), 1, column), gamesListCell(built.game(1), 1, column))
        << (column == GamesColumn::Nodes ? "N" : "B");
  EXPECT_NE(gamesListCell(counted.game(1), 1, GamesColumn::Nodes), "");
}

INSTANTIATE_TEST_SUITE_P(
    Shapes, GamesListTreeSize,
    ::testing::Values(TreeSizeCase{"RootOnly", "(;GM[1]SZ[9]GN[x])"},
                      TreeSizeCase{"MainLine", "(;GM[1]SZ[9];B[ee];W[cc];B[gg])"},
                      TreeSizeCase{"VariationsRightBelowTheRoot", "(;GM[1]SZ[9](;B[ee];W[cc])(;B[gg])(;B[aa]))"},
                      TreeSizeCase{"NestedVariations",
                                   "(;GM[1]SZ[9];B[ee](;W[cc](;B[dd])\r\n (;B[gg]))(;W[gg];B[cc]))"},
                      TreeSizeCase{"BracketsInsideValues", "(;GM[1]SZ[9]C[(;)];B[ee]C[a \\] ;(b)](;W[cc])(;W[dd]))"},
                      TreeSizeCase{"SingleVariationWrapped", "(;GM[1]SZ[9](;B[ee](;W[cc])))"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(GamesList, PlayerFilter_KeepsGamesWithAnExactNameOnEitherSide) {
  TextCollection c("(;PB[Ann]PW[Bob])(;PB[Bob]PW[Cy])(;PB[Anna]PW[Di])(;PB[Cy]PW[Ann])(;PB[ann]PW[Eve])");
  GamesList list;
  list.fill(c.games, std::vector<std::string>{"Ann", "Di"});
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(&list.game(0), &c.game(0));
  EXPECT_EQ(&list.game(1), &c.game(2));
  EXPECT_EQ(&list.game(2), &c.game(3));
  EXPECT_EQ(list.cell(2, GamesColumn::Row), "3");
  EXPECT_EQ(list.rowOf(&c.game(1)), std::nullopt);
  EXPECT_EQ(list.rowOf(&c.game(3)), 2u);
}

TEST(GamesList, DropAndExchangeRows_KeepTheOtherRowsInOrder) {
  TextCollection c("(;GN[a])(;GN[b])(;GN[c])(;GN[d])");
  GamesList list;
  list.fill(c.games);
  list.dropGames({&c.game(1)});
  list.exchangeWithNext(0);
  list.exchangeWithNext(2);  // the last row has no row below it
  ASSERT_EQ(list.size(), 3u);
  EXPECT_EQ(list.cell(0, GamesColumn::Name), "c");
  EXPECT_EQ(list.cell(1, GamesColumn::Name), "a");
  EXPECT_EQ(list.cell(2, GamesColumn::Name), "d");
}

TEST(GamesList, GamesGoneFromTheCollection_RowsDropped) {
  TextCollection c("(;GN[a])(;GN[b])(;GN[c])");
  GamesList list;
  list.fill(c.games);
  EXPECT_FALSE(list.dropGamesNotIn(c.games));
  c.games.removeGame(1);
  EXPECT_TRUE(list.dropGamesNotIn(c.games));
  ASSERT_EQ(list.size(), 2u);
  EXPECT_EQ(list.cell(1, GamesColumn::Name), "c");
}

TEST(GamesList, DefaultColumnWidths_AreSharesOfTheListWidth) {
  EXPECT_EQ(defaultColumnWidths(kGamesColumns, 640),
            (std::vector<int>{40, 40, 60, 60, 60, 60, 60, 20, 20, 20, 20, 60, 20}));
  EXPECT_EQ(kGamesColumns[9].header, std::string("N"));
  EXPECT_EQ(kGamesColumns[6].align, ColumnAlign::Right);
  EXPECT_EQ(kGamesColumns[11].align, ColumnAlign::Left);
}

}  // namespace
}  // namespace meridax
