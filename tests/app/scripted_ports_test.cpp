// The scripted ports: queued answers, the transcript forms, dialogs that refuse their input, and the stop
// when a question finds no answer.

#include <gtest/gtest.h>

#include "app/scripted_ports.h"

namespace meridax {
namespace {

using Lines = std::vector<std::string>;

TEST(ScriptedPorts, EscapedTexts_RoundTrip) {
  const std::string text = "a\\b\r\nc\td";
  EXPECT_EQ(escapeTranscriptText(text), "a\\\\b\\r\\nc\\td");
  EXPECT_EQ(unescapeTranscriptText(escapeTranscriptText(text)), text);
  EXPECT_EQ(unescapeTranscriptText("trailing\\"), std::nullopt);
  EXPECT_EQ(unescapeTranscriptText("\\x41"), std::nullopt);
}

TEST(ScriptedPorts, Questions_TakeTheQueuedAnswersInOrder) {
  ScriptedPorts ports;
  ports.queueAnswer(Answer::Yes);
  ports.queueAnswer(Answer::Cancel);
  ports.tell({"Caption()", "Line one\nline two", MessageIcon::Information});
  EXPECT_TRUE(ports.askYesNo("Ask()", "Go on?"));
  EXPECT_EQ(ports.askYesNoCancel("Close()", "Save?"), Answer::Cancel);
  EXPECT_EQ(ports.takeLines(),
            (Lines{"[Caption()] Line one\\nline two", "[Ask()] Go on? ? yes", "[Close()] Save? ? cancel"}));
  EXPECT_FALSE(ports.stopped());
}

TEST(ScriptedPorts, QuestionWithoutAnswer_StopsAndSilencesTheRest) {
  ScriptedPorts ports;
  EXPECT_EQ(ports.askYesNoCancel("OnClose()", "Save x?"), Answer::Cancel) << "the safest answer";
  EXPECT_EQ(ports.stop(), ScriptStop::Unanswered);
  EXPECT_FALSE(ports.askYesNo("Next()", "More?"));
  ports.tell({"After()", "not written", MessageIcon::Warning});
  EXPECT_EQ(ports.takeLines(), (Lines{"[OnClose()] Save x? ? (unanswered)"}));
}

TEST(ScriptedPorts, CancelForAYesNoQuestion_IsNotOffered) {
  ScriptedPorts ports;
  ports.queueAnswer(Answer::Cancel);
  EXPECT_FALSE(ports.askYesNo("LoadSGF()", "Load?"));
  EXPECT_EQ(ports.stop(), ScriptStop::NotOffered);
  EXPECT_EQ(ports.takeLines(), (Lines{"[LoadSGF()] Load? ? cancel (not offered)"}));
}

TEST(ScriptedPorts, NumberDialog_RefusesTextsOutsideItsRangeAndStaysOpen) {
  ScriptedPorts ports;
  ports.queueInput("ten");
  ports.queueInput("1");
  ports.queueInput("9");
  EXPECT_EQ(ports.askNumber(" Go Handicap Stones", "", 2, 9, 9), 9);
  EXPECT_EQ(ports.takeLines(), (Lines{"< Go Handicap Stones> ? ten",
                                      "[Integer Number Validation] Please enter a value between 2 and 9",
                                      "< Go Handicap Stones> ? 1",
                                      "[Integer Number Validation] Please enter a value between 2 and 9",
                                      "< Go Handicap Stones> ? 9"}));
}

TEST(ScriptedPorts, TextAndListDialogs) {
  ScriptedPorts ports;
  ports.queueInput("(;GM[1]\r\n)");
  ports.queueInput(std::nullopt);
  ports.queueInput("Hex");
  ports.queueInput("Chess");
  EXPECT_EQ(ports.askText(" SGF Text Import", "", ""), "(;GM[1]\r\n)");
  EXPECT_EQ(ports.askText(" SGF Text Import", "", ""), std::nullopt);
  EXPECT_EQ(ports.chooseFromList(" Game Selection", {"Go", "Hex"}, 0), 1);
  EXPECT_EQ(ports.chooseFromList(" Game Selection", {"Go", "Hex"}, 0), std::nullopt);
  EXPECT_EQ(ports.stop(), ScriptStop::NotInList);
  EXPECT_EQ(ports.takeLines(), (Lines{"< SGF Text Import> ? (;GM[1]\\r\\n)", "< SGF Text Import> ? (cancel)",
                                      "< Game Selection> ? Hex", "< Game Selection> ? Chess (not in the list)"}));
}

TEST(ScriptedPorts, FileChoosers_TakeOneQueuedChoiceEach) {
  ScriptedPorts ports;
  ports.queueChoice("a.sgf\tdir/b.sgf");
  ports.queueChoice(std::nullopt);
  ports.queueChoice("out.sgf");
  EXPECT_EQ(ports.chooseFilesToOpen({"Import", "", "sgf", ""}), (Lines{"a.sgf", "dir/b.sgf"}));
  EXPECT_EQ(ports.chooseFileToOpen({"Open", "", "sgf", ""}), std::nullopt);
  EXPECT_EQ(ports.chooseFileToSave({"Save", "", "sgf", ""}), "out.sgf");
  EXPECT_EQ(ports.chooseFileToSave({"Save", "", "sgf", ""}), std::nullopt);
  EXPECT_EQ(ports.takeLines(), (Lines{"{Import} ? a.sgf\\tdir/b.sgf", "{Open} ? (cancel)", "{Save} ? out.sgf",
                                      "{Save} ? (unanswered)"}));
}

TEST(ScriptedPorts, ProcessesAndClipboard_AreRecordedNotRun) {
  ScriptedPorts ports;
  EXPECT_EQ(ports.startDetached("viewer", {"my file.sgf"}), std::nullopt);
  EXPECT_EQ(ports.openDocument("/help/index.html"), std::nullopt);
  ports.setText("X\r\nO");
  EXPECT_EQ(ports.text(), "X\r\nO");
  EXPECT_EQ(ports.takeLines(), (Lines{"(process) viewer my file.sgf", "(open) /help/index.html", "(clipboard) X\\r\\nO"}));
}

TEST(ScriptedPorts, Window_KeepsWhatIsShown) {
  ScriptedPorts ports;
  ports.setStatus(StatusField::SideToMove, " Black to move");
  ports.setTitle("Go");
  EXPECT_EQ(ports.status(StatusField::SideToMove), " Black to move");
  EXPECT_EQ(ports.title(), "Go");
  EXPECT_TRUE(ports.lines().empty());
}

}  // namespace
}  // namespace meridax
