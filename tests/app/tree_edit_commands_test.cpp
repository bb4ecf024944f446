// The frame's tree-editing commands as the person meets them: their questions and reports, what they
// change, when they are enabled, and the marks they leave on the game and the collection.

#include "app/frame_test_support.h"
#include "edit/compose_apply.h"
#include "rules/navigation_step.h"
#include "sgf/sgf_test_support.h"
#include "sgf/sgf_writer.h"

namespace meridax::testing {
namespace {

using Lines = std::vector<std::string>;
using testing_support::treeText;

std::string box(const std::string& caption, const std::string& text) {
  return "[" + escapeTranscriptText(caption) + "] " + escapeTranscriptText(text);
}

std::string question(const std::string& caption, const std::string& text, const std::string& answer) {
  return box(caption, text) + " ? " + answer;
}

std::string dialog(const std::string& caption, const std::string& entered) {
  return "<" + escapeTranscriptText(caption) + "> ? " + escapeTranscriptText(entered);
}

const std::string kModification = composeChoiceTexts()[static_cast<int>(ComposeChoice::Modification)];
const std::string kNewGame = composeChoiceTexts()[static_cast<int>(ComposeChoice::NewGame)];
const std::string kReturn = composeChoiceTexts()[static_cast<int>(ComposeChoice::ReturnToDialog)];

class TreeEditCommandsTest : public FrameTest {
 protected:
  // Loads the text as the only game of a file; the transcript of the load is dropped.
  SGridFrame& open(const std::string& text) {
    load(writeFile("game.sgf", text));
    return frame().game();
  }

  // The first node whose move stands on the point ("cc"), in tree order.
  GameNode* at(const char* letters) {
    GameNode* found = nullptr;
    SGridFrame& g = frame().game();
    forEachInTreeOrder(g, g.firstNode, [&](GameNode* n) {
      if (found == nullptr && n->isPlacement() &&
          testing_support::nodeText(g, n).find(std::string("[") + letters + "]") != std::string::npos)
        found = n;
    });
    return found;
  }

  void goTo(const char* letters) { goToNode(frame().game(), at(letters)); }

  std::string problems() {
    const std::string tree = validateTree(frame().game());
    return tree.empty() ? frame().collection().store().validate() : tree;
  }

  bool treeChanged() { return (frame().game().flags & game_flag::kTreeChanged) != 0; }
};

// ---- Truncate ----

TEST_F(TreeEditCommandsTest, TruncateAbovePrimary_AsksTheQuestionThatNamesIt) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[aa];W[bb];B[cc])");
  ASSERT_EQ(g.primaryNode, at("cc")) << "the reader makes the end of the main line primary";
  goTo("aa");
  ports.queueAnswer(Answer::Yes);

  EXPECT_TRUE(frame().runCommand("CmTruncate"));

  EXPECT_EQ(ports.takeLines(),
            (Lines{question("CmTruncate()",
                            "Warning.\nAbout to truncate.\n\nThe primary position will be deleted by this action.\n\n"
                            "Do you wish to continue?",
                            "yes")}));
  EXPECT_EQ(treeText(g), ";B[aa]");
  EXPECT_EQ(g.currentNode, at("aa"));
  EXPECT_EQ(g.primaryNode, nullptr);
  EXPECT_TRUE(frame().modified());
  EXPECT_TRUE(treeChanged());
  EXPECT_EQ(ports.status(StatusField::Move), " Move   1/1");
  EXPECT_EQ(problems(), "");
}

TEST_F(TreeEditCommandsTest, TruncateAnsweredNo_ChangesNothing) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[aa];W[bb])");
  g.primaryNode = nullptr;
  goTo("aa");
  ports.queueAnswer(Answer::No);

  frame().runCommand("CmTruncate");

  EXPECT_EQ(ports.takeLines(),
            (Lines{question("CmTruncate()", "Warning.\nAbout to truncate.\n\nDo you wish to continue?", "no")}));
  EXPECT_EQ(treeText(g), ";B[aa];W[bb]");
  EXPECT_FALSE(frame().modified());
}

