#include "model/character_set.h"

#include <gtest/gtest.h>

#include <string>

#include "model/node_texts.h"
#include "sgf/sgf_writer.h"
#include "sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;

struct CharsetCase {
  const char* characterSet;
  std::string bytes;
  std::string utf8;
};

class CharacterSetTest : public ::testing::TestWithParam<CharsetCase> {};

TEST_P(CharacterSetTest, BytesShownAsUnicodeAndTypedTextGoesBackToTheSameBytes) {
  const CharsetCase& c = GetParam();
  EXPECT_EQ(textToUtf8(c.bytes, c.characterSet), c.utf8);
  EXPECT_EQ(textFromUtf8(c.utf8, c.characterSet), c.bytes);
}

INSTANTIATE_TEST_SUITE_P(
    Sets, CharacterSetTest,
    ::testing::Values(
        CharsetCase{"ISO-8859-1", "\xC5sa \xFE\xFF", "\xC3\x85sa \xC3\xBE\xC3\xBF"},
        CharsetCase{"ISO8859_1", "Cr\xE9", "Cr\xC3\xA9"},          // as CrazyStone writes it
        CharsetCase{"iso-8859-15", "\xA4", "\xE2\x82\xAC"},         // the euro sign
        CharsetCase{"Windows-1252", "\x80\x99", "\xE2\x82\xAC\xE2\x84\xA2"},
        CharsetCase{"CP1251", "\xC3\xEE", "\xD0\x93\xD0\xBE"},      // Го
        CharsetCase{"KOI8-R", "\xE7\xCF \xFF", "\xD0\x93\xD0\xBE \xD0\xAA"},
        CharsetCase{"GB2312", "\xCE\xA7\xC6\xE5", "\xE5\x9B\xB4\xE6\xA3\x8B"},  // 围棋
        CharsetCase{"GB18030", "\xCE\xA7\xC6\xE5", "\xE5\x9B\xB4\xE6\xA3\x8B"},
        CharsetCase{"Big5", "\xB3\xF2\xB4\xD1", "\xE5\x9C\x8D\xE6\xA3\x8B"},    // 圍棋
        CharsetCase{"Shift_JIS", "\x88\xCD\x8C\xE9", "\xE5\x9B\xB2\xE7\xA2\x81"},  // 囲碁
        CharsetCase{"MS_KANJI", "\x88\xCD\x8C\xE9", "\xE5\x9B\xB2\xE7\xA2\x81"},
        CharsetCase{"EUC-JP", "\xB0\xCF\xB8\xEB", "\xE5\x9B\xB2\xE7\xA2\x81"},
        CharsetCase{"ISO-2022-JP", "\x1B$B0O8k\x1B(B", "\xE5\x9B\xB2\xE7\xA2\x81"},
        CharsetCase{"EUC-KR", "\xB9\xD9\xB5\xCF", "\xEB\xB0\x94\xEB\x91\x91"},  // 바둑
        CharsetCase{"UTF-8", "\xE5\x9B\xB4", "\xE5\x9B\xB4"},
        CharsetCase{"", "plain ASCII", "plain ASCII"}));

struct FallbackCase {
  const char* what;
  const char* characterSet;
  std::string bytes;
  std::string shown;
};

class CharacterSetFallbackTest : public ::testing::TestWithParam<FallbackCase> {};

TEST_P(CharacterSetFallbackTest, TextIsAlwaysShownAsValidUtf8) {
  const FallbackCase& c = GetParam();
  const std::string shown = textToUtf8(c.bytes, c.characterSet);
  EXPECT_EQ(shown, c.shown);
  EXPECT_TRUE(isValidUtf8(shown));
}

INSTANTIATE_TEST_SUITE_P(
    Cases, CharacterSetFallbackTest,
    ::testing::Values(
        FallbackCase{"no CA, valid UTF-8", "", "\xC3\xA9", "\xC3\xA9"},
        FallbackCase{"no CA, not UTF-8: Latin-1", "", "\xE9t\xE9", "\xC3\xA9t\xC3\xA9"},
        FallbackCase{"a set nobody knows: as without CA", "foo", "\xE9", "\xC3\xA9"},
        FallbackCase{"UTF-16 files are read as UTF-8", "UTF-16LE", "\xC3\xA9", "\xC3\xA9"},
        FallbackCase{"UTF-8 cut inside a character", "UTF-8", "\xE4\xBD\xA0\xE5\x9B", "\xE4\xBD\xA0\xC3\xA5\xC2\x9B"},
        FallbackCase{"an invalid pair in a known set", "Shift_JIS", "a\x88\x20" "b", "a\xEF\xBF\xBD b"},
        FallbackCase{"a lead byte at the very end", "GBK", "x\xCE", "x\xEF\xBF\xBD"}),
    [](const ::testing::TestParamInfo<FallbackCase>& info) { return "Case" + std::to_string(info.index); });

TEST(CharacterSet, CharacterWithoutFormInTheSetIsRefused) {
  EXPECT_EQ(textFromUtf8("\xE2\x82\xAC", "ISO-8859-1"), std::nullopt);  // the euro sign
  EXPECT_EQ(textFromUtf8("\xE5\x9B\xB4", "Shift_JIS"), std::nullopt);   // 围 is simplified Chinese
  EXPECT_EQ(textFromUtf8("\xFF", "ISO-8859-1"), std::nullopt);          // not UTF-8 at all
  EXPECT_EQ(textFromUtf8("\xE2\x82\xAC", "UTF-8"), "\xE2\x82\xAC");
}

TEST(CharacterSet, UnicodeFilesAreWrittenAsUtf8) {
  EXPECT_EQ(characterSetForWriting("UTF-16LE"), "UTF-8");
  EXPECT_EQ(characterSetForWriting("GB2312"), "GB2312");
}

TEST(CharacterSet, GameConvertedToUtf8KeepsEveryTextAndNamesItsNewSet) {
  LoadedText t("(;CA[ISO-8859-1]GM[1]SZ[9]PB[\xC5sa]GC[\xE9]C[r\xE9];B[cc]N[n\xE9]LB[aa:\xE9]XB[1:b\xE9]TM[\xE9])");
  SGridFrame& g = t.game();
  convertGameToUtf8(g);
  const GameNode* move = g.firstNode->next();
  EXPECT_EQ(g.characterSet, "UTF-8");
  EXPECT_EQ(g.details[DetailField::Player1], "\xC3\x85sa");
  EXPECT_EQ(g.details[DetailField::GameComment], "\xC3\xA9");
  EXPECT_EQ(commentOf(g, g.firstNode), "r\xC3\xA9");
  EXPECT_EQ(nameOf(g, move), "n\xC3\xA9");
  EXPECT_NE(markupOf(g, move).find("\xC3\xA9"), std::string::npos);
  EXPECT_EQ(g.bookmarks.at(0).name, "b\xC3\xA9");
  EXPECT_EQ(otherPropertiesOf(g, move), "TM[\xC3\xA9]");
  std::string written;
  ASSERT_TRUE(WriteGameText(g, written));
  EXPECT_NE(written.find("CA[UTF-8]\r\n"), std::string::npos) << written;
}

}  // namespace
}  // namespace meridax
