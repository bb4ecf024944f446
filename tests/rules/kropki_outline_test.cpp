#include "rules/kropki_outline.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "rules/kropki_region.h"

namespace meridax {
namespace {

std::string field(const std::string& rows) { return toDiagram(fieldFromDiagram(rows)); }

// Reads every outline of a field list into one mask, as the reader attaches them to one node.
FieldOfTerritory readOutlines(int width, const std::string& fields, Colour c) {
  FieldOfTerritory mask(width);
  for (std::string_view outline : splitOutlines(fields)) {
    const OutlineReading reading = fieldFromOutline(width, outline, c);
    EXPECT_TRUE(reading.ok()) << reading.error;
    if (reading.ok()) mask.merge(*reading.field);
  }
  return mask;
}

// ---- Writing outlines --------------------------------------------------------------------------

TEST(OutlineFromField, FieldAroundOneDot_StartsAtTheLastSideTouchedAndCloses) {
  const FieldOfTerritory mask = fieldFromDiagram(R"(. . . . .
                                                    . . X . .
                                                    . X X X .
                                                    . . X . .
                                                    . . . . .)");
  EXPECT_EQ(outlineFromField(mask, Colour::Black), ".dccbbccddc");
  EXPECT_EQ(outlineFromField(mask, Colour::White), "");
}

TEST(OutlineFromField, PointsBeyondColumn25_UseCapitalLetters) {
  FieldOfTerritory mask(30);
  for (const auto& [x, y] : {std::pair{27, 26}, {26, 27}, {27, 27}, {28, 27}, {27, 28}}) mask.set(x, y, 2);

  const std::string outline = outlineFromField(mask, Colour::White);

  EXPECT_EQ(outline, ".CBBAABBCCB");
  EXPECT_EQ(readOutlines(30, outline, Colour::White), mask);
}

TEST(OutlineFromField, CellsOfBothColours_BelongToBothOutlines) {
  const FieldOfTerritory mask = fieldFromDiagram(R"(. . . . .
                                                    . . * . .
                                                    . * * * .
                                                    . . * . .
                                                    . . . . .)");
  EXPECT_EQ(outlineFromField(mask, Colour::Black), ".dccbbccddc");
  EXPECT_EQ(outlineFromField(mask, Colour::White), ".dccbbccddc");
}

// Fields as the program makes them and others a file may bring: each must come back unchanged
// when written as outlines and read again.
struct ShapeCase {
  const char* name;
  const char* mask;
};

class OutlineRoundTripTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(OutlineRoundTripTest, FieldToOutlineToField_GivesTheSameField) {
  const FieldOfTerritory mask = fieldFromDiagram(GetParam().mask);

  const std::string outline = outlineFromField(mask, Colour::Black);
  const FieldOfTerritory back = readOutlines(mask.width(), outline, Colour::Black);