TEST_F(TreeEditCommandsTest, TruncateAndDeleteTheMove_AsksNothingAndNeedsTheEndNode) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[aa];W[bb])");
  const FrameCommand& truncate = *frame().findCommand("CmTruncate");
  const FrameCommand& deleteMove = *frame().findCommand("CmTruncateDelete");
  EXPECT_FALSE(frame().commandEnabled(truncate)) << "disabled at the end node";
  EXPECT_TRUE(frame().commandEnabled(deleteMove));

  frame().runCommand("CmTruncateDelete");

  EXPECT_EQ(ports.takeLines(), Lines{});
  EXPECT_EQ(treeText(g), ";B[aa]");
  EXPECT_EQ(g.currentNode, at("aa"));
  EXPECT_TRUE(frame().modified());
}

TEST_F(TreeEditCommandsTest, TruncateAtTheNodeUnderTheMouse_GoesThereFirst) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[aa](;W[bb];B[cc])(;W[dd];B[ee]))");
  g.primaryNode = nullptr;
  goTo("aa");
  frame().setContextNode(at("dd"));
  ports.queueAnswer(Answer::Yes);

  frame().runCommand("CmTruncateAtNode");

  EXPECT_EQ(g.currentNode, at("dd"));
  EXPECT_EQ(treeText(g), ";B[aa](;W[dd])(;W[bb];B[cc])");
  EXPECT_EQ(problems(), "");
}

// ---- Delete branch and remove branching ----

TEST_F(TreeEditCommandsTest, DeleteBranchOnTheCurrentLine_PromotesTheOtherChildAndGoesThere) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[aa](;W[bb];B[cc])(;W[dd]))");
  ASSERT_TRUE(frame().commandEnabled(*frame().findCommand("CmDeleteBranch")));
  ports.queueAnswer(Answer::Yes);

  frame().runCommand("CmDeleteBranch");

  EXPECT_EQ(ports.takeLines(),
            (Lines{question("DeleteBranch()",
                            "Warning.\nAbout to delete branch.\n\nThe primary position will be deleted by this "
                            "action.\n\nDo you wish to continue?",
                            "yes")}));
  EXPECT_EQ(treeText(g), ";B[aa];W[dd]");
  EXPECT_EQ(g.currentNode, at("dd"));
  EXPECT_FALSE(at("aa")->branching());
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmDeleteBranch"))) << "no branching node above any more";
  EXPECT_EQ(problems(), "");
}

TEST_F(TreeEditCommandsTest, RemoveLowerBranchingWithNothingBelow_DoesNothingAndLeavesTheFileUnmodified) {
  SGridFrame& g = open("(;GM[1]SZ[9](;B[aa];W[bb])(;B[cc]))");
  g.primaryNode = nullptr;
  ports.queueAnswer(Answer::Yes);

  frame().runCommand("CmRemoveLowerBranches");

  EXPECT_EQ(ports.takeLines(),
            (Lines{question("RemoveOffBranches()", "Warning.\nAbout to remove lower branching.\n\nDo you wish to continue?",
                            "yes")}));
  EXPECT_EQ(treeText(g), "(;B[aa];W[bb])(;B[cc])");
  EXPECT_FALSE(frame().modified());
  EXPECT_FALSE(treeChanged());
}

TEST_F(TreeEditCommandsTest, RemoveHigherAndNeighbouringBranching_PruneAboveTheCurrentNode) {
  SGridFrame& g = open("(;GM[1]SZ[9](;B[aa](;W[bb];B[cc])(;W[dd]))(;B[ee]))");
  g.primaryNode = nullptr;
  goTo("cc");
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmRemoveNeighbours"))) << "the parent bb does not branch";
  goTo("bb");
  ports.queueAnswer(Answer::Yes);

  frame().runCommand("CmRemoveNeighbours");
  EXPECT_EQ(treeText(g), "(;B[aa];W[bb];B[cc])(;B[ee])");

  ports.queueAnswer(Answer::Yes);
  frame().runCommand("CmRemoveHigherBranches");
  EXPECT_EQ(treeText(g), ";B[aa];W[bb];B[cc]");
  EXPECT_EQ(ports.takeLines(),
            (Lines{question("CmRemoveNeighbours()",
                            "Warning.\nAbout to remove neighbouring branching.\n\nDo you wish to continue?", "yes"),
                   question("RemoveOffBranches()",
                            "Warning.\nAbout to remove higher branching.\n\nDo you wish to continue?", "yes")}));
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(problems(), "");
}

// ---- Bulk removal ----

