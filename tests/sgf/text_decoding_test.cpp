#include "sgf/text_decoding.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

struct DecodeCase {
  const char* raw;
  const char* decoded;
};

class DecodeSgfTextTest : public ::testing::TestWithParam<DecodeCase> {};

TEST_P(DecodeSgfTextTest, GivesTheStoredText) { EXPECT_EQ(decodeSgfText(GetParam().raw), GetParam().decoded); }

INSTANTIATE_TEST_SUITE_P(
    Escapes, DecodeSgfTextTest,
    ::testing::Values(DecodeCase{"plain", "plain"},
                      DecodeCase{"a\\]b", "a]b"},                 // an escaped bracket stays in the text
                      DecodeCase{"a\\\\b", "a\\b"},
                      DecodeCase{"a\\:b", "a:b"},
                      DecodeCase{"one\ntwo", "one\r\ntwo"},       // LF becomes CR LF
                      DecodeCase{"one\r\ntwo", "one\r\ntwo"},     // CR is dropped first
                      DecodeCase{"one\rtwo", "onetwo"},
                      DecodeCase{"soft\\\nbreak", "softbreak"},   // a soft line break
                      DecodeCase{"soft\\\r\n\r\nbreak", "softbreak"},  // removes every CR and LF after it
                      DecodeCase{"end\\", "end"},                 // a backslash with nothing after it
                      DecodeCase{"", ""}));

TEST(DecodeBookmarkName, DropsEveryBackslashAndKeepsTheNextCharacter) {
  EXPECT_EQ(decodeBookmarkName("a\\]b\\\\c\\"), "a]b\\c");
  EXPECT_EQ(decodeBookmarkName("line\\\nnext"), "line\nnext");
}

std::string utf16le(const std::u16string& s, bool mark) {
  std::string out = mark ? std::string("\xFF\xFE") : std::string();
  for (char16_t c : s) {
    out += static_cast<char>(c & 0xFF);
    out += static_cast<char>(c >> 8);
  }
  return out;
}

std::string utf16be(const std::u16string& s, bool mark) {
  std::string out = mark ? std::string("\xFE\xFF") : std::string();
  for (char16_t c : s) {
    out += static_cast<char>(c >> 8);
    out += static_cast<char>(c & 0xFF);
  }
  return out;
}

TEST(PrepareFileText, Utf16WithMarkBecomesUtf8) {
  const std::u16string text = u"(;PB[\u4E2D\u6587]C[caf\u00E9])";
  const std::string utf8 = "(;PB[\xE4\xB8\xAD\xE6\x96\x87]C[caf\xC3\xA9])";
  EXPECT_EQ(prepareFileText(utf16le(text, true)), utf8);
  EXPECT_EQ(prepareFileText(utf16be(text, true)), utf8);
}

TEST(PrepareFileText, Utf16WithoutMarkIsRecognisedByItsZeroBytes) {
  const std::u16string text = u"(;GM[1]PB[\u00C5sa])";
  EXPECT_TRUE(looksLikeUtf16(utf16le(text, false)));
  EXPECT_EQ(prepareFileText(utf16le(text, false)), "(;GM[1]PB[\xC3\x85sa])");
  EXPECT_EQ(prepareFileText(utf16be(text, false)), "(;GM[1]PB[\xC3\x85sa])");
}

TEST(PrepareFileText, SurrogatePairsAndLoneHalves) {
  EXPECT_EQ(prepareFileText(utf16le(u"(\U0001F600)", true)), "(\xF0\x9F\x98\x80)");
  const std::u16string lone{u'(', static_cast<char16_t>(0xD800), u')'};
  EXPECT_EQ(prepareFileText(utf16le(lone, true)), "(\xEF\xBF\xBD)");
  // An odd last byte is no character.
  EXPECT_EQ(prepareFileText(utf16le(u"(;)", true) + "x"), "(;)");
}

TEST(PrepareFileText, StrayZeroBytesAreRemovedAndLettersFEAndFFKept) {
  EXPECT_EQ(prepareFileText(std::string("(;\0GM[1]\0)", 10)), "(;GM[1])");
  // Latin-1 thorn and y with diaeresis (KOI8-R Che and hard sign), a GBK character whose second byte is 0xFE.
  for (const std::string kept : {"C[\xFE\xFF]", "C[\x81\xFE]"})
    EXPECT_EQ(prepareFileText("(;" + kept + ")"), "(;" + kept + ")");
  EXPECT_FALSE(looksLikeUtf16(std::string("(;GM[1]\0)", 9)));
}

TEST(PrepareFileText, Utf8IsLeftAlone) {
  const std::string utf8 = "\xEF\xBB\xBF(;PB[\xE4\xB8\xAD])";  // with its byte-order mark
  EXPECT_EQ(prepareFileText(utf8), utf8);
  EXPECT_EQ(prepareFileText(""), "");
}

}  // namespace
}  // namespace meridax

namespace meridax {
namespace {

class StrippedBytesTest : public ::testing::TestWithParam<std::size_t> {};

// A byte 0x00 at the offset of a 200-byte ASCII text goes, wherever it lies; the rest stays in order.
TEST_P(StrippedBytesTest, EveryStrippedByteGoesAndTheRestStays) {
  std::string plain;
  for (int i = 0; i < 200; ++i) plain += static_cast<char>('a' + i % 26);
  for (const char stripped : {'\0'}) {
    std::string text = plain;
    text.insert(GetParam(), 1, stripped);
    text += stripped;  // and one at the very end
    EXPECT_EQ(prepareFileText(std::string_view(text)), plain);
    EXPECT_EQ(prepareOwnedFileText(std::move(text)), plain);
  }
}

INSTANTIATE_TEST_SUITE_P(Offsets, StrippedBytesTest, ::testing::Values(0, 1, 63, 64, 65, 127, 128, 191, 199, 200));

TEST(PrepareFileText, TextWithoutStrippedBytesIsKeptAsItIs) {
  const std::string text = std::string(1000, 'x') + "(;GM[1]C[\xC3\xA9])";
  EXPECT_EQ(prepareOwnedFileText(std::string(text)), text);
}

}  // namespace
}  // namespace meridax
