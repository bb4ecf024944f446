#pragma once
// A main frame on a temporary directory: scripted ports that keep their transcript, a real file system
// that fails on request, an in-memory profile, and the data directory inside the temporary directory.

#include <gtest/gtest.h>

#include <memory>
#include <string>
#include <vector>

#include "app/app_test_support.h"
#include "app/frame_win.h"
#include "app/memory_profile.h"
#include "app/progress_port.h"
#include "app/viewer_port.h"
#include "app/scripted_ports.h"
#include "app/settings_io.h"

namespace meridax::testing {

// Three Go games, the second one with a name and players. Games are separated as a save separates them,
// and the text ends with the last ")", so a save of the unchanged collection gives the same bytes.
inline constexpr char kThreeGames[] =
    "(;GM[1]FF[4]SZ[19]EV[Spring cup]PB[Ann]PW[Bob];B[pd];W[dp];B[pp])\r\n\r\n"
    "(;GM[1]FF[4]SZ[19]GN[Second]PB[Cy]PW[Di];B[dd];W[pp])\r\n\r\n"
    "(;GM[1]FF[4]SZ[9]EV[Small board];B[ee])";

class FrameTest : public ::testing::Test {
 protected:
  // The frame, made on first use so that a test can prepare the profile first.
  FrameWin& frame() {
    if (!frame_) {
      FrameEnvironment environment;
      if (!withoutDataDirectory) environment.dataDirectory = dataDirectory();
      environment.programDirectory = dir.file("program");
      environment.temporaryDirectory = dir.path();
      environment.workingDirectory = dir.path();
      FramePorts framePorts = ports.framePorts();
      framePorts.progress = progress;
      framePorts.viewer = viewer;
      frame_ = std::make_unique<FrameWin>(framePorts, profile, files, readAppSettings(profile), environment);
    }
    return *frame_;
  }

  std::string dataDirectory() const { return dir.file("appdata"); }
  std::string backupDirectory() const { return dataDirectory() + "/Meridax/Backup"; }

  // Writes a file into the temporary directory and returns its path.
  std::string writeFile(const std::string& name, const std::string& text) {
    const std::string path = dir.file(name);
    writeTextFile(path, text);
    return path;
  }

  // Loads a file that must give games; the transcript of the load is dropped.
  void load(const std::string& path) {
    ASSERT_TRUE(frame().files().ReLoad(path)) << ::testing::PrintToString(ports.lines());
    ports.takeLines();
  }

  // A change to the current game as the user would make it: a move at (x, y).
  void play(int x, int y) { frame().clickBoard(x, y); }

  std::vector<std::string> backups() const {
    std::error_code ignored;
    if (!std::filesystem::is_directory(backupDirectory(), ignored)) return {};
    return fileNames(backupDirectory());
  }

  bool withoutDataDirectory = false;  // as with neither APPDATA, XDG_DATA_HOME nor HOME set
  TempDir dir;
  FailingFileSystem files;
  MemoryProfile profile;
  ScriptedPorts ports;
  ProgressPort* progress = nullptr;  // set before the frame is first used
  ViewerPort* viewer = nullptr;      // likewise

 private:
  std::unique_ptr<FrameWin> frame_;
};

}  // namespace meridax::testing
