#include "app/settings_io.h"

#include <gtest/gtest.h>

#include "app/default_game.h"
#include "app/memory_profile.h"
#include "app_test_support.h"

namespace meridax {
namespace {

using testing::RecordingMessages;

MemoryProfile throughIniText(const MemoryProfile& profile) {
  auto parsed = parseIniProfile(profile.toIniText());
  EXPECT_TRUE(std::holds_alternative<MemoryProfile>(parsed));
  return std::holds_alternative<MemoryProfile>(parsed) ? std::get<MemoryProfile>(parsed) : MemoryProfile{};
}

// Settings that differ from the defaults in every value.
AppSettings unusualAppSettings() {
  AppSettings s;
  DialogGeometry geometry;
  geometry.rect = Rect{10, 20, 630, 470};
  geometry.valid = 1;
  geometry.columnWidths.fill(55);
  s.foldersDimensions = geometry;
  s.bookmarksDimensions = geometry;
  s.printHeaderText = "Club  championship\r\n2024";
  s.printFooterText = "@page";
  s.colours.grid = 0x102030;
  s.colours.kropkiBlueCapture = 0x0000FF;
  s.colours.box3 = 0x000001;
  s.gradedOption = 1;
  s.backupFiles = 3;
  s.userColours[0] = 0x123456;
  s.userColours[15] = 0x000000;
  s.treeFont.faceName = "DejaVu Sans Mono";
  setBold(s.movesFont, true);
  setItalic(s.branchFont, true);
  s.commentFont.height = -16;
  s.openLast = false;
  s.doBevel = true;
  s.doClassicFileOpen = true;
  s.rtfEditor = "/usr/bin/libreoffice";
  s.sgfViewer = "/usr/bin/gedit";
  s.convertAwAb = true;
  s.rtfOptions.fields[rtf_field::kBlackAndWhite] = 1;
  s.dialogFontSize = 11;
  return s;
}

TEST(SettingsIo, EmptyProfile_StartsWithFirstRunColoursAndDefaultFonts) {
  MemoryProfile profile;
  const AppSettings s = readAppSettings(profile);

  EXPECT_EQ(s.colours.grid, 0xDFDFDFu);
  EXPECT_EQ(s.colours.font, 0x800000u);           // the first-run set, not the key's own default FF0000
  EXPECT_EQ(s.colours.fontBranch, 0xFFFFFFu);
  EXPECT_EQ(s.colours.box2, 0x800000u);
  EXPECT_EQ(s.colours.background, 0xB1D6BCu);
  EXPECT_EQ(s.colours.kropkiWhiteCapture, 0x887CD8u);  // not in the first-run set
  EXPECT_EQ(profile.readString("Attributes", "Box Colour3"), "FFFFFF");
  EXPECT_EQ(profile.size(), 10u);  // the ten first-run keys and nothing else

  for (const LogFont* font : {&s.treeFont, &s.movesFont, &s.highMoveFont, &s.branchFont}) {
    EXPECT_EQ(font->faceName, "Courier New");
    EXPECT_EQ(font->height, -12);
    EXPECT_EQ(font->weight, 400);
    EXPECT_FALSE(isItalic(*font));
  }
  EXPECT_EQ(s.commentFont.faceName, "Microsoft Sans Serif");
  EXPECT_EQ(s.backupFiles, 120);
  EXPECT_EQ(s.dialogFontSize, 8);
  EXPECT_TRUE(s.openLast);
  EXPECT_EQ(s.userColours, whiteUserColours());
  EXPECT_FALSE(s.foldersDimensions.has_value());
  EXPECT_EQ(s.rtfOptions, RtfOptionsRecord{});

  const FrameSettings frame = readFrameSettings(profile);
  EXPECT_EQ(resolveDefaultGame(frame), (DefaultGame{GameKind::Go, 19, 19, ""}));
  EXPECT_EQ(frame.defaultKropkiX, 255);
  EXPECT_EQ(frame.defaultKropkiY, 255);
  EXPECT_TRUE(frame.fitBoard);
}

TEST(SettingsIo, LaterStarts_KeepTheColoursWrittenAtExit) {
  MemoryProfile profile;
  RecordingMessages messages;
  AppSettings chosen = readAppSettings(profile);
  chosen.colours.grid = 0x00FF00;
  chosen.colours.font = 0x0000FF;
  WriteToINI(profile, chosen, RecentFileList{}, messages);

  const AppSettings next = readAppSettings(profile);

  EXPECT_EQ(next.colours, chosen.colours);
}

TEST(SettingsIo, AccountWithColours_ReadsMissingColourKeysAsTheirDefaults) {
  MemoryProfile profile;
  profile.writeString("Attributes", "Grid Colour", "C0C0C0");
  const AppSettings s = readAppSettings(profile);
  EXPECT_EQ(s.colours.grid, 0xC0C0C0u);
  EXPECT_EQ(s.colours.font, 0xFF0000u);
  EXPECT_EQ(s.colours.fontBranch, 0xFF8080u);
  EXPECT_FALSE(profile.contains("Attributes", "Border Colour"));
}

struct FontSizeCase {
  int stored;
  int read;
};

class SettingsIoFontSize : public ::testing::TestWithParam<FontSizeCase> {};

TEST_P(SettingsIoFontSize, DialogFontSize_IsKeptWithinSevenToTwelve) {
  MemoryProfile profile;
  profile.writeInt("Settings", "DoModal_FontSize", GetParam().stored);
  EXPECT_EQ(readAppSettings(profile).dialogFontSize, GetParam().read);
}

INSTANTIATE_TEST_SUITE_P(Sizes, SettingsIoFontSize,
                         ::testing::Values(FontSizeCase{20, 12}, FontSizeCase{3, 7}, FontSizeCase{7, 7},
                                           FontSizeCase{12, 12}, FontSizeCase{9, 9}, FontSizeCase{-5, 7}));

TEST(SettingsIo, BackupCount_IsClampedToTheRangeOfItsField) {
  for (const FontSizeCase c : {FontSizeCase{-5, 0}, FontSizeCase{0, 0}, FontSizeCase{3, 3}, FontSizeCase{9999, 9999},
                               FontSizeCase{2147483647, 9999}}) {
    MemoryProfile profile;
    profile.writeInt("Settings", "Backup Files", c.stored);
    EXPECT_EQ(readAppSettings(profile).backupFiles, c.read) << c.stored;
  }
}

TEST(SettingsIo, LowerCaseYes_CountsAsOff) {
  MemoryProfile profile;
  profile.writeString("Settings", "OpenLast", "yes");
  profile.writeString("Settings", "Do Bevel", "YES");
  const AppSettings s = readAppSettings(profile);
  EXPECT_FALSE(s.openLast);
  EXPECT_TRUE(s.doBevel);
}

TEST(SettingsIo, NegativeRtfCounts_ReadAsZero) {
  MemoryProfile profile;
  RecordingMessages messages;
  RtfOptionsRecord stored;
  stored.fields[rtf_field::kTextSize] = -1;
  stored.fields[rtf_field::kBoardSquareSize] = -20;
  writeRecord(profile, "Settings", "RTF Options", stored, messages);

  const RtfOptionsRecord read = readAppSettings(profile).rtfOptions;

  EXPECT_EQ(read.fields[rtf_field::kTextSize], 0);
  EXPECT_EQ(read.fields[rtf_field::kBoardSquareSize], 0);
  EXPECT_EQ(read.fields[rtf_field::kPageNumbers], 1);
}

TEST(SettingsIo, UserColours_AreSixteenGroupsOfSixDigits) {
  MemoryProfile profile;
  profile.writeString("Attributes", "User Colours", "000000123456ABCDEF");  // three groups only
  const AppSettings s = readAppSettings(profile);
  EXPECT_EQ(s.userColours[0], 0x000000u);
  EXPECT_EQ(s.userColours[1], 0x123456u);
  EXPECT_EQ(s.userColours[2], 0xABCDEFu);
  EXPECT_EQ(s.userColours[3], 0xFFFFFFu);

  RecordingMessages messages;
  WriteToINI(profile, s, RecentFileList{}, messages);
  EXPECT_EQ(profile.readString("Attributes", "User Colours"), "000000123456ABCDEF" + std::string(13 * 6, 'F'));
}

TEST(SettingsIo, AppSettingsWrittenAndRead_GiveTheSameValues) {
  MemoryProfile profile;
  RecordingMessages messages;
  const AppSettings written = unusualAppSettings();
  RecentFileList recent;
  recent.add("/home/player/old.sgf");
  recent.add("/home/player/new game.sgf");

  WriteToINI(profile, written, recent, messages);
  const MemoryProfile reread = throughIniText(profile);
  MemoryProfile readable = reread;

  EXPECT_EQ(readAppSettings(readable), written);
  EXPECT_EQ(readRecentFiles(reread), recent);
  EXPECT_TRUE(messages.told.empty());
  EXPECT_FALSE(reread.contains("Settings", "Players List Dimensions"));  // never recorded, never written
}

TEST(SettingsIo, FrameSettingsWrittenAndRead_GiveTheSameValues) {
  FrameSettings written;
  rememberCurrentGame(written, GameKind::Kropki, 39, 32, "");
  written.toolbar = false;
  written.navigationBar = false;
  WindowPlacement placement;
  placement.showState = show_state::kMaximized;
  placement.normalPosition = Rect{60, 50, 900, 700};
  written.windowPlacement = placement;
  written.commentPlacementPgn = Rect{1, 2, 3, 4};
  written.displayWidth = 0.287;
  written.displayWidthHz = 0.5;
  written.scoreValue = score_value::kRecentMoves;
  written.viewLast = 1;
  written.displayNumbers = 12;
  written.goLetters = true;
  written.fitBoard = false;
  written.autoLabelMoves = true;
  written.sizeKropki[38] = 16;
  written.sizeHex[10] = 40;
  MemoryProfile profile;
  RecordingMessages messages;

  writeFrameSettings(profile, written, messages);
  FrameSettings read = readFrameSettings(throughIniText(profile));

  // Proportions are stored in thousandths.
  EXPECT_DOUBLE_EQ(read.displayWidth, 0.287);
  EXPECT_DOUBLE_EQ(read.displayWidthHz, 0.5);
  read.displayWidth = written.displayWidth;
  read.displayWidthHz = written.displayWidthHz;
  EXPECT_EQ(read, written);
  EXPECT_EQ(resolveDefaultGame(read), (DefaultGame{GameKind::Kropki, 39, 32, ""}));
  EXPECT_EQ(profile.readInt("Application", "Display Width"), 287);
  EXPECT_EQ(profile.readString("Application", "Navigationbar"), "NO");
  EXPECT_EQ(profile.readString("Application", "Fit Board"), "NO");
  EXPECT_FALSE(profile.contains("Application", "dlgComment PlacementLBL"));
}

TEST(SettingsIo, StoredKropkiSizes_KeepTheirLowByte) {
  MemoryProfile profile;
  profile.writeInt("Application", "Default KropkiX", 300);
  profile.writeInt("Application", "Default KropkiY", -1);
  const FrameSettings s = readFrameSettings(profile);
  EXPECT_EQ(s.defaultKropkiX, 44);
  EXPECT_EQ(s.defaultKropkiY, 255);
}

TEST(SettingsIo, NavigationBar_IsOneKeyWhateverItsCase) {
  MemoryProfile profile;
  profile.writeString("Application", "NavigationBar", "YES");
  FrameSettings s = readFrameSettings(profile);
  s.navigationBar = false;
  RecordingMessages messages;
  writeFrameSettings(profile, s, messages);
  EXPECT_FALSE(readFrameSettings(profile).navigationBar);
  EXPECT_EQ(profile.readString("Application", "NAVIGATIONBAR"), "NO");
}

TEST(SettingsIo, RecentFileList_StartsTheWrittenProfile) {
  // A profile that notes the order in which keys are written.
  class OrderProfile : public MemoryProfile {
   public:
    void writeString(std::string_view section, std::string_view key, std::string_view value) override {
      order.push_back(std::string(section) + "/" + std::string(key));
      MemoryProfile::writeString(section, key, value);
    }
    void writeInt(std::string_view section, std::string_view key, std::int32_t value) override {
      order.push_back(std::string(section) + "/" + std::string(key));
      MemoryProfile::writeInt(section, key, value);
    }
    std::vector<std::string> order;
  } profile;
  RecordingMessages messages;

  WriteToINI(profile, AppSettings{}, RecentFileList{}, messages);

  ASSERT_GT(profile.order.size(), 16u);
  EXPECT_EQ(profile.order.front(), "FileList/File1");
  EXPECT_EQ(profile.order[14], "FileList/File15");
  EXPECT_EQ(profile.order[15], "Settings/PrintHeaderText");
  EXPECT_EQ(profile.order.back(), "Settings/DoModal_FontSize");
}

TEST(SettingsIo, DynamicDialogGeometry_IsBinary) {
  MemoryProfile profile;
  writeDialogRect(profile, kTreeDialogDims, Rect{10, 10, 400, 300});
  Bytes logDims(kLogDialogDimsSize, 3);
  writeDialogDims(profile, kLogDialogDims, logDims);
  profile.writeBinary("SDlgDynamic", "SDlgShort_Dims", Bytes{1, 2, 3});

  EXPECT_EQ(readDialogRect(profile, "sdlgtree_dims"), (Rect{10, 10, 400, 300}));
  EXPECT_EQ(readDialogDims(profile, kLogDialogDims, kLogDialogDimsSize), logDims);
  EXPECT_EQ(readDialogRect(profile, "SDlgShort_Dims"), std::nullopt);
  EXPECT_EQ(readDialogRect(profile, "SDlgMissing"), std::nullopt);
}

}  // namespace
}  // namespace meridax
