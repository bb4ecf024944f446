// The annotation group alone over a fake frame: the board's context gesture sets the marked area and the
// point under the mouse as one action, and a position chosen from a list is reached through the frame.

#include "app/annotation_commands.h"
#include "app/groups/fake_frame_services.h"
#include "edit/edit_test_support.h"

namespace meridax::testing {
namespace {

using edit_testing::byMoves;

struct Gesture {
  const char* name;
  int x1, y1, x2, y2;
  const char* notice;  // "" for none
  bool cursorMoves;    // a single point on the board takes the cursor
};

class BoardContextGesture : public ::testing::TestWithParam<Gesture> {
 protected:
  FakeFrameServices host{"(;GM[1]SZ[9];B[ee];W[cc])"};
  AnnotationCommands annotations{host};
};

TEST_P(BoardContextGesture, MarksTheAreaAsOneAction) {
  const Gesture& g = GetParam();
  SGridFrame& game = host.game();
  const int cursorX = game.cursorX, cursorY = game.cursorY;

  const std::vector<MenuItem> menu = annotations.boardContextAt(g.x1, g.y1, g.x2, g.y2);

  EXPECT_FALSE(menu.empty());
  EXPECT_EQ(host.actionsBegun, 1);
  EXPECT_EQ(host.actionsEnded, 1);
  const MarkedArea& m = host.markedArea();
  EXPECT_EQ((std::vector<int>{m.x1, m.y1, m.x2, m.y2}), (std::vector<int>{g.x1, g.y1, g.x2, g.y2}));
  EXPECT_EQ(host.context().x, g.x1);
  EXPECT_EQ(host.context().y, g.y1);
  EXPECT_EQ(host.notices, *g.notice ? std::vector<std::string>{g.notice} : std::vector<std::string>{});
  EXPECT_EQ(game.cursorX == g.x1 && game.cursorY == g.y1, g.cursorMoves || (cursorX == g.x1 && cursorY == g.y1));
  EXPECT_EQ(host.modifiedMarks, 0);
}

const Gesture kGestures[] = {
    {"OnePoint", 2, 3, 2, 3, "", true},
    {"Area", 0, 0, 2, 1, "Selected area = 6", false},
    {"AreaDraggedBackwards", 2, 1, 0, 0, "Selected area = 6", false},
    {"PointOffTheBoard", 12, 12, 12, 12, "", false},
};

INSTANTIATE_TEST_SUITE_P(Gestures, BoardContextGesture, ::testing::ValuesIn(kGestures),
                         [](const auto& info) { return std::string(info.param.name); });

class FirstRowChosen : public PositionListPort {
 public:
  PositionListClose showPositionList(PositionListModel&) override { return PositionListClose{true, 0}; }
};

TEST(AnnotationGroup, BookmarkChosenFromTheList_IsReachedThroughTheFrame) {
  FakeFrameServices host{"(;GM[1]SZ[9];B[ee];W[cc];B[gg])"};
  AnnotationCommands annotations{host};
  GameNode* marked = byMoves(host.game(), "ee cc");
  host.setContextNode(marked);
  annotations.CmBookmarkAtNode();
  FirstRowChosen chooser;
  annotations.setPositionListPort(&chooser);

  annotations.CmBMDisplay();

  EXPECT_EQ(host.jumps, std::vector<GameNode*>{marked});
  EXPECT_EQ(host.modifiedMarks, 1);  // the bookmark, not the look at the list
}

TEST(AnnotationGroup, TreeContextOnANodeOfAnotherGame_LeavesNoNodeUnderTheMouse) {
  FakeFrameServices host{"(;GM[1]SZ[9];B[ee])"};
  FakeFrameServices other{"(;GM[1]SZ[9];B[ee])"};
  AnnotationCommands annotations{host};

  annotations.treeContextAt(other.game().firstNode->next());

  EXPECT_EQ(host.context().node, nullptr);
  EXPECT_EQ(host.actionsEnded, 1);
}

}  // namespace
}  // namespace meridax::testing
