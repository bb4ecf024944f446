// Removing every markup text, comment, score or node name of a game, with the command texts.

#include "edit/bulk_removal.h"

#include <gtest/gtest.h>

#include "edit/tree_edit_support.h"
#include "model/node_texts.h"

namespace meridax {
namespace {

using testing_support::LoadedText;
using testing_support::nodeAt;
using testing_support::problems;

// Two comments, three markup texts (one on a side line), one score and two names.
constexpr char kAnnotated[] =
    "(;GM[1]SZ[9]C[root]N[start];B[aa]TR[bb]V[5](;W[bb]C[main]MA[cc]N[two])(;W[cc]SQ[aa][dd]))";

struct KindCase {
  AnnotationKind kind;
  int count;
};

class RemoveAll : public ::testing::TestWithParam<KindCase> {};

TEST_P(RemoveAll, EveryNodeOfTheKind_LosesItsEntryAndFlagAndIsCounted) {
  LoadedText t(kAnnotated);
  SGridFrame& g = t.game();
  ASSERT_EQ(countAnnotations(g, GetParam().kind), GetParam().count);
  g.flags = game_flag::kUnchanged;

  EXPECT_EQ(removeAllAnnotations(g, GetParam().kind), GetParam().count);

  EXPECT_EQ(countAnnotations(g, GetParam().kind), 0);
  EXPECT_NE(g.flags & game_flag::kTreeChanged, 0);
  forEachInTreeOrder(g, g.firstNode, [&](const GameNode* n) {
    switch (GetParam().kind) {
      case AnnotationKind::Markup: EXPECT_FALSE(n->hasMarkup()); break;
      case AnnotationKind::Comments: EXPECT_FALSE(n->hasComment()); break;
      case AnnotationKind::Scores: EXPECT_FALSE(n->hasScore()); break;
      case AnnotationKind::Names: EXPECT_FALSE(n->hasName()); break;
    }
  });
  EXPECT_EQ(problems(t), "");
  EXPECT_EQ(removeAllAnnotations(g, GetParam().kind), 0) << "a second run finds nothing";
}

INSTANTIATE_TEST_SUITE_P(BulkRemoval, RemoveAll,
                         ::testing::Values(KindCase{AnnotationKind::Markup, 3}, KindCase{AnnotationKind::Comments, 2},
                                           KindCase{AnnotationKind::Scores, 1}, KindCase{AnnotationKind::Names, 2}));

TEST(BulkRemoval, OneKind_LeavesTheOtherKindsAlone) {
  LoadedText t(kAnnotated);
  SGridFrame& g = t.game();

  removeAllAnnotations(g, AnnotationKind::Comments);

  EXPECT_EQ(countAnnotations(g, AnnotationKind::Markup), 3);
  EXPECT_EQ(countAnnotations(g, AnnotationKind::Scores), 1);
  EXPECT_EQ(countAnnotations(g, AnnotationKind::Names), 2);
  EXPECT_EQ(nameOf(g, nodeAt(g, "bb")), "two");
}

TEST(BulkRemoval, NothingThere_MarkupAndCommentsSaySoScoresAndNamesStaySilent) {
  EXPECT_EQ(nothingToRemoveNotice(AnnotationKind::Markup),
            (EditNotice{"RemoveAllMarks()", "No SGF markup was found in the game tree."}));
  EXPECT_EQ(nothingToRemoveNotice(AnnotationKind::Comments),
            (EditNotice{"CmRemoveAllComments()", "No comment was found in the game tree."}));
  EXPECT_EQ(nothingToRemoveNotice(AnnotationKind::Scores), std::nullopt);
  EXPECT_EQ(nothingToRemoveNotice(AnnotationKind::Names), std::nullopt);
}

TEST(BulkRemoval, QuestionsAndReports_AreTheCommandsOwnTexts) {
  EXPECT_EQ(removalQuestion(AnnotationKind::Markup),
            (EditNotice{"RemoveAllMarks()",
                        "Warning.\nAbout to remove all SGF markup from the game tree.\n\nDo you wish to continue?"}));
  EXPECT_EQ(removalQuestion(AnnotationKind::Comments),
            (EditNotice{"CmRemoveAllComments()",
                        "Warning.\nAbout to remove all comments from the game tree.\n\nDo you wish to continue?"}));
  EXPECT_EQ(removalQuestion(AnnotationKind::Scores),
            (EditNotice{"CmRemoveAllV()",
                        "Warning.\nAbout to remove all SGF V[ ] scores from the game tree.\n\nDo you wish to continue?"}));
  EXPECT_EQ(removalQuestion(AnnotationKind::Names),
            (EditNotice{"CmRemoveAllN()",
                        "Warning.\nAbout to remove all SGF N[ ] node names from the game tree.\n\nDo you wish to "
                        "continue?"}));
  // Two blanks after the count in the first two reports.
  EXPECT_EQ(removalReport(AnnotationKind::Markup, 3), (EditNotice{"CmRemoveAllMarks()", "3  markup were found and deleted"}));
  EXPECT_EQ(removalReport(AnnotationKind::Comments, 1),
            (EditNotice{"CmRemoveAllComments()", "1  comments were found and deleted"}));
  EXPECT_EQ(removalReport(AnnotationKind::Scores, 12), (EditNotice{"CmRemoveAllV()", "12 deleted"}));
  EXPECT_EQ(removalReport(AnnotationKind::Names, 2), (EditNotice{"CmRemoveAllN()", "2 deleted"}));
}

}  // namespace
}  // namespace meridax
