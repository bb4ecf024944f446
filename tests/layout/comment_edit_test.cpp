#include "layout/comment_edit.h"

#include <gtest/gtest.h>

#include "app/frame_test_support.h"
#include "model/node_texts.h"

namespace meridax {
namespace {

class CommentEditTest : public testing::FrameTest {
 protected:
  void SetUp() override {
    load(writeFile("c.sgf", "(;GM[1]FF[4]SZ[9];B[aa]C[line one\r\nline two];W[bb]C[Caf\xe9];B[cc])"));
  }
  SGridFrame& game() { return frame().game(); }
  GameNode* move(int n) {
    GameNode* node = game().firstNode;
    for (int i = 0; i < n; ++i) node = node->next();
    return node;
  }
  CommentTarget target(int n) { return CommentTarget{game().serial(), move(n)}; }
};

struct UnchangedCase {
  int move;
  const char* edited;
};

TEST_F(CommentEditTest, SameTextAfterLineEndAndEncodingNormalisationIsNotWritten) {
  const UnchangedCase cases[] = {
      {1, "line one\nline two"},    // shown with line feeds
      {1, "line one\r\nline two"},  // as stored
      {2, "Caf\xc3\xa9"},           // Latin-1 in the file, UTF-8 in the field
      {3, ""},
      {3, "  \n "},  // blank where there is no comment
  };
  for (const UnchangedCase& c : cases) {
    const std::string before = commentOf(game(), move(c.move));
    EXPECT_EQ(commitComment(frame(), target(c.move), c.edited), CommitOutcome::Unchanged) << c.edited;
    EXPECT_EQ(commentOf(game(), move(c.move)), before);
  }
  EXPECT_FALSE(frame().modified());
  EXPECT_EQ(game().flags & game_flag::kTreeChanged, 0);
}

TEST_F(CommentEditTest, ChangedTextIsStoredWithCrLfAndMarksTheGame) {
  EXPECT_EQ(commentForEditing(game(), move(1)), "line one\nline two");
  EXPECT_EQ(commitComment(frame(), target(3), "new\nlines"), CommitOutcome::Stored);
  EXPECT_EQ(commentOf(game(), move(3)), "new\r\nlines");
  EXPECT_TRUE(move(3)->hasComment());
  EXPECT_TRUE(frame().modified());
  EXPECT_NE(game().flags & game_flag::kTreeChanged, 0);
}

TEST_F(CommentEditTest, GameInAnotherCharacterSetIsShownAndStoredInIt) {
  load(writeFile("sjis.sgf", "(;CA[Shift_JIS]GM[1]SZ[9];B[aa]C[\x88\xCD\x8C\xE9])"));
  EXPECT_EQ(commentForEditing(game(), move(1)), "\xE5\x9B\xB2\xE7\xA2\x81");  // 囲碁
  EXPECT_EQ(commitComment(frame(), target(1), "\xE5\x9B\xB2\xE7\xA2\x81!"), CommitOutcome::Stored);
  EXPECT_EQ(commentOf(game(), move(1)), "\x88\xCD\x8C\xE9!");
  EXPECT_EQ(game().characterSet, "Shift_JIS");
}

TEST_F(CommentEditTest, BlankTextRemovesTheComment) {
  EXPECT_EQ(commitComment(frame(), target(1), " \n"), CommitOutcome::Stored);
  EXPECT_FALSE(move(1)->hasComment());
}

TEST_F(CommentEditTest, DeletedNodeIsNeverWritten) {
  const CommentTarget gone = target(3);
  frame().navigation().jumpToNode(move(2));
  ports.queueAnswer(Answer::Yes);
  frame().treeEdit().CmTruncate();  // removes the nodes after move 2
  ASSERT_EQ(move(2)->next(), nullptr) << ::testing::PrintToString(ports.lines());
  EXPECT_EQ(commitComment(frame(), gone, "typed"), CommitOutcome::NodeGone);
}

TEST_F(CommentEditTest, ReplacedGameIsNeverWritten) {
  const CommentTarget old = target(2);
  ports.queueAnswer(Answer::Yes);
  frame().files().CmCollEmpty();  // a new empty game replaces the collection
  EXPECT_EQ(commitComment(frame(), old, "typed"), CommitOutcome::NodeGone);
  EXPECT_FALSE(frame().modified());
}

}  // namespace
}  // namespace meridax
