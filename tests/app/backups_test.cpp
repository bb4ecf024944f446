#include "app/backups.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <algorithm>
#include <chrono>
#include <filesystem>

#include "app_test_support.h"

namespace meridax {
namespace {

using testing::fileNames;
using testing::FailingFileSystem;
using testing::FsOp;
using testing::readTextFile;
using testing::RecordingMessages;
using testing::TempDir;
using testing::writeTextFile;

std::tm localTime(int year, int month, int day, int hour, int minute, int second) {
  std::tm t{};
  t.tm_year = year - 1900;
  t.tm_mon = month - 1;
  t.tm_mday = day;
  t.tm_hour = hour;
  t.tm_min = minute;
  t.tm_sec = second;
  return t;
}

class BackupsTest : public ::testing::Test {
 protected:
  BackupsTest() {
    place.backupDirectory = dir.file("data/Meridax/Backup");
    place.programDirectory = dir.file("program");
    target = dir.file("game.sgf");
    writeTextFile(target, "old text");
  }

  // Writes the new text beside the target, as a save does, and swaps it in.
  bool save(const std::string& text, const std::tm& when, int keep = kDefaultBackupsToKeep) {
    temporary = dir.file("game.sgf_new.tmp");
    writeTextFile(temporary, text);
    backup = GetBackupName(ports, target, place, "sgf", when);
    return !backup.empty() && SwapBackupFiles(ports, target, temporary, backup, place, keep);
  }

