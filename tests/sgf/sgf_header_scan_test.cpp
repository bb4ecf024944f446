#include "sgf/sgf_header_scan.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>

namespace meridax {
namespace {

struct ShapeCase {
  const char* gm;
  const char* sz;
  GameKind kind;
  int width;
  int height;
};

class GameShapeTest : public ::testing::TestWithParam<ShapeCase> {};

TEST_P(GameShapeTest, KindAndSizeFollowGmAndSz) {
  const ShapeCase& c = GetParam();
  const ShapeReading r = readGameShape(c.gm, c.sz);
  ASSERT_TRUE(r.shape.has_value()) << r.error;
  EXPECT_EQ(r.shape->kind, c.kind);
  EXPECT_EQ(r.shape->width, c.width);
  EXPECT_EQ(r.shape->height, c.height);
}

INSTANTIATE_TEST_SUITE_P(
    Defaults, GameShapeTest,
    ::testing::Values(ShapeCase{"", "", GameKind::Go, 19, 19},           // empty GM is Go
                      ShapeCase{"1", "9", GameKind::Go, 9, 9},
                      ShapeCase{"1 extra words", "13", GameKind::Go, 13, 13},  // only the text before a blank
                      ShapeCase{"2", "", GameKind::Othello, 8, 8},
                      ShapeCase{"2", "10", GameKind::Othello, 10, 10},
                      ShapeCase{"11", "", GameKind::Hex, 17, 17},
                      ShapeCase{"Hex", "11", GameKind::Hex, 11, 11},
                      ShapeCase{"4000", "", GameKind::Unlur, 15, 8},
                      ShapeCase{"Unlur", "12", GameKind::Unlur, 13, 7},      // forced odd
                      ShapeCase{"Havannah", "10", GameKind::Havannah, 19, 10},  // side 10 is width 19
                      ShapeCase{"4100", "19:19", GameKind::Havannah, 19, 10},   // with a colon: the width itself
                      ShapeCase{"4100", "18:18", GameKind::Havannah, 19, 10},   // ... forced odd
                      ShapeCase{"40", "", GameKind::Kropki, 21, 21},
                      ShapeCase{"40", "20:30", GameKind::Kropki, 30, 20},     // the longer side is the width
                      ShapeCase{"40", "39:32", GameKind::Kropki, 39, 32},
                      ShapeCase{"40", "t", GameKind::Kropki, 19, 19},          // one letter: a square
                      ShapeCase{"40", "tA", GameKind::Kropki, 26, 19},         // letters as point letters
                      ShapeCase{"1", "5", GameKind::Go, 5, 5},
                      ShapeCase{"1", "25", GameKind::Go, 25, 25}));

struct ShapeErrorCase {
  const char* gm;
  const char* sz;
  const char* error;
};

class GameShapeErrorTest : public ::testing::TestWithParam<ShapeErrorCase> {};

TEST_P(GameShapeErrorTest, FailsWithItsText) {
  const ShapeErrorCase& c = GetParam();
  const ShapeReading r = readGameShape(c.gm, c.sz);
  EXPECT_FALSE(r.shape.has_value());
  EXPECT_EQ(r.error, c.error);
}

INSTANTIATE_TEST_SUITE_P(
    Limits, GameShapeErrorTest,
    ::testing::Values(
        ShapeErrorCase{"7", "19", "Unrecognised GM parameter was detected ( GM = '7' )."},
        ShapeErrorCase{"game of go", "", "Unrecognised GM parameter was detected ( GM = 'game' )."},
        ShapeErrorCase{"Othello", "", "Unrecognised GM parameter was detected ( GM = 'Othello' )."},
        ShapeErrorCase{"1", "26", "Board width = 26.  Maximum allowed = 25."},
        ShapeErrorCase{"1", "4", "Board width = 4.  Minimum allowed = 5."},
        ShapeErrorCase{"1", "garbage", "Board width = 0.  Minimum allowed = 5."},
        ShapeErrorCase{"1", "99999999999999", "Board width = 1000000.  Maximum allowed = 25."},
        ShapeErrorCase{"Havannah", "", "Board width = 37.  Maximum allowed = 25."},  // no SZ: side 19
        ShapeErrorCase{"Havannah", "2", "Board width = 3.  Minimum allowed = 5."},
        ShapeErrorCase{"40", "46:10", "Kropki board width = 46.  Maximum allowed = 45."},
        ShapeErrorCase{"40", "4", "Board width = 4.  Minimum allowed = 5."},
        ShapeErrorCase{"40", "-3:20", "SZ = [-3:20]\n\nNegative values are not allowed."},
        ShapeErrorCase{"40", "20:-1", "SZ = [20:-1]\n\nNegative values are not allowed."}));

TEST(ScanRoot, KeepsGmAndSzOfTheRoot) {
  const RootScan s = scanRoot("  junk (;FF[4]GM[11]\nSZ[13]PB[x];B[a1])", 0);
  ASSERT_TRUE(s.found);
  EXPECT_EQ(s.gameStart, 7u);
  EXPECT_EQ(s.rootStart, 9u);
  EXPECT_EQ(s.gm, "11");
  EXPECT_EQ(s.sz, "13");
  EXPECT_FALSE(s.selected);
}

TEST(ScanRoot, StopsAtTheFirstMoveOrVariation) {
  EXPECT_EQ(scanRoot("(;B[aa]SZ[9])", 0).sz, "");
  EXPECT_EQ(scanRoot("(;GM[1](;SZ[9]))", 0).sz, "");
  // Passed-over nodes without moves still count, as the reader has always read them.
  EXPECT_EQ(scanRoot("(;GM[1];SZ[9];B[aa])", 0).sz, "9");
}

TEST(ScanRoot, ReadsLongIdentifiersByTheirCapitals) {
  const RootScan s = scanRoot("(;GaMe[2]SiZe[10])", 0);
  EXPECT_EQ(s.gm, "2");
  EXPECT_EQ(s.sz, "10");
}

TEST(ScanRoot, EscapedBracketsDoNotEndValues) {
  const RootScan s = scanRoot("(;C[a \\] GM[7]]GM[2])", 0);
  EXPECT_EQ(s.gm, "2");
}

TEST(ScanRoot, NotesTheSelectedMarkOnlyInTheFirstNode) {
  EXPECT_TRUE(scanRoot("(;GM[1]AB[aa]XS[])", 0).selected);
  EXPECT_TRUE(scanRoot("(;GM[1]B[aa]XS[])", 0).selected);
  EXPECT_FALSE(scanRoot("(;GM[1];XS[])", 0).selected);
  EXPECT_FALSE(scanRoot("(;GM[1]C[XS[]])", 0).selected);
}

TEST(ScanRoot, FindsNoGameWithoutParenthesisAndSemicolon) {
  EXPECT_FALSE(scanRoot("", 0).found);
  EXPECT_FALSE(scanRoot("no game here", 0).found);
  EXPECT_FALSE(scanRoot("(GM[1])", 0).found);
  EXPECT_FALSE(scanRoot("(;GM[1])", 50).found);  // a cursor past the end
}

TEST(SkipGame, PassesNestedVariationsAndValues) {
  const std::string text = "(;C[(]((;B[aa])(;C[\\]) ( ])))(;GM[2])";
  EXPECT_EQ(skipGame(text, 0), text.find("(;GM[2]"));
}

TEST(SkipGame, UnclosedGameRunsToTheEnd) {
  EXPECT_EQ(skipGame("(;GM[1](;B[aa]", 0), 14u);
  EXPECT_EQ(skipGame("(;C[never closed", 0), 16u);
}

TEST(ValueEnd, BackslashEscapesTheNextCharacter) {
  EXPECT_EQ(valueEnd("ab]", 0), 2u);
  EXPECT_EQ(valueEnd("a\\]b]", 0), 4u);
  EXPECT_EQ(valueEnd("a\\\\]b]", 0), 3u);
  EXPECT_EQ(valueEnd("abc\\", 0), 4u);  // a backslash at the very end
}

}  // namespace
}  // namespace meridax

