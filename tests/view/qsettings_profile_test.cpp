#include "view/qsettings_profile.h"

#include <gtest/gtest.h>

#include <QTemporaryDir>

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

}  // namespace
}  // namespace meridax
