// Key names as scripts and menus write them, and the commands bound to them.

#include <gtest/gtest.h>

#include "app/frame_keys.h"

namespace meridax {
namespace {

struct KeyCase {
  const char* written;
  std::optional<std::string> canonical;
};

class FrameKeysName : public ::testing::TestWithParam<KeyCase> {};

TEST_P(FrameKeysName, CanonicalForm) { EXPECT_EQ(canonicalKeyName(GetParam().written), GetParam().canonical); }

INSTANTIATE_TEST_SUITE_P(Names, FrameKeysName,
                         ::testing::Values(KeyCase{"F12", "F12"}, KeyCase{"Return", "Return"},
                                           KeyCase{"ctrl+left", "Ctrl+Left"}, KeyCase{"Alt+Ctrl+T", "Ctrl+Alt+T"},
                                           KeyCase{"Shift+Ctrl+3", "Ctrl+Shift+3"}, KeyCase{"Ctrl+t", "Ctrl+T"},
                                           KeyCase{"Alt+pageup", "Alt+PageUp"}, KeyCase{"Ctrl+Ctrl+A", std::nullopt},
                                           KeyCase{"Ctrl+", std::nullopt}, KeyCase{"Hyper+A", std::nullopt},
                                           KeyCase{"Ctrl+Foo", std::nullopt}, KeyCase{"", std::nullopt},
                                           KeyCase{"Ctrl+AB", std::nullopt}, KeyCase{"+", std::nullopt}));

TEST(FrameKeys, Accelerators_NameTheirCommands) {
  EXPECT_EQ(commandForKey("Ctrl+PageDown"), "CmDownEightGames");
  EXPECT_EQ(commandForKey("ctrl+home"), "CmFirstGame");
  EXPECT_EQ(commandForKey("Ctrl+S"), "CmSave");
  EXPECT_EQ(commandForKey("Ctrl+T"), "CmPass");
  EXPECT_EQ(commandForKey("Ctrl+U"), "CmSwapPieces");
}

TEST(FrameKeys, KeyWithoutCommand_IsUnknown) {
  EXPECT_EQ(commandForKey("Ctrl+Alt+Shift+Insert"), std::nullopt);
  EXPECT_EQ(commandForKey("Ctrl+Alt+Shift+S"), std::nullopt) << "modifiers are part of the key";
  EXPECT_EQ(commandForKey("Ctrl+Alt+Shift+Space"), std::nullopt);
}

}  // namespace
}  // namespace meridax