TEST_F(TreeEditCommandsTest, RemoveAllCommentsTwice_ReportsTheCountThenThatThereIsNone) {
  SGridFrame& g = open("(;GM[1]SZ[9]C[first];B[aa]C[second];W[bb])");
  ports.queueAnswer(Answer::Yes);

  frame().runCommand("CmRemoveAllComments");
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmRemoveAllComments")));
  frame().treeEdit().CmRemoveAllComments();

  EXPECT_EQ(ports.takeLines(),
            (Lines{question("CmRemoveAllComments()",
                            "Warning.\nAbout to remove all comments from the game tree.\n\nDo you wish to continue?",
                            "yes"),
                   box("CmRemoveAllComments()", "2  comments were found and deleted"),
                   box("CmRemoveAllComments()", "No comment was found in the game tree.")}));
  EXPECT_TRUE(g.comments.empty());
  EXPECT_TRUE(frame().modified());
}

TEST_F(TreeEditCommandsTest, RemoveAllMarkup_NeedsMarkupShownAndReportsTheNodes) {
  open("(;GM[1]SZ[9];B[aa]TR[bb][cc];W[bb]LB[aa:x])");
  frame().frameSettings().viewMarkup = 0;
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmRemoveAllMarks")));
  frame().frameSettings().viewMarkup = 1;
  ports.queueAnswer(Answer::Yes);

  frame().runCommand("CmRemoveAllMarks");

  EXPECT_EQ(ports.takeLines(),
            (Lines{question("RemoveAllMarks()",
                            "Warning.\nAbout to remove all SGF markup from the game tree.\n\nDo you wish to continue?",
                            "yes"),
                   box("CmRemoveAllMarks()", "2  markup were found and deleted")}));
}

TEST_F(TreeEditCommandsTest, RemoveAllScoresAndNames_ReportTheirCounts) {
  open("(;GM[1]SZ[9];B[aa]V[3]N[one];W[bb]V[-2])");
  ports.queueAnswer(Answer::Yes);
  ports.queueAnswer(Answer::Yes);

  frame().runCommand("CmRemoveAllV");
  frame().runCommand("CmRemoveAllN");
  frame().treeEdit().CmRemoveAllV();

  EXPECT_EQ(ports.takeLines(),
            (Lines{question("CmRemoveAllV()",
                            "Warning.\nAbout to remove all SGF V[ ] scores from the game tree.\n\nDo you wish to "
                            "continue?",
                            "yes"),
                   box("CmRemoveAllV()", "2 deleted"),
                   question("CmRemoveAllN()",
                            "Warning.\nAbout to remove all SGF N[ ] node names from the game tree.\n\nDo you wish to "
                            "continue?",
                            "yes"),
                   box("CmRemoveAllN()", "1 deleted")}))
      << "with none left the score command says nothing";
}

// ---- Inject ----

TEST_F(TreeEditCommandsTest, Inject_KeepsTheCurrentNodeAndReportsSgfInjected) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[aa];W[bb])");
  goTo("aa");
  GameNode* before = g.currentNode;
  ports.queueInput(";W[cc];B[dd]");

  frame().runCommand("CmInjectSGF");

  EXPECT_EQ(ports.takeLines(), (Lines{dialog(" Inject SGF Text", ";W[cc];B[dd]"), box("CmInjectSGF()", "SGF Injected")}));
  EXPECT_EQ(g.currentNode, before);
  EXPECT_EQ(treeText(g), ";B[aa](;W[bb])(;W[cc];B[dd])");
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(problems(), "");
}

TEST_F(TreeEditCommandsTest, InjectCancelledOrEmpty_DoesNothing) {
  open("(;GM[1]SZ[9];B[aa])");
  ports.queueInput(std::nullopt);
  ports.queueInput("");
  frame().runCommand("CmInjectSGF");
  frame().runCommand("CmInjectSGF");
  EXPECT_EQ(ports.takeLines(), (Lines{dialog(" Inject SGF Text", "(cancel)"), dialog(" Inject SGF Text", "")}));
  EXPECT_FALSE(frame().modified());
}

TEST_F(TreeEditCommandsTest, InjectWithAnError_ReportsAndOffersTheErrorList) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[aa])");
  ports.queueInput(";W[aa]");
  ports.queueAnswer(Answer::No);

  frame().runCommand("CmInjectSGF");

  const Lines lines = ports.takeLines();
  ASSERT_EQ(lines.size(), 3u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[1], box("CmInjectSGF()", "SGF Injected"));
  EXPECT_EQ(lines[2].rfind("[SErrorList::Display()] Warning.", 0), 0u) << lines[2];
  EXPECT_EQ(treeText(g), ";B[aa]");
}

