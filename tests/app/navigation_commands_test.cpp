// The frame's navigation commands beyond what scripts show: the common jump step, which moves mark the
// game and the collection changed, the find dialog's port, and the enabled states.

#include "app/frame_test_support.h"
#include "edit/edit_test_support.h"

namespace meridax::testing {
namespace {

using edit_testing::byMoves;
using edit_testing::onLine;

constexpr char kTree[] =
    "(;GM[1]SZ[9];B[ee]C[Centre];W[cc];B[gc];W[cg](;B[gg];W[dd])(;B[ge]C[Side];W[dg])(;B[hh]))";

class FindDialogSpy : public FindDialogPort {
 public:
  void openFindDialog(const FindDialogSeed& seed) override { seeds.push_back(seed); }
  std::vector<FindDialogSeed> seeds;
};

class NavigationCommandsTest : public FrameTest {
 protected:
  SGridFrame& open(const std::string& text = kTree) {
    load(writeFile("game.sgf", text));
    return frame().game();
  }
  bool treeChanged() { return (frame().game().flags & game_flag::kTreeChanged) != 0; }
  bool enabled(const std::string& name) { return frame().commandEnabled(*frame().findCommand(name)); }
};

TEST_F(NavigationCommandsTest, Jump_CursorToTheNextMoveStatusRefreshedLabelEntryDisarmed) {
  SGridFrame& g = open();
  ASSERT_TRUE(frame().annotations().boardKey("Insert"));
  ASSERT_TRUE(frame().annotations().labelEntryArmed());

  frame().runCommand("CmStartPosition");

  EXPECT_EQ(g.currentNode, g.firstNode);
  EXPECT_FALSE(frame().annotations().labelEntryArmed());
  EXPECT_EQ(g.cursorX, 4);
  EXPECT_EQ(g.cursorY, 4);
  EXPECT_EQ(ports.status(StatusField::Move), " Move   0/6");
  EXPECT_EQ(ports.status(StatusField::Cursor), " Cursor E5");
}

TEST_F(NavigationCommandsTest, QuietJump_ChangesOnlyTheNodeAndItsCounters) {
  SGridFrame& g = open();
  const int cursorX = g.cursorX, cursorY = g.cursorY;
  const int redraws = ports.redrawCount();

  frame().navigation().jumpToNode(onLine(g, 1), JumpMode::Quiet);

  EXPECT_EQ(g.currentNode, onLine(g, 1));
  EXPECT_EQ(g.cursorX, cursorX);
  EXPECT_EQ(g.cursorY, cursorY);
  EXPECT_EQ(ports.redrawCount(), redraws);
}

TEST_F(NavigationCommandsTest, JumpsThatSelectALine_DoNotMarkTheGame) {
  SGridFrame& g = open();
  frame().navigation().jumpToNode(onLine(g, 4));

  frame().runCommand("CmBranchEndNext");  // the first end below: the side line's dg
  frame().runCommand("CmCommentPrev");  // the last comment: the side line's ge

  EXPECT_EQ(g.currentNode, byMoves(g, "ee cc gc cg ge"));
  EXPECT_FALSE(treeChanged());
  EXPECT_FALSE(frame().modified());
}

TEST_F(NavigationCommandsTest, VariationLineClicked_BecomesTheLineAndMarksTheGameAndTheFile) {
  SGridFrame& g = open();
  frame().navigation().treeClick(byMoves(g, "ee cc gc cg hh"), TreeClick::VariationLine);
  EXPECT_EQ(onLine(g, 5), g.currentNode);
  EXPECT_EQ(frame().context().node, g.currentNode);
  EXPECT_TRUE(treeChanged());
  EXPECT_TRUE(frame().modified());
}

TEST_F(NavigationCommandsTest, NeighbouringBranch_MarksTheGameAndTheFile) {
  SGridFrame& g = open();
  frame().navigation().jumpToNode(onLine(g, 6));

  frame().runCommand("CmNeighbourBranch");

  EXPECT_EQ(g.currentNode, byMoves(g, "ee cc gc cg hh"));
  EXPECT_TRUE(treeChanged());
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(validateTree(g), "");
}

TEST_F(NavigationCommandsTest, PrimarySetAgainOnTheSameNode_ChangesNothing) {
  SGridFrame& g = open();
  frame().navigation().jumpToNode(onLine(g, 2));
  frame().runCommand("CmSetPrimary");
  ASSERT_TRUE(frame().modified());
  g.flags = game_flag::kUnchanged;

  frame().runCommand("CmSetPrimary");

  EXPECT_EQ(g.flags, game_flag::kUnchanged);
  EXPECT_EQ(g.primaryNode, onLine(g, 2));
}

TEST_F(NavigationCommandsTest, FindDialog_OpenedWithTheLastSearchAndItsRequestsRun) {
  SGridFrame& g = open();
  FindDialogSpy spy;
  frame().navigation().setFindDialogPort(&spy);
  frame().navigation().jumpToNode(g.firstNode);

  frame().runCommand("CmFindComment");
  frame().navigation().FindNext(FindRequest{"SIDE", true, SearchDirection::Down});
  frame().runCommand("CmFindComment");

  ASSERT_EQ(spy.seeds.size(), 2u);
  EXPECT_EQ(spy.seeds[0].text, "");
  EXPECT_EQ(spy.seeds[1].text, "SIDE");
  EXPECT_TRUE(spy.seeds[1].matchCase);
  EXPECT_EQ(ports.takeLines(), (std::vector<std::string>{
                                   "[FindNext()] 'SIDE'\\r\\n\\r\\nThis string could not be found.\\r\\n2 comments "
                                   "were searched."}));
  frame().navigation().FindNext(FindRequest{"SIDE", false, SearchDirection::Up});
  EXPECT_EQ(g.currentNode, byMoves(g, "ee cc gc cg ge"));
}

TEST_F(NavigationCommandsTest, EnabledStates_FollowCommentsSlotsAndTheNodeUnderTheMouse) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[ee];W[cc])");
  EXPECT_FALSE(enabled("CmCommentNext"));
  EXPECT_FALSE(enabled("CmCommentPrev"));
  EXPECT_FALSE(enabled("CmFindComment"));
  EXPECT_FALSE(enabled("CmDeleteQuickSlots"));
  EXPECT_FALSE(enabled("CmSetPrimaryAtNode"));

  frame().runCommand("CmQuickStore4");
  frame().setContextNode(g.firstNode);
  EXPECT_TRUE(enabled("CmDeleteQuickSlots"));
  EXPECT_TRUE(enabled("CmSetPrimaryAtNode"));

  frame().runCommand("CmDeleteQuickSlots");
  EXPECT_FALSE(enabled("CmDeleteQuickSlots"));
}

TEST_F(NavigationCommandsTest, QuickSlots_StoreMarksChanged_ClearingEmptySlotsDoesNot) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[ee];W[cc])");
  frame().runCommand("CmDeleteQuickSlots");  // disabled, and nothing to clear
  frame().navigation().CmDeleteQuickSlots();
  EXPECT_FALSE(frame().modified());

  frame().navigation().CmQuickStore(7);
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(g.quickSlots[7], g.currentNode);
  frame().runCommand("CmStartPosition");
  frame().runCommand("CmQuickGo7");
  EXPECT_EQ(g.currentNode, g.endNode);
}

}  // namespace
}  // namespace meridax::testing
