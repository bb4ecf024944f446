#include "export/ascii_diagram.h"

#include <gtest/gtest.h>

#include <string>
#include <vector>

#include "model/collection.h"

namespace meridax {
namespace {

// Expected diagrams are written with plain line ends and a leading newline; the diagrams end lines with CR LF.
std::string crlf(const char* text) {
  std::string out;
  for (const char* p = text[0] == '\n' ? text + 1 : text; *p != '\0'; ++p) {
    if (*p == '\n') out += '\r';
    out += *p;
  }
  return out;
}

SGridFrame& newGame(Collection& games, GameKind kind, int width, int height) {
  return games.game(games.createGame(kind, width, height, Collection::npos));
}

// ---- Square boards -----------------------------------------------------------------------------

TEST(AsciiDiagram, GoNineByNine_RowsCountDownLettersSkipI) {
  Collection games;
  const SGridFrame& game = newGame(games, GameKind::Go, 9, 9);
  const BoardPosition pos = fromDiagram(R"(
    .........
    .........
    ..X...O..
    .........
    ....X....
    .........
    ..O...X..
    .........
    .........
  )");

  EXPECT_EQ(asciiDiagram(game, pos, Colour::White), crlf(R"(
      A B C D E F G H J 

 9    . . . . . . . . .    9
 8    . . . . . . . . .    8
 7    . . X . . . O . .    7
 6    . . . . . . . . .    6
 5    . . . . X . . . .    5
 4    . . . . . . . . .    4
 3    . . O . . . X . .    3
 2    . . . . . . . . .    2
 1    . . . . . . . . .    1    ( W )

      A B C D E F G H J 
)"));
}

TEST(AsciiDiagram, OthelloStartNode_RowsCountUpAndBlackToMove) {
  Collection games;
  const SGridFrame& game = newGame(games, GameKind::Othello, 8, 8);

  EXPECT_EQ(asciiDiagramOfNode(game, game.firstNode), crlf(R"(
      A B C D E F G H 

 1    . . . . . . . .    1
 2    . . . . . . . .    2
 3    . . . . . . . .    3
 4    . . . O X . . .    4
 5    . . . X O . . .    5
 6    . . . . . . . .    6
 7    . . . . . . . .    7
 8    . . . . . . . .    8    ( B )

      A B C D E F G H 
)"));
}

TEST(AsciiDiagram, KropkiRectangle_OnlyBoardRowsAndOffBoardCellAsTwoBlanks) {
  Collection games;
  const SGridFrame& game = newGame(games, GameKind::Kropki, 7, 5);
  BoardPosition pos = startingPosition(GameKind::Kropki, 7, 5);
  pos.set(0, 0, cell::kBlack);
  pos.set(6, 4, cell::kWhite);
  pos.set(3, 2, cell::kOffBoard);

  EXPECT_EQ(asciiDiagram(game, pos, std::nullopt), crlf(R"(
      A B C D E F G 

 5    X . . . . . .    5
 4    . . . . . . .    4
 3    . . .   . . .    3
 2    . . . . . . .    2
 1    . . . . . . O    1

      A B C D E F G 
)"));
}

TEST(AsciiDiagram, OthelloAvailableMark_DrawnAsEmpty) {
  BoardPosition pos = fromDiagram(R"(
    +.X..
    .....
    .....
    .....
    ....O
  )");

  const std::string text = squareDiagram(GameKind::Othello, 5, 5, pos.cells(), Colour::Black);

  EXPECT_EQ(text.substr(text.find("\r\n 1") + 2, 22), " 1    . . X . .    1\r\n");
}

TEST(AsciiDiagram, CellsShorterThanBoard_MissingCellsDrawnOffBoard) {
  const std::vector<std::uint8_t> cells{cell::kBlack, cell::kEmpty, cell::kWhite, cell::kEmpty};

  EXPECT_EQ(squareDiagram(GameKind::Go, 3, 3, cells, std::nullopt), crlf(R"(
      A B C 

 3    X . O    3
 2    .        2
 1             1

      A B C 
)"));
}

struct LetterCase {
  const char* name;
  GameKind kind;
  int columns;
  const char* letters;
};

class DiagramLettersTest : public ::testing::TestWithParam<LetterCase> {};

TEST_P(DiagramLettersTest, ColumnLettersRunAsTheKindCountsThem) {
  const LetterCase& c = GetParam();
  std::string letters;
  for (int i = 0; i < c.columns; ++i) letters += diagramColumnLetter(c.kind, i);
  EXPECT_EQ(letters, c.letters);
}

INSTANTIATE_TEST_SUITE_P(
    AsciiDiagram, DiagramLettersTest,
    ::testing::Values(LetterCase{"Go19", GameKind::Go, 19, "ABCDEFGHJKLMNOPQRST"},
                      LetterCase{"Othello10KeepsI", GameKind::Othello, 10, "ABCDEFGHIJ"},
                      LetterCase{"Kropki39", GameKind::Kropki, 39, "ABCDEFGHJKLMNOPQRSTUVWXYZabcdefghjklmno"},
                      LetterCase{"KropkiWrapsAfterLowerZ", GameKind::Kropki, 52,
                                 "ABCDEFGHJKLMNOPQRSTUVWXYZabcdefghjklmnopqrstuvwxyzAB"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(AsciiDiagram, KropkiThirtyNineByThirtyTwo_HasThirtyTwoRows) {
  Collection games;
  const SGridFrame& game = newGame(games, GameKind::Kropki, 39, 32);

  const std::string text = asciiDiagram(game, startingPosition(GameKind::Kropki, 39, 32), Colour::Black);

  EXPECT_EQ(text.substr(0, 10), "      A B ");
  EXPECT_NE(text.find("\r\n32    . "), std::string::npos);
  EXPECT_NE(text.find(" .    1    ( B )\r\n"), std::string::npos);
  EXPECT_EQ(text.find("\r\n33 "), std::string::npos);
}

// ---- Hexagonal boards --------------------------------------------------------------------------

TEST(AsciiDiagram, HexFourByFour_RowsShiftRight) {
  Collection games;
  const SGridFrame& game = newGame(games, GameKind::Hex, 4, 0);
  BoardPosition pos = startingPosition(GameKind::Hex, 4, 0);
  pos.set(0, 0, cell::kBlack);
  pos.set(3, 3, cell::kWhite);

  EXPECT_EQ(asciiDiagram(game, pos, Colour::Black), crlf(R"(
        A B C D 
         \ \ \ \
   1 __    X . . .
    2 __    . . . .
     3 __    . . . .
      4 __    . . . O    ( B )
)"));
}

TEST(AsciiDiagram, HavannahSideFour_StaggeredHexagonWithDiagonalNumbers) {
  Collection games;
  const SGridFrame& game = newGame(games, GameKind::Havannah, 7, 0);
  BoardPosition pos = startingPosition(GameKind::Havannah, 7, 4);
  pos.set(0, 0, cell::kBlack);
  pos.set(3, 3, cell::kWhite);

  EXPECT_EQ(asciiDiagram(game, pos, Colour::White), crlf(R"(
               1 2 3 4
              / / / / 5
                     / 6
     A __   X . . .   / 7
    B __   . . . . .   /
   C __   . . . . . .
  D __   . . . O . . .
   E __   . . . . . .
    F __   . . . . .
     G __   . . . .    ( W )
)"));
}

TEST(AsciiDiagram, UnlurSideFiveWithoutSideToMove_NumbersContinueDownTheEdge) {
  const BoardPosition pos = startingPosition(GameKind::Unlur, 9, 5);

  EXPECT_EQ(hexagonalDiagram(GameKind::Unlur, 9, pos.cells(), std::nullopt), crlf(R"(
                1 2 3 4 5
               / / / / / 6
                        / 7
      A __   . . . . .   / 8
     B __   . . . . . .   / 9
    C __   . . . . . . .   /
   D __   . . . . . . . .
  E __   . . . . . . . . .
   F __   . . . . . . . .
    G __   . . . . . . .
     H __   . . . . . .
      I __   . . . . .
)"));
}

TEST(AsciiDiagram, HavannahFirstNode_WhiteToMove) {
  Collection games;
  const SGridFrame& game = newGame(games, GameKind::Havannah, 7, 0);

  const std::string text = asciiDiagramOfNode(game, game.firstNode);

  EXPECT_NE(text.find("G __   . . . .    ( W )\r\n"), std::string::npos);
}

TEST(AsciiDiagram, HexagonOfSideTen_TopNumbersTakenModuloTen) {
  const BoardPosition pos = startingPosition(GameKind::Havannah, 19, 10);

  const std::string text = hexagonalDiagram(GameKind::Havannah, 19, pos.cells(), std::nullopt);

  EXPECT_EQ(text.substr(0, text.find("\r\n")), std::string(20, ' ') + " 1 2 3 4 5 6 7 8 9 0");
  EXPECT_NE(text.find("   / 19\r\n"), std::string::npos);
}

}  // namespace
}  // namespace meridax