TEST_F(TreeEditCommandsTest, InjectInOthello_IsDisabled) {
  open("(;GM[2]SZ[8])");
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmInjectSGF")));
}

// ---- Compose ----

TEST_F(TreeEditCommandsTest, ComposeModificationWithNothingChanged_SaysSo) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[aa])");
  ports.queueInput(kModification);

  frame().runCommand("CmCompose");

  EXPECT_EQ(ports.takeLines(),
            (Lines{dialog("Composition Options", kModification), box("Compose()", "No changes were detected")}));
  EXPECT_EQ(treeText(g), ";B[aa]");
  EXPECT_FALSE(frame().modified());
}

TEST_F(TreeEditCommandsTest, ComposeNewGame_AddsTheGameAfterTheCurrentOneAndShowsIt) {
  open(kThreeGames);
  ports.queueInput(kNewGame);

  frame().runCommand("CmCompose");

  EXPECT_EQ(frame().collection().size(), 4u);
  EXPECT_EQ(frame().collection().currentIndex(), 1u);
  EXPECT_EQ(frame().game().firstNode->kind(), SpecialMoveKind::Compose);
  EXPECT_EQ(ports.title(), "game.sgf  [2/4]");
  EXPECT_TRUE(frame().modified());
}

// A window that puts a black stone at the centre and presses OK until the frame lets it close.
class StoneAtTheCentre : public ComposeDialogPort {
 public:
  void run(ComposeModel& model, const std::function<bool()>& accept) override {
    model.click(model.width() / 2, model.width() / 2, false);
    if (model.colour() != Colour::Black) model.switchColour();
    model.insertPieces();
    for (int presses = 0; presses < 3; ++presses) {
      ++okPresses;
      if (accept()) return;
    }
  }
  int okPresses = 0;
};

TEST_F(TreeEditCommandsTest, ComposeThroughTheDialog_ReturnsToItOnCancelThenModifies) {
  SGridFrame& g = open("(;GM[1]SZ[9];B[aa];W[bb])");
  StoneAtTheCentre window;
  frame().treeEdit().setComposeDialog(&window);
  ports.queueInput(kReturn);
  ports.queueInput(kModification);

  frame().runCommand("CmCompose");

  EXPECT_EQ(window.okPresses, 2);
  EXPECT_EQ(treeText(g), ";B[aa];W[bb];compose");
  EXPECT_TRUE(g.currentNode->printDiagram());
  EXPECT_TRUE(g.currentNode->blackNext());
  EXPECT_EQ(ports.status(StatusField::SideToMove), " Black to move");
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(problems(), "");
  frame().treeEdit().setComposeDialog(nullptr);
}

// ---- Flip and rotate ----

TEST_F(TreeEditCommandsTest, FlipTwiceAndRotateFourTimes_GiveTheGameBack) {
  SGridFrame& g = open("(;GM[1]SZ[9]AB[cc];W[ba]TR[ab];B[aa](;W[ca])(;W[ee]))");
  std::string before;
  ASSERT_TRUE(WriteGameText(g, before));

  for (int i = 0; i < 2; ++i) frame().runCommand("CmFlipBoard");
  for (int i = 0; i < 4; ++i) frame().runCommand("CmRotateBoard");

  std::string after;
  ASSERT_TRUE(WriteGameText(g, after));
  EXPECT_EQ(after, before);
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(problems(), "");
}

TEST_F(TreeEditCommandsTest, FlipAndRotate_ByKindOfBoard) {
  open("(;GM[4100]SZ[4])");
  EXPECT_EQ(frame().commandMenuText(*frame().findCommand("CmFlipBoard")), "&Mirror Board\tShift+Ctrl+P");
  open("(;GM[1]SZ[9])");
  EXPECT_EQ(frame().commandMenuText(*frame().findCommand("CmFlipBoard")), "&Flip Board\tShift+Ctrl+P");
  open("(;GM[11]SZ[11])");
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmFlipBoard")));
  EXPECT_TRUE(frame().commandEnabled(*frame().findCommand("CmRotateBoard")));
  open("(;GM[40]SZ[9])");
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmFlipBoard")));
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmRotateBoard")));
}

}  // namespace
}  // namespace meridax::testing