  EXPECT_EQ(toDiagram(back), toDiagram(mask)) << "outline " << outline;
}

const ShapeCase kShapes[] = {
    {"Diamond",
     R"(. . . X . . .
        . . X X X . .
        . X X X X X .
        . . X X X . .
        . . . X . . .
        . . . . . . .
        . . . . . . .)"},
    {"SquareRingWithoutCorners",
     R"(. . . . . .
        . . X X . .
        . X X X X .
        . X X X X .
        . . X X . .
        . . . . . .)"},
    // No flood reaches the corners of a full square; they are written as outlines of their own.
    {"SquareWithCorners",
     R"(. . . . . .
        . X X X X .
        . X X X X .
        . X X X X .
        . X X X X .
        . . . . . .)"},
    {"ConcaveHook",
     R"(. . . . . . . .
        . . X X X . . .
        . X X X X X . .
        . X X X X X X .
        . X X X . X X .
        . X X X . . . .
        . . X . . . . .
        . . . . . . . .)"},
    // The two arms of a U have separate interiors and the thin base belongs to neither.
    {"UWithAThinBase",
     R"(. . . . . . . .
        . X . . . . X .
        X X X . . X X X
        X X X . . X X X
        X X X X X X X X
        . X X X X X X .
        . . . . . . . .
        . . . . . . . .)"},
    {"DiamondsTouchingAtOneDot",
     R"(. . . X . . . X . . .
        . . X X X . X X X . .
        . X X X X X X X X X .
        . . X X X . X X X . .
        . . . X . . . X . . .
        . . . . . . . . . . .
        . . . . . . . . . . .
        . . . . . . . . . . .
        . . . . . . . . . . .
        . . . . . . . . . . .
        . . . . . . . . . . .)"},
    {"FieldsSharingAWall",
     R"(. . . . . . . .
        . . X X . X . .
        . X X X X X X .
        . X X X X X X .
        . . X X . X . .
        . . . . . . . .
        . . . . . . . .
        . . . . . . . .)"},
    {"SeparateFields",
     R"(. X . . . . .
        X X X . . . .
        . X . . X . .
        . . . X X X .
        . . X X X X X
        . . . X X X .
        . . . . X . .)"},
    {"AgainstTheBoardEdge",
     R"(X X X . .
        X X X . .
        X X X . .
        . . . . .
        . . . . .)"},
    {"OneCellThick",
     R"(X . . . .
        . X . . .
        . . X X X
        . . . . .
        . . . . .)"},
};

INSTANTIATE_TEST_SUITE_P(Shapes, OutlineRoundTripTest, ::testing::ValuesIn(kShapes),
                         [](const auto& info) { return std::string(info.param.name); });

// Own dots standing inside a field leave holes in its mask, and a boundary that is not one simple
// ring. Walking that boundary from neighbour to neighbour stops before it is complete; the writer
// must still list every boundary cell, or the field read back would lose most of its cells. The
// outline form cannot tell holes apart, so the hole comes back filled.
TEST(OutlineFromField, FieldWithOwnDotsInside_ComesBackWholeWithItsHoleFilled) {
  const BoardPosition pos = fromDiagram(R"(X X X . O X X X X
                                           X X X X X X X X X
                                           X . X O X X X X X
                                           X O O . X X X . O
                                           X O X X X X . X X
                                           X . X X X X X X X
                                           X . X X . X X . X
                                           X . . . . X X X O
                                           X X X X X X . X X)");
  const RegionResult region = buildRegion(pos, TerritoryMap(9), 1, 3, Colour::Black, PlayMode::Quiet);
  ASSERT_TRUE(region.ok());
  ASSERT_EQ(toDiagram(*region.field), field(R"(. . . . . . . . .
                                               . X . X . . . . .
                                               X X X X X . . . .
                                               X X X X X . . . .
                                               X X X X . . . . .
                                               X X X . X . . . .
                                               X X X X X X . . .
                                               X X X X X X . . .
                                               . X X X X . . . .)"));

  const FieldOfTerritory back = readOutlines(9, outlineFromField(*region.field, Colour::Black), Colour::Black);

  EXPECT_EQ(toDiagram(back), field(R"(. . . . . . . . .
                                      . X . X . . . . .
                                      X X X X X . . . .
                                      X X X X X . . . .
                                      X X X X . . . . .
                                      X X X X X . . . .
                                      X X X X X X . . .
                                      X X X X X X . . .
                                      . X X X X . . . .)"));
}

// Random positions with up to three fields claimed at one node: reading the written outlines gives
// back every cell of the field and adds none but cells the field encloses.
TEST(OutlineFromField, RandomRegions_ComeBackWithOnlyTheirHolesFilled) {
  std::mt19937 rng(20240611);
  int checked = 0;
  for (int round = 0; round < 3000; ++round) {
    const int width = 7 + static_cast<int>(rng() % 6);
    BoardPosition pos = startingPosition(GameKind::Kropki, width, width);
    const int black = 25 + static_cast<int>(rng() % 40);
    for (std::uint8_t& v : pos.cells()) {
      const int roll = static_cast<int>(rng() % 100);
      v = roll < black ? cell::kBlack : roll < black + 15 ? cell::kWhite : cell::kEmpty;
    }
    FieldOfTerritory mask(width);
    for (int k = 0; k < 3; ++k) {
      const RegionResult region = buildRegion(pos, TerritoryMap(width), static_cast<int>(rng() % width),
                                              static_cast<int>(rng() % width), Colour::Black, PlayMode::Quiet);
      if (region.ok()) mask.merge(*region.field);
    }
    if (mask.isEmpty()) continue;
    ++checked;
    std::string everyCell;
    for (int i = 0; i < mask.cellCount(); ++i)
      if (mask.cells()[i] != 0) everyCell += std::string{outlineLetter(i % width), outlineLetter(i / width)};

    const FieldOfTerritory back = readOutlines(width, outlineFromField(mask, Colour::Black), Colour::Black);

    const FieldOfTerritory filled = readOutlines(width, "." + everyCell, Colour::Black);
    for (int i = 0; i < mask.cellCount(); ++i) {
      ASSERT_TRUE(mask.cells()[i] == 0 || back.cells()[i] != 0)
          << "cell " << i << " lost\nposition\n" << toDiagram(pos) << "field\n" << toDiagram(mask);
      ASSERT_TRUE(back.cells()[i] == 0 || filled.cells()[i] != 0)
          << "cell " << i << " added\nposition\n" << toDiagram(pos) << "field\n" << toDiagram(mask);
    }
  }
  EXPECT_GT(checked, 300);
}

// ---- Reading outlines --------------------------------------------------------------------------

struct ReadCase {
  const char* name;
  int width;
  const char* outline;
  const char* expected;
};

class FieldFromOutlineTest : public ::testing::TestWithParam<ReadCase> {};

TEST_P(FieldFromOutlineTest, MarksThePointsAndFillsWhatTheyEnclose) {
  const ReadCase& c = GetParam();

  const OutlineReading reading = fieldFromOutline(c.width, c.outline, Colour::White);

  ASSERT_TRUE(reading.ok()) << reading.error;
  EXPECT_EQ(toDiagram(*reading.field), field(c.expected));
}

const ReadCase kReadCases[] = {
    {"DiagonalRing", 6, "dacbebbcfccdedde",  // starts and ends anywhere; order does not matter
     R"(. . . O . .
        . . O O O .
        . O O O O O
        . . O O O .
        . . . O . .
        . . . . . .)"},
    {"SquareRingWithCorners", 5, "aabacacbccbcacab",
     R"(O O O . .
        O O O . .
        O O O . .
        . . . . .
        . . . . .)"},
    {"RepeatedPointsAndAnOpenLine", 5, "aabbccaabb",
     R"(O . . . .
        . O . . .
        . . O . .
        . . . . .
        . . . . .)"},
    {"RingWithAGapEnclosesNothing", 5, "cbbcdc",
     R"(. . . . .
        . . O . .
        . O . O .
        . . . . .
        . . . . .)"},
};

INSTANTIATE_TEST_SUITE_P(Outlines, FieldFromOutlineTest, ::testing::ValuesIn(kReadCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct BadOutlineCase {
  const char* name;
  const char* outline;
  const char* error;
};

class BadOutlineTest : public ::testing::TestWithParam<BadOutlineCase> {};

TEST_P(BadOutlineTest, FailsWithTheReason) {
  const BadOutlineCase& c = GetParam();

  const OutlineReading reading = fieldFromOutline(9, c.outline, Colour::Black);

  EXPECT_FALSE(reading.ok());
  EXPECT_EQ(reading.error, c.error);
}

const BadOutlineCase kBadOutlines[] = {
    {"Empty", "", "The field outline '' lists no point."},
    {"HalfAPoint", "abcdc", "The field outline 'abcdc' ends with half a point."},
    {"Digit", "ab1c", "The field outline 'ab1c' holds a character that is not a point letter."},
    {"Blank", "ab c", "The field outline 'ab c' holds a character that is not a point letter."},
    {"BeyondTheWidth", "abja", "The field outline 'abja' holds a point outside the board."},
    {"CapitalBeyondTheWidth", "abaA", "The field outline 'abaA' holds a point outside the board."},
};

INSTANTIATE_TEST_SUITE_P(Outlines, BadOutlineTest, ::testing::ValuesIn(kBadOutlines),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(SplitOutlines, FieldLists_GiveTheTextBetweenDots) {
  using List = std::vector<std::string_view>;
  EXPECT_EQ(splitOutlines(".abcd.efgh"), (List{"abcd", "efgh"}));
  EXPECT_EQ(splitOutlines("..ab."), (List{"ab"}));
  EXPECT_EQ(splitOutlines("xy.ab"), (List{"ab"}));
  EXPECT_EQ(splitOutlines(""), List{});
  EXPECT_EQ(splitOutlines("abcd"), List{});
}

}  // namespace
}  // namespace meridax
