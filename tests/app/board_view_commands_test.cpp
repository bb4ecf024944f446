#include "app/board_view_commands.h"

#include <gtest/gtest.h>

#include "app/frame_keys.h"
#include "app/frame_test_support.h"

namespace meridax {
namespace {

using testing::FrameTest;

class SquareSizeSteps : public ::testing::TestWithParam<std::tuple<int, int, int>> {};
TEST_P(SquareSizeSteps, TwoPixelsWithinTheLimits) {
  const auto [from, up, down] = GetParam();
  EXPECT_EQ(increasedSquareSize(from), up) << from;
  EXPECT_EQ(decreasedSquareSize(from), down) << from;
}
INSTANTIATE_TEST_SUITE_P(Steps, SquareSizeSteps,
                         ::testing::Values(std::tuple{24, 26, 22}, std::tuple{68, 70, 66}, std::tuple{70, 70, 68},
                                           std::tuple{14, 16, 12}, std::tuple{12, 14, 12}));

class BoardViewCommandsTest : public FrameTest {
 protected:
  void loadText(const std::string& sgf) { load(writeFile("game.sgf", sgf)); }
  std::string menuText(const std::string& name) { return frame().commandMenuText(*frame().findCommand(name)); }
  bool enabled(const std::string& name) { return frame().commandEnabled(*frame().findCommand(name)); }
};

TEST_F(BoardViewCommandsTest, TogglesChangeTheirMenuTexts) {
  EXPECT_EQ(menuText("CmViewCursor"), "Hide &Cursor\tAlt+F6");
  frame().runCommand("CmViewCursor");
  EXPECT_EQ(frame().frameSettings().viewCursor, 0);
  EXPECT_EQ(menuText("CmViewCursor"), "View &Cursor\tAlt+F6");
  EXPECT_EQ(menuText("CmViewMarkup"), "Hide SGF &Markup\tAlt+F5");
  EXPECT_EQ(menuText("CmViewGoCoordinates"), "View Go &Co-ordinates\tShift+Ctrl+L");
  frame().runCommand("CmViewGoCoordinates");
  EXPECT_TRUE(frame().frameSettings().goLetters);
  EXPECT_EQ(ports.lastRedraw(), Redraw::All);
}

struct KindCase {
  const char* sgf;
  bool othello, go, numbering;
};
class BoardViewEnabled : public BoardViewCommandsTest, public ::testing::WithParamInterface<KindCase> {};
TEST_P(BoardViewEnabled, ByKind) {
  const KindCase c = GetParam();
  loadText(c.sgf);
  EXPECT_EQ(enabled("CmViewHighlighting"), c.othello) << c.sgf;
  EXPECT_EQ(enabled("CmViewSearch"), c.othello) << c.sgf;
  EXPECT_EQ(enabled("CmViewGoCoordinates"), c.go) << c.sgf;
  EXPECT_EQ(enabled("CmNumbering"), c.numbering) << c.sgf;
  EXPECT_TRUE(enabled("CmViewCursor"));
  EXPECT_TRUE(enabled("CmIncreaseSize"));
}
INSTANTIATE_TEST_SUITE_P(Kinds, BoardViewEnabled,
                         ::testing::Values(KindCase{"(;GM[1]SZ[19])", false, true, true},
                                           KindCase{"(;GM[2]SZ[8])", true, false, true},
                                           KindCase{"(;GM[11]SZ[11])", false, false, true},
                                           KindCase{"(;GM[40]SZ[20:30])", false, false, false}));

TEST_F(BoardViewCommandsTest, NumberingCyclesAndAsksForTheRecentCount) {
  FrameSettings& s = frame().frameSettings();
  frame().runCommand("CmNumbering");
  EXPECT_EQ(s.scoreValue, 4);
  ports.queueInput(std::string("12"));
  frame().runCommand("CmNumbering");
  EXPECT_EQ(s.scoreValue, 6);
  EXPECT_EQ(s.displayNumbers, 12);
  EXPECT_EQ(ports.lines().back(), "< Most Recent Numbering> ? 12");
  frame().runCommand("CmNumbering");
  EXPECT_EQ(s.scoreValue, 5);
  frame().runCommand("CmNumbering");
  EXPECT_EQ(s.scoreValue, 3);
}

TEST_F(BoardViewCommandsTest, CancelledRecentCountKeepsTheNumbering) {
  FrameSettings& s = frame().frameSettings();
  s.scoreValue = 4;
  ports.queueInput(std::nullopt);
  frame().runCommand("CmNumbering");
  EXPECT_EQ(s.scoreValue, 4);
  EXPECT_EQ(s.displayNumbers, 8);
}

TEST_F(BoardViewCommandsTest, HidingMarkupDisarmsLabelEntry) {
  ASSERT_TRUE(frame().annotations().boardKey("Insert"));
  ASSERT_TRUE(frame().annotations().labelEntryArmed());
  frame().runCommand("CmViewMarkup");
  EXPECT_FALSE(frame().annotations().labelEntryArmed());
}

TEST_F(BoardViewCommandsTest, SizeIsKeptPerFamilyAndWidth) {
  loadText("(;GM[1]SZ[13])");
  frame().runCommand("CmIncreaseSize");
  EXPECT_EQ(frame().frameSettings().sizeGoBoard[12], 26);
  EXPECT_EQ(frame().frameSettings().sizeGoBoard[18], 24);  // 19 x 19 keeps its own
  EXPECT_EQ(frame().frameSettings().sizeOthello[12], 24);
  for (int i = 0; i < 40; ++i) frame().runCommand("CmDecreaseSize");
  EXPECT_EQ(frame().view().squareSize(), 12);
}

// The size steps while the board is fitted to the window start from the size it shows, and end the fit.
struct FitStepCase {
  bool fitted;
  int shown, kept;
  const char* command;
  bool fittedAfter;
  int keptAfter;
};
class FitSteps : public BoardViewCommandsTest, public ::testing::WithParamInterface<FitStepCase> {};
TEST_P(FitSteps, FromTheSizeShown) {
  const FitStepCase c = GetParam();
  loadText("(;GM[1]SZ[19])");
  FrameSettings& s = frame().frameSettings();
  s.fitBoard = c.fitted;
  s.sizeGoBoard[18] = c.kept;
  frame().view().setShownSquareSize(c.shown);
  frame().runCommand(c.command);
  EXPECT_EQ(s.fitBoard, c.fittedAfter);
  EXPECT_EQ(s.sizeGoBoard[18], c.keptAfter);
}
INSTANTIATE_TEST_SUITE_P(Steps, FitSteps,
                         ::testing::Values(FitStepCase{true, 40, 24, "CmIncreaseSize", false, 42},
                                           FitStepCase{true, 40, 24, "CmDecreaseSize", false, 38},
                                           FitStepCase{true, 90, 24, "CmDecreaseSize", false, 70},  // kept up to 70
                                           FitStepCase{true, 90, 24, "CmIncreaseSize", true, 24},   // nothing larger
                                           FitStepCase{true, 70, 24, "CmIncreaseSize", true, 24},
                                           FitStepCase{true, 12, 24, "CmDecreaseSize", true, 24},
                                           FitStepCase{false, 40, 24, "CmIncreaseSize", false, 26},  // shown = kept
                                           FitStepCase{false, 0, 30, "CmDecreaseSize", false, 28}));

TEST_F(BoardViewCommandsTest, FitBoardIsAToggleThatRedrawsEverything) {
  const FrameCommand& fit = *frame().findCommand("CmFitBoard");
  EXPECT_EQ(menuText("CmFitBoard"), "&Fit the Board to the Window");
  EXPECT_TRUE(frame().commandChecked(fit));
  frame().runCommand("CmFitBoard");
  EXPECT_FALSE(frame().frameSettings().fitBoard);
  EXPECT_FALSE(frame().commandChecked(fit));
  EXPECT_EQ(ports.lastRedraw(), Redraw::All);
}

TEST(BoardViewKeys, AcceleratorsReachTheCommands) {
  EXPECT_EQ(commandForKey("Alt+F6"), "CmViewCursor");
  EXPECT_EQ(commandForKey("Shift+Ctrl+N"), "CmNumbering");
  EXPECT_EQ(commandForKey("Shift+Ctrl+Right"), "CmIncreaseSize");
  EXPECT_EQ(commandForKey("Shift+Ctrl+L"), "CmViewGoCoordinates");
}

}  // namespace
}  // namespace meridax
