// The comment list, stepping to the next and previous comment, and the find dialog's search.

#include "edit/comment_search.h"

#include <gtest/gtest.h>

#include "edit/edit_test_support.h"
#include "edit/navigation.h"
#include "model/node_texts.h"

namespace meridax {
namespace {

using namespace edit_testing;

// Comments on aa, on the side line's dd and on the continuation's cc.
constexpr char kCommented[] = "(;GM[1]SZ[9];B[aa]C[Opening];W[bb](;B[cc]C[main line])(;B[dd]C[A side LINE]))";

TEST(CommentList, SideVariationsComeAfterTheirBranchingNode) {
  LoadedText t(kCommented);
  EXPECT_EQ(pointsOf(t.game(), commentList(t.game())), "aa dd cc");
}

// ---- Next and previous ----

TEST(CommentStep, OnlyCommentStandingOnIt_StaysThere) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb]C[the only one];B[cc])");
  SGridFrame& g = t.game();
  g.currentNode = onLine(g, 2);
  CommentCursor comments;
  EXPECT_EQ(stepToComment(comments, g, SearchDirection::Down), nullptr);
  EXPECT_EQ(stepToComment(comments, g, SearchDirection::Up), nullptr);
  EXPECT_EQ(comments.entries().size(), 1u);
}

TEST(CommentStep, Down_GoesFromNoEntryToTheFirstAndWrapsAfterTheLast) {
  LoadedText t(kCommented);
  SGridFrame& g = t.game();
  g.currentNode = g.firstNode;
  CommentCursor comments;
  std::vector<GameNode*> visited;
  for (int i = 0; i < 4; ++i) visited.push_back(stepToComment(comments, g, SearchDirection::Down));
  EXPECT_EQ(pointsOf(g, visited), "aa dd cc aa");
}

TEST(CommentStep, Up_GoesFromNoEntryToTheLastAndSkipsTheCurrentNode) {
  LoadedText t(kCommented);
  SGridFrame& g = t.game();
  g.currentNode = byMoves(g, "aa bb cc");
  CommentCursor comments;
  // The last entry is the current node: the step goes once more.
  EXPECT_EQ(pointOf(g, stepToComment(comments, g, SearchDirection::Up)), "dd");
}

TEST(CommentStep, NoComment_GivesNothingAndAnEmptyList) {
  LoadedText t("(;GM[1]SZ[9];B[aa])");
  CommentCursor comments;
  EXPECT_EQ(stepToComment(comments, t.game(), SearchDirection::Down), nullptr);
  EXPECT_TRUE(comments.entries().empty());
}

TEST(CommentStep, ListKeepsItsOrderAndCursorWhenAnotherLineIsSelected) {
  LoadedText t(kCommented);
  SGridFrame& g = t.game();
  g.currentNode = g.firstNode;
  CommentCursor comments;
  stepToComment(comments, g, SearchDirection::Down);
  GameNode* dd = stepToComment(comments, g, SearchDirection::Down);
  ASSERT_EQ(pointOf(g, dd), "dd");
  ASSERT_TRUE(selectLineOf(g, dd));  // the walk would now list cc first
  g.currentNode = dd;

  EXPECT_EQ(pointOf(g, stepToComment(comments, g, SearchDirection::Down)), "cc");
}

TEST(CommentStep, CommentRemoved_ListRebuiltWithItsCursorOnNoEntry) {
  LoadedText t(kCommented);
  SGridFrame& g = t.game();
  g.currentNode = g.firstNode;
  CommentCursor comments;
  stepToComment(comments, g, SearchDirection::Down);
  stepToComment(comments, g, SearchDirection::Down);
  setComment(g, byMoves(g, "aa bb cc"), "");

  EXPECT_EQ(pointOf(g, stepToComment(comments, g, SearchDirection::Down)), "aa");
  EXPECT_EQ(comments.entries().size(), 2u);
}

// ---- Find ----

FindRequest find(const std::string& text, bool matchCase = false, SearchDirection d = SearchDirection::Down) {
  return FindRequest{text, matchCase, d};
}

TEST(FindComment, OnlyMatchOnTheCurrentNode_ReportsOneOccurrenceAfterEveryComment) {
  LoadedText t(kCommented);
  SGridFrame& g = t.game();
  g.currentNode = g.firstNode;
  CommentCursor comments;
  const FindRequest request = find("main");
  const FindOutcome first = findInComments(comments, g, request);
  ASSERT_EQ(first.result, FindResult::Found);
  g.currentNode = first.node;

  const FindOutcome again = findInComments(comments, g, request);

  EXPECT_EQ(again.result, FindResult::OnlyCurrent);
  EXPECT_EQ(again.node, g.currentNode);
  EXPECT_EQ(again.searched, 3);
  EXPECT_EQ(findReportText(request, again),
            "'main'\r\n\r\nOnly one occurrence of this string could be found.\r\n3 comments were searched.");
}

