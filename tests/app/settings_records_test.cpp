#include "app/settings_records.h"

#include <gtest/gtest.h>

#include <vector>

namespace meridax {
namespace {

TEST(SettingsRecords, EachRecord_HasItsStoredSize) {
  EXPECT_EQ(encodeRecord(Rect{}).size(), kRectRecordSize);
  EXPECT_EQ(encodeRecord(WindowPlacement{}).size(), kWindowPlacementSize);
  EXPECT_EQ(encodeRecord(DialogGeometry{}).size(), kDialogGeometrySize);
  EXPECT_EQ(encodeRecord(LogFont{}).size(), kLogFontSize);
  EXPECT_EQ(encodeRecord(RtfOptionsRecord{}).size(), kRtfOptionsSize);
}

TEST(SettingsRecords, LogFontLayout_IsLittleEndianWithTheFaceNameLast) {
  LogFont font = defaultFont(kTreeFontFace);
  font.italic = 1;
  font.pitchAndFamily = 0x31;
  const Bytes bytes = encodeRecord(font);

  EXPECT_EQ((Bytes(bytes.begin(), bytes.begin() + 4)), (Bytes{0xF4, 0xFF, 0xFF, 0xFF}));  // height -12
  EXPECT_EQ((Bytes(bytes.begin() + 16, bytes.begin() + 20)), (Bytes{0x90, 0x01, 0, 0}));  // weight 400
  EXPECT_EQ(bytes[20], 1);                                                                  // italic
  EXPECT_EQ(bytes[27], 0x31);                                                               // pitch and family
  EXPECT_EQ(std::string(bytes.begin() + 28, bytes.begin() + 39), "Courier New");
  EXPECT_EQ(bytes[39], 0);

  LogFont back;
  ASSERT_TRUE(decodeRecord(bytes, back));
  EXPECT_EQ(back, font);
}

TEST(SettingsRecords, FaceNames_AreBoundedBothWays) {
  LogFont font;
  font.faceName = std::string(40, 'F');
  LogFont back;
  ASSERT_TRUE(decodeRecord(encodeRecord(font), back));
  EXPECT_EQ(back.faceName, std::string(31, 'F'));  // room is left for the terminating zero

  Bytes unterminated = encodeRecord(LogFont{});
  std::fill(unterminated.begin() + 28, unterminated.end(), 'G');
  ASSERT_TRUE(decodeRecord(unterminated, back));
  EXPECT_EQ(back.faceName, std::string(32, 'G'));  // never read beyond the record
}

TEST(SettingsRecords, RecordsOfEveryKind_RoundTrip) {
  WindowPlacement placement;
  placement.showState = show_state::kMaximized;
  placement.normalPosition = Rect{50, 40, 750, 550};
  WindowPlacement placementBack;
  ASSERT_TRUE(decodeRecord(encodeRecord(placement), placementBack));
  EXPECT_EQ(placementBack, placement);

  DialogGeometry geometry;
  geometry.rect = Rect{1, 2, 3, 4};
  geometry.valid = 1;
  for (std::size_t i = 0; i < geometry.columnWidths.size(); ++i) geometry.columnWidths[i] = 10 * static_cast<int>(i);
  DialogGeometry geometryBack;
  ASSERT_TRUE(decodeRecord(encodeRecord(geometry), geometryBack));
  EXPECT_EQ(geometryBack, geometry);

  RtfOptionsRecord options;
  options.fields[rtf_field::kTwoColumns] = 0;
  RtfOptionsRecord optionsBack;
  ASSERT_TRUE(decodeRecord(encodeRecord(options), optionsBack));
  EXPECT_EQ(optionsBack, options);
}

TEST(SettingsRecords, RtfOptionDefaults_AndNegativeCounts) {
  RtfOptionsRecord options;
  EXPECT_EQ(options.fields[rtf_field::kTextSize], 10);
  EXPECT_EQ(options.fields[rtf_field::kBoardSquareSize], 16);
  EXPECT_EQ(options.fields[rtf_field::kTemporaryFile], 0);
  EXPECT_EQ(options.fields[rtf_field::kVariationsColour], 0x8C0000);

  options.fields[rtf_field::kTextSize] = -3;
  options.fields[rtf_field::kBoardSquareSize] = -16;
  options.fields[rtf_field::kPageNumbers] = -1;  // not a count: left alone
  clampRtfCounts(options);
  EXPECT_EQ(options.fields[rtf_field::kTextSize], 0);
  EXPECT_EQ(options.fields[rtf_field::kBoardSquareSize], 0);
  EXPECT_EQ(options.fields[rtf_field::kPageNumbers], -1);
}

TEST(SettingsRecords, StartPlacement_RestoresAMinimisedWindow) {
  for (const std::uint32_t minimised :
       {show_state::kMinimized, show_state::kMinimize, show_state::kMinimizedNoActivate}) {
    WindowPlacement placement;
    placement.showState = minimised;
    EXPECT_EQ(placementForStart(placement).showState, show_state::kRestore);
  }
  WindowPlacement maximised;
  maximised.showState = show_state::kMaximized;
  EXPECT_EQ(placementForStart(maximised).showState, show_state::kMaximized);
}

TEST(SettingsRecords, DefaultWindowRect_ScalesTheMiddleOfTheScreen) {
  EXPECT_EQ(defaultWindowRect(800, 600), (Rect{50, 50, 750, 550}));
  EXPECT_EQ(defaultWindowRect(1920, 1080), (Rect{120, 90, 1800, 990}));
  EXPECT_EQ(defaultWindowRect(1366, 768), (Rect{85, 64, 1280, 704}));
}

TEST(SettingsRecords, StoredWindowRect_IsBroughtOntoTheScreens) {
  const std::vector<Rect> two = {Rect{0, 0, 1920, 1040}, Rect{1920, 0, 3200, 1024}};
  struct Case {
    const char* name;
    Rect stored;
    Rect placed;
  };
  const Case cases[] = {
      {"on the first screen", {100, 100, 900, 700}, {100, 100, 900, 700}},
      {"on the second screen", {2000, 50, 3000, 900}, {2000, 50, 3000, 900}},
      {"far off to the upper left", {-32767, -32767, -31967, -32167}, {0, 0, 800, 600}},
      {"hanging over the right edge", {3000, 100, 3800, 700}, {2400, 100, 3200, 700}},
      {"larger than any screen", {-100, -100, 5000, 3000}, {0, 0, 1920, 1040}},
      {"across both, mostly on the second", {1800, 10, 2800, 510}, {1920, 10, 2920, 510}},
      {"inverted", {500, 500, 100, 100}, {120, 86, 1800, 953}},
  };
  for (const Case& c : cases) EXPECT_EQ(placeOnScreens(c.stored, two), c.placed) << c.name;
  EXPECT_EQ(placeOnScreens(Rect{-5, -5, 5, 5}, {}), (Rect{-5, -5, 5, 5})) << "no screens known";
}

TEST(SettingsRecords, FontMeasures_FollowThePitch) {
  EXPECT_EQ(measureFont(7, 15, 3, false), (FontMeasures{7, 16, 10}));
  EXPECT_EQ(measureFont(7, 15, 1, true), (FontMeasures{7, 15, 7}));
  LogFont font;
  setBold(font, true);
  setItalic(font, true);
  EXPECT_TRUE(isBold(font));
  EXPECT_TRUE(isItalic(font));
  setBold(font, false);
  EXPECT_EQ(font.weight, kFontWeightNormal);
}

}  // namespace
}  // namespace meridax
