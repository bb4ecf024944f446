#include "app/posix_process_port.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>
#include <thread>

#include "app_test_support.h"

namespace meridax {
namespace {

using testing::readTextFile;
using testing::TempDir;
using testing::writeTextFile;

// Waits up to ten seconds for a detached program to leave its mark.
bool appears(const std::string& path, const std::string& text) {
  for (int i = 0; i < 200; ++i) {
    if (std::filesystem::exists(path) && readTextFile(path) == text) return true;
    std::this_thread::sleep_for(std::chrono::milliseconds(50));
  }
  return false;
}

TEST(PosixProcessPort, FindExecutable_SearchesThePath) {
  EXPECT_EQ(findExecutable("sh", "/nonexistent:/bin"), "/bin/sh");
  EXPECT_EQ(findExecutable("./local/tool", "/bin"), "./local/tool");
  EXPECT_EQ(findExecutable("no-such-program-here", "/bin:/usr/bin"), "");
  EXPECT_EQ(findExecutable("", "/bin"), "");
}

TEST(PosixProcessPort, StartedProgram_RunsWithItsArguments) {
  TempDir dir;
  PosixProcessPort processes;
  const std::string mark = dir.file("mark");
  EXPECT_EQ(processes.startDetached("sh", {"-c", "printf '%s' \"$1\" > \"$2\"", "sh", "two words", mark}),
            std::nullopt);
  EXPECT_TRUE(appears(mark, "two words"));
}

TEST(PosixProcessPort, MissingOrUnrunnableProgram_GivesTheSystemError) {
  TempDir dir;
  PosixProcessPort processes;
  EXPECT_EQ(processes.startDetached(dir.file("missing"), {}), systemError(ENOENT));
  EXPECT_EQ(processes.startDetached("no-such-program-here", {}), systemError(ENOENT));

  const std::string notAProgram = dir.file("text.sgf");
  writeTextFile(notAProgram, "(;)");
  ::chmod(notAProgram.c_str(), 0644);
  EXPECT_EQ(processes.startDetached(notAProgram, {}), systemError(EACCES));
}

TEST(PosixProcessPort, Documents_GoToTheOpener) {
  TempDir dir;
  const std::string opener = dir.file("opener");
  writeTextFile(opener, "#!/bin/sh\nprintf '%s' \"$1\" > \"" + dir.file("opened") + "\"\n");
  ::chmod(opener.c_str(), 0755);
  PosixProcessPort processes(opener);

  EXPECT_EQ(processes.openDocument("https://example.org/page"), std::nullopt);
  EXPECT_TRUE(appears(dir.file("opened"), "https://example.org/page"));
}

}  // namespace
}  // namespace meridax
