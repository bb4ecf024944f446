// The contents of the board and game-tree context menus.

#include "app/context_menus.h"

#include <gtest/gtest.h>

#include "edit/bookmarks.h"
#include "edit/edit_test_support.h"
#include "model/node_texts.h"

namespace meridax {
namespace {

using namespace edit_testing;

// One line per item: the handler name and the text, tabs written as "\t".
std::string listed(const std::vector<MenuItem>& menu) {
  std::string out;
  for (const MenuItem& item : menu) {
    out += item.name;
    out += ' ';
    for (char c : item.text) out += c == '\t' ? std::string("\\t") : std::string(1, c);
    out += '\n';
  }
  return out;
}

// The items after the first one of the given command.
std::vector<MenuItem> after(const std::vector<MenuItem>& menu, const std::string& name) {
  auto it = std::find_if(menu.begin(), menu.end(), [&](const MenuItem& m) { return m.name == name; });
  return it == menu.end() ? menu : std::vector<MenuItem>(it + 1, menu.end());
}

BoardArea point(int x, int y) { return BoardArea{x, y, x, y}; }

constexpr char kNavigatePlayed[] = "CmNavigatePlayed";

TEST(BoardContextMenu, SinglePointOfAGoBoardWithoutMarkup_EveryItemInOrder) {
  LoadedText t("(;GM[1]SZ[9];B[ee])");
  SGridFrame& g = t.game();
  g.primaryNode = nullptr;

  EXPECT_EQ(listed(boardContextMenu(g, point(2, 2), BoardMenuView{})),
            "CmViewMarkup Hide SGF &Markup\\tAlt+F5\n"
            "CmViewCursor Hide &Cursor\\tAlt+F6\n"
            "CmCustomise &Customise\\tCtrl+Alt+O\n"
            "CmViewGoCoordinates View Go &Co-ordinates\\tShift+Ctrl+L\n"
            "CmBookmark Set &Bookmark\\tAlt+F2\n"
            "CmSetPrimary Mark Current Position as &Primary\\tAlt+F3\n"
            "GetASCII Place &ASCII to Clipboard\n"
            "CmCopySGF Copy &SGF Text to Clipboard\\tShift+Ctrl+W\n"
            "CmNavigatePlayed Navigate to &Played Node\n"
            "CmMarkGroup Mark Connected &Group\n"
            "CmMarkArea &Mark\n"
            "CmMarkTriangle Mark with &Triangle\n"
            "CmMarkCircle Mark with &Circle\n"
            "CmMarkBlackTerritory Mark as &Black Territory\n"
            "CmMarkWhiteTerritory Mark as &White Territory\n"
            "CmMarkSquare Mark with &Square\n"
            "CmLabel &Label\n");
}

TEST(BoardContextMenu, PointCarryingMarkup_OffersRemovalAndOnlyTheMissingProperties) {
  LoadedText t("(;GM[1]SZ[9];B[ee])");
  SGridFrame& g = t.game();
  markArea(g, g.currentNode, point(4, 4), MarkupProperty::Triangle);
  setLabelAt(g, g.currentNode, 0, 0, "A");
  addMarkup(g, g.currentNode, "MA[%%]");  // (4, 4)

  EXPECT_EQ(listed(after(boardContextMenu(g, point(4, 4), BoardMenuView{}), kNavigatePlayed)),
            "CmRemoveBoardMarkup Remove all &Markup from Board\n"
            "CmRemoveMarkup Remove &Markup\n"
            "CmRemoveGroupMarkup Remove &Group Markup\n"
            "CmMarkCircle Mark with &Circle\n"
            "CmMarkBlackTerritory Mark as &Black Territory\n"
            "CmMarkWhiteTerritory Mark as &White Territory\n"
            "CmMarkSquare Mark with &Square\n"
            "CmLabel &Label\n");
  EXPECT_EQ(listed(after(boardContextMenu(g, point(0, 0), BoardMenuView{}), "CmRemoveGroupMarkup")),
            "CmMarkGroup Mark Connected &Group\n"
            "CmMarkArea &Mark\n"
            "CmMarkTriangle Mark with &Triangle\n"
            "CmMarkCircle Mark with &Circle\n"
            "CmMarkBlackTerritory Mark as &Black Territory\n"
            "CmMarkWhiteTerritory Mark as &White Territory\n"
            "CmMarkSquare Mark with &Square\n"
            "CmViewLabel &Label\n")
      << "a labelled point offers every mark and shows its label";
}

TEST(BoardContextMenu, LastMarkupRemoved_RemoveAllNoLongerOffered) {
  LoadedText t("(;GM[1]SZ[9];B[ee])");
  SGridFrame& g = t.game();
  markArea(g, g.currentNode, point(1, 1), MarkupProperty::Circle);
  ASSERT_NE(listed(boardContextMenu(g, point(2, 2), BoardMenuView{})).find("CmRemoveBoardMarkup"), std::string::npos);
  removeMarkupAt(g, g.currentNode, 1, 1);
  EXPECT_EQ(listed(boardContextMenu(g, point(2, 2), BoardMenuView{})).find("CmRemoveBoardMarkup"), std::string::npos);
}

TEST(BoardContextMenu, DraggedAreaOnOthello_OnlyTheAreaMarks) {
  LoadedText t("(;GM[2]SZ[8])");
  SGridFrame& g = t.game();
  EXPECT_EQ(listed(boardContextMenu(g, BoardArea{1, 1, 3, 2}, BoardMenuView{})),
            "CmMarkArea &Mark\n"
            "CmMarkTriangle Mark with &Triangle\n"
            "CmMarkCircle Mark with &Circle\n"
            "CmMarkSquare Mark with &Square\n");
}

TEST(BoardContextMenu, OthelloPoint_ShowsTheHighlightTogglesWithTheirState) {
  LoadedText t("(;GM[2]SZ[8])");
  BoardMenuView view;
  view.availableShown = false;
  const std::string menu = listed(boardContextMenu(t.game(), point(0, 0), view));
  EXPECT_NE(menu.find("CmViewCursor Hide &Cursor\\tAlt+F6\nCmViewSearch View &Search\\tAlt+F7\n"
                      "CmViewHighlighting Hide &Highlighting\\tAlt+F8\nCmCustomise"),
            std::string::npos)
      << menu;
  EXPECT_EQ(menu.find("CmViewGoCoordinates"), std::string::npos) << "co-ordinates are for Go boards";
}

TEST(BoardContextMenu, MarkupHidden_NoMarkupItems) {
  LoadedText t("(;GM[1]SZ[9];B[ee])");
  SGridFrame& g = t.game();
  markArea(g, g.currentNode, point(4, 4), MarkupProperty::Triangle);
  BoardMenuView view;
  view.markupShown = false;
  EXPECT_EQ(after(boardContextMenu(g, point(4, 4), view), kNavigatePlayed).size(), 0u);
  EXPECT_EQ(boardContextMenu(g, BoardArea{0, 0, 1, 1}, view).size(), 0u);
}

TEST(BoardContextMenu, BookmarkedPrimaryPositionKropki_TogglesFollowTheGame) {
  LoadedText t("(;GM[40]SZ[9];B[ee])");
  SGridFrame& g = t.game();
  appendBookmark(g, g.currentNode, "");
  g.primaryNode = g.currentNode;
  const std::string menu = listed(boardContextMenu(g, point(0, 0), BoardMenuView{}));
  EXPECT_NE(menu.find("CmBookmark Remove &Bookmark\\tAlt+F2\nGetASCII"), std::string::npos) << menu;
  EXPECT_NE(menu.find("CmNavigatePlayed Navigate to &Played Node\nCmKropkiBlackTerritory Create a region of black territory\n"
                      "CmKropkiWhiteTerritory Create a region of white territory\nCmKropkiRemoveTerritory Remove region of territory\n"),
            std::string::npos)
      << menu;
}

// ---- The game-tree menu ----

TEST(TreeContextMenu, PlainMoveBox_AddItemsAndTruncate) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = t.game();
  g.primaryNode = nullptr;
  g.currentNode = onLine(g, 1);

