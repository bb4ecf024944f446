#include "rules/kropki_region.h"

#include <gtest/gtest.h>

#include <string>

namespace meridax {
namespace {

std::string field(const std::string& rows) { return toDiagram(fieldFromDiagram(rows)); }

constexpr char kNoTerritory[] = R"(. . . . . . .
                                   . . . . . . .
                                   . . . . . . .
                                   . . . . . . .
                                   . . . . . . .
                                   . . . . . . .
                                   . . . . . . .)";

// ---- Successful regions ------------------------------------------------------------------------

struct RegionCase {
  const char* name;
  const char* position;
  int x;
  int y;
  Colour colour;
  const char* expected;
};

class BuildRegionTest : public ::testing::TestWithParam<RegionCase> {};

TEST_P(BuildRegionTest, ClaimsTheEnclosedCellsAndTheirRing) {
  const RegionCase& c = GetParam();

  const RegionResult result =
      buildRegion(fromDiagram(c.position), fieldFromDiagram(kNoTerritory), c.x, c.y, c.colour, PlayMode::User);

  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(result.failure, RegionFailure::None);
  EXPECT_EQ(result.message, "");
  EXPECT_EQ(toDiagram(*result.field), field(c.expected));
}

const RegionCase kRegionCases[] = {
    {"OneDotSelectedItself",
     R"(. . . . . . .
        . . . X . . .
        . . X O X . .
        . . . X . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)",
     3, 2, Colour::Black,
     R"(. . . . . . .
        . . . X . . .
        . . X X X . .
        . . . X . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)"},
    // Only the ring dots beside an enclosed cell join; the corner dots of the ring stay outside.
    {"EmptyPointSelectedBesideTwoDots",
     R"(. . . . . . .
        . X X X X X .
        . X O . O X .
        . X X X X X .
        . . . . . . .
        . . . . . . .
        . . . . . . .)",
     3, 2, Colour::Black,
     R"(. . . . . . .
        . . X X X . .
        . X X X X X .
        . . X X X . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)"},
    {"NotchedRingForWhite",
     R"(. . . . . . .
        . O O . O O .
        O X . O . X O
        O . X . X . O
        . O O O O O .
        . . . . . . .
        . . . . . . .)",
     2, 3, Colour::White,
     R"(. . . . . . .
        . O O . O O .
        O O O O O O O
        O O O O O O O
        . O O O O O .
        . . . . . . .
        . . . . . . .)"},
    // Dots touching only at corners hold the region as well.
    {"DiagonalRing",
     R"(. . . X . . .
        . . X . X . .
        . X . O . X .
        . . X . X . .
        . . . X . . .
        . . . . . . .
        . . . . . . .)",
     3, 1, Colour::Black,
     R"(. . . X . . .
        . . X X X . .
        . X X X X X .
        . . X X X . .
        . . . X . . .
        . . . . . . .
        . . . . . . .)"},
};

INSTANTIATE_TEST_SUITE_P(Shapes, BuildRegionTest, ::testing::ValuesIn(kRegionCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(BuildRegion, OwnEarlierTerritory_DoesNotBoundTheRegion) {
  const BoardPosition pos = fromDiagram(R"(. . . . . . .
                                           . . X X X . .
                                           . X O . . X .
                                           . . X X X . .
                                           . . . . . . .
                                           . . . . . . .
                                           . . . . . . .)");
  const TerritoryMap own = fieldFromDiagram(R"(. . . . . . .
                                               . . . . X . .
                                               . . . X X X .
                                               . . . . X . .
                                               . . . . . . .
                                               . . . . . . .
                                               . . . . . . .)");

  const RegionResult result = buildRegion(pos, own, 2, 2, Colour::Black, PlayMode::User);

  ASSERT_TRUE(result.ok()) << result.message;
  EXPECT_EQ(toDiagram(*result.field), field(R"(. . . . . . .
                                               . . X X X . .
                                               . X X X X X .
                                               . . X X X . .
                                               . . . . . . .
                                               . . . . . . .
                                               . . . . . . .)"));
}

// ---- Failures ----------------------------------------------------------------------------------

struct FailureCase {
  const char* name;
  const char* position;
  const char* territory;
  int x;
  int y;
  Colour colour;
  RegionFailure failure;
  const char* message;
};

class BuildRegionFailureTest : public ::testing::TestWithParam<FailureCase> {};

TEST_P(BuildRegionFailureTest, UserPlay_GivesTheMessage) {
  const FailureCase& c = GetParam();

  const RegionResult result =
      buildRegion(fromDiagram(c.position), fieldFromDiagram(c.territory), c.x, c.y, c.colour, PlayMode::User);

  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.failure, c.failure);
  EXPECT_EQ(result.message, c.message);
}

TEST_P(BuildRegionFailureTest, QuietPlay_FailsWithoutMessage) {
  const FailureCase& c = GetParam();

  const RegionResult result =
      buildRegion(fromDiagram(c.position), fieldFromDiagram(c.territory), c.x, c.y, c.colour, PlayMode::Quiet);

  EXPECT_FALSE(result.ok());
  EXPECT_EQ(result.failure, c.failure);
  EXPECT_EQ(result.message, "");
}

constexpr char kEdge[] =
    "Invalid selection.\r\n\r\nUnable to create a field for player Black.\r\nArea touches the edge of the board.";
constexpr char kEdgeWhite[] =
    "Invalid selection.\r\n\r\nUnable to create a field for player White.\r\nArea touches the edge of the board.";
constexpr char kOverlap[] =
    "Invalid selection.\r\n\r\nUnable to create a field for player Black.\r\n"
    "Opponents' regions of territory cannot overlap.";
constexpr char kNothingEnclosed[] =
    "Invalid selection.\r\n\r\nUnable to create a field for player Black.\r\n"
    "The region needs to enclose at least one of the opponent's points.";

constexpr char kRingOfEmptyPoints[] = R"(. . . . . . .
                                         . . X X X . .
                                         . X . . . X .
                                         . . X X X . .
                                         . . . . . . .
                                         . . . . . . .
                                         . . . . . . .)";

constexpr char kRingAroundWhite[] = R"(. . . . . . .
                                       . . X X X . .
                                       . X O . . X .
                                       . . X X X . .
                                       . . . . . . .
                                       . . . . . . .
                                       . . . . . . .)";

