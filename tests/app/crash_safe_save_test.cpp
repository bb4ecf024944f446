// A save killed at any step leaves the file with its old text or its new one, whole, and keeps the backup
// once the backup has been made. Each save runs in a child process that kills itself at a chosen step of
// the file system; the parent then reads what is on disk.

#include <gtest/gtest.h>

#include <signal.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/frame_test_support.h"

namespace meridax::testing {
namespace {

// What a child saw of its save.
struct ChildSave {
  std::vector<FsStep> steps;  // every step reached, the one it was killed at included
  bool killed = false;
  bool saved = false;  // exited after a save that succeeded

  bool reached(FsStep step) const { return std::find(steps.begin(), steps.end(), step) != steps.end(); }
};

enum class BackupWay { Link, Copy };

class CrashSafeSaveTest : public FrameTest, public ::testing::WithParamInterface<BackupWay> {
 protected:
  void SetUp() override {
    target = writeFile("games.sgf", kThreeGames);
    load(target);
    play(3, 3);
    if (GetParam() == BackupWay::Copy) files.failAt(FsOp::HardLink, EXDEV);  // as across two file systems
  }

  // Saves in a child process that is killed at its `killAt`th step (counted from 1; 0 never).
  ChildSave saveInChild(int killAt) {
    int pipeEnds[2];
    if (::pipe(pipeEnds) != 0) ADD_FAILURE() << "no pipe";
    const pid_t child = ::fork();
    if (child == 0) {
      ::close(pipeEnds[0]);
      int count = 0;
      files.setStepHook([&](FsStep step) {
        const auto code = static_cast<unsigned char>(step);
        if (::write(pipeEnds[1], &code, 1) != 1) ::_exit(3);
        if (++count == killAt) ::raise(SIGKILL);
      });
      ::_exit(frame().files().CmSave() ? 0 : 1);
    }
    ::close(pipeEnds[1]);
    ChildSave seen;
    unsigned char code = 0;
    while (::read(pipeEnds[0], &code, 1) == 1) seen.steps.push_back(static_cast<FsStep>(code));
    ::close(pipeEnds[0]);
    int status = 0;
    EXPECT_EQ(::waitpid(child, &status, 0), child);
    seen.killed = WIFSIGNALED(status) && WTERMSIG(status) == SIGKILL;
    seen.saved = WIFEXITED(status) && WEXITSTATUS(status) == 0;
    return seen;
  }

  // The file as it was before the save, with no backups and no temporary files.
  void restore() {
    std::filesystem::remove_all(backupDirectory());
    for (const std::string& name : fileNames(dir.path())) {
      if (name.ends_with(".tmp")) std::filesystem::remove(dir.file(name));
    }
    writeTextFile(target, kThreeGames);
    // Rewritten behind the frame's back, the file counts as changed since the load: the save asks first.
    ports.queueAnswer(Answer::Yes);
  }

  std::vector<std::string> backupTexts() const {
    std::vector<std::string> texts;
    for (const std::string& name : backups()) texts.push_back(readTextFile(backupDirectory() + "/" + name));
    return texts;
  }

  std::string target;
};

TEST_P(CrashSafeSaveTest, FullSave_SyncsFileAndDirectoriesAroundLinkAndRename) {
  const ChildSave run = saveInChild(0);

  ASSERT_TRUE(run.saved);
  for (FsStep step : {FsStep::Written, FsStep::BeforeFileSync, FsStep::AfterFileSync, FsStep::BeforeLink,
                      FsStep::AfterLink, FsStep::BeforeDirectorySync, FsStep::AfterDirectorySync,
                      FsStep::BeforeRename, FsStep::AfterRename}) {
    EXPECT_TRUE(run.reached(step)) << "step " << static_cast<int>(step);
  }
  // The backup's directory after the link, the target's before and after the rename.
  EXPECT_EQ(std::count(run.steps.begin(), run.steps.end(), FsStep::AfterDirectorySync), 3);
  const auto afterRename = std::find(run.steps.begin(), run.steps.end(), FsStep::AfterRename);
  EXPECT_NE(std::find(afterRename, run.steps.end(), FsStep::AfterDirectorySync), run.steps.end());
}

TEST_P(CrashSafeSaveTest, KilledAtEveryStep_LeavesOldOrNewTextWholeAndTheBackup) {
  const ChildSave full = saveInChild(0);
  ASSERT_TRUE(full.saved);
  const std::string newText = readTextFile(target);
  ASSERT_NE(newText, kThreeGames);
  const int steps = static_cast<int>(full.steps.size());

  for (int killAt = 1; killAt <= steps; ++killAt) {
    SCOPED_TRACE("killed at step " + std::to_string(killAt) + " of " + std::to_string(steps));
    restore();
    const ChildSave run = saveInChild(killAt);

    ASSERT_TRUE(run.killed);
    ASSERT_EQ(static_cast<int>(run.steps.size()), killAt);
    EXPECT_EQ(readTextFile(target), run.reached(FsStep::AfterRename) ? newText : kThreeGames);
    if (run.reached(FsStep::AfterLink)) {
      EXPECT_EQ(backupTexts(), std::vector<std::string>{kThreeGames});
    } else if (GetParam() == BackupWay::Link) {
      EXPECT_TRUE(backupTexts().empty());
    }
  }
}

INSTANTIATE_TEST_SUITE_P(Backups, CrashSafeSaveTest, ::testing::Values(BackupWay::Link, BackupWay::Copy),
                         [](const auto& info) { return info.param == BackupWay::Link ? "Link" : "Copy"; });

// A directory that cannot be synced stops the save like any failed call; only the last sync comes after
// the rename, and the new text is then already in place.
struct SyncFailure {
  const char* name;
  int nth;                     // which directory sync fails
  const char* firstCaption;
  bool targetHoldsNewText;
};

class DirectorySyncFailureTest : public FrameTest, public ::testing::WithParamInterface<SyncFailure> {};

TEST_P(DirectorySyncFailureTest, Save_TellsAndKeepsTheOldTextUntilTheRename) {
  const SyncFailure& f = GetParam();
  const std::string path = writeFile("games.sgf", kThreeGames);
  load(path);
  play(3, 3);
  files.failAt(FsOp::SyncDirectory, EIO, f.nth);

  EXPECT_FALSE(frame().files().CmSave());

  const std::vector<std::string> lines = ports.takeLines();
  ASSERT_EQ(lines.size(), 2u) << ::testing::PrintToString(lines);
  EXPECT_EQ(lines[0].substr(0, lines[0].find("] ") + 1), f.firstCaption);
  EXPECT_NE(lines[0].find("Error Code is 5"), std::string::npos) << lines[0];
  EXPECT_EQ(readTextFile(path) == kThreeGames, !f.targetHoldsNewText);
  ASSERT_EQ(backups().size(), 1u);
  EXPECT_EQ(readTextFile(backupDirectory() + "/" + backups()[0]), kThreeGames);
  EXPECT_TRUE(frame().modified());
}

INSTANTIATE_TEST_SUITE_P(
    Steps, DirectorySyncFailureTest,
    ::testing::Values(SyncFailure{"AfterTheBackupLink", 1, "[SwapBackupFiles_1(): MoveFile()]", false},
                      SyncFailure{"BeforeTheRename", 2, "[SwapBackupFiles_2(): MoveFile()]", false},
                      SyncFailure{"AfterTheRename", 3, "[SwapBackupFiles_2(): MoveFile()]", true}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax::testing