  EXPECT_EQ(listed(treeContextMenu(g, onLine(g, 1), true)),
            "CmAddNodeNameAtNode Add &Node Name\n"
            "CmAddScoreAtNode Add SGF &Score\n"
            "CmAddPrintDiagramAtNode Add a Print &Diagram\n"
            "CmSetPrimaryAtNode Make &Primary\n"
            "CmBookmarkAtNode Set &Bookmark\n"
            "CmTruncateAtNode &Truncate\n");
}

TEST(TreeContextMenu, AnnotatedNodeBelowABranching_RemoveAndEditItemsAndRemoveBranch) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb]N[Name]V[3]C[Note]FG[])(;W[cc]))");
  SGridFrame& g = t.game();
  GameNode* bb = onLine(g, 2);
  g.primaryNode = bb;
  appendBookmark(g, bb, "");
  g.currentNode = g.endNode;

  EXPECT_EQ(listed(treeContextMenu(g, bb, true)),
            "CmDeleteNodeNameAtNode Remove &Node Name\n"
            "CmEditNodeNameAtNode Edit &Node Name\n"
            "CmDeleteScoreAtNode Remove SGF &Score\n"
            "CmEditScoreAtNode Edit SGF &Score\n"
            "CmRemoveCommentAtNode Remove &Comment\n"
            "CmRemovePrintDiagramAtNode Remove Print &Diagram\n"
            "CmBookmarkAtNode Remove &Bookmark\n"
            "CmDeleteBranchAtNode &Remove Branch\n");
}

TEST(TreeContextMenu, FirstNodeAndSwapNodes_LeaveOutWhatDoesNotApply) {
  LoadedText t("(;GM[11]SZ[11]N[Start];B[c3];W[swap-sides])");
  SGridFrame& g = t.game();
  g.currentNode = g.endNode;
  g.primaryNode = g.endNode;
  EXPECT_EQ(listed(treeContextMenu(g, g.firstNode, false)), "CmDeleteNodeNameAtNode Remove &Node Name\nCmEditNodeNameAtNode Edit &Node Name\nCmAddScoreAtNode Add SGF &Score\n");
  EXPECT_EQ(listed(treeContextMenu(g, g.endNode, true)), "CmAddNodeNameAtNode Add &Node Name\nCmAddScoreAtNode Add SGF &Score\nCmBookmarkAtNode Set &Bookmark\n");
  EXPECT_TRUE(treeContextMenu(g, nullptr, true).empty());
}

}  // namespace
}  // namespace meridax