namespace meridax {
namespace {

struct ValueEndCase {
  std::string text;
  std::size_t from;
  std::size_t end;
};

// The end a byte-by-byte reading gives: a backslash escapes the character after it.
std::size_t plainValueEnd(const std::string& text, std::size_t from) {
  for (std::size_t i = from; i < text.size(); ++i) {
    if (text[i] == '\\') ++i;
    else if (text[i] == ']') return i;
  }
  return text.size();
}

class ValueEndTest : public ::testing::TestWithParam<ValueEndCase> {};

TEST_P(ValueEndTest, FindsTheFirstUnescapedBracket) {
  const ValueEndCase& c = GetParam();
  EXPECT_EQ(valueEnd(c.text, c.from), c.end);
  EXPECT_EQ(plainValueEnd(c.text, c.from), c.end);
}

const std::string k15(15, 'a');
const std::string k40(40, 'a');

INSTANTIATE_TEST_SUITE_P(
    LongAndShortValues, ValueEndTest,
    ::testing::Values(ValueEndCase{k15 + "\\]]", 0, 17},            // escape across the end of the short scan
                      ValueEndCase{k15 + "\\", 0, 16},              // a backslash at the short scan's end and the text's
                      ValueEndCase{k40 + "\\]" + k15 + "]", 0, 57},  // an escaped bracket past the short scan
                      ValueEndCase{k40 + "\\\\]", 0, 42},           // an escaped backslash before the bracket
                      ValueEndCase{k40 + "\\\\\\]]", 0, 44},        // three backslashes: the first bracket escaped
                      ValueEndCase{"\\" + k40 + "]", 0, 41},        // an escape at the value's start
                      ValueEndCase{k40, 0, 40},                     // no bracket at all
                      ValueEndCase{"x]" + k40 + "]", 2, 42},        // a start inside the text
                      ValueEndCase{"ab]", 3, 3}));                  // a start at the end

TEST(ValueEnd, AgreesWithAByteByByteReadingOnMixedTexts) {
  // Texts of brackets, backslashes and letters of every length up to 40, from every start.
  const char alphabet[] = {'a', '\\', ']'};
  std::uint32_t seed = 12345;
  for (int round = 0; round < 2000; ++round) {
    std::string text;
    const std::size_t length = round % 41;
    for (std::size_t i = 0; i < length; ++i) {
      seed = seed * 1103515245u + 12345u;
      text += alphabet[(seed >> 16) % 3];
    }
    for (std::size_t from = 0; from <= text.size(); ++from)
      ASSERT_EQ(valueEnd(text, from), plainValueEnd(text, from)) << text << " from " << from;
  }
}

}  // namespace
}  // namespace meridax
