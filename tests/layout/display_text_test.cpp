#include "layout/display_text.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

struct DisplayCase {
  const char* name;
  std::string bytes;
  std::string shown;
};

class DisplayTextTest : public testing::TestWithParam<DisplayCase> {};

TEST_P(DisplayTextTest, ShowsUtf8AndTakesOtherBytesAsLatin1) {
  EXPECT_EQ(displayText(GetParam().bytes), GetParam().shown);
}

const DisplayCase kDisplayCases[] = {
    {"Ascii", "plain", "plain"},
    {"Utf8Kept", "Caf\xc3\xa9 \xe6\x97\xa5\xf0\x9f\x98\x80", "Caf\xc3\xa9 \xe6\x97\xa5\xf0\x9f\x98\x80"},
    {"Latin1", "Caf\xe9", "Caf\xc3\xa9"},
    {"MixedTakesEachByteOnItsOwn", "\xc3\xa9\xe9", "\xc3\xa9\xc3\xa9"},
    {"TruncatedSequenceAtTheEnd", "a\xe6\x97", "a\xc3\xa6\xc2\x97"},
    {"OverlongFormIsNotUtf8", "\xc0\xaf", "\xc3\x80\xc2\xaf"},
    {"SurrogateIsNotUtf8", "\xed\xa0\x80", "\xc3\xad\xc2\xa0\xc2\x80"},
    {"Empty", "", ""},
};

INSTANTIATE_TEST_SUITE_P(Cases, DisplayTextTest, testing::ValuesIn(kDisplayCases),
                         [](const testing::TestParamInfo<DisplayCase>& info) { return info.param.name; });

struct CutCase {
  std::string text;
  std::size_t budget;
  std::string kept;
};

TEST(CutUtf8, NeverEndsInsideACharacter) {
  const CutCase cases[] = {
      {"abc", 5, "abc"},
      {"abc", 3, "abc"},
      {"abc", 2, "ab"},
      {"a\xc3\xa9", 2, "a"},
      {"a\xc3\xa9", 3, "a\xc3\xa9"},
      {"\xf0\x9f\x98\x80z", 3, ""},
      {"\xe6\x97\xa5\xe6\x97\xa5", 5, "\xe6\x97\xa5"},
      {"x", 0, ""},
  };
  for (const CutCase& c : cases)
    EXPECT_EQ(cutUtf8(c.text, c.budget), c.kept) << "text '" << c.text << "' budget " << c.budget;
}

}  // namespace
}  // namespace meridax
