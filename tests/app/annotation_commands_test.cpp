// The frame's annotation commands beyond what scripts show: menu texts and enabled states, the list
// dialog's port, the changes that must reach the file, and the keys of the board.

#include "app/frame_test_support.h"
#include "edit/edit_test_support.h"
#include "model/node_texts.h"

namespace meridax::testing {
namespace {

using edit_testing::onLine;

// A list dialog in which the person renames the first row and closes with OK and no row selected.
class RenamingListDialog : public PositionListPort {
 public:
  PositionListClose showPositionList(PositionListModel& model) override {
    titles.push_back(model.title());
    model.rename(0, "renamed");
    return PositionListClose{true, std::nullopt};
  }
  std::vector<std::string> titles;
};

class AnnotationCommandsTest : public FrameTest {
 protected:
  SGridFrame& open(const std::string& text) {
    load(writeFile("game.sgf", text));
    return frame().game();
  }
  bool enabled(const std::string& name) { return frame().commandEnabled(*frame().findCommand(name)); }
  std::string menuText(const std::string& name) { return frame().commandMenuText(*frame().findCommand(name)); }
};

TEST_F(AnnotationCommandsTest, MenuTexts_FollowTheCurrentNode) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[ee];W[cc])");
  EXPECT_EQ(menuText("CmBookmark"), "Set &Bookmark\tAlt+F2");
  EXPECT_EQ(menuText("CmNodeName"), "Add SGF Node Name");
  EXPECT_EQ(menuText("CmScore"), "Add SGF Score");
  EXPECT_EQ(menuText("CmPrintDiagram"), "Add a Print &Diagram\tCtrl+D");

  frame().runCommand("CmBookmark");
  ports.queueInput("Name");
  frame().runCommand("CmNodeName");
  ports.queueInput("5");
  frame().runCommand("CmScore");
  frame().runCommand("CmPrintDiagram");

  EXPECT_EQ(menuText("CmBookmark"), "Remove &Bookmark\tAlt+F2");
  EXPECT_EQ(menuText("CmNodeName"), "Edit SGF Node Name");
  EXPECT_EQ(menuText("CmScore"), "Edit SGF Score");
  EXPECT_EQ(menuText("CmPrintDiagram"), "Remove Print &Diagram\tCtrl+D");
  EXPECT_TRUE(g.currentNode->printDiagram());
  EXPECT_TRUE(frame().modified());
}

TEST_F(AnnotationCommandsTest, PrintDiagram_DisabledOnSwapNodes) {
  open("(;GM[11]SZ[11];B[c3];W[swap-sides])");
  EXPECT_FALSE(enabled("CmPrintDiagram"));
  frame().runCommand("CmPrintDiagram");
  EXPECT_FALSE(frame().game().currentNode->printDiagram());
}

TEST_F(AnnotationCommandsTest, ListRenamedInTheDialog_MarksTheGameAndTheFileChanged) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[ee]XB[1:old];W[cc])");
  RenamingListDialog dialog;
  frame().annotations().setPositionListPort(&dialog);

  frame().runCommand("CmBMDisplay");

  EXPECT_EQ(dialog.titles, (std::vector<std::string>{" Bookmarks ( 1 )"}));
  EXPECT_EQ(g.bookmarks[0].name, "renamed");
  EXPECT_TRUE(frame().modified());
  EXPECT_NE(g.flags & game_flag::kTreeChanged, 0);
}

TEST_F(AnnotationCommandsTest, BookmarkNamesOn_AskedForAndCancelAbandons) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[ee])");
  frame().appSettings().bookmarkNames = true;
  ports.queueInput(std::nullopt);
  frame().runCommand("CmBookmark");
  EXPECT_TRUE(g.bookmarks.empty());
  EXPECT_FALSE(frame().modified());

  ports.queueInput("Turning point");
  frame().runCommand("CmBookmark");
  ASSERT_EQ(g.bookmarks.size(), 1u);
  EXPECT_EQ(g.bookmarks[0].name, "Turning point");
  EXPECT_EQ(ports.takeLines(), (std::vector<std::string>{"< Bookmark Name> ? (cancel)",
                                                         "< Bookmark Name> ? Turning point"}));
}

TEST_F(AnnotationCommandsTest, CommentRemovedFromTheTree_ReachesTheFile) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[ee]C[Remove me];W[cc])");
  frame().setContextNode(nullptr);
  EXPECT_FALSE(enabled("CmRemoveCommentAtNode"));
  frame().annotations().treeContextAt(onLine(g, 1));

  frame().runCommand("CmRemoveCommentAtNode");

  EXPECT_FALSE(onLine(g, 1)->hasComment());
  EXPECT_TRUE(g.comments.empty());
  EXPECT_TRUE(frame().modified());
  EXPECT_NE(g.flags & game_flag::kTreeChanged, 0);
}

TEST_F(AnnotationCommandsTest, NodeUnderTheMouseDeletedSince_CommandsOnItDoNothing) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[ee];W[cc]C[Gone soon])");
  frame().annotations().treeContextAt(onLine(g, 2));
  ASSERT_TRUE(enabled("CmBookmarkAtNode"));
  frame().navigation().jumpToNode(onLine(g, 1));
  ports.queueAnswer(Answer::Yes);
  frame().runCommand("CmTruncate");  // truncates below move 1
  ports.takeLines();

  EXPECT_FALSE(enabled("CmBookmarkAtNode"));
  EXPECT_FALSE(enabled("CmRemoveCommentAtNode"));
  frame().annotations().CmBookmarkAtNode();
  frame().annotations().CmRemoveCommentAtNode();
  EXPECT_TRUE(g.bookmarks.empty());
  EXPECT_TRUE(frame().annotations().treeContextAt(g.endNode->next()).empty());
}

