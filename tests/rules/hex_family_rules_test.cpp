#include "rules/hex_family_rules.h"

#include <gtest/gtest.h>

#include <string>

namespace meridax {
namespace {

// Normalises a drawn board so that failures print both boards in the same form.
std::string board(const std::string& rows) { return toDiagram(fromDiagram(rows)); }

// ---- Swap pieces -------------------------------------------------------------------------------

TEST(SwapPieces, HexAfterBlacksFirstMove_LeavesOneWhitePieceReflectedAndBlackToMove) {
  BoardPosition pos = startingPosition(GameKind::Hex, 9, 0);
  pos.set(2, 7, cell::kBlack);

  const BoardPosition swapped = swapPieces(GameKind::Hex, pos);

  BoardPosition expected = startingPosition(GameKind::Hex, 9, 0);
  expected.set(7, 2, cell::kWhite);
  EXPECT_EQ(toDiagram(swapped), toDiagram(expected));
  EXPECT_EQ(countPieces(swapped), (PieceCounts{0, 1}));
  // After Black's move White was to move and makes the swap; then Black is to move.
  EXPECT_EQ(sideToMoveAfterSpecialMove(GameKind::Hex, SpecialMoveKind::SwapPieces, Colour::White), Colour::Black);
}

struct SwapCase {
  const char* name;
  GameKind kind;
  const char* before;
  const char* after;
};

class SwapPiecesTest : public ::testing::TestWithParam<SwapCase> {};

TEST_P(SwapPiecesTest, ExchangesColours_ReflectingOnlyHex) {
  const SwapCase& c = GetParam();
  const BoardPosition before = fromDiagram(c.before);

  const BoardPosition after = swapPieces(c.kind, before);

  EXPECT_EQ(toDiagram(after), board(c.after));
  EXPECT_EQ(toDiagram(before), board(c.before)) << "the given position is left alone";
}

const SwapCase kSwapCases[] = {
    {"HexSeveralPieces", GameKind::Hex,
     R"(X . . .
        . O . X
        . . . .
        O . . .)",
     R"(O . . X
        . X . .
        . . . .
        . O . .)"},
    {"HexDiagonalStaysInPlace", GameKind::Hex,
     R"(X . .
        . O .
        . . X)",
     R"(O . .
        . X .
        . . O)"},
    // Havannah is not reflected: its off-board corners must stay where they are.
    {"HavannahKeepsCorners", GameKind::Havannah,
     R"(X . . # #
        . O . . #
        . . . . .
        # . . X .
        # # . . O)",
     R"(O . . # #
        . X . . #
        . . . . .
        # . . O .
        # # . . X)"},
    {"GoFromAFileIsNotReflected", GameKind::Go,
     R"(X . .
        . . O
        . . .)",
     R"(O . .
        . . X
        . . .)"},
};

INSTANTIATE_TEST_SUITE_P(Kinds, SwapPiecesTest, ::testing::ValuesIn(kSwapCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SwapPieces, HexTwice_GivesBackThePosition) {
  const BoardPosition pos = fromDiagram(R"(X . O .
                                           . . X .
                                           O . . X
                                           . O . .)");
  EXPECT_EQ(toDiagram(swapPieces(GameKind::Hex, swapPieces(GameKind::Hex, pos))), toDiagram(pos));
}

// ---- Unlur edges -------------------------------------------------------------------------------

// The board of an Unlur game of this width with 'E' on every edge cell.
std::string edgeDiagram(int width) {
  std::string out;
  const BoardPosition pos = startingPosition(GameKind::Unlur, width, (width + 1) / 2);
  for (int y = 0; y < width; ++y) {
    for (int x = 0; x < width; ++x)
      out += pos.at(x, y) == cell::kOffBoard ? '#' : isUnlurEdge(width, x, y) ? 'E' : '.';
    out += '\n';
  }
  return out;
}

TEST(UnlurEdge, Width7_IsTheRingOfSixSides) {
  EXPECT_EQ(edgeDiagram(7),
            "EEEE###\n"
            "E...E##\n"
            "E....E#\n"
            "E.....E\n"
            "#E....E\n"
            "##E...E\n"
            "###EEEE\n");
}

// A hexagonal cell (x, y) borders (x +- 1, y), (x, y +- 1), (x + 1, y + 1) and (x - 1, y - 1).
bool bordersOffBoard(const BoardPosition& pos, int x, int y) {
  static constexpr int kSteps[6][2] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, 1}, {-1, -1}};
  for (const auto& s : kSteps) {
    const int nx = x + s[0];
    const int ny = y + s[1];
    if (!pos.inSquare(nx, ny) || pos.at(nx, ny) == cell::kOffBoard) return true;
  }
  return false;
}

