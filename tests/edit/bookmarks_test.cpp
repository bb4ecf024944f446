// Bookmarks, the move texts of the list rows, and the list of bookmarks or named positions.

#include "edit/bookmarks.h"

#include <gtest/gtest.h>

#include "edit/edit_test_support.h"
#include "model/node_texts.h"

namespace meridax {
namespace {

using namespace edit_testing;

TEST(Bookmarks, ToggleOffABookmarkedNode_RemovesEveryEntryPointingToIt) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = t.game();
  GameNode* aa = onLine(g, 1);
  appendBookmark(g, aa, "first");
  appendBookmark(g, onLine(g, 2), "other");
  appendBookmark(g, aa, "again");

  EXPECT_EQ(removeBookmarksOf(g, aa), 2);

  ASSERT_EQ(g.bookmarks.size(), 1u);
  EXPECT_EQ(g.bookmarks[0].name, "other");
  EXPECT_FALSE(isBookmarked(g, aa));
  EXPECT_EQ(removeBookmarksOf(g, aa), 0);
}

TEST(Bookmarks, Appended_NumberedSoThatTheOrderSurvivesSaving) {
  // Saved bookmarks come back in descending order of number.
  LoadedText t("(;GM[1]SZ[9];B[aa]XB[7:read];W[bb];B[cc])");
  SGridFrame& g = t.game();
  ASSERT_EQ(g.bookmarks.size(), 1u);
  appendBookmark(g, onLine(g, 2), "");
  appendBookmark(g, onLine(g, 3), "last");

  ASSERT_EQ(g.bookmarks.size(), 3u);
  EXPECT_EQ(g.bookmarks[0].name, "read");
  EXPECT_EQ(g.bookmarks[0].number, 3);
  EXPECT_EQ(g.bookmarks[1].number, 2);
  EXPECT_EQ(g.bookmarks[2].number, 1);
}

TEST(Bookmarks, DeletedText_SingularAfterOneAndPluralOtherwise) {
  const struct {
    int count;
    const char* text;
  } cases[] = {{1, "1 bookmark deleted"}, {2, "2 bookmarks deleted"}, {0, "0 bookmarks deleted"},
               {11, "11 bookmarks deleted"}};
  for (const auto& c : cases) EXPECT_EQ(bookmarksDeletedText(c.count), c.text);
}

TEST(Bookmarks, DeleteAll_CountsTheEntries) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = t.game();
  appendBookmark(g, onLine(g, 1), "");
  appendBookmark(g, onLine(g, 1), "");
  EXPECT_EQ(deleteAllBookmarks(g), 2);
  EXPECT_EQ(deleteAllBookmarks(g), 0);
}

// ---- Move texts ----

TEST(PositionMoveText, EveryKindOfNode) {
  LoadedText go("(;GM[1]SZ[19];B[pd];W[];B[resign])");
  SGridFrame& g = go.game();
  EXPECT_EQ(positionMoveText(g, g.firstNode), "");
  EXPECT_EQ(positionMoveText(g, onLine(g, 1)), "B. q16");
  EXPECT_EQ(positionMoveText(g, onLine(g, 2)), "W. (pass)");
  EXPECT_EQ(positionMoveText(g, onLine(g, 3)), "B. (resign)");

  LoadedText hex("(;GM[11]SZ[11];B[c3];W[swap-sides])");
  EXPECT_EQ(positionMoveText(hex.game(), onLine(hex.game(), 1)), "V. c3");
  EXPECT_EQ(positionMoveText(hex.game(), onLine(hex.game(), 2)), "H. (swap sides)");

  LoadedText composed("(;GM[1]SZ[9];B[aa];AB[cc];W[bb])");
  EXPECT_EQ(positionMoveText(composed.game(), onLine(composed.game(), 2)), "(compose)");
}

// ---- The list ----

TEST(PositionList, Bookmarks_RowsInListOrderWithTitle) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = t.game();
  appendBookmark(g, onLine(g, 2), "second");
  appendBookmark(g, g.firstNode, "");
  PositionListModel model(g, PositionListKind::Bookmarks);

  ASSERT_EQ(model.rowCount(), 2u);
  EXPECT_EQ(model.title(), " Bookmarks ( 2 )");
  EXPECT_EQ(model.moveText(0), "W. b8");
  EXPECT_EQ(model.name(0), "second");
  EXPECT_EQ(model.moveText(1), "");
  EXPECT_EQ(model.node(2), nullptr);
  EXPECT_EQ(model.name(2), "");
}

TEST(PositionList, BookmarkRenamedAndDeleted_StoredAtOnceAndCounted) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = t.game();
  appendBookmark(g, onLine(g, 1), "a");
  appendBookmark(g, onLine(g, 2), "b");
  PositionListModel model(g, PositionListKind::Bookmarks);

  EXPECT_FALSE(model.rename(0, "a"));
  EXPECT_FALSE(model.changed());
  EXPECT_TRUE(model.rename(0, "renamed"));
  EXPECT_EQ(g.bookmarks[0].name, "renamed");
  EXPECT_TRUE(model.changed());
  EXPECT_FALSE(model.countChanged());

  EXPECT_TRUE(model.remove(1));
  EXPECT_FALSE(model.remove(1));
  EXPECT_TRUE(model.countChanged());
  EXPECT_EQ(model.title(), " Bookmarks ( 1 )");
  EXPECT_FALSE(isBookmarked(g, onLine(g, 2)));
}

TEST(PositionList, NodeNames_InTreeOrder_BlankRenameDeletesTheName) {
  LoadedText t("(;GM[1]SZ[9];B[aa]N[Opening](;W[bb];B[cc]N[Main])(;W[dd]N[Side]))");
  SGridFrame& g = t.game();
  PositionListModel model(g, PositionListKind::NodeNames);
  ASSERT_EQ(model.rowCount(), 3u);
  EXPECT_EQ(model.title(), " Node Names ( 3 )");
  EXPECT_EQ(model.name(0), "Opening");
  EXPECT_EQ(model.name(1), "Side");
  EXPECT_EQ(model.name(2), "Main");

  EXPECT_TRUE(model.rename(1, "\tNew side \r\n"));
  EXPECT_EQ(nameOf(g, byMoves(g, "aa dd")), "New side");

  GameNode* main = model.node(2);
  EXPECT_TRUE(model.rename(2, "  \t "));
  EXPECT_FALSE(main->hasName());
  EXPECT_EQ(model.rowCount(), 2u);
  EXPECT_TRUE(model.countChanged());
  EXPECT_EQ(validateTree(g), "");
}

}  // namespace
}  // namespace meridax
