#include "app/preferences.h"

#include <gtest/gtest.h>

#include "app/frame_test_support.h"

namespace meridax {
namespace {

TEST(Preferences, IntegerOutsideTheRange_GetsTheValidationText) {
  EXPECT_EQ(checkIntegerField(5, 1, 10), std::nullopt);
  EXPECT_EQ(checkIntegerField(1, 1, 10), std::nullopt);
  const std::optional<UserMessage> refused = checkIntegerField(11, 1, 10);
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(refused->caption, "Integer Number Validation");
  EXPECT_EQ(refused->text, "Please enter a value between 1 and 10");
  EXPECT_TRUE(checkIntegerField(-5000000000LL, 0, 500).has_value());
}

TEST(Preferences, RealOutsideTheRange_GetsTheValidationText) {
  EXPECT_EQ(checkRealField(0.5, 0.5, 2.0), std::nullopt);
  const std::optional<UserMessage> refused = checkRealField(2.5, 0.5, 2.0);
  ASSERT_TRUE(refused.has_value());
  EXPECT_EQ(refused->caption, "Floating Number Validation");
  EXPECT_EQ(refused->text, "Please enter a value between 0.500000 and 2.000000");
}

TEST(Preferences, TakingOverCopies_NamesWhatMustBeRecreated) {
  const AppSettings before;
  AppSettings after = before;
  EXPECT_FALSE(comparePreferences(before, after).anyChange);

  after.colours.grid = 0x000000;
  after.colours.box2 = 0x000000;
  setBold(after.highMoveFont, true);
  const PreferenceChanges changes = comparePreferences(before, after);

  EXPECT_EQ(changes.colourKeys, (std::vector<std::string>{"Grid Colour", "Box Colour2"}));
  EXPECT_TRUE(changes.fontsChanged);
  EXPECT_FALSE(changes.gradedOptionChanged);
  EXPECT_TRUE(changes.anyChange);
}

class TakeOverPreferencesTest : public testing::FrameTest {};

TEST_F(TakeOverPreferencesTest, Changes_ReachTheSettingsTheProfileAndThePanesAtOnce) {
  PreferenceValues values = currentPreferences(frame());
  values.app.colours.grid = 0x0000FF;
  setBold(values.app.movesFont, true);
  values.viewLast = true;
  values.app.sgfViewer = "/usr/bin/viewer";
  const int redrawsBefore = ports.redrawCount();

  const PreferenceChanges changes = takeOverPreferences(frame(), profile, values);

  EXPECT_TRUE(changes.anyChange);
  EXPECT_TRUE(changes.fontsChanged);
  EXPECT_EQ(frame().appSettings(), values.app);
  EXPECT_EQ(frame().frameSettings().viewLast, 1);
  EXPECT_EQ(ports.lastRedraw(), Redraw::All);
  EXPECT_GT(ports.redrawCount(), redrawsBefore);
  // Read back as the next start would.
  const AppSettings stored = readAppSettings(profile);
  EXPECT_EQ(stored.colours.grid, 0x0000FFu);
  EXPECT_TRUE(isBold(stored.movesFont));
  EXPECT_EQ(stored.sgfViewer, "/usr/bin/viewer");
  EXPECT_EQ(readFrameSettings(profile).viewLast, 1);
}

TEST_F(TakeOverPreferencesTest, NoChange_WritesAndRedrawsNothing) {
  frame();
  const std::size_t keys = profile.size();
  const int redraws = ports.redrawCount();
  EXPECT_FALSE(takeOverPreferences(frame(), profile, currentPreferences(frame())).anyChange);
  EXPECT_EQ(profile.size(), keys);
  EXPECT_EQ(ports.redrawCount(), redraws);
}

}  // namespace
}  // namespace meridax