class UnlurEdgeWidthTest : public ::testing::TestWithParam<int> {};

TEST_P(UnlurEdgeWidthTest, EdgeCells_AreTheBoardCellsBesideTheOffBoardCorners) {
  const int width = GetParam();
  const BoardPosition pos = startingPosition(GameKind::Unlur, width, (width + 1) / 2);
  for (int y = 0; y < width; ++y)
    for (int x = 0; x < width; ++x) {
      if (pos.at(x, y) == cell::kOffBoard) continue;
      EXPECT_EQ(isUnlurEdge(width, x, y), bordersOffBoard(pos, x, y)) << "cell (" << x << ", " << y << ")";
    }
}

INSTANTIATE_TEST_SUITE_P(Widths, UnlurEdgeWidthTest, ::testing::Values(5, 11, 13, 19, 25));

// ---- Unlur contract ----------------------------------------------------------------------------

TEST(UnlurContract, FirstPlacementOnWidth11_RefusedOnTheEdgeAcceptedInside) {
  const BoardPosition pos = startingPosition(GameKind::Unlur, 11, 6);
  // The first node of an Unlur game carries the black colour.
  EXPECT_EQ(checkUnlurEdgeRule(pos, Colour::Black, 0, 3), MoveResult::ContractOnEdge);
  EXPECT_EQ(checkUnlurEdgeRule(pos, Colour::Black, 5, 5), MoveResult::Accepted);

  BoardPosition after = pos;
  after.set(5, 5, cell::kBlack);
  EXPECT_EQ(sideToMoveAfterPlacement(GameKind::Unlur, Colour::Black, after), Colour::Black);
}

struct ContractCase {
  const char* name;
  const char* before;
  Colour currentNodeColour;
  int x;
  int y;
  MoveResult expected;
};

class UnlurContractTest : public ::testing::TestWithParam<ContractCase> {};

TEST_P(UnlurContractTest, EdgeRule) {
  const ContractCase& c = GetParam();
  EXPECT_EQ(checkUnlurEdgeRule(fromDiagram(c.before), c.currentNodeColour, c.x, c.y), c.expected);
}

// Width 5: edge cells are x or y 0 or 4 and |x - y| = 2.
const ContractCase kContractCases[] = {
    {"ContractMoveOnTheDiagonalSide",
     R"(. . . # #
        . . . . #
        . . X . .
        # . . . .
        # # . . .)",
     Colour::Black, 3, 1, MoveResult::ContractOnEdge},
    {"ContractMoveOnTheBottomRow",
     R"(. . . # #
        . . . . #
        . . X . .
        # . . . .
        # # . . .)",
     Colour::Black, 3, 4, MoveResult::ContractOnEdge},
    // The acceptance node carries the black colour, so White's first piece is still held off the edge.
    {"FirstWhitePieceAfterTheAcceptance",
     R"(. . . # #
        . X . . #
        . . X . .
        # . . . .
        # # . . .)",
     Colour::Black, 0, 1, MoveResult::ContractOnEdge},
    {"OnceAWhitePieceStands",
     R"(. . . # #
        . X . . #
        . . X . .
        # . . O .
        # # . . .)",
     Colour::Black, 0, 1, MoveResult::Accepted},
    {"AfterAWhiteNode",
     R"(. . . # #
        . X . . #
        . . X . .
        # . . . .
        # # . . .)",
     Colour::White, 0, 1, MoveResult::Accepted},
    {"InnerCell",
     R"(. . . # #
        . . . . #
        . . X . .
        # . . . .
        # # . . .)",
     Colour::Black, 1, 1, MoveResult::Accepted},
};

