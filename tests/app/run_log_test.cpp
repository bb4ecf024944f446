#include "app/run_log.h"

#include <gtest/gtest.h>

#include <sstream>

#include "app_test_support.h"

namespace meridax {
namespace {

using namespace std::chrono_literals;
using testing::FailingFileSystem;
using testing::FsOp;
using testing::readTextFile;
using testing::RecordingMessages;
using testing::TempDir;

class RunLogTest : public ::testing::Test {
 protected:
  // A log whose clock moves only when the test says so.
  SLog makeLog() {
    return SLog([this] { return std::chrono::steady_clock::time_point(elapsed); },
                [] { return std::chrono::system_clock::time_point(1700000000s); });
  }

  std::chrono::steady_clock::duration elapsed{0};
  FailingFileSystem files;
  RecordingMessages messages;
  ShellPorts ports{files, messages};
  TempDir dir;
};

TEST_F(RunLogTest, Entries_CarryElapsedSecondsToTheMillisecond) {
  SLog log = makeLog();
  std::ostringstream out;
  log.attach(&out);
  elapsed = 1234567us;
  log.add("File loaded");
  elapsed = 65s;
  log.add("Saved");

  ASSERT_EQ(log.entries().size(), 2u);
  EXPECT_DOUBLE_EQ(log.entries()[0].elapsedSeconds, 1.234);
  EXPECT_EQ(log.entries()[0].timeOfDay, std::chrono::system_clock::time_point(1700000000s));
  EXPECT_EQ(out.str(), " 1.23 File loaded\n65.00 Saved\n");
}

TEST_F(RunLogTest, Print_StoresEntriesInAUniqueLogFile) {
  SLog log = makeLog();
  log.add("first");
  log.add("second");

  const std::optional<std::string> oldestFirst = log.Print(ports, dir.path(), LogOrder::OldestFirst);
  const std::optional<std::string> newestFirst = log.Print(ports, dir.path() + "/", LogOrder::NewestFirst);

  ASSERT_TRUE(oldestFirst && newestFirst);
  EXPECT_EQ(*oldestFirst, dir.file("LOG_.LST"));
  EXPECT_EQ(*newestFirst, dir.file("LOG__0001.LST"));
  EXPECT_EQ(readTextFile(*oldestFirst), "first\r\nsecond\r\n");
  // The second file also lists what the first print added, newest first.
  EXPECT_EQ(readTextFile(*newestFirst), "File created:    " + *oldestFirst + "\r\nsecond\r\nfirst\r\n");
  EXPECT_EQ(log.entries().back().text, "File created:    " + *newestFirst);
  ASSERT_EQ(messages.told.size(), 2u);
  EXPECT_EQ(messages.told[0],
            (UserMessage{"SLog::mPrint()", "File created\n\n" + *oldestFirst, MessageIcon::Information}));
}

TEST_F(RunLogTest, UncreatableLogFile_IsReported) {
  SLog log = makeLog();
  files.failAt(FsOp::Create, EROFS);
  EXPECT_EQ(log.Print(ports, dir.path(), LogOrder::OldestFirst), std::nullopt);
  EXPECT_EQ(messages.only(), (UserMessage{"CreateFile()",
                                          "'" + dir.file("LOG_.LST") + "'\nRead-only file system\nError Code is  30",
                                          MessageIcon::Error}));
  EXPECT_TRUE(log.entries().empty());
}

TEST_F(RunLogTest, FailedWrite_LeavesNoHalfLog) {
  SLog log = makeLog();
  log.add("an entry long enough to be cut");
  files.failAt(FsOp::Write, ENOSPC);
  files.partialBytes = 5;

  EXPECT_EQ(log.Print(ports, dir.path(), LogOrder::OldestFirst), std::nullopt);

  EXPECT_EQ(messages.only().caption, "WriteFromPointer()");
  EXPECT_TRUE(testing::fileNames(dir.path()).empty());
}

}  // namespace
}  // namespace meridax
