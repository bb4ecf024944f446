// "Do you wish to view the errors?" answered Yes: the list goes to the program's own text window, or, where
// the person named an outside viewer (or there is no window), to a file of the person's alone that is
// removed when the program ends.

#include <sys/stat.h>

#include "app/frame_test_support.h"
#include "app/private_files.h"

namespace meridax::testing {
namespace {

class TextViewer : public ViewerPort {
 public:
  bool openInBrowser(const std::string&) override { return false; }
  void showHelpPage(const std::string&) override {}
  void showText(const std::string& title, const std::string& text, const std::string& suggestedName) override {
    shown.push_back(title + "|" + suggestedName + "|" + text);
  }
  std::vector<std::string> shown;
};

unsigned modeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::stat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

class ErrorListViewTest : public FrameTest {};

TEST_F(ErrorListViewTest, YesShowsTheListInTheWindowOrAPrivateFileForTheOutsideViewer) {
  struct Case {
    const char* name;
    bool window;
    const char* outsideViewer;
    const char* expectedLine;  // the transcript's last line, up to the stored file's path
  };
  const Case cases[] = {
      {"window", true, "", nullptr},
      {"outside viewer named", true, "/usr/bin/mousepad", "(process) /usr/bin/mousepad "},
      {"no window", false, "", "(open) "},
  };
  for (const Case& c : cases) {
    TempDir place;
    const std::string game = place.file("broken.sgf");
    writeTextFile(game, "(;GM[1]SZ[19];B[dd];W[dd];B[ee])");
    TextViewer window;
    ScriptedPorts scripted;
    FrameEnvironment environment;
    environment.temporaryDirectory = place.file("tmp");
    std::filesystem::create_directories(environment.temporaryDirectory);
    FramePorts framePorts = scripted.framePorts();
    if (c.window) framePorts.viewer = &window;
    FrameWin f(framePorts, profile, files, readAppSettings(profile), environment);
    f.appSettings().sgfViewer = c.outsideViewer;
    scripted.queueAnswer(Answer::Yes);
    const std::size_t removedAtExit = filesRemovedAtExit().paths().size();

    ASSERT_TRUE(f.files().ReLoad(game)) << c.name;
    const std::string list = f.errorList().joined();
    ASSERT_NE(list.find("already occupied"), std::string::npos) << c.name;
    const std::vector<std::string> stored = fileNames(environment.temporaryDirectory);
    if (c.expectedLine == nullptr) {
      EXPECT_EQ(window.shown, std::vector<std::string>{"Errors in broken.sgf|broken_errors.txt|" + list}) << c.name;
      EXPECT_TRUE(stored.empty()) << c.name << ": nothing written for the window";
      continue;
    }
    EXPECT_TRUE(window.shown.empty()) << c.name;
    ASSERT_EQ(stored, std::vector<std::string>{"Meridax_1.txt"}) << c.name;
    const std::string path = environment.temporaryDirectory + "/Meridax_1.txt";
    EXPECT_EQ(readTextFile(path), list) << c.name;
    EXPECT_EQ(modeOf(path), 0600u) << c.name;
    EXPECT_EQ(scripted.lines().back(), c.expectedLine + path) << c.name;
    ASSERT_EQ(filesRemovedAtExit().paths().size(), removedAtExit + 1) << c.name;
    EXPECT_EQ(filesRemovedAtExit().paths().back(), path) << c.name;
  }
}

}  // namespace
}  // namespace meridax::testing
