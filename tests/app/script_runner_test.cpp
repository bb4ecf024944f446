// Scripts against a fresh frame: the transcript each command gives, the print forms, and the stops.

#include <sstream>

#include <algorithm>

#include "app/app_test_support.h"
#include "app/command_registry.h"
#include "app/memory_profile.h"
#include "app/script_runner.h"

namespace meridax::testing {
namespace {

class ScriptRunner : public ::testing::Test {
 protected:
  ScriptResult run(const std::string& script) {
    FrameEnvironment environment;
    environment.dataDirectory = dir.file("appdata");
    environment.workingDirectory = dir.path();
    out.str("");
    return runScript(script, ScriptSetup{profile, files, environment}, out);
  }

  TempDir dir;
  FailingFileSystem files;
  MemoryProfile profile;
  std::ostringstream out;
};

TEST_F(ScriptRunner, PrintForms_LabelColonBlankAndTheTextAsItStands) {
  const ScriptResult r = run(
      "# a fresh Go game\n"
      "print title\n"
      "print node\n"
      "play 3 3   # the upper left corner\n"
      "  play 15 15\n"
      "print node\n"
      "print status\n");
  EXPECT_EQ(r.status, kScriptOk) << r.error;
  EXPECT_EQ(out.str(),
            "title: Go\n"
            "node: 0\n"
            "node: 2 Wq4\n"
            "status0:  Black to move\n"
            "status1:  0 - 0\n"
            "status2:  Cursor Q4\n"
            "status3:  Move   2/2\n");
}

// One line per command of the registry, its state as the menus would show it now.
TEST_F(ScriptRunner, PrintCommands_ListsEveryCommandWithItsState) {
  const ScriptResult r = run(
      "cmd CmViewCursor\n"
      "print commands\n");
  EXPECT_EQ(r.status, kScriptOk) << r.error;
  const std::string text = out.str();
  EXPECT_EQ(static_cast<std::size_t>(std::count(text.begin(), text.end(), '\n')), allCommands().size() + 1);
  for (const char* line : {"\n1202 CmPass enabled - &Pass\\tCtrl+T\n",
                           "\n1296 CmViewCursor enabled unchecked View &Cursor\\tAlt+F6\n",
                           "\n1224 CmViewHighlighting disabled checked Hide &Highlighting",
                           "\n0 CmCollDelete disabled - &Delete Game from Collection\n", "\n0 LoadSGF enabled - &Load File\\tCtrl+O\n",
                           "\n1518 CmAutoLabelBranches enabled unchecked Automatically Label Branc&hes\n"})
    EXPECT_NE(text.find(line), std::string::npos) << line << " in\n" << text;
}

TEST_F(ScriptRunner, BoardAndSgf_ArePrintedRawWithoutAnExtraLine) {
  const ScriptResult r = run(
      "input Go   9x9\n"
      "cmd CmNewGameOfType\n"
      "play 4 4\n"
      "print board\n"
      "print sgf\n");
  EXPECT_EQ(r.status, kScriptOk) << r.error;
  const std::string text = out.str();
  EXPECT_EQ(text.rfind("< Game Selection> ? Go   9x9\nboard:       A B C D E F G H J \r\n\r\n 9 ", 0), 0u) << text;
  EXPECT_NE(text.find(" 5    . . . . X . . . .    5\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find("\r\n      A B C D E F G H J \r\nsgf: (;\r\n"), std::string::npos) << text;
  EXPECT_NE(text.find(";B[ee]"), std::string::npos) << text;
  EXPECT_EQ(text.substr(text.size() - 5), ")\r\n\r\n") << "the writer's text ends the transcript as it is";
}

TEST_F(ScriptRunner, QueuedAnswers_MeetTheirQuestions) {
  writeTextFile(dir.file("g.sgf"), "(;GM[1]SZ[19];B[pd])");
  const ScriptResult r = run(
      "load " + dir.file("g.sgf") + "\n"
      "play 3 3\n"
      "answer no\n"
      "key Ctrl+O\n"
      "answer yes\n"
      "choose --cancel\n"
      "key ctrl+o\n");
  EXPECT_EQ(r.status, kScriptOk) << r.error;
  EXPECT_EQ(out.str(),
            "[LoadSGF()] Unsaved changes will be lost\\nDo you wish to load a new game file? ? no\n"
            "[LoadSGF()] Unsaved changes will be lost\\nDo you wish to load a new game file? ? yes\n"
            "{Select SGF Game File} ? (cancel)\n");
}

TEST_F(ScriptRunner, InputText_TakesEscapes) {
  const ScriptResult r = run(
      "input (;GM[1]SZ[9];B[ee])\\r\\n(;GM[1]SZ[9];B[cc])\n"
      "cmd CmCollAddSGF\n"
      "print title\n");
  EXPECT_EQ(r.status, kScriptOk) << r.error;
  EXPECT_EQ(out.str(),
            "< SGF Text Import> ? (;GM[1]SZ[9];B[ee])\\r\\n(;GM[1]SZ[9];B[cc])\n"
            "[CmCollAddSGF()] SGF text imported.\\r\\n\\r\\n2 games were loaded.\n"
            "title: Go  [1/3]\n");
}

struct StopCase {
  const char* name;
  const char* script;
  int line;
  const char* error;  // how the reason begins
};

class ScriptRunnerStop : public ScriptRunner, public ::testing::WithParamInterface<StopCase> {};

TEST_P(ScriptRunnerStop, RunEndsWithStatusThree) {
  const StopCase& c = GetParam();
  const ScriptResult r = run(c.script);
  EXPECT_EQ(r.status, kScriptStopped);
  EXPECT_EQ(r.line, c.line);
  EXPECT_EQ(r.error.substr(0, std::string(c.error).size()), c.error) << r.error;
}

INSTANTIATE_TEST_SUITE_P(
    Stops, ScriptRunnerStop,
    ::testing::Values(
        StopCase{"UnknownCommand", "print title\njump 3\nprint title\n", 2, "line 2: unknown command 'jump'"},
        StopCase{"UnknownKey", "key Ctrl+Q\n", 1, "line 1: unknown key 'Ctrl+Q'"},
        StopCase{"NotAKey", "key Ctrl+Ctrl\n", 1, "line 1: unknown key 'Ctrl+Ctrl'"},
        StopCase{"UnknownFrameCommand", "cmd 4242\n", 1, "line 1: unknown command '4242'"},
        StopCase{"Unanswered", "play 1 1\ncmd CmCollEmpty\n", 2, "line 2: a question found no queued answer"},
        StopCase{"NotOffered", "answer cancel\ncmd CmCollEmpty\n", 2, "line 2: the question offers only yes and no"},
        StopCase{"BadAnswer", "answer maybe\n", 1, "line 1: 'maybe' is not yes, no or cancel"},
        StopCase{"BadPoint", "play 3\n", 1, "line 1: play needs a column and a row"},
        StopCase{"BadPrint", "print everything\n", 1, "line 1: print needs one of title, status, board, node, sgf"},
        StopCase{"BadEscape", "input a\\qb\n", 1,
                 "line 1: a backslash in the text of 'input' is not one of \\\\ \\r \\n \\t"},
        StopCase{"UnusedAnswers", "answer yes no\n", 0, "2 queued answer(s) were not used"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(ScriptRunner, Unanswered_TranscriptEndsWithTheQuestion) {
  run("play 1 1\ncmd CmCollEmpty\nprint title\n");
  EXPECT_EQ(out.str(),
            "[CmCollEmpty()] Unsaved changes will be lost\\r\\nDo you wish to create an empty collection? ? (unanswered)\n");
}

TEST_F(ScriptRunner, ProfileSettings_ReachTheFrame) {
  profile.writeString("Application", "Default Game", "1");
  profile.writeString("Application", "Default KropkiX", "8");
  profile.writeString("Application", "Default KropkiY", "8");
  run("print title\n");
  EXPECT_EQ(out.str(), "title: Othello\n");
}

}  // namespace
}  // namespace meridax::testing
