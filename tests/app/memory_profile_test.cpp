#include "app/memory_profile.h"

#include <gtest/gtest.h>

#include <string>

namespace meridax {
namespace {

MemoryProfile reparsed(const MemoryProfile& profile) {
  auto parsed = parseIniProfile(profile.toIniText());
  if (auto* error = std::get_if<ProfileParseError>(&parsed)) {
    ADD_FAILURE() << "line " << error->line << ": " << error->text << "\n" << profile.toIniText();
    return {};
  }
  return std::get<MemoryProfile>(parsed);
}

TEST(MemoryProfile, KeyAndSectionNames_IgnoreCase) {
  MemoryProfile profile;
  profile.writeString("Application", "NavigationBar", "NO");
  profile.writeString("APPLICATION", "Navigationbar", "YES");

  EXPECT_EQ(profile.size(), 1u);
  EXPECT_EQ(profile.readString("application", "NAVIGATIONBAR"), "YES");
  // The key keeps the spelling it was first written with.
  EXPECT_EQ(profile.toIniText(), "[Application]\nNavigationBar=YES\n");
}

TEST(MemoryProfile, IntegersAndTexts_ReadAcrossTypes) {
  MemoryProfile profile;
  profile.writeInt("S", "Number", -1);
  profile.writeString("S", "Text", "42");
  profile.writeString("S", "Word", "4x");
  profile.writeBinary("S", "Record", Bytes{1, 2});

  EXPECT_EQ(profile.readString("S", "Number"), "-1");
  EXPECT_EQ(profile.readInt("S", "Text"), 42);
  EXPECT_EQ(profile.readInt("S", "Word"), std::nullopt);
  EXPECT_EQ(profile.readString("S", "Record"), std::nullopt);
  EXPECT_EQ(profile.readBinary("S", "Text"), std::nullopt);
  EXPECT_EQ(profile.readInt("S", "Missing"), std::nullopt);
  EXPECT_EQ(readInt(profile, "S", "Missing", 7), 7);
  EXPECT_EQ(readString(profile, "Other", "Text", "NULL"), "NULL");
}

TEST(MemoryProfile, ParseInt32_TakesWholeNumbersOnly) {
  EXPECT_EQ(parseInt32("+12"), 12);
  EXPECT_EQ(parseInt32("-2147483648"), INT32_MIN);
  EXPECT_EQ(parseInt32("2147483648"), std::nullopt);
  EXPECT_EQ(parseInt32(" 1"), std::nullopt);
  EXPECT_EQ(parseInt32("+-1"), std::nullopt);
  EXPECT_EQ(parseInt32(""), std::nullopt);
}

TEST(MemoryProfile, AwkwardTextsAndNames_SurviveTheIniText) {
  const std::string texts[] = {"",           "  padded  ",     "line one\r\nline two", "C:\\path\\x",
                               "@at start",  "@@twice",        "tab\there",            "a=b;c#d[e]",
                               "\x82\x47\xff", std::string("nul\0byte", 8), "@Bytes(AAAA)"};
  MemoryProfile profile;
  for (std::size_t i = 0; i < std::size(texts); ++i) profile.writeString("Settings", "Key" + std::to_string(i), texts[i]);
  profile.writeString("Odd ]section[", " =key; ", "v");
  profile.writeBinary("SDlgDynamic", "SDlgTree_Dims", Bytes{0, 255, 16, 32});

  const MemoryProfile back = reparsed(profile);

  for (std::size_t i = 0; i < std::size(texts); ++i) {
    EXPECT_EQ(back.readString("Settings", "Key" + std::to_string(i)), texts[i]) << i;
  }
  EXPECT_EQ(back.readString("Odd ]section[", " =key; "), "v");
  EXPECT_EQ(back.readBinary("SDlgDynamic", "SDlgTree_Dims"), (Bytes{0, 255, 16, 32}));
}

TEST(MemoryProfile, HandWrittenText_IsReadLeniently) {
  const auto parsed = parseIniProfile(
      "; written by hand\r\n"
      "# another comment\n"
      "\n"
      "  [Application]  \n"
      "Toolbar = NO\r\n"
      "Default Game=2\n"
      "Empty=\n"
      "Email=@someone\n");
  ASSERT_TRUE(std::holds_alternative<MemoryProfile>(parsed));
  const MemoryProfile& profile = std::get<MemoryProfile>(parsed);
  EXPECT_EQ(profile.readString("Application", "Toolbar"), "NO");
  EXPECT_EQ(profile.readInt("Application", "Default Game"), 2);
  EXPECT_EQ(profile.readString("Application", "Empty"), "");
  EXPECT_EQ(profile.readString("Application", "Email"), "@someone");
}

// The spelling of the desktop build's settings files, which the command line reads too.
TEST(MemoryProfile, DesktopSettingsSpelling_IsRead) {
  const auto parsed = parseIniProfile(
      "[Settings]\n"
      "Backup%20Files=7\n"
      "PrintHeaderText=\"a, b; \\\"c\\\" \\\\ d \"\n"
      "Tabbed=x\\ty\\x1z\n"
      "Caf%E9=%U00e9 stays\n"
      "%U0152uvre=1\n"
      "Email=@@someone\n"
      "100%=plain\n"
      "[SDlgDynamic]\n"
      "SDlgTree_Dims=@ByteArray(\\0\xC3\xBF\\x10 )\n"
      "[Odd%20Section]\n"
      "K=v\n");
  ASSERT_TRUE(std::holds_alternative<MemoryProfile>(parsed)) << std::get<ProfileParseError>(parsed).text;
  const MemoryProfile& profile = std::get<MemoryProfile>(parsed);
  EXPECT_EQ(profile.readInt("Settings", "Backup Files"), 7);
  EXPECT_EQ(profile.readString("Settings", "PrintHeaderText"), "a, b; \"c\" \\ d ");
  EXPECT_EQ(profile.readString("Settings", "Tabbed"), std::string("x\ty\x01z"));
  EXPECT_EQ(profile.readString("Settings", "Caf\xC3\xA9"), "%U00e9 stays") << "values are not percent-escaped";
  EXPECT_EQ(profile.readString("Settings", "\xC5\x92uvre"), "1");
  EXPECT_EQ(profile.readString("Settings", "Email"), "@someone");
  EXPECT_EQ(profile.readString("Settings", "100%"), "plain");
  EXPECT_EQ(profile.readBinary("SDlgDynamic", "SDlgTree_Dims"), (Bytes{0, 255, 16, 32}));
  EXPECT_EQ(profile.readString("Odd Section", "K"), "v");
}

TEST(MemoryProfile, OwnTextWithQuotesAndPercents_ReadsBackUnchanged) {
  MemoryProfile profile;
  profile.writeString("S", "100%", "\"quoted\"");
  profile.writeString("S", "Path", "C:\\a \"b\"");
  const MemoryProfile back = reparsed(profile);
  EXPECT_EQ(back.readString("S", "100%"), "\"quoted\"");
  EXPECT_EQ(back.readString("S", "Path"), "C:\\a \"b\"");
}

struct BadIni {
  const char* text;
  int line;
  const char* problem;
};

class MemoryProfileBadText : public ::testing::TestWithParam<BadIni> {};

TEST_P(MemoryProfileBadText, Parse_NamesTheLineAndTheProblem) {
  const BadIni bad = GetParam();
  const auto parsed = parseIniProfile(bad.text);
  ASSERT_TRUE(std::holds_alternative<ProfileParseError>(parsed));
  EXPECT_EQ(std::get<ProfileParseError>(parsed).line, bad.line);
  EXPECT_EQ(std::get<ProfileParseError>(parsed).text, bad.problem);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, MemoryProfileBadText,
    ::testing::Values(BadIni{"Key=1\n", 1, "a key before the first section"},
                      BadIni{"[S]\n[T\n", 2, "a section name must end with ']'"},
                      BadIni{"[S]\nno equals sign\n", 2, "expected 'key=value'"},
                      BadIni{"[S]\n=value\n", 2, "a key without a name"},
                      BadIni{"[S]\nK=bad \\q escape\n", 2, "invalid escape in a value"},
                      BadIni{"[S]\nK=cut \\x\n", 2, "invalid escape in a value"},
                      BadIni{"[S]\nK=trailing \\\n", 2, "invalid escape in a value"},
                      BadIni{"[S]\n\n\nK=@Bytes(!!)\n", 4, "invalid Base64 in a binary value"}));

}  // namespace
}  // namespace meridax