INSTANTIATE_TEST_SUITE_P(Cases, UnlurContractTest, ::testing::ValuesIn(kContractCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Side to move ------------------------------------------------------------------------------

struct PlacementTurnCase {
  const char* name;
  GameKind kind;
  Colour placed;
  const char* after;
  Colour expected;
};

class PlacementTurnTest : public ::testing::TestWithParam<PlacementTurnCase> {};

TEST_P(PlacementTurnTest, SideToMove) {
  const PlacementTurnCase& c = GetParam();
  EXPECT_EQ(sideToMoveAfterPlacement(c.kind, c.placed, fromDiagram(c.after)), c.expected);
}

const PlacementTurnCase kPlacementTurnCases[] = {
    {"UnlurContractKeepsBlack", GameKind::Unlur, Colour::Black, "X . .\n. X .\n. . .", Colour::Black},
    {"UnlurBlackOnceWhiteStands", GameKind::Unlur, Colour::Black, "X . .\n. O .\n. . .", Colour::White},
    {"UnlurFirstWhitePiece", GameKind::Unlur, Colour::White, "X . .\n. O .\n. . .", Colour::Black},
    {"HexBlack", GameKind::Hex, Colour::Black, "X . .\n. . .\n. . .", Colour::White},
    {"HavannahWhite", GameKind::Havannah, Colour::White, "O . .\n. . .\n. . .", Colour::Black},
    {"SideStitchBlack", GameKind::SideStitch, Colour::Black, "X . .\n. . .\n. . .", Colour::White},
};

INSTANTIATE_TEST_SUITE_P(Kinds, PlacementTurnTest, ::testing::ValuesIn(kPlacementTurnCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct SpecialTurnCase {
  const char* name;
  GameKind kind;
  SpecialMoveKind move;
  Colour mover;
  Colour expected;
};

class SpecialTurnTest : public ::testing::TestWithParam<SpecialTurnCase> {};

TEST_P(SpecialTurnTest, SideToMove) {
  const SpecialTurnCase& c = GetParam();
  EXPECT_EQ(sideToMoveAfterSpecialMove(c.kind, c.move, c.mover), c.expected);
}

const SpecialTurnCase kSpecialTurnCases[] = {
    {"UnlurAcceptanceByBlackGivesWhite", GameKind::Unlur, SpecialMoveKind::Pass, Colour::Black, Colour::White},
    {"UnlurAcceptanceByWhiteGivesWhite", GameKind::Unlur, SpecialMoveKind::Pass, Colour::White, Colour::White},
    {"GoPass", GameKind::Go, SpecialMoveKind::Pass, Colour::Black, Colour::White},
    {"HexSwapSidesKeepsTheMover", GameKind::Hex, SpecialMoveKind::SwapSides, Colour::White, Colour::White},
    {"HavannahSwapSidesKeepsTheMover", GameKind::Havannah, SpecialMoveKind::SwapSides, Colour::Black,
     Colour::Black},
    {"HexSwapPieces", GameKind::Hex, SpecialMoveKind::SwapPieces, Colour::White, Colour::Black},
    {"UnlurResign", GameKind::Unlur, SpecialMoveKind::Resign, Colour::Black, Colour::White},
    {"KropkiForfeit", GameKind::Kropki, SpecialMoveKind::Forfeit, Colour::White, Colour::Black},
};

INSTANTIATE_TEST_SUITE_P(Moves, SpecialTurnTest, ::testing::ValuesIn(kSpecialTurnCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax
