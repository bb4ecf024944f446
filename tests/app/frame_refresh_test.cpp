// Every action brings the status fields and the panes up to date from the state: the faults of commands
// that forgot a redraw, and a notice that stays in field 0 until the next action.

#include "app/frame_test_support.h"

namespace meridax::testing {
namespace {

constexpr char kLine[] = "(;GM[1]SZ[9];B[ee];W[cc];B[gg])";

class FrameRefreshTest : public FrameTest {
 protected:
  void loadText(const std::string& sgf) { load(writeFile("game.sgf", sgf)); }
};

TEST_F(FrameRefreshTest, PlayingTheMoveThatFollows_StepsForwardAndShowsTheNewPosition) {
  loadText(kLine);
  ASSERT_TRUE(frame().runCommand("CmStartPosition"));
  play(4, 4);  // B[ee], the move already there
  EXPECT_EQ(frame().game().currentNode->moveNumber(), 1u);
  EXPECT_EQ(ports.status(StatusField::SideToMove), " White to move");
  EXPECT_EQ(ports.status(StatusField::Move), " Move   1/3");
}

TEST_F(FrameRefreshTest, NamingAndUnnamingTheCurrentNode_ShowAtOnce) {
  loadText(kLine);
  const std::string unnamed = ports.status(StatusField::SideToMove);
  ports.queueInput("old");
  ASSERT_TRUE(frame().runCommand("CmNodeName"));
  EXPECT_NE(ports.status(StatusField::SideToMove), unnamed);
  EXPECT_NE(ports.status(StatusField::SideToMove).find("old"), std::string::npos) << ports.status(StatusField::SideToMove);
  frame().annotations().treeContextAt(frame().game().currentNode);
  ASSERT_TRUE(frame().runCommand("CmDeleteNodeNameAtNode"));
  EXPECT_EQ(ports.status(StatusField::SideToMove), unnamed);
}

struct GameSwitchCase {
  const char* name;
  const char* command;
};

class GameSwitchTest : public FrameRefreshTest, public ::testing::WithParamInterface<GameSwitchCase> {};

TEST_P(GameSwitchTest, ToAGameOfTheSameKindAndSize_DrawsEveryPaneAgain) {
  loadText("(;GM[1]SZ[9];B[ee])(;GM[1]SZ[9];B[cc])");
  ports.queueAnswer(Answer::Yes);
  ASSERT_TRUE(frame().runCommand(GetParam().command));
  ports.takeLines();
  EXPECT_EQ(ports.lastRedraw(), Redraw::All);
}

INSTANTIATE_TEST_SUITE_P(Commands, GameSwitchTest,
                         ::testing::Values(GameSwitchCase{"NextGame", "CmNextGame"},
                                           GameSwitchCase{"NewGame", "CmNewGame"}),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameRefreshTest, ARefusal_StaysInFieldZeroUntilTheNextAction) {
  loadText(kLine);
  play(4, 4);  // occupied
  EXPECT_EQ(ports.status(StatusField::SideToMove), "Invalid Move - Square already occupied");
  frame().refreshStatus();
  EXPECT_EQ(ports.status(StatusField::SideToMove), "Invalid Move - Square already occupied") << "a refresh inside the action keeps it";
  ASSERT_TRUE(frame().runCommand("CmPreviousMove"));
  EXPECT_EQ(ports.status(StatusField::SideToMove).find("Invalid Move"), std::string::npos) << ports.status(StatusField::SideToMove);
}

TEST(PaneStamps, ChangedPanes_FollowWhatMoved) {
  GameNode* a = reinterpret_cast<GameNode*>(0x10);
  const PaneStamp drawn{1, 5, a};
  EXPECT_EQ(changedPanes(drawn, drawn), static_cast<Redraw>(0));
  EXPECT_EQ(changedPanes(drawn, PaneStamp{2, 5, a}), Redraw::All);
  const Redraw panes = static_cast<Redraw>(static_cast<int>(Redraw::Board) | static_cast<int>(Redraw::Tree) |
                                           static_cast<int>(Redraw::Comment));
  EXPECT_EQ(changedPanes(drawn, PaneStamp{1, 6, a}), panes);
  EXPECT_EQ(changedPanes(drawn, PaneStamp{1, 5, nullptr}), panes);
}

}  // namespace
}  // namespace meridax::testing
