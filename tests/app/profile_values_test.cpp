#include "app/profile_values.h"

#include <gtest/gtest.h>

#include "app/memory_profile.h"
#include "app/settings_records.h"

namespace meridax {
namespace {

struct YesNoCase {
  const char* stored;
  bool on;
};

class ProfileValuesYesNo : public ::testing::TestWithParam<YesNoCase> {};

TEST_P(ProfileValuesYesNo, OnlyTheExactTextYes_IsOn) {
  MemoryProfile profile;
  profile.writeString("Settings", "OpenLast", GetParam().stored);
  EXPECT_EQ(readYesNo(profile, "Settings", "OpenLast", true), GetParam().on);
}

INSTANTIATE_TEST_SUITE_P(Texts, ProfileValuesYesNo,
                         ::testing::Values(YesNoCase{"YES", true}, YesNoCase{"yes", false}, YesNoCase{"Yes", false},
                                           YesNoCase{" YES", false}, YesNoCase{"YES ", false},
                                           YesNoCase{"NO", false}, YesNoCase{"", false}, YesNoCase{"1", false}));

TEST(ProfileValues, MissingYesNo_TakesItsDefault) {
  MemoryProfile profile;
  EXPECT_TRUE(readYesNo(profile, "Settings", "OpenLast", true));
  EXPECT_FALSE(readYesNo(profile, "Settings", "Do Bevel", false));
  writeYesNo(profile, "Settings", "Do Bevel", true);
  EXPECT_EQ(profile.readString("Settings", "Do Bevel"), "YES");
}

TEST(ProfileValues, ColourText_ReadsBlueGreenRed) {
  EXPECT_EQ(colourText(rgbColour(0, 0, 0x80)), "800000");  // dark blue
  EXPECT_EQ(colourText(rgbColour(0xDF, 0xD7, 0xB3)), "B3D7DF");
  EXPECT_EQ(colourText(0x0000FF), "0000FF");
  EXPECT_EQ(colourText(0xFF123456), "123456");  // only 24 bits are a colour
  const ColourRef parsed = *parseColour("887CD8");
  EXPECT_EQ(redOf(parsed), 0xD8);
  EXPECT_EQ(greenOf(parsed), 0x7C);
  EXPECT_EQ(blueOf(parsed), 0x88);
}

TEST(ProfileValues, ColourParsing_TakesUpToSixLeadingDigits) {
  EXPECT_EQ(parseColour("dfdfdf"), 0xDFDFDFu);
  EXPECT_EQ(parseColour("12"), 0x12u);
  EXPECT_EQ(parseColour("1234567"), 0x123456u);
  EXPECT_EQ(parseColour("12G4"), 0x12u);
  EXPECT_EQ(parseColour("NULL"), std::nullopt);
  EXPECT_EQ(parseColour(""), std::nullopt);

  MemoryProfile profile;
  profile.writeString("Attributes", "Grid Colour", "not a colour");
  EXPECT_EQ(readColour(profile, "Attributes", "Grid Colour", 0xC0C0C0), 0xC0C0C0u);
  writeColour(profile, "Attributes", "Grid Colour", 0x0A0B0C);
  EXPECT_EQ(profile.readString("Attributes", "Grid Colour"), "0A0B0C");
  EXPECT_EQ(readColour(profile, "Attributes", "Grid Colour", 0), 0x0A0B0Cu);
}

class RecordingMessagesStub : public MessagePort {
 public:
  void tell(const UserMessage&) override { ++told; }
  bool askYesNo(const std::string&, const std::string&) override { return true; }
  Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
  int told = 0;
};

TEST(ProfileValues, Records_RoundTripAsBase64) {
  MemoryProfile profile;
  RecordingMessagesStub messages;
  const Rect rect{-10, 20, 300, 400};
  writeRecord(profile, "Application", "dlgComment PlacementLBL", rect, messages);

  EXPECT_EQ(profile.readString("Application", "dlgComment PlacementLBL"), base64Encode(encodeRecord(rect)));
  Rect back;
  EXPECT_TRUE(readRecord(profile, "Application", "dlgComment PlacementLBL", back));
  EXPECT_EQ(back, rect);
  EXPECT_EQ(messages.told, 0);
}

TEST(ProfileValues, NullMissingOrBrokenRecords_LeaveTheDefault) {
  MemoryProfile profile;
  profile.writeString("S", "Null", "NULL");  // also valid Base64, which must not be decoded
  profile.writeString("S", "Broken", "%%%");
  profile.writeString("S", "Short", base64Encode(Bytes(kRectRecordSize - 1, 7)));
  const Rect original{1, 2, 3, 4};
  for (const char* key : {"Null", "Broken", "Short", "Missing"}) {
    Rect rect = original;
    EXPECT_FALSE(readRecord(profile, "S", key, rect)) << key;
    EXPECT_EQ(rect, original) << key;
  }
}

TEST(ProfileValues, LongerRecords_UseTheirLeadingBytes) {
  Bytes bytes = encodeRecord(Rect{5, 6, 7, 8});
  bytes.push_back(0);
  bytes.push_back(0);  // records once stored with two spare bytes
  MemoryProfile profile;
  profile.writeString("S", "Rect", base64Encode(bytes));
  Rect rect;
  EXPECT_TRUE(readRecord(profile, "S", "Rect", rect));
  EXPECT_EQ(rect, (Rect{5, 6, 7, 8}));
}

}  // namespace
}  // namespace meridax
