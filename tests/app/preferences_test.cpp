#include "app/preferences.h"

#include <gtest/gtest.h>

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

}  // namespace
}  // namespace meridax