TEST(FindComment, NoMatch_ReportsEveryCommentSearched) {
  LoadedText t(kCommented);
  SGridFrame& g = t.game();
  CommentCursor comments;
  const FindRequest request = find("ko fight");

  const FindOutcome outcome = findInComments(comments, g, request);

  EXPECT_EQ(outcome.result, FindResult::NotFound);
  EXPECT_EQ(outcome.searched, 3);
  EXPECT_EQ(findReportText(request, outcome),
            "'ko fight'\r\n\r\nThis string could not be found.\r\n3 comments were searched.");
}

TEST(FindComment, RepeatedRequests_MoveOnFromTheEntryFound) {
  LoadedText t(kCommented);
  SGridFrame& g = t.game();
  g.currentNode = g.firstNode;
  CommentCursor comments;
  // Without a cursor the search starts after the first entry, which it reaches last.
  const struct {
    const char* node;
    int searched;
  } expected[] = {{"dd", 1}, {"cc", 1}, {"dd", 2}};
  for (const auto& e : expected) {
    const FindOutcome outcome = findInComments(comments, g, find("li"));
    EXPECT_EQ(outcome.result, FindResult::Found);
    EXPECT_EQ(pointOf(g, outcome.node), e.node);
    EXPECT_EQ(outcome.searched, e.searched);
  }
}

TEST(FindComment, Up_StartsBeforeTheLastEntry) {
  LoadedText t(kCommented);
  SGridFrame& g = t.game();
  g.currentNode = g.firstNode;
  CommentCursor comments;
  const FindOutcome outcome = findInComments(comments, g, find("i", false, SearchDirection::Up));
  EXPECT_EQ(pointOf(g, outcome.node), "dd");
  EXPECT_EQ(outcome.searched, 1);
}

TEST(FindComment, MatchCase_ComparesTheTextAsWritten) {
  LoadedText t(kCommented);
  SGridFrame& g = t.game();
  g.currentNode = g.firstNode;
  CommentCursor withCase;
  EXPECT_EQ(findInComments(withCase, g, find("line", true)).node, byMoves(g, "aa bb cc"));
  CommentCursor withoutCase;
  EXPECT_EQ(findInComments(withoutCase, g, find("line", false)).node, byMoves(g, "aa bb dd"));
}

struct EncodedFindCase {
  const char* sgf;
  const char* wanted;  // UTF-8, as the dialog gives it
};

class FindEncodedComment : public ::testing::TestWithParam<EncodedFindCase> {};

TEST_P(FindEncodedComment, TextTypedInUtf8_IsFoundInACommentOfTheGamesSet) {
  LoadedText t(GetParam().sgf);
  SGridFrame& g = t.game();
  g.currentNode = g.firstNode;
  CommentCursor comments;
  const FindOutcome outcome = findInComments(comments, g, find(GetParam().wanted, false));
  EXPECT_EQ(outcome.result, FindResult::Found);
  EXPECT_EQ(outcome.node, byMoves(g, "aa bb"));
}

INSTANTIATE_TEST_SUITE_P(
    FindComment, FindEncodedComment,
    ::testing::Values(EncodedFindCase{"(;CA[Shift_JIS]GM[1]SZ[9];B[aa]C[x];W[bb]C[\x88\xCD\x8C\xE9 is fun])",
                                      "\xE5\x9B\xB2\xE7\xA2\x81"},
                      EncodedFindCase{"(;CA[GB2312]GM[1]SZ[9];B[aa]C[x];W[bb]C[\xB9\xC5\xC1\xA6])", "\xE5\x8A\x9B"},
                      EncodedFindCase{"(;GM[1]SZ[9];B[aa]C[x];W[bb]C[d\xE9j\xE0 vu])", "D\xC3\xA9J"}));

TEST(FindComment, EmptyTextOrNoComments_SearchesNothing) {
  LoadedText t(kCommented);
  CommentCursor comments;
  EXPECT_EQ(findInComments(comments, t.game(), find("")).result, FindResult::NothingAsked);
  EXPECT_TRUE(comments.entries().empty()) << "an empty text does not even build the list";

  LoadedText bare("(;GM[1]SZ[9];B[aa])");
  const FindOutcome outcome = findInComments(comments, bare.game(), find("x"));
  EXPECT_EQ(outcome.result, FindResult::NoComments);
  EXPECT_EQ(findReportText(find("x"), outcome), "");
}

}  // namespace
}  // namespace meridax
