#include "model/grid_frame.h"

#include <gtest/gtest.h>

#include <cstdlib>

#include "model/app_error.h"
#include "model/game_tree.h"
#include "model/node_store.h"
#include "model/packed_position.h"

namespace meridax {
namespace {

std::string board(const std::string& rows) { return toDiagram(fromDiagram(rows)); }

BoardPosition firstPosition(const SGridFrame& g) {
  BoardPosition pos;
  EXPECT_TRUE(readSnapshot(g, g.firstNode, pos));
  return pos;
}

struct CreationCase {
  const char* name;
  GameKind created;
  int width;
  int height;
  GameKind stored;
  GoVariant variant;
  int storedHeight;
  bool blackFirst;
  Colour firstNodeColour;
};

class GameCreationTest : public ::testing::TestWithParam<CreationCase> {};

TEST_P(GameCreationTest, NewGame_HasItsKindSizeAndFirstNode) {
  const CreationCase& c = GetParam();
  NodeStore store;
  SGridFrame g(store, c.created, c.width, c.height, 7);

  EXPECT_EQ(g.kind(), c.stored);
  EXPECT_EQ(g.variant(), c.variant);
  EXPECT_EQ(g.width(), c.width);
  EXPECT_EQ(g.height(), c.storedHeight);
  EXPECT_EQ(g.cellCount(), c.width * c.width);
  EXPECT_EQ(g.snapshotBytes(), snapshotSize(c.width * c.width));
  EXPECT_EQ(g.isWhiteFirst(), !c.blackFirst);

  const GameNode* first = g.firstNode;
  ASSERT_NE(first, nullptr);
  EXPECT_EQ(first->kind(), SpecialMoveKind::Pass);
  EXPECT_EQ(first->moveNumber(), 0u);
  EXPECT_EQ(first->blackMove(), c.firstNodeColour == Colour::Black);
  EXPECT_EQ(first->blackNext(), c.blackFirst);
  EXPECT_TRUE(first->hasSnapshot());
  EXPECT_EQ(g.endNode, first);
  EXPECT_EQ(g.currentNode, first);
  EXPECT_EQ(g.primaryNode, nullptr);
  EXPECT_EQ(g.flags, 0);
  EXPECT_EQ(firstPosition(g), startingPosition(c.stored, c.width, c.storedHeight));
  EXPECT_EQ(validateTree(g), "");
}

const CreationCase kCreationCases[] = {
    {"Go19", GameKind::Go, 19, 19, GameKind::Go, GoVariant::Go, 19, true, Colour::White},
    {"PenteFromCode512", GameKind::PenteAtCreation, 19, 19, GameKind::Go, GoVariant::Pente, 19, true, Colour::White},
    {"Connect6FromCode64", GameKind::Connect6AtCreation, 19, 19, GameKind::Go, GoVariant::Connect6, 19, true,
     Colour::White},
    {"Othello8", GameKind::Othello, 8, 8, GameKind::Othello, GoVariant::NotGo, 8, true, Colour::White},
    {"Hex11", GameKind::Hex, 11, 0, GameKind::Hex, GoVariant::NotGo, 0, true, Colour::White},
    {"HavannahWhiteFirst", GameKind::Havannah, 19, 0, GameKind::Havannah, GoVariant::NotGo, 10, false,
     Colour::White},
    {"UnlurFirstNodeBlack", GameKind::Unlur, 13, 0, GameKind::Unlur, GoVariant::NotGo, 7, true, Colour::Black},
    {"KropkiRectangle", GameKind::Kropki, 30, 20, GameKind::Kropki, GoVariant::NotGo, 20, true, Colour::White},
    {"Kropki45", GameKind::Kropki, 45, 45, GameKind::Kropki, GoVariant::NotGo, 45, true, Colour::White},
};

INSTANTIATE_TEST_SUITE_P(Kinds, GameCreationTest, ::testing::ValuesIn(kCreationCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GameCreation, PenteAndConnect6_CarryTheirRulesText) {
  NodeStore store;
  SGridFrame pente(store, GameKind::PenteAtCreation, 19, 19, 1);
  SGridFrame connect6(store, GameKind::Connect6AtCreation, 19, 19, 2);
  EXPECT_EQ(pente.details[DetailField::Rules], "Pente");
  EXPECT_EQ(connect6.details[DetailField::Rules], "Connect6");
  EXPECT_TRUE(keepsCaptureIndex(pente.kind()));
}

struct RulesCase {
  const char* rules;
  GoVariant variant;
};

class RulesTextTest : public ::testing::TestWithParam<RulesCase> {};

TEST_P(RulesTextTest, GoGameRulesText_ChoosesTheVariantByExactComparison) {
  NodeStore store;
  SGridFrame g(store, GameKind::Go, 19, 19, 1);
  g.details[DetailField::Rules] = GetParam().rules;
  EXPECT_EQ(g.variant(), GetParam().variant) << '"' << GetParam().rules << '"';
}

INSTANTIATE_TEST_SUITE_P(Texts, RulesTextTest,
                         ::testing::Values(RulesCase{"Connect6", GoVariant::Connect6},
                                           RulesCase{"connect6", GoVariant::Go},
                                           RulesCase{"Connect6 ", GoVariant::Go},
                                           RulesCase{"Pente", GoVariant::Pente},
                                           RulesCase{"PENTE", GoVariant::Go},
                                           RulesCase{"Japanese", GoVariant::Go},
                                           RulesCase{"", GoVariant::Go}));

TEST(GameCreation, RulesTextOfAnotherKind_IsNoVariant) {
  NodeStore store;
  SGridFrame g(store, GameKind::Hex, 11, 11, 1);
  g.details[DetailField::Rules] = "Pente";
  EXPECT_EQ(g.variant(), GoVariant::NotGo);
}

TEST(GameKinds, WhiteFirstKinds_AreHavannahMargoAndSideStitch) {
  for (GameKind k : {GameKind::Havannah, GameKind::Margo, GameKind::SideStitch}) EXPECT_TRUE(isWhiteFirst(k));
  for (GameKind k : {GameKind::Othello, GameKind::Go, GameKind::Hex, GameKind::Unlur, GameKind::Kropki,
                     GameKind::Onyx, GameKind::Sursum})
    EXPECT_FALSE(isWhiteFirst(k));
}

TEST(GameKinds, Masks_SelectTheirKinds) {
  EXPECT_TRUE(isHexagonBoard(GameKind::Havannah) && isHexagonBoard(GameKind::Unlur) &&
              isHexagonBoard(GameKind::SideStitch));
  EXPECT_FALSE(isHexagonBoard(GameKind::Hex));
  EXPECT_TRUE(hasHexagonalCells(GameKind::Hex));
  EXPECT_TRUE(keepsCaptureIndex(GameKind::Go) && keepsCaptureIndex(GameKind::Kropki) &&
              keepsCaptureIndex(GameKind::Sursum));
  EXPECT_FALSE(keepsCaptureIndex(GameKind::Othello));
}

TEST(StartingPosition, Othello8_FourCentrePieces) {
  EXPECT_EQ(toDiagram(startingPosition(GameKind::Othello, 8, 8)), board(R"(. . . . . . . .
                                                                           . . . . . . . .
                                                                           . . . . . . . .
                                                                           . . . O X . . .
                                                                           . . . X O . . .
                                                                           . . . . . . . .
                                                                           . . . . . . . .
                                                                           . . . . . . . .)"));
}

// Every size a file may give: the four pieces stand in the centre (up and left of the middle cell on an
// odd board), never on the edges, and a board too small for them stays empty.
struct OthelloStart {
  int width;
  const char* rows;
};

class OthelloStartingPosition : public ::testing::TestWithParam<OthelloStart> {};

TEST_P(OthelloStartingPosition, FourPiecesInTheCentre) {
  EXPECT_EQ(toDiagram(startingPosition(GameKind::Othello, GetParam().width, GetParam().width)), board(GetParam().rows));
}

INSTANTIATE_TEST_SUITE_P(Sizes, OthelloStartingPosition,
                         ::testing::Values(OthelloStart{1, "."}, OthelloStart{2, "O X\nX O"},
                                           OthelloStart{3, "O X .\nX O .\n. . ."},
                                           OthelloStart{9, R"(. . . . . . . . .
                                                           . . . . . . . . .
                                                           . . . . . . . . .
                                                           . . . O X . . . .
                                                           . . . X O . . . .
                                                           . . . . . . . . .
                                                           . . . . . . . . .
                                                           . . . . . . . . .
                                                           . . . . . . . . .)"},
                                           OthelloStart{10, R"(. . . . . . . . . .
                                                            . . . . . . . . . .
                                                            . . . . . . . . . .
                                                            . . . . . . . . . .
                                                            . . . . O X . . . .
                                                            . . . . X O . . . .
                                                            . . . . . . . . . .
                                                            . . . . . . . . . .
                                                            . . . . . . . . . .
                                                            . . . . . . . . . .)"}));

TEST(StartingPosition, OthelloGame_CountsTwoPiecesEach) {
  NodeStore store;
  SGridFrame g(store, GameKind::Othello, 8, 8, 1);
  EXPECT_EQ(g.blackCounter, 2);
  EXPECT_EQ(g.whiteCounter, 2);
}

TEST(StartingPosition, UnlurSide3_CornersOffTheBoard) {
  EXPECT_EQ(toDiagram(startingPosition(GameKind::Unlur, 5, 3)), board(R"(. . . # #
                                                                        . . . . #
                                                                        . . . . .
                                                                        # . . . .
                                                                        # # . . .)"));
}

TEST(StartingPosition, Havannah19_CellsBeyondNineFromTheDiagonalAreOff) {
  const BoardPosition pos = startingPosition(GameKind::Havannah, 19, 10);
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 19; ++x)
      ASSERT_EQ(pos.at(x, y), std::abs(y - x) > 9 ? cell::kOffBoard : cell::kEmpty) << x << "," << y;
}

TEST(StartingPosition, KropkiRectangle_RowsFromTheHeightDownAreOff) {
  EXPECT_EQ(toDiagram(startingPosition(GameKind::Kropki, 6, 4)), board(R"(. . . . . .
                                                                         . . . . . .
                                                                         . . . . . .
                                                                         . . . . . .
                                                                         # # # # # #
                                                                         # # # # # #)"));
}

TEST(GameCreation, NoSlotForTheFirstNode_Throws) {
  NodeStore store;
  store.failAllocationsForTest(true);
  EXPECT_THROW(SGridFrame(store, GameKind::Go, 19, 19, 1), AppError);
  EXPECT_EQ(store.liveNodes(), 0u);
}

TEST(BoardDiagram, DiagramRoundTrip_KeepsEveryCellValue) {
  const std::string rows = "X O . #\n+ . . .\n. . . .\n# # O X\n";
  EXPECT_EQ(toDiagram(fromDiagram(rows)), "XO.#\n+...\n....\n##OX\n");
}

}  // namespace
}  // namespace meridax