TEST_F(AnnotationCommandsTest, MarkupHidden_MarkupCommandsAndLabelEntryDisabled) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[ee])");
  frame().frameSettings().viewMarkup = 0;
  EXPECT_FALSE(enabled("CmMarkTriangle"));
  EXPECT_FALSE(enabled("CmRemoveMarkup"));
  EXPECT_FALSE(enabled("CmLabel"));
  EXPECT_FALSE(frame().annotations().boardKey("Insert"));
  EXPECT_FALSE(frame().annotations().boardKey("Delete"));
  EXPECT_TRUE(frame().annotations().boardKey("t")) << "the mark keys act whatever is shown";
  EXPECT_EQ(markupOf(g, g.currentNode), "TR[%%]");
}

TEST_F(AnnotationCommandsTest, MarkKeysOnOthello_DoNothing) {
  SGridFrame& g = open("(;GM[2]SZ[8];B[d3])");
  EXPECT_FALSE(frame().annotations().boardKey("x"));
  EXPECT_FALSE(g.currentNode->hasMarkup());
  EXPECT_FALSE(frame().modified());
}

TEST_F(AnnotationCommandsTest, ArmedLabelEntry_TakesOneCharacterThenDisarms) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[ee])");
  frame().annotations().boardContextAt(2, 2, 2, 2);
  ASSERT_TRUE(frame().annotations().boardKey("Insert"));
  EXPECT_TRUE(frame().annotations().boardKey("?")) << "not a label character: entry ends";
  EXPECT_FALSE(frame().annotations().labelEntryArmed());
  EXPECT_FALSE(g.currentNode->hasMarkup());

  frame().annotations().boardKey("Insert");
  frame().annotations().boardKey("7");
  frame().annotations().boardKey("8");  // not armed any more, and no mark key

  EXPECT_EQ(markupOf(g, g.currentNode), "LB[##:7]");
  EXPECT_TRUE(frame().modified());
}

TEST_F(AnnotationCommandsTest, DraggedArea_ShowsItsSizeAndMarksEveryPoint) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[ee])");
  frame().annotations().boardContextAt(7, 7, 9, 9);
  EXPECT_EQ(ports.status(StatusField::SideToMove), "Selected area = 4");
  frame().runCommand("CmMarkCircle");
  EXPECT_EQ(markupOf(g, g.currentNode), "CR[((][()][)(][))]");
}

TEST_F(AnnotationCommandsTest, AutomaticLabels_ToggledOnGoBoardsOnly) {
  open("(;GM[1]SZ[9];B[ee])");
  EXPECT_FALSE(frame().annotations().autoLabelMovesOn());
  frame().runCommand("CmAutoLabelMoves");
  frame().runCommand("CmAutoLabelBranches");
  EXPECT_TRUE(frame().annotations().autoLabelMovesOn());
  EXPECT_TRUE(frame().annotations().autoLabelBranchesOn());
  EXPECT_TRUE(frame().playOptions().autoLabelMoves);

  open("(;GM[2]SZ[8])");
  EXPECT_FALSE(enabled("CmAutoLabelBranches"));
  EXPECT_FALSE(enabled("CmAutoLabelMoves"));
}

struct TypedNameCase {
  const char* what;
  std::string sgf;
  std::string typed;       // UTF-8, as the dialog gives it
  std::string stored;      // the bytes the game keeps
  std::string characterSet;  // the game's set afterwards
  std::string comment;     // the bytes of the first move's comment afterwards
  bool told;               // the user was told the game went over to UTF-8
};

class TypedNameTest : public AnnotationCommandsTest, public ::testing::WithParamInterface<TypedNameCase> {};

TEST_P(TypedNameTest, StoredInTheGamesCharacterSetOrTheGameGoesOverToUtf8) {
  const TypedNameCase& c = GetParam();
  SGridFrame& g = open(c.sgf);
  ports.queueInput(c.typed);
  frame().runCommand("CmNodeName");
  const GameNode* first = g.firstNode->next();
  EXPECT_EQ(nameOf(g, g.currentNode), c.stored);
  EXPECT_EQ(g.characterSet, c.characterSet);
  EXPECT_EQ(commentOf(g, first), c.comment);
  bool told = false;
  for (const std::string& line : ports.lines()) told = told || line.find("FrameWin::StoreText()") != std::string::npos;
  EXPECT_EQ(told, c.told) << ::testing::PrintToString(ports.lines());
  EXPECT_TRUE(frame().modified());
}

INSTANTIATE_TEST_SUITE_P(
    Cases, TypedNameTest,
    ::testing::Values(
        TypedNameCase{"Latin1", "(;CA[ISO-8859-1]GM[1]SZ[9];B[ee]C[r\xE9])", "Caf\xC3\xA9", "Caf\xE9", "ISO-8859-1",
                      "r\xE9", false},
        TypedNameCase{"ShiftJis", "(;CA[Shift_JIS]GM[1]SZ[9];B[ee]C[x])", "\xE5\x9B\xB2\xE7\xA2\x81", "\x88\xCD\x8C\xE9",
                      "Shift_JIS", "x", false},
        TypedNameCase{"NoCharacterSet", "(;GM[1]SZ[9];B[ee]C[x])", "\xE5\x9B\xB4", "\xE5\x9B\xB4", "", "x", false},
        TypedNameCase{"NoFormInLatin1", "(;CA[ISO-8859-1]GM[1]SZ[9];B[ee]C[r\xE9])", "\xE2\x82\xAC" "5", "\xE2\x82\xAC" "5",
                      "UTF-8", "r\xC3\xA9", true}),
    [](const ::testing::TestParamInfo<TypedNameCase>& info) { return std::string(info.param.what); });

}  // namespace
}  // namespace meridax::testing
