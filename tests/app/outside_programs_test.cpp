#include "app/outside_programs.h"

#include <gtest/gtest.h>

#include "app_test_support.h"

namespace meridax {
namespace {

using testing::FailingFileSystem;
using testing::RecordingMessages;
using testing::RecordingProcesses;
using testing::TempDir;
using testing::writeTextFile;

class OutsideProgramsTest : public ::testing::Test {
 protected:
  RecordingProcesses processes;
  RecordingMessages messages;
  FailingFileSystem files;
  TempDir dir;
};

TEST_F(OutsideProgramsTest, ViewFile_StartsTheProgramWithTheFile) {
  EXPECT_TRUE(ViewFile(processes, messages, ViewKind::GameFile, "/usr/bin/gedit", "/games/my game.sgf"));
  ASSERT_EQ(processes.started.size(), 1u);
  EXPECT_EQ(processes.started[0], (RecordingProcesses::Start{"/usr/bin/gedit", {"/games/my game.sgf"}}));
  EXPECT_TRUE(messages.told.empty());
}

TEST_F(OutsideProgramsTest, ViewFileWithoutAProgram_SaysWhereToSetOne) {
  EXPECT_FALSE(ViewFile(processes, messages, ViewKind::Rtf, "", "/tmp/game.rtf"));
  EXPECT_FALSE(ViewFile(processes, messages, ViewKind::GameFile, "", "/tmp/game.sgf"));
  ASSERT_EQ(messages.told.size(), 2u);
  EXPECT_EQ(messages.told[0].caption, "ViewFile()");
  EXPECT_EQ(messages.told[0].text,
            "A program to display the RTF file has not been specified.\r\n\r\nGo to the Others dialog ( "
            "Shift+Ctrl+O ) and set the program of your choice ( e.g. WinWord )");
  EXPECT_EQ(messages.told[1].text,
            "A viewer for the game files has not been specified.\r\n\r\nGo to the Others dialog ( Shift+Ctrl+O ) "
            "and set the viewer of your choice ( e.g. Wordpad, Notepad )");
  EXPECT_TRUE(processes.started.empty());
}

TEST_F(OutsideProgramsTest, FailedStart_ShowsTheQuotedCommandLine) {
  processes.failure = systemError(ENOENT);
  EXPECT_FALSE(ViewFile(processes, messages, ViewKind::GameFile, "viewer", "/tmp/x.sgf"));
  EXPECT_EQ(messages.only(),
            (UserMessage{"ViewFile()",
                         "CreateProcess( '\"viewer\" \"/tmp/x.sgf\"' )\n\nNo such file or directory\nError Code is 2",
                         MessageIcon::Error}));
}

TEST_F(OutsideProgramsTest, DiffFiles_PassesBothFiles) {
  EXPECT_TRUE(DiffFiles(processes, messages, "meld", "/a.sgf", "/b.sgf"));
  EXPECT_EQ(processes.started.at(0), (RecordingProcesses::Start{"meld", {"/a.sgf", "/b.sgf"}}));

  processes.failure = systemError(EACCES);
  EXPECT_FALSE(DiffFiles(processes, messages, "meld", "/a.sgf", "/b.sgf"));
  EXPECT_EQ(messages.only().caption, "DiffFiles()");
  EXPECT_EQ(messages.only().text,
            "CreateProcess( '\"meld\" \"/a.sgf\" \"/b.sgf\"' )\n\nPermission denied\nError Code is 13");
}

TEST_F(OutsideProgramsTest, DiffFilesWithoutAProgram_SaysWhereToSetOne) {
  EXPECT_FALSE(DiffFiles(processes, messages, "", "/a.sgf", "/b.sgf"));
  EXPECT_EQ(messages.only(), (UserMessage{"DiffFiles()",
                                          "A program for the files has not been specified.\r\n\r\nGo to the Others "
                                          "dialog ( Shift+Ctrl+O ) and set the program of your choice ( e.g. "
                                          "ExamDiff )"}));
}

TEST_F(OutsideProgramsTest, ShellErrorTable_KeepsItsTexts) {
  EXPECT_EQ(shellErrorText(0), "The system is out of memory or resources.");
  EXPECT_EQ(shellErrorText(2), "The specified file was not found.");
  EXPECT_EQ(shellErrorText(26), "A sharing violation occurred.");
  EXPECT_EQ(shellErrorText(32), "The specified dynamic-link library (DLL) was not found.");
  EXPECT_EQ(shellErrorText(33), "ShellExecute().  Unkown error return code 33");
}

TEST_F(OutsideProgramsTest, Help_OpensTheHtmlFileInTheBrowser) {
  writeTextFile(dir.file("meridax.html"), "<html></html>");
  EXPECT_TRUE(openHelp(processes, messages, files, dir.path(), "CmHelp()"));
  EXPECT_EQ(processes.opened, (std::vector<std::string>{dir.file("meridax.html")}));
}

TEST_F(OutsideProgramsTest, MissingHelpFile_IsReportedUnderTheCallersCaption) {
  EXPECT_FALSE(openHelp(processes, messages, files, dir.path() + "/", "CmHelp()"));
  EXPECT_EQ(messages.only(), (UserMessage{"CmHelp()", "The specified file was not found.", MessageIcon::Error}));
  EXPECT_TRUE(processes.opened.empty());
}

TEST_F(OutsideProgramsTest, OpenerFailures_AreTold) {
  processes.failure = systemError(ENOENT);
  EXPECT_FALSE(openWithShell(processes, messages, files, "https://example.org/meridax", "CmWebPage()"));
  EXPECT_EQ(messages.only().caption, "CmWebPage()");
  EXPECT_EQ(messages.only().text, shellErrorText(shell_error::kNoAssociation));

  messages.told.clear();
  processes.failure = systemError(EAGAIN);
  EXPECT_FALSE(openWithShell(processes, messages, files, "https://example.org/meridax", "CmWebPage()"));
  EXPECT_EQ(messages.only(), (UserMessage{"CreateProcess()", "Resource temporarily unavailable\nError Code is 11",
                                          MessageIcon::Error}));
}

}  // namespace
}  // namespace meridax
