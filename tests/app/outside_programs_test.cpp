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

TEST_F(OutsideProgramsTest, Help_OpensTheHtmlFileInTheBrowser) {
  writeTextFile(dir.file("meridax.html"), "<html></html>");
  EXPECT_TRUE(openHelp(processes, messages, files, dir.path(), "CmHelp()"));
  EXPECT_EQ(processes.opened, (std::vector<std::string>{dir.file("meridax.html")}));
}

TEST_F(OutsideProgramsTest, OpenFailures_SayWhatFailedInThisSystemsWordsAndNameTheTarget) {
  writeTextFile(dir.file("list.txt"), "errors");
  struct Case {
    std::string target;
    std::optional<SystemError> openerFailure;
    std::string expected;
  };
  const Case cases[] = {
      {dir.file("gone.txt"), std::nullopt,
       "'" + dir.file("gone.txt") + "'\nNo such file or directory\nError Code is 2"},
      {dir.file("list.txt"), systemError(ENOENT),
       "'" + dir.file("list.txt") + "'\n\nNo program to open it was found ( xdg-open )."},
      {"https://example.org/meridax", systemError(ENOENT),
       "'https://example.org/meridax'\n\nNo program to open it was found ( xdg-open )."},
      {"https://example.org/meridax", systemError(EAGAIN),
       "'https://example.org/meridax'\n\nxdg-open could not be started.\nResource temporarily unavailable\nError Code "
       "is 11"},
  };
  for (const Case& c : cases) {
    messages.told.clear();
    processes.failure = c.openerFailure;
    EXPECT_FALSE(openWithShell(processes, messages, files, c.target, "CmWebPage()")) << c.target;
    EXPECT_EQ(messages.only(), (UserMessage{"CmWebPage()", c.expected, MessageIcon::Error}));
    for (const char* windowsWord : {"associat", "My Computer", "ShellExecute", "DLL"})
      EXPECT_EQ(messages.only().text.find(windowsWord), std::string::npos) << windowsWord;
  }
}

// The browser when it answers, else the program's own help window.
class RecordingViewer : public ViewerPort {
 public:
  bool openInBrowser(const std::string& page) override {
    browsed.push_back(page);
    return browserAnswers;
  }
  void showHelpPage(const std::string& page) override { helpWindow.push_back(page); }
  void showText(const std::string&, const std::string& text, const std::string&) override { texts.push_back(text); }

  bool browserAnswers = true;
  std::vector<std::string> browsed, helpWindow, texts;
};

TEST_F(OutsideProgramsTest, Help_BrowserWhenOneAnswersElseTheHelpWindowElseTheMissingFileNamed) {
  struct Case {
    bool manual, browser;
    bool browsed, helpWindow;
  };
  for (const Case c : {Case{true, true, true, false}, Case{true, false, true, true}, Case{false, true, false, false}}) {
    TempDir help;
    if (c.manual) writeTextFile(help.file("meridax.html"), "<html></html>");
    RecordingViewer viewer;
    viewer.browserAnswers = c.browser;
    messages.told.clear();
    EXPECT_EQ(showHelp(processes, messages, files, &viewer, help.path(), "CmHelp()"), c.manual);
    EXPECT_EQ(viewer.browsed, c.browsed ? std::vector<std::string>{help.file("meridax.html")} : std::vector<std::string>{});
    EXPECT_EQ(viewer.helpWindow,
              c.helpWindow ? std::vector<std::string>{help.file("meridax.html")} : std::vector<std::string>{});
    if (!c.manual)
      EXPECT_EQ(messages.only(), (UserMessage{"CmHelp()",
                                              "'" + help.file("meridax.html") + "'\nNo such file or directory\nError Code is 2",
                                              MessageIcon::Error}));
    else
      EXPECT_TRUE(messages.told.empty());
  }
  EXPECT_TRUE(processes.opened.empty());  // a viewer port leaves nothing to the opener
}

}  // namespace
}  // namespace meridax
