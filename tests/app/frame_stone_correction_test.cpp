// Correcting a misplaced stone from the frame: the question, the corrected copy read in after the game,
// conflicts cut off through the error list, and the game itself left as it was.

#include "app/frame_test_support.h"
#include "edit/stone_correction.h"
#include "rules/position_at.h"
#include "sgf/sgf_error_list.h"
#include "sgf/sgf_test_support.h"
#include "sgf/sgf_writer.h"

namespace meridax::testing {
namespace {

using Lines = std::vector<std::string>;
using testing_support::treeText;

class FrameStoneCorrectionTest : public FrameTest {
 protected:
  std::string gameText(std::size_t index) {
    std::string out;
    EXPECT_TRUE(WriteGameText(frame().collection().game(index), out));
    return out;
  }
  std::size_t games() { return frame().collection().size(); }
};

std::string questionLine(const std::string& caption, const std::string& text, const char* answer) {
  return "[" + caption + "] " + escapeTranscriptText(text) + " ? " + answer;
}

TEST_F(FrameStoneCorrectionTest, MoveAboveAComposeNode_TellsWhereTheSearchEnded) {
  load(writeFile("composed.sgf", "(;GM[1]SZ[9];B[aa];W[bb];AB[cc]C[set up];W[dd])"));

  frame().CorrectStone(0, 0, 4, 4);

  EXPECT_EQ(ports.takeLines(),
            (Lines{"[CorrectStone()] Unable to locate move 'A9'\\r\\n\\r\\nSearchback terminated at a 'compose' move."}));
  EXPECT_EQ(games(), 1u);
  EXPECT_FALSE(frame().modified());
}

TEST_F(FrameStoneCorrectionTest, Confirmed_AddsTheCorrectedGameAfterTheCurrentOneAndLeavesTheGame) {
  load(writeFile("three.sgf", kThreeGames));
  SGridFrame& original = frame().game();
  const std::string before = gameText(0);
  const std::string tree = treeText(original);
  const std::optional<std::string> corrected =
      writeGameWithCorrectedMove(original, original.firstNode->next(), {3, 3});
  ASSERT_TRUE(corrected);
  ports.queueAnswer(Answer::Yes);

  frame().CorrectStone(15, 3, 3, 3);  // Black's first stone from q16 to d16

  const std::string question = moveCorrectionText(original, "Q16", "D16");
  EXPECT_EQ(ports.takeLines(),
            (Lines{questionLine(kMoveCorrectionCaption, question, "yes"),
                   "[CorrectStone()] SGF file loaded.\\r\\nBytes  = " + std::to_string(corrected->size())}));
  ASSERT_EQ(games(), 4u);
  EXPECT_EQ(frame().collection().currentIndex(), 1u);
  const SGridFrame& copy = frame().collection().game(1);
  EXPECT_EQ(treeText(copy), ";B[dd];W[dp];B[pp]");
  EXPECT_EQ(copy.details[DetailField::Event], "Spring cup");
  EXPECT_EQ(currentPosition(frame().game()).at(3, 3), cell::kBlack);
  EXPECT_EQ(gameText(0), before);
  EXPECT_EQ(treeText(frame().collection().game(0)), tree);
  EXPECT_EQ(frame().collection().game(0).flags, game_flag::kUnchanged);
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(ports.title(), "three.sgf  [2/4]  Ann - Bob");
  EXPECT_TRUE(frame().errorList().empty());
}

TEST_F(FrameStoneCorrectionTest, SaveAfterACorrection_CopiesTheOtherGamesAndWritesTheNewOne) {
  const std::string path = writeFile("three.sgf", kThreeGames);
  load(path);
  ports.queueAnswer(Answer::Yes);
  frame().CorrectStone(15, 3, 3, 3);
  ports.takeLines();

  ASSERT_TRUE(frame().files().CmSave());

  const std::string saved = readTextFile(path);
  const std::string original = kThreeGames;
  const std::size_t second = original.find("(;GM[1]FF[4]SZ[19]GN[Second]");
  EXPECT_EQ(saved.substr(0, second), original.substr(0, second));
  EXPECT_EQ(saved.substr(saved.size() - (original.size() - second)), original.substr(second));
  const std::string added = saved.substr(second, saved.size() - original.size());
  EXPECT_NE(added.find(";B[dd]"), std::string::npos) << added;
  EXPECT_NE(added.find("XS[]"), std::string::npos) << "the corrected game is the current one";
}

TEST_F(FrameStoneCorrectionTest, ConflictFurtherDown_CutsTheCopysLineAndReportsThroughTheErrorList) {
  // The current node is White's b8; Black's a9 moves to c7, where Black plays again later.
  const char* text = "(;GM[1]SZ[9];B[aa];W[bb]XV[];B[cc];W[dd])";
  load(writeFile("conflict.sgf", text));
  ports.queueAnswer(Answer::Yes);
  ports.queueAnswer(Answer::No);  // no need to view the errors

  frame().CorrectStone(0, 0, 2, 2);

  const Lines lines = ports.takeLines();
  ASSERT_EQ(lines.size(), 3u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[1], questionLine(kErrorListCaption, kErrorListQuestion, "no"));
  EXPECT_EQ(lines[2].rfind("[CorrectStone()] SGF file loaded.\\r\\nBytes  = ", 0), 0u) << lines[2];
  ASSERT_EQ(games(), 2u);
  EXPECT_EQ(treeText(frame().collection().game(1)), ";B[cc];W[bb]");
  EXPECT_EQ(treeText(frame().collection().game(0)), ";B[aa];W[bb];B[cc];W[dd]");
  ASSERT_EQ(frame().errorList().size(), 1u);
  const std::string& error = frame().errorList().texts().front();
  EXPECT_EQ(error.rfind("Error, in game number 1, on line number ", 0), 0u) << error;
  EXPECT_NE(error.find("The square for the intended move is already occupied."), std::string::npos) << error;
  EXPECT_NE(error.find("The game branch was truncated at this point."), std::string::npos) << error;
}

TEST_F(FrameStoneCorrectionTest, Declined_ChangesNothing) {
  load(writeFile("three.sgf", kThreeGames));
  ports.queueAnswer(Answer::No);

  frame().CorrectStone(15, 3, 3, 3);

  ASSERT_EQ(ports.takeLines().size(), 1u);
  EXPECT_EQ(games(), 3u);
  EXPECT_EQ(frame().collection().currentIndex(), 0u);
  EXPECT_FALSE(frame().modified());
}

TEST_F(FrameStoneCorrectionTest, CtrlDragBetweenTwoPoints_AsksForTheCorrection) {
  load(writeFile("three.sgf", kThreeGames));
  ports.queueAnswer(Answer::No);

  frame().ctrlDragOnBoard(15, 3, 3, 3);

  const Lines lines = ports.takeLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("[Move Correction] Meridax will attempt to reposition move 'Q16' to 'D16'.", 0), 0u);
}

TEST_F(FrameStoneCorrectionTest, CtrlReleaseOnThePressedPoint_DoesNothing) {
  load(writeFile("three.sgf", kThreeGames));

  frame().ctrlDragOnBoard(15, 3, 15, 3);

  EXPECT_TRUE(ports.takeLines().empty());
  EXPECT_EQ(games(), 3u);
}

TEST_F(FrameStoneCorrectionTest, Othello_TakesNoCorrection) {
  load(writeFile("othello.sgf", "(;GM[2]SZ[8];B[fe];W[ff])"));
  ASSERT_EQ(frame().game().kind(), GameKind::Othello);

  frame().ctrlDragOnBoard(5, 4, 0, 0);
  frame().CorrectStone(5, 4, 0, 0);

  EXPECT_TRUE(ports.takeLines().empty());
  EXPECT_EQ(games(), 1u);
}

}  // namespace
}  // namespace meridax::testing
