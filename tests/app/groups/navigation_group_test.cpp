// The navigation group alone over a fake frame: where each command goes, what it asks of the frame
// (marks, refreshes, the label entry, the marked area), and what it tells when there is nowhere to go.

#include "app/groups/fake_frame_services.h"
#include "app/navigation_commands.h"
#include "edit/edit_test_support.h"

namespace meridax::testing {
namespace {

using edit_testing::byMoves;
using edit_testing::pointOf;

// ee cc gc cg, then three lines: gg dd (continuation), ge dg, hh.
constexpr char kTree[] =
    "(;GM[1]SZ[9];B[ee]C[Centre];W[cc];B[gc];W[cg](;B[gg];W[dd])(;B[ge]C[Side];W[dg])(;B[hh]))";

struct Step {
  const char* name;
  const char* from;  // moves to the start node; "" for the first node
  void (NavigationCommands::*command)();
  const char* to;      // the point of the node reached, "root" for the first node
  bool marksTheGame;   // the tree changed (and so the file)
};

class NavigationGroupTest : public ::testing::TestWithParam<Step> {
 protected:
  GameNode* at(const std::string& moves) { return moves.empty() ? host.game().firstNode : byMoves(host.game(), moves); }

  FakeFrameServices host{kTree};
  NavigationCommands navigation{host};
};

TEST_P(NavigationGroupTest, Command_ReachesItsNodeAndMarksOnlyWhenTheTreeChanges) {
  const Step& s = GetParam();
  navigation.jumpToNode(at(s.from));
  host.modifiedMarks = 0;

  (navigation.*s.command)();

  EXPECT_EQ(pointOf(host.game(), host.game().currentNode), s.to);
  EXPECT_EQ(host.modifiedMarks > 0, s.marksTheGame);
  EXPECT_EQ((host.game().flags & game_flag::kTreeChanged) != 0, s.marksTheGame);
}

const Step kSteps[] = {
    {"NextMove", "ee", &NavigationCommands::CmNextMove, "cc", false},
    {"PreviousMove", "ee cc", &NavigationCommands::CmPreviousMove, "ee", false},
    {"PreviousMoveAtTheStart", "", &NavigationCommands::CmPreviousMove, "root", false},
    {"DownEightStopsAtTheLineEnd", "ee", &NavigationCommands::CmDownEightMoves, "dd", false},
    {"UpEightStopsAtTheStart", "ee cc gc", &NavigationCommands::CmUpEightMoves, "root", false},
    {"EndPosition", "", &NavigationCommands::CmEndPosition, "dd", false},
    {"StartPosition", "ee cc gc cg gg", &NavigationCommands::CmStartPosition, "root", false},
    {"NextBranchNode", "ee", &NavigationCommands::CmNextBranchNode, "cg", false},
    {"PreviousBranchNode", "ee cc gc cg gg dd", &NavigationCommands::CmPreviousBranchNode, "cg", false},
    {"NeighbourBranchRotatesTheLines", "ee cc gc cg gg", &NavigationCommands::CmNeighbourBranch, "hh", true},
    {"SetPrimaryMovesNowhere", "ee cc", &NavigationCommands::CmSetPrimary, "cc", true},
    {"NeighbourWithoutSideLines", "ee", &NavigationCommands::CmNeighbourBranch, "ee", false},
};

INSTANTIATE_TEST_SUITE_P(Steps, NavigationGroupTest, ::testing::ValuesIn(kSteps),
                         [](const auto& info) { return std::string(info.param.name); });

class NavigationGroupAloneTest : public ::testing::Test {
 protected:
  FakeFrameServices host{kTree};
  NavigationCommands navigation{host};
};

TEST_F(NavigationGroupAloneTest, Jump_DisarmsLabelsMovesTheCursorAndMarksItsSquare) {
  navigation.jumpToNode(byMoves(host.game(), "ee cc"));

  EXPECT_EQ(host.labelEntryCancels, 1);
  EXPECT_EQ(host.statusRefreshes, 1);
  const SGridFrame& g = host.game();
  EXPECT_EQ(pointOf(g, g.currentNode), "cc");
  EXPECT_EQ(g.cursorX, 6);  // the next move, gc
  EXPECT_EQ(g.cursorY, 2);
  const MarkedArea& m = host.markedArea();
  EXPECT_EQ((std::vector<int>{m.x1, m.y1, m.x2, m.y2}), (std::vector<int>{6, 2, 6, 2}));
}

TEST_F(NavigationGroupAloneTest, JumpToTheCurrentNodeOrNowhere_AsksNothingOfTheFrame) {
  navigation.jumpToNode(host.game().currentNode);
  navigation.jumpToNode(nullptr);

  EXPECT_EQ(host.labelEntryCancels, 0);
  EXPECT_EQ(host.statusRefreshes, 0);
  EXPECT_EQ(host.ports_.redrawCount(), 0);
}

TEST_F(NavigationGroupAloneTest, TreeClick_IsOneActionAndTheNodeComesUnderTheMouse) {
  GameNode* side = byMoves(host.game(), "ee cc gc cg hh");

  navigation.treeClick(side, TreeClick::VariationLine);

  EXPECT_EQ(host.actionsBegun, 1);
  EXPECT_EQ(host.actionsEnded, 1);
  EXPECT_EQ(host.context().node, side);
  EXPECT_EQ(host.game().currentNode, side);
  EXPECT_EQ(host.modifiedMarks, 1);
}

TEST_F(NavigationGroupAloneTest, NothingToFind_IsToldAndTheNodeStays) {
  FakeFrameServices bare{"(;GM[1]SZ[9];B[ee];W[cc])"};
  NavigationCommands alone{bare};
  GameNode* before = bare.game().currentNode;

  alone.CmCommentNext();
  bare.setContextPoint(0, 0);
  alone.CmNavigatePlayed();

  EXPECT_EQ(bare.game().currentNode, before);
  EXPECT_EQ(bare.ports_.lines(), (std::vector<std::string>{
                                     "[CmCommentNext()] No comments were found in the game tree",
                                     "[CmNavigatePlayed()] No move could be found."}));
}

TEST_F(NavigationGroupAloneTest, NodeUnderTheMouseFromAnotherGame_IsNoNodeAtAll) {
  FakeFrameServices other{kTree};
  const GameNode* primary = host.game().primaryNode;
  host.setContextNode(other.game().firstNode->next());

  EXPECT_EQ(host.nodeUnderMouse(), nullptr);
  navigation.CmSetPrimaryAtNode();
  EXPECT_EQ(host.game().primaryNode, primary);
  EXPECT_EQ(host.modifiedMarks, 0);
}

}  // namespace
}  // namespace meridax::testing