  FailingFileSystem files;
  RecordingMessages messages;
  ShellPorts ports{files, messages};
  TempDir dir;
  BackupPlace place;
  std::string target;
  std::string temporary;
  std::string backup;
  const std::tm noon = localTime(2024, 3, 9, 12, 5, 7);
};

TEST_F(BackupsTest, BackupName_CarriesTheFileNameAndTimeStamp) {
  EXPECT_EQ(GetBackupName(ports, target, place, "sgf", noon),
            place.backupDirectory + "/game.sgf   20240309 120507_1.sgf");
  EXPECT_TRUE(std::filesystem::is_directory(place.backupDirectory));  // made with its parents
  EXPECT_TRUE(messages.told.empty());
}

TEST_F(BackupsTest, BackupDirectory_FallsBackBesideTheProgram) {
  place.backupDirectory = "";
  EXPECT_EQ(GetBackupName(ports, target, place, "sgf", noon),
            dir.file("program/Meridax_Backup/game.sgf   20240309 120507_1.sgf"));
  place.backupDirectory = dir.file("given//");
  EXPECT_EQ(backupDirectoryFor(place), dir.file("given"));
}

TEST_F(BackupsTest, LongFileName_IsCutBeforeTheStamp) {
  const std::string longName(137, 'n');
  const std::string name = GetBackupName(ports, dir.file(longName + ".sgf"), place, "sgf", noon);
  EXPECT_EQ(name, place.backupDirectory + "/" + std::string(121, 'n') + "...   20240309 120507_1.sgf");

  const std::string shortEnough(132, 's');  // 136 characters with ".sgf"
  EXPECT_EQ(GetBackupName(ports, dir.file(shortEnough + ".sgf"), place, "sgf", noon),
            place.backupDirectory + "/" + shortEnough + ".sgf   20240309 120507_1.sgf");

  std::string accented = std::string(120, 'a') + "\xC3\xA9" + std::string(20, 'z');  // é across the cut
  const std::string cut = GetBackupName(ports, dir.file(accented), place, "sgf", noon);
  EXPECT_EQ(cut, place.backupDirectory + "/" + std::string(120, 'a') + "...   20240309 120507_1.sgf");
}

TEST_F(BackupsTest, BackupDirectoryThatCannotBeMade_GivesNoName) {
  files.failAt(FsOp::CreateDirectory, EACCES);
  EXPECT_EQ(GetBackupName(ports, target, place, "sgf", noon), "");
  ASSERT_EQ(messages.told.size(), 2u);
  EXPECT_EQ(messages.told[0].caption, "ForceDirectories()");
  EXPECT_EQ(messages.told[1], (UserMessage{"GetBackupName()",
                                           "Unable to create directory\n'" + place.backupDirectory + "'",
                                           MessageIcon::Error}));
}

TEST_F(BackupsTest, TwoSavesInOneSecond_DifferOnlyInTheCounter) {
  ASSERT_TRUE(save("second text", noon));
  const std::string first = backup;
  ASSERT_TRUE(save("third text", noon));

  EXPECT_EQ(first, place.backupDirectory + "/game.sgf   20240309 120507_1.sgf");
  EXPECT_EQ(backup, place.backupDirectory + "/game.sgf   20240309 120507_2.sgf");
  EXPECT_EQ(readTextFile(first), "old text");
  EXPECT_EQ(readTextFile(backup), "second text");
  EXPECT_EQ(readTextFile(target), "third text");
  EXPECT_FALSE(std::filesystem::exists(temporary));
  EXPECT_TRUE(messages.told.empty());
}

TEST_F(BackupsTest, NameTakenByAnotherProgramBeforeTheSwap_TheNextNumberKeepsTheOldText) {
  const std::string chosen = GetBackupName(ports, target, place, "sgf", noon);
  writeTextFile(chosen, "another program's backup");
  writeTextFile(place.backupDirectory + "/game.sgf   20240309 120507_2.sgf", "and another");
  temporary = dir.file("game.sgf_new.tmp");
  writeTextFile(temporary, "new text");

  ASSERT_TRUE(SwapBackupFiles(ports, target, temporary, chosen, place, kDefaultBackupsToKeep));
  EXPECT_EQ(readTextFile(chosen), "another program's backup");
  EXPECT_EQ(readTextFile(place.backupDirectory + "/game.sgf   20240309 120507_3.sgf"), "old text");
  EXPECT_EQ(readTextFile(target), "new text");
  EXPECT_TRUE(messages.told.empty());
}

TEST_F(BackupsTest, Swap_KeepsThePermissionsOfTheReplacedFile) {
  ::chmod(target.c_str(), 0640);
  ASSERT_TRUE(save("new text", noon));
  struct stat st {};
  ASSERT_EQ(::stat(target.c_str(), &st), 0);
  EXPECT_EQ(st.st_mode & 0777, 0640u);
}

TEST_F(BackupsTest, SwapAcrossFileSystems_CopiesTheOldFile) {
  files.failAt(FsOp::HardLink, EXDEV);
  ASSERT_TRUE(save("new text", noon));
  EXPECT_EQ(readTextFile(backup), "old text");
  EXPECT_EQ(readTextFile(target), "new text");
}

struct SwapFailure {
  const char* name;
  std::vector<std::pair<FsOp, int>> failures;
  const char* caption;
  bool targetToBackup;  // the message names the target and the backup (else the temporary file and the target)
  const char* systemText;
  int code;
};

class BackupsSwapFailure : public BackupsTest, public ::testing::WithParamInterface<SwapFailure> {};

TEST_P(BackupsSwapFailure, FailedStep_LeavesTheOriginalAndTheNewText) {
  const SwapFailure f = GetParam();
  for (const auto& [op, code] : f.failures) files.failAt(op, code);

  EXPECT_FALSE(save("new text", noon));

  EXPECT_EQ(readTextFile(target), "old text");
  EXPECT_EQ(readTextFile(temporary), "new text");
  const std::string from = f.targetToBackup ? target : temporary;
  const std::string to = f.targetToBackup ? backup : target;
  EXPECT_EQ(messages.only(), (UserMessage{f.caption,
                                          "'" + from + "'\n\nUnable to rename file to '" + to + "'\n\n" +
                                              f.systemText + "\nError Code is " + std::to_string(f.code),
                                          MessageIcon::Error}));
}

INSTANTIATE_TEST_SUITE_P(
    Steps, BackupsSwapFailure,
    ::testing::Values(
        SwapFailure{"NoPermission", {{FsOp::HardLink, EACCES}}, "SwapBackupFiles_1(): MoveFile()", true,
                    "Permission denied", 13},
        SwapFailure{"NoSpaceForCopy", {{FsOp::HardLink, EXDEV}, {FsOp::Copy, ENOSPC}},
                    "SwapBackupFiles_1(): MoveFile()", true, "No space left on device", 28},
        SwapFailure{"RenameFails", {{FsOp::Rename, EBUSY}}, "SwapBackupFiles_2(): MoveFile()", false,
                    "Device or resource busy", 16}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(BackupsTest, FirstStepFailure_LeavesNoBackup) {
  files.failAt(FsOp::HardLink, EACCES);
  EXPECT_FALSE(save("new text", noon));
  EXPECT_TRUE(fileNames(place.backupDirectory).empty());
}

// The name of backup i of "game.sgf", made on day i.
std::string b(int i) { return "game.sgf   2024030" + std::to_string(i) + " 101010_1.sgf"; }

// Five backups of "game.sgf" of distinct ages, oldest first: b(1) ... b(5); and, older than all of them,
// files that are not its backups: another document's backups, a note, a name that only looks alike.
const std::vector<std::string> kOtherFiles = {"game.sgf.sgf   20240301 101010_1.sgf",
                                              "other.sgf   20240301 101010_1.sgf", "notes.txt",
                                              "game.sgf   20240301 101010_1.txt", "game.sgf   2024031 101010_1.sgf",
                                              "game.sgf   20240301 101010_.sgf"};
void makeBackups(const std::string& directory) {
  const auto now = std::filesystem::file_time_type::clock::now();
  for (int i = 1; i <= 5; ++i) {
    const std::string path = directory + "/" + b(i);
    writeTextFile(path, "backup");
    std::filesystem::last_write_time(path, now - std::chrono::hours(10 - i));
  }
  for (const std::string& name : kOtherFiles) {
    writeTextFile(directory + "/" + name, "not a backup of game.sgf");
    std::filesystem::last_write_time(directory + "/" + name, now - std::chrono::hours(100));
  }
}

// The names of the folder that are not among kOtherFiles, which pruning must never touch.
std::vector<std::string> backupsLeft(const std::string& directory) {
  std::vector<std::string> left;
  int others = 0;
  for (const std::string& name : fileNames(directory)) {
    if (std::find(kOtherFiles.begin(), kOtherFiles.end(), name) != kOtherFiles.end()) ++others;
    else left.push_back(name);
  }
  EXPECT_EQ(others, static_cast<int>(kOtherFiles.size())) << "another file was deleted";
  return left;
}

TEST_F(BackupsTest, Pruning_DeletesAllButTheNewest) {
  std::filesystem::create_directories(place.backupDirectory + "/kept subdirectory");
  makeBackups(place.backupDirectory);

  EXPECT_TRUE(BackupDelete(ports, place, 3, target, "sgf"));

  EXPECT_EQ(backupsLeft(place.backupDirectory), (std::vector<std::string>{b(3), b(4), b(5), "kept subdirectory"}));
  EXPECT_TRUE(messages.told.empty());
}

TEST_F(BackupsTest, SaveOfAnOldFile_KeepsItsBackupWhenPruning) {
  // The file being replaced was last written long before the other backups were made.
  std::filesystem::create_directories(place.backupDirectory);
  makeBackups(place.backupDirectory);
  std::filesystem::last_write_time(target, std::filesystem::file_time_type::clock::now() - std::chrono::hours(9000));

  ASSERT_TRUE(save("new text", noon, 3));

  EXPECT_EQ(backupsLeft(place.backupDirectory),
            (std::vector<std::string>{b(4), b(5), "game.sgf   20240309 120507_1.sgf"}));
}

TEST_F(BackupsTest, UnstampedBackup_IsNotPruned) {
  std::filesystem::create_directories(place.backupDirectory);
  makeBackups(place.backupDirectory);
  files.failAt(FsOp::SetTime, EPERM);

  EXPECT_TRUE(save("new text", noon, 1));  // the save itself succeeded

  EXPECT_EQ(backupsLeft(place.backupDirectory).size(), 6u);
  EXPECT_EQ(messages.only().caption, "SetBackupFileTime()");
}

TEST_F(BackupsTest, FailedDeletion_IsReportedAndPruningGoesOn) {
  std::filesystem::create_directories(place.backupDirectory);
  makeBackups(place.backupDirectory);
  files.failAt(FsOp::Remove, EACCES);

  EXPECT_TRUE(BackupDelete(ports, place, 3, target, "sgf"));

  ASSERT_EQ(messages.told.size(), 2u);
  EXPECT_EQ(messages.told[0], (UserMessage{"BackupDelete(): DeleteFile()",
                                           "'" + place.backupDirectory + "/" + b(2) + "'\n\nUnable to delete file\nError Code is 13",
                                           MessageIcon::Error}));
  EXPECT_EQ(messages.told[1].text,
            "'" + place.backupDirectory + "/" + b(1) + "'\n\nUnable to delete file\nError Code is 13");
}

TEST_F(BackupsTest, NegativeCount_KeepsNoBackupOfTheDocumentAndNothingElseGoes) {
  std::filesystem::create_directories(place.backupDirectory);
  makeBackups(place.backupDirectory);
  EXPECT_TRUE(BackupDelete(ports, place, -4, target, "sgf"));
  EXPECT_TRUE(backupsLeft(place.backupDirectory).empty());
}

TEST_F(BackupsTest, SaveWithBackupsOfOtherFiles_PrunesOnlyItsOwn) {
  std::filesystem::create_directories(place.backupDirectory);
  makeBackups(place.backupDirectory);
  ASSERT_TRUE(save("new text", noon, 2));
  EXPECT_EQ(backupsLeft(place.backupDirectory), (std::vector<std::string>{b(5), "game.sgf   20240309 120507_1.sgf"}));
}

TEST(BackupNames, OfADocument_MatchOnlyItsOwnPattern) {
  struct Case {
    std::string name;
    std::string document;
    bool matches;
  };
  const std::string longName = std::string(140, 'n') + ".sgf";
  const Case cases[] = {
      {"game.sgf   20240309 120507_1.sgf", "/d/game.sgf", true},
      {"game.sgf   20240309 120507_12.sgf", "/d/game.sgf", true},
      {"game.sgf   20240309 120507_1.sgf", "/d/Game.sgf", false},
      {"my game.sgf   20240309 120507_1.sgf", "/d/game.sgf", false},
      {"game.sgf   20240309 120507_1.sgf.part", "/d/game.sgf", false},
      {"game.sgf   2024030a 120507_1.sgf", "/d/game.sgf", false},
      {"game.sgf   20240309-120507_1.sgf", "/d/game.sgf", false},
      {std::string(121, 'n') + "...   20240309 120507_3.sgf", "/d/" + longName, true},
      {std::string(121, 'n') + "...   20240309 120507_3.sgf", "/d/" + std::string(121, 'n') + ".sgf", false},
  };
  for (const Case& c : cases) EXPECT_EQ(isBackupOf(c.name, c.document, "sgf"), c.matches) << c.name;
}

}  // namespace
}  // namespace meridax