const FailureCase kFailureCases[] = {
    {"RingEnclosingOnlyEmptyPoints", kRingOfEmptyPoints, kNoTerritory, 3, 2, Colour::Black,
     RegionFailure::EnclosesNoOpponent, kNothingEnclosed},
    {"OpenAreaReachingTheEdge", kRingOfEmptyPoints, kNoTerritory, 0, 5, Colour::Black, RegionFailure::TouchesEdge,
     kEdge},
    {"RingWithAGap",
     R"(. . . . . . .
        . . X . X . .
        . X O . . X .
        . . X X X . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)",
     kNoTerritory, 3, 2, Colour::Black, RegionFailure::TouchesEdge, kEdge},
    {"WhiteRingWithAGap",
     R"(. . . . . . .
        . . O O O . .
        . O X . . . .
        . . O O O . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)",
     kNoTerritory, 2, 2, Colour::White, RegionFailure::TouchesEdge, kEdgeWhite},
    {"SelectionOffTheSquare", kRingAroundWhite, kNoTerritory, 7, 2, Colour::Black, RegionFailure::TouchesEdge, kEdge},
    {"OverPartOfAnOpponentsField", kRingAroundWhite,
     R"(. . . . . . .
        . . . . . . .
        . . . . O . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)",
     3, 2, Colour::Black, RegionFailure::OverlapsOpponent, kOverlap},
    // A cell held by both colours is still the opponent's territory.
    {"OverACellOfBothColours", kRingAroundWhite,
     R"(. . . . . . .
        . . . . . . .
        . . . . * . .
        . . . . . . .
        . . . . . . .
        . . . . . . .
        . . . . . . .)",
     3, 2, Colour::Black, RegionFailure::OverlapsOpponent, kOverlap},
    // Kropki boards are wider than high: the rows below the height are off the board.
    {"RowsBelowTheHeight",
     R"(. . . . . . .
        . . . . . . .
        . . X X X . .
        . X O . . X .
        # # # # # # #
        # # # # # # #
        # # # # # # #)",
     kNoTerritory, 3, 3, Colour::Black, RegionFailure::TouchesEdge, kEdge},
};

INSTANTIATE_TEST_SUITE_P(Cases, BuildRegionFailureTest, ::testing::ValuesIn(kFailureCases),
                         [](const auto& info) { return std::string(info.param.name); });

// ---- Erasing a field ---------------------------------------------------------------------------

TEST(EraseFieldAt, TwoBlackFields_ErasesOnlyTheSelectedOne) {
  FieldOfTerritory mask = fieldFromDiagram(R"(. X . . . . .
                                              X X X . . X .
                                              . X . . X X X
                                              . . . . . X .
                                              . . . . . . .
                                              . . . . . . .
                                              . . . . . . .)");

  ASSERT_TRUE(eraseFieldAt(mask, 5, 2));

  EXPECT_EQ(toDiagram(mask), field(R"(. X . . . . .
                                      X X X . . . .
                                      . X . . . . .
                                      . . . . . . .
                                      . . . . . . .
                                      . . . . . . .
                                      . . . . . . .)"));
}

TEST(EraseFieldAt, CellsOfBothColours_KeepTheOtherColour) {
  FieldOfTerritory mask = fieldFromDiagram(R"(X X . .
                                              X * O O
                                              . O O O
                                              . . . .)");

  ASSERT_TRUE(eraseFieldAt(mask, 0, 0));

  EXPECT_EQ(toDiagram(mask), field(R"(. . . .
                                      . O O O
                                      . O O O
                                      . . . .)"));
}

TEST(EraseFieldAt, SelectedCellOfBothColours_ErasesEveryConnectedField) {
  FieldOfTerritory mask = fieldFromDiagram(R"(X X . .
                                              X * O O
                                              . O O .
                                              . . . X)");

  ASSERT_TRUE(eraseFieldAt(mask, 1, 1));

  EXPECT_EQ(toDiagram(mask), field(R"(. . . .
                                      . . . .
                                      . . . .
                                      . . . X)"));
}

TEST(EraseFieldAt, PointInNoField_ChangesNothing) {
  FieldOfTerritory mask = fieldFromDiagram(". X .\nX X X\n. X .");
  const FieldOfTerritory before = mask;

  EXPECT_FALSE(eraseFieldAt(mask, 0, 0));
  EXPECT_FALSE(eraseFieldAt(mask, 3, 1));
  EXPECT_FALSE(eraseFieldAt(mask, -1, 1));
  EXPECT_EQ(mask, before);
  EXPECT_STREQ(kNotInTerritoryText, "Invalid selection.\r\nThe selected square does not form part of a territory.");
}

}  // namespace
}  // namespace meridax
