#include "app/default_game.h"
#include "app/settings_io.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

struct DefaultCase {
  GameKind storedKind;
  int storedWidth;
  int storedHeight;
  DefaultGame expected;
};

const DefaultGame kGo19{GameKind::Go, 19, 19, ""};

class DefaultGameCases : public ::testing::TestWithParam<DefaultCase> {};

TEST_P(DefaultGameCases, StoredKindAndSize_GiveTheGameOrGo19) {
  const DefaultCase c = GetParam();
  FrameSettings settings;
  settings.defaultGame = code(c.storedKind);
  settings.defaultKropkiX = c.storedWidth;
  settings.defaultKropkiY = c.storedHeight;
  EXPECT_EQ(resolveDefaultGame(settings), c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Table, DefaultGameCases,
    ::testing::Values(DefaultCase{GameKind::Othello, 8, 0, {GameKind::Othello, 8, 8, ""}},
                      DefaultCase{GameKind::Othello, 10, 10, {GameKind::Othello, 10, 10, ""}},
                      DefaultCase{GameKind::Othello, 9, 9, kGo19},
                      DefaultCase{GameKind::Go, 9, 9, {GameKind::Go, 9, 9, ""}},
                      DefaultCase{GameKind::Go, 13, 13, {GameKind::Go, 13, 13, ""}},
                      DefaultCase{GameKind::Go, 15, 15, kGo19},
                      DefaultCase{GameKind::Hex, 9, 0, {GameKind::Hex, 9, 9, ""}},
                      DefaultCase{GameKind::Hex, 17, 0, {GameKind::Hex, 17, 17, ""}},
                      DefaultCase{GameKind::Hex, 8, 0, kGo19},
                      DefaultCase{GameKind::Hex, 18, 0, kGo19},
                      DefaultCase{GameKind::Havannah, 19, 10, {GameKind::Havannah, 19, 10, ""}},
                      DefaultCase{GameKind::Havannah, 17, 9, kGo19},
                      DefaultCase{GameKind::Unlur, 15, 0, {GameKind::Unlur, 15, 8, ""}},
                      DefaultCase{GameKind::Unlur, 13, 7, kGo19},
                      DefaultCase{GameKind::Kropki, 9, 9, {GameKind::Kropki, 9, 9, ""}},
                      DefaultCase{GameKind::Kropki, 45, 32, {GameKind::Kropki, 45, 32, ""}},
                      DefaultCase{GameKind::Kropki, 46, 32, kGo19},
                      DefaultCase{GameKind::Kropki, 39, 255, kGo19},  // height never stored
                      DefaultCase{GameKind::Kropki, 39, 40, kGo19},   // higher than wide
                      DefaultCase{GameKind::Margo, 19, 19, kGo19},
                      DefaultCase{GameKind::SideStitch, 19, 10, kGo19},
                      DefaultCase{GameKind::Go, 255, 255, kGo19}));

TEST(DefaultGame, UnknownKindCode_FallsBackToGo19) {
  FrameSettings settings;
  settings.defaultGame = 3;
  settings.defaultKropkiX = 19;
  EXPECT_EQ(resolveDefaultGame(settings), kGo19);
}

TEST(DefaultGame, RulesText_IsKept) {
  FrameSettings settings;
  rememberCurrentGame(settings, GameKind::Go, 19, 19, "Pente");
  EXPECT_EQ(resolveDefaultGame(settings), (DefaultGame{GameKind::Go, 19, 19, "Pente"}));
  EXPECT_EQ(settings.defaultGridSize, 19);
}

}  // namespace
}  // namespace meridax
