#include "app/size_tables.h"

#include <gtest/gtest.h>

#include <string>

namespace meridax {
namespace {

struct CodeCase {
  int code;
  int size;
};

class SizeTablesCode : public ::testing::TestWithParam<CodeCase> {};

TEST_P(SizeTablesCode, OneCharacter_GivesAnEvenSizeWithinLimits) {
  const std::string text(1, static_cast<char>(GetParam().code));
  EXPECT_EQ(parseSquareSizes(text)[0], GetParam().size);
}

INSTANTIATE_TEST_SUITE_P(Codes, SizeTablesCode,
                         ::testing::Values(CodeCase{71, 12}, CodeCase{130, 70}, CodeCase{70, 12}, CodeCase{1, 12},
                                           CodeCase{72, 12}, CodeCase{73, 14}, CodeCase{83, 24}, CodeCase{84, 24},
                                           CodeCase{85, 26}, CodeCase{128, 68}, CodeCase{129, 70},
                                           CodeCase{255, 70}));

TEST(SizeTables, ShortText_SetsOnlyTheLeadingSizes) {
  const SquareSizeTable table = parseSquareSizes(std::string(10, static_cast<char>(30 + 59)));
  for (int i = 0; i < kSizeTableEntries; ++i) EXPECT_EQ(table[static_cast<std::size_t>(i)], i < 10 ? 30 : 24) << i;
}

TEST(SizeTables, NullOrEmpty_GivesTheDefaultSizes) {
  EXPECT_EQ(parseSquareSizes("NULL"), defaultSquareSizes());
  EXPECT_EQ(parseSquareSizes(""), defaultSquareSizes());
  EXPECT_EQ(defaultSquareSizes()[44], 24);
}

TEST(SizeTables, WrittenText_HasFortyFiveCharactersAndReadsBack) {
  SquareSizeTable table = defaultSquareSizes();
  table[0] = 12;
  table[18] = 40;
  table[44] = 70;
  table[5] = 200;  // kept within the limits when written
  const std::string text = squareSizesText(table);
  ASSERT_EQ(text.size(), 45u);
  EXPECT_EQ(text[0], static_cast<char>(71));
  EXPECT_EQ(text[1], 'S');  // 24 + 59
  EXPECT_EQ(static_cast<unsigned char>(text[44]), 129);

  const SquareSizeTable back = parseSquareSizes(text + "ZZZZ");  // characters beyond 45 are ignored
  table[5] = 70;
  EXPECT_EQ(back, table);
}

TEST(SizeTables, Families_ShareTablesByBoardShape) {
  EXPECT_STREQ(sizeTableKey(sizeFamilyOf(GameKind::Go)), "SizeGGO");
  EXPECT_STREQ(sizeTableKey(sizeFamilyOf(GameKind::Margo)), "SizeGGO");
  EXPECT_STREQ(sizeTableKey(sizeFamilyOf(GameKind::Othello)), "SizeRVR");
  EXPECT_STREQ(sizeTableKey(sizeFamilyOf(GameKind::Unlur)), "SizeUNL");
  EXPECT_STREQ(sizeTableKey(sizeFamilyOf(GameKind::Havannah)), "SizeUNL");
  EXPECT_STREQ(sizeTableKey(sizeFamilyOf(GameKind::SideStitch)), "SizeUNL");
  EXPECT_STREQ(sizeTableKey(sizeFamilyOf(GameKind::Hex)), "SizeHXE");
  EXPECT_STREQ(sizeTableKey(sizeFamilyOf(GameKind::Kropki)), "SizeKRP");
}

TEST(SizeTables, SizeForWidth_IndexesFromOneAndGuardsTheRange) {
  SquareSizeTable table = defaultSquareSizes();
  table[18] = 32;
  EXPECT_EQ(squareSizeFor(table, 19), 32);
  EXPECT_EQ(squareSizeFor(table, 0), 24);
  EXPECT_EQ(squareSizeFor(table, 46), 24);
}

}  // namespace
}  // namespace meridax
