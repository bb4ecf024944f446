// The contents of the board and game-tree context menus.

#include "edit/context_menus.h"

#include <gtest/gtest.h>

#include "edit/bookmarks.h"
#include "edit/edit_test_support.h"
#include "model/node_texts.h"

namespace meridax {
namespace {

using namespace edit_testing;

// One line per item: the identifier (or handler name) and the text, tabs written as "\t".
std::string listed(const std::vector<MenuItem>& menu) {
  std::string out;
  for (const MenuItem& item : menu) {
    out += item.id != 0 ? std::to_string(item.id) : item.name;
    out += ' ';
    for (char c : item.text) out += c == '\t' ? std::string("\\t") : std::string(1, c);
    out += '\n';
  }
  return out;
}

// The items after the last one of the given identifier.
std::vector<MenuItem> after(const std::vector<MenuItem>& menu, int id) {
  auto it = std::find_if(menu.begin(), menu.end(), [id](const MenuItem& m) { return m.id == id; });
  return it == menu.end() ? menu : std::vector<MenuItem>(it + 1, menu.end());
}

BoardArea point(int x, int y) { return BoardArea{x, y, x, y}; }

constexpr int kNavigatePlayed = 1778;

TEST(BoardContextMenu, SinglePointOfAGoBoardWithoutMarkup_EveryItemInOrder) {
  LoadedText t("(;GM[1]SZ[9];B[ee])");
  SGridFrame& g = t.game();
  g.primaryNode = nullptr;

  EXPECT_EQ(listed(boardContextMenu(g, point(2, 2), BoardMenuView{})),
            "1474 Hide SGF &Markup\\tAlt+F5\n"
            "1296 Hide &Cursor\\tAlt+F6\n"
            "CmCustomise &Customise\\tCtrl+Alt+O\n"
            "1298 View Go &Co-ordinates\\tShift+Ctrl+L\n"
            "1768 Set &Bookmark\\tAlt+F2\n"
            "1636 Mark Current Position as &Primary\\tAlt+F3\n"
            "CmASCII Place &ASCII to Clipboard\n"
            "GetSGF Copy &SGF Text to Clipboard\\tShift+Ctrl+W\n"
            "1778 Navigate to &Played Node\n"
            "1748 Mark Connected &Group\n"
            "1740 &Mark\n"
            "1742 Mark with &Triangle\n"
            "1743 Mark with &Circle\n"
            "1744 Mark as &Black Territory\n"
            "1745 Mark as &White Territory\n"
            "1741 Mark with &Square\n"
            "1746 &Label\n");
}

TEST(BoardContextMenu, PointCarryingMarkup_OffersRemovalAndOnlyTheMissingProperties) {
  LoadedText t("(;GM[1]SZ[9];B[ee])");
  SGridFrame& g = t.game();
  markArea(g, g.currentNode, point(4, 4), MarkupProperty::Triangle);
  setLabelAt(g, g.currentNode, 0, 0, "A");
  addMarkup(g, g.currentNode, "MA[%%]");  // (4, 4)

  EXPECT_EQ(listed(after(boardContextMenu(g, point(4, 4), BoardMenuView{}), kNavigatePlayed)),
            "1760 Remove all &Markup from Board\n"
            "1739 Remove &Markup\n"
            "1750 Remove &Group Markup\n"
            "1743 Mark with &Circle\n"
            "1744 Mark as &Black Territory\n"
            "1745 Mark as &White Territory\n"
            "1741 Mark with &Square\n"
            "1746 &Label\n");
  EXPECT_EQ(listed(after(boardContextMenu(g, point(0, 0), BoardMenuView{}), 1750)),
            "1748 Mark Connected &Group\n"
            "1740 &Mark\n"
            "1742 Mark with &Triangle\n"
            "1743 Mark with &Circle\n"
            "1744 Mark as &Black Territory\n"
            "1745 Mark as &White Territory\n"
            "1741 Mark with &Square\n"
            "1747 &Label\n")
      << "a labelled point offers every mark and shows its label";
}

TEST(BoardContextMenu, LastMarkupRemoved_RemoveAllNoLongerOffered) {
  LoadedText t("(;GM[1]SZ[9];B[ee])");
  SGridFrame& g = t.game();
  markArea(g, g.currentNode, point(1, 1), MarkupProperty::Circle);
  ASSERT_NE(listed(boardContextMenu(g, point(2, 2), BoardMenuView{})).find("1760"), std::string::npos);
  removeMarkupAt(g, g.currentNode, 1, 1);
  EXPECT_EQ(listed(boardContextMenu(g, point(2, 2), BoardMenuView{})).find("1760"), std::string::npos);
}

TEST(BoardContextMenu, DraggedAreaOnOthello_OnlyTheAreaMarks) {
  LoadedText t("(;GM[2]SZ[8])");
  SGridFrame& g = t.game();
  EXPECT_EQ(listed(boardContextMenu(g, BoardArea{1, 1, 3, 2}, BoardMenuView{})),
            "1740 &Mark\n"
            "1742 Mark with &Triangle\n"
            "1743 Mark with &Circle\n"
            "1741 Mark with &Square\n");
}

TEST(BoardContextMenu, OthelloPoint_ShowsTheHighlightTogglesWithTheirState) {
  LoadedText t("(;GM[2]SZ[8])");
  BoardMenuView view;
  view.availableShown = false;
  const std::string menu = listed(boardContextMenu(t.game(), point(0, 0), view));
  EXPECT_NE(menu.find("1296 Hide &Cursor\\tAlt+F6\n1234 View &Search\\tAlt+F7\n"
                      "1224 Hide &Highlighting\\tAlt+F8\nCmCustomise"),
            std::string::npos)
      << menu;
  EXPECT_EQ(menu.find("1298"), std::string::npos) << "co-ordinates are for Go boards";
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
  EXPECT_NE(menu.find("1768 Remove &Bookmark\\tAlt+F2\nCmASCII"), std::string::npos) << menu;
  EXPECT_NE(menu.find("1778 Navigate to &Played Node\n1696 Create a region of black territory\n"
                      "1694 Create a region of white territory\n1698 Remove region of territory\n"),
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
            "1799 Add &Node Name\n"
            "1808 Add SGF &Score\n"
            "1795 Add a Print &Diagram\n"
            "1802 Make &Primary\n"
            "1804 Set &Bookmark\n"
            "1801 &Truncate\n");
}

TEST(TreeContextMenu, AnnotatedNodeBelowABranching_RemoveAndEditItemsAndRemoveBranch) {
  LoadedText t("(;GM[1]SZ[9];B[aa](;W[bb]N[Name]V[3]C[Note]FG[])(;W[cc]))");
  SGridFrame& g = t.game();
  GameNode* bb = onLine(g, 2);
  g.primaryNode = bb;
  appendBookmark(g, bb, "");
  g.currentNode = g.endNode;

  EXPECT_EQ(listed(treeContextMenu(g, bb, true)),
            "1797 Remove &Node Name\n"
            "1794 Edit &Node Name\n"
            "1807 Remove SGF &Score\n"
            "1806 Edit SGF &Score\n"
            "1798 Remove &Comment\n"
            "1796 Remove Print &Diagram\n"
            "1804 Remove &Bookmark\n"
            "1800 &Remove Branch\n");
}

TEST(TreeContextMenu, FirstNodeAndSwapNodes_LeaveOutWhatDoesNotApply) {
  LoadedText t("(;GM[11]SZ[11]N[Start];B[c3];W[swap-sides])");
  SGridFrame& g = t.game();
  g.currentNode = g.endNode;
  g.primaryNode = g.endNode;
  EXPECT_EQ(listed(treeContextMenu(g, g.firstNode, false)), "1797 Remove &Node Name\n1794 Edit &Node Name\n1808 Add SGF &Score\n");
  EXPECT_EQ(listed(treeContextMenu(g, g.endNode, true)), "1799 Add &Node Name\n1808 Add SGF &Score\n1804 Set &Bookmark\n");
  EXPECT_TRUE(treeContextMenu(g, nullptr, true).empty());
}

}  // namespace
}  // namespace meridax
