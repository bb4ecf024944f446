#include "view/qsettings_profile.h"

#include <gtest/gtest.h>

#include <QFile>
#include <QTemporaryDir>

#include "app/memory_profile.h"
#include "app/recent_files.h"
#include "app/settings_io.h"
#include "app/settings_values.h"

namespace meridax {
namespace {

class QSettingsProfileTest : public ::testing::Test {
 protected:
  QTemporaryDir dir;
  QString path() const { return dir.filePath("Meridax.ini"); }
};

TEST_F(QSettingsProfileTest, ValuesWrittenAndSynced_ReadBackFromTheFile) {
  {
    QSettingsProfile profile(path());
    profile.writeString("Settings", "SGFViewer", "/usr/bin/less");
    profile.writeInt("Application", "Default Game", 128);
    profile.writeBinary("Settings", "Tree Font", Bytes{0, 1, 2, 255});
    profile.writeString("Settings", "Blank", "");
    ASSERT_TRUE(profile.sync());
  }
  QSettingsProfile again(path());
  EXPECT_EQ(again.readString("Settings", "SGFViewer"), "/usr/bin/less");
  EXPECT_EQ(again.readInt("Application", "Default Game"), 128);
  EXPECT_EQ(again.readBinary("Settings", "Tree Font"), (Bytes{0, 1, 2, 255}));
  EXPECT_EQ(again.readString("Settings", "Blank"), "");
  EXPECT_EQ(again.readString("Settings", "Absent"), std::nullopt);
  EXPECT_EQ(again.readBinary("Settings", "SGFViewer"), std::nullopt);
}

TEST_F(QSettingsProfileTest, KeyNamesDifferingInCase_AreOneKey) {
  QSettingsProfile profile(path());
  profile.writeString("Application", "NavigationBar", "NO");
  profile.writeString("application", "Navigationbar", "YES");
  EXPECT_EQ(profile.readString("APPLICATION", "NAVIGATIONBAR"), "YES");
  ASSERT_TRUE(profile.sync());
  QSettings raw(path(), QSettings::IniFormat);
  EXPECT_EQ(raw.allKeys().size(), 1);
}

TEST_F(QSettingsProfileTest, NonNumericText_IsNoInteger) {
  QSettingsProfile profile(path());
  profile.writeString("Application", "Default Game", "two");
  EXPECT_EQ(profile.readInt("Application", "Default Game"), std::nullopt);
}

TEST_F(QSettingsProfileTest, FrameSettingsThroughTheIniFile_RoundTrip) {
  FrameSettings settings;
  settings.defaultGame = 4;
  settings.defaultGridSize = 13;
  settings.defaultRules = "Pente";
  settings.toolbar = false;
  settings.autoLabelMoves = true;
  struct SilentMessages : MessagePort {
    void tell(const UserMessage&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
  } messages;
  {
    QSettingsProfile profile(path());
    writeFrameSettings(profile, settings, messages);
    ASSERT_TRUE(profile.sync());
  }
  QSettingsProfile again(path());
  EXPECT_EQ(readFrameSettings(again), settings);
}

// The command line reads the profile the editor writes: the file written here through the editor's
// profile is read by the reader of "meridax-cli run --profile" and "meridax-cli rtf --options".
TEST_F(QSettingsProfileTest, ProfileWrittenByTheEditor_IsReadByTheCommandLinesReader) {
  AppSettings app;
  app.backupFiles = 7;
  app.printHeaderText = " Club, \"spring\"; round 3 \\ \t end ";
  app.sgfViewer = "/opt/My Viewer/view";
  app.rtfOptions.fields[rtf_field::kBoardSquareSize] = 22;
  FrameSettings frame;
  frame.goLetters = true;
  frame.defaultRules = "Caf\xC3\xA9 %20 rules";
  struct SilentMessages : MessagePort {
    void tell(const UserMessage&) override {}
    bool askYesNo(const std::string&, const std::string&) override { return false; }
    Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Cancel; }
  } messages;
  {
    QSettingsProfile profile(path());
    WriteToINI(profile, app, RecentFileList{}, messages);
    writeFrameSettings(profile, frame, messages);
    profile.writeBinary("SDlgDynamic", "SDlgTree_Dims", Bytes{0, 255, 16, 32, '"', '\\', ','});
    ASSERT_TRUE(profile.sync());
  }
  QFile file(path());
  ASSERT_TRUE(file.open(QIODevice::ReadOnly));
  const QByteArray written = file.readAll();
  ASSERT_TRUE(written.contains("Backup%20Files=7")) << "the editor spells keys the Qt way";

  auto parsed = parseIniProfile(std::string_view(written.constData(), static_cast<std::size_t>(written.size())));
  ASSERT_TRUE(std::holds_alternative<MemoryProfile>(parsed)) << std::get<ProfileParseError>(parsed).text;
  MemoryProfile& read = std::get<MemoryProfile>(parsed);
  const AppSettings readApp = readAppSettings(read);
  EXPECT_EQ(readApp.backupFiles, 7);
  EXPECT_EQ(readApp.printHeaderText, app.printHeaderText);
  EXPECT_EQ(readApp.sgfViewer, app.sgfViewer);
  EXPECT_EQ(readApp.rtfOptions, app.rtfOptions);
  const FrameSettings readFrame = readFrameSettings(read);
  EXPECT_TRUE(readFrame.goLetters);
  EXPECT_EQ(readFrame.defaultRules, frame.defaultRules);
  EXPECT_EQ(read.readBinary("SDlgDynamic", "SDlgTree_Dims"), (Bytes{0, 255, 16, 32, '"', '\\', ','}));
}

}  // namespace
}  // namespace meridax
