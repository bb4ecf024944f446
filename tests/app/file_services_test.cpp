#include "app/file_services.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <chrono>
#include <filesystem>

#include "app_test_support.h"

namespace meridax {
namespace {

using testing::FailingFileSystem;
using testing::FsOp;
using testing::readTextFile;
using testing::RecordingMessages;
using testing::TempDir;
using testing::writeTextFile;

class FileServicesTest : public ::testing::Test {
 protected:
  FailingFileSystem files;
  RecordingMessages messages;
  ShellPorts ports{files, messages};
  TempDir dir;
};

// An output file that accepts fewer bytes than it is given, without an error.
class ShortOutput : public OutputFile {
 public:
  WriteOutcome write(std::string_view bytes) override { return WriteOutcome{bytes.size() / 2, std::nullopt}; }
  std::optional<SystemError> close() override { return std::nullopt; }
};

TEST_F(FileServicesTest, LoadFile_GivesEveryByteOfTheFile) {
  const std::string text("(;GM[1]\0\xFE\xFF;B[aa])", 17);
  writeTextFile(dir.file("game.sgf"), text);
  EXPECT_EQ(Load_File(ports, dir.file("game.sgf")), text);
  EXPECT_TRUE(messages.told.empty());
}

TEST_F(FileServicesTest, LoadFile_MissingFileNamesThePathAndTheError) {
  const std::string path = dir.file("missing.sgf");
  EXPECT_EQ(Load_File(ports, path), std::nullopt);
  EXPECT_EQ(messages.only(), (UserMessage{"Load_File(): CreateFile()",
                                          "'" + path + "'\nNo such file or directory\nError Code is 2",
                                          MessageIcon::Error}));
}

TEST_F(FileServicesTest, LoadFile_ReloadCaptionAndDirectory) {
  EXPECT_EQ(Load_File(ports, dir.path(), kReloadOpenCaption), std::nullopt);
  EXPECT_EQ(messages.only().caption, "CreateFile()");
  EXPECT_EQ(messages.only().text, "'" + dir.path() + "'\nIs a directory\nError Code is 21");
}

TEST_F(FileServicesTest, LoadFile_EmptyFileIsZeroBytesRead) {
  writeTextFile(dir.file("empty.sgf"), "");
  EXPECT_EQ(Load_File(ports, dir.file("empty.sgf")), std::nullopt);
  EXPECT_EQ(messages.only(), (UserMessage{"Load_File()", "Zero bytes read", MessageIcon::Error}));
}

struct ReadStepCase {
  ReadStep step;
  const char* text;  // "%s" stands for the path
};

class FileServicesReadStep : public FileServicesTest, public ::testing::WithParamInterface<ReadStepCase> {};

TEST_P(FileServicesReadStep, FailingReadStep_IsReportedWithItsOwnText) {
  writeTextFile(dir.file("game.sgf"), "(;)");
  files.readStep = GetParam().step;
  files.failAt(FsOp::Read, EIO);
  EXPECT_EQ(Load_File(ports, dir.file("game.sgf")), std::nullopt);
  std::string expected = GetParam().text;
  if (const auto at = expected.find("%s"); at != std::string::npos) expected.replace(at, 2, dir.file("game.sgf"));
  EXPECT_EQ(messages.only().caption, "Load_File()");
  EXPECT_EQ(messages.only().text, expected);
}

INSTANTIATE_TEST_SUITE_P(Steps, FileServicesReadStep,
                         ::testing::Values(ReadStepCase{ReadStep::Size, "'%s'\nLoad_File(): GetFileSize failed"},
                                           ReadStepCase{ReadStep::Memory, "GlobalAlloc failed!"},
                                           ReadStepCase{ReadStep::Read, "Zero bytes read"}));

TEST_F(FileServicesTest, WriteFromPointer_WritesTheWholeBlock) {
  auto file = files.createFile(dir.file("out.sgf"), CreateMode::New);
  ASSERT_TRUE(file.ok());
  const std::string text = "(;GM[1]SZ[19])";
  EXPECT_TRUE(WriteFromPointer(*file.value(), text.data(), text.size(), messages));
  EXPECT_TRUE(closeOutputFile(*file.value(), dir.file("out.sgf"), messages));
  EXPECT_EQ(readTextFile(dir.file("out.sgf")), text);
  EXPECT_TRUE(messages.told.empty());
}

TEST_F(FileServicesTest, WriteFromPointer_FullDiskIsReportedWithTheSystemText) {
  files.failAt(FsOp::Write, ENOSPC);
  files.partialBytes = 4;
  auto file = files.createFile(dir.file("out.sgf"), CreateMode::New);
  ASSERT_TRUE(file.ok());
  const std::string text = "(;GM[1]SZ[19])";
  EXPECT_FALSE(WriteFromPointer(*file.value(), text.data(), text.size(), messages));
  EXPECT_EQ(messages.only(), (UserMessage{"WriteFromPointer()",
                                          "WriteFile()\nNo space left on device\nError Code is  28",
                                          MessageIcon::Error}));
}

TEST_F(FileServicesTest, WriteFromPointer_ShortCountIsReported) {
  ShortOutput file;
  EXPECT_FALSE(WriteFromPointer(file, "0123456789", 10, messages));
  EXPECT_EQ(messages.only().text,
            "WriteFile()\nIncorrect number of bytes written.  Process wrote  5.  Expected  10");
}

TEST_F(FileServicesTest, CloseFailure_IsReported) {
  files.failAt(FsOp::Close, EIO);
  auto file = files.createFile(dir.file("out.sgf"), CreateMode::New);
  ASSERT_TRUE(file.ok());
  EXPECT_FALSE(closeOutputFile(*file.value(), dir.file("out.sgf"), messages));
  EXPECT_EQ(messages.only().caption, "CloseHandle()");
  EXPECT_EQ(messages.only().text, "'" + dir.file("out.sgf") + "'\nInput/output error\nError Code is 5");
}

TEST_F(FileServicesTest, FailedWriteOfATemporaryFile_LeavesTheOriginalIntact) {
  const std::string target = dir.file("game.sgf");
  writeTextFile(target, "original text");
  files.failAt(FsOp::Write, ENOSPC);
  files.partialBytes = 3;

  std::optional<TempFile> temp = createTempBeside(ports, target);
  ASSERT_TRUE(temp.has_value());
  const std::string text = "new text that does not fit";
  EXPECT_FALSE(WriteFromPointer(*temp->file, text.data(), text.size(), messages));

  EXPECT_EQ(readTextFile(target), "original text");
  EXPECT_EQ(temp->path.rfind(dir.path() + "/game.sgf_", 0), 0u);
}

TEST_F(FileServicesTest, TemporaryFileThatCannotBeMade_IsReported) {
  files.failAt(FsOp::CreateTemp, EACCES);
  EXPECT_FALSE(createTempBeside(ports, dir.file("game.sgf")).has_value());
  EXPECT_EQ(messages.only(),
            (UserMessage{"GetTempFileName()",
                         "Directory '" + dir.path() + "'\nFile 'game.sgf'\n\nPermission denied\nError Code is 13",
                         MessageIcon::Error}));
}

TEST_F(FileServicesTest, UniqueName_CountsFromOneInFourDigits) {
  const std::string base = dir.file("LOG_");
  EXPECT_EQ(uniqueFileName(ports, base, "LST"), base + ".LST");
  writeTextFile(base + ".LST", "");
  EXPECT_EQ(uniqueFileName(ports, base, "LST"), base + "_0001.LST");
  writeTextFile(base + "_0001.LST", "");
  EXPECT_EQ(uniqueFileName(ports, base, "LST"), base + "_0002.LST");
  EXPECT_EQ(uniqueFileName(ports, base, ""), base);
  std::filesystem::create_directory(base);  // a directory takes the name too
  EXPECT_EQ(uniqueFileName(ports, base, ""), base + "_0001");
  EXPECT_TRUE(messages.told.empty());
}

TEST_F(FileServicesTest, UniqueName_UntestableNameIsReported) {
  files.failAt(FsOp::Status, EACCES);
  EXPECT_EQ(uniqueFileName(ports, dir.file("x"), "txt"), std::nullopt);
  EXPECT_EQ(messages.only(), (UserMessage{"GetFileAttributes()",
                                          "'" + dir.file("x.txt") + "'\nPermission denied\nError Code is  13",
                                          MessageIcon::Error}));
}

TEST_F(FileServicesTest, ForceDirectories_CreatesEveryMissingLevel) {
  const std::string deep = dir.file("a/b/c/");
  EXPECT_TRUE(ForceDirectories(ports, deep));
  EXPECT_TRUE(std::filesystem::is_directory(dir.file("a/b/c")));
  EXPECT_TRUE(ForceDirectories(ports, deep));  // existing levels are fine
  EXPECT_TRUE(messages.told.empty());
}

TEST_F(FileServicesTest, ForceDirectories_NamesTheLevelThatFailed) {
  writeTextFile(dir.file("plain"), "x");
  EXPECT_FALSE(ForceDirectories(ports, dir.file("plain/sub")));
  EXPECT_EQ(messages.only(),
            (UserMessage{"ForceDirectories()",
                         "CreateDirectory( '" + dir.file("plain") + "' )\nNot a directory\nError Code is 20",
                         MessageIcon::Error}));
}

TEST_F(FileServicesTest, DirectoryFound_ListsFilesNewestFirst) {
  using std::chrono::hours;
  const auto now = std::filesystem::file_time_type::clock::now();
  for (const auto& [name, age] : {std::pair{"old", 3}, std::pair{"new", 1}, std::pair{"middle", 2}}) {
    writeTextFile(dir.file(name), name);
    std::filesystem::last_write_time(dir.file(name), now - hours(age));
  }
  std::filesystem::create_directory(dir.file("subdirectory"));

  const auto files = DirectoryFound(ports, dir.path());

  ASSERT_TRUE(files.has_value());
  ASSERT_EQ(files->size(), 3u);
  EXPECT_EQ((*files)[0].name, "new");
  EXPECT_EQ((*files)[1].name, "middle");
  EXPECT_EQ((*files)[2].name, "old");
  EXPECT_EQ((*files)[2].size, 3u);
}

TEST_F(FileServicesTest, DirectoryFound_ReportsADirectoryItCannotUse) {
  EXPECT_EQ(DirectoryFound(ports, dir.file("none")), std::nullopt);
  EXPECT_EQ(messages.only().text, "Unable to SetCurrentDirectory() to '" + dir.file("none") + "'");
  messages.told.clear();
  files.failAt(FsOp::List, EIO);
  EXPECT_EQ(DirectoryFound(ports, dir.path()), std::nullopt);
  EXPECT_EQ(messages.only(), (UserMessage{"DirectoryFound()", "Unable to FindFirstFile() in '" + dir.path() + "'",
                                          MessageIcon::Error}));
}

TEST_F(FileServicesTest, SetBackupFileTime_MakesTheFileTheNewest) {
  const std::string path = dir.file("backup.sgf");
  writeTextFile(path, "x");
  std::filesystem::last_write_time(path, std::filesystem::file_time_type::clock::now() - std::chrono::hours(24 * 400));
  const auto before = std::chrono::system_clock::now() - std::chrono::seconds(5);

  EXPECT_TRUE(SetBackupFileTime(ports, path));

  const std::optional<FileTime> stamped = GetModifiedTime(ports, path);
  ASSERT_TRUE(stamped.has_value());
  EXPECT_GT(*stamped, before);
}

TEST_F(FileServicesTest, FileTimes_ReportTheirFailures) {
  const std::string missing = dir.file("missing");
  EXPECT_FALSE(SetBackupFileTime(ports, missing));
  EXPECT_EQ(GetModifiedTime(ports, missing), std::nullopt);
  ASSERT_EQ(messages.told.size(), 2u);
  EXPECT_EQ(messages.told[0], (UserMessage{"SetBackupFileTime()",
                                           "'" + missing + "'\nNo such file or directory\nError Code is 2",
                                           MessageIcon::Error}));
  EXPECT_EQ(messages.told[1], (UserMessage{"GetModifiedTime(): CreateFile()",
                                           "CreateFile( '" + missing + "' )\nNo such file or directory\nError Code is 2",
                                           MessageIcon::Error}));

  messages.told.clear();
  writeTextFile(dir.file("present"), "x");
  files.failAt(FsOp::SetTime, EPERM);
  EXPECT_FALSE(SetBackupFileTime(ports, dir.file("present")));
  EXPECT_EQ(messages.only().text,
            "SetFileTime( '" + dir.file("present") + "' )\nOperation not permitted\nError Code is 1");
}

TEST_F(FileServicesTest, WriteProtectedFile_IsRefusedWithItsText) {
  const std::string path = dir.file("protected.sgf");
  writeTextFile(path, "x");
  EXPECT_FALSE(IsWriteProtected(files, path));
  ::chmod(path.c_str(), 0444);
  EXPECT_TRUE(IsWriteProtected(files, path));
  EXPECT_FALSE(IsWriteProtected(files, dir.file("missing.sgf")));
  EXPECT_EQ(writeProtectedMessage(path),
            (UserMessage{"CmSave(): IsWriteProtected()",
                         "'" + path + "'\n\nUnable to replace file.  File is marked as being write protected",
                         MessageIcon::Error}));
}

TEST_F(FileServicesTest, CheckDirectory_RefusesEmptyAndRelativeEntries) {
  EXPECT_FALSE(CheckDirectory(ports, ""));
  EXPECT_FALSE(CheckDirectory(ports, "relative/dir"));
  ASSERT_EQ(messages.told.size(), 2u);
  EXPECT_EQ(messages.told[0].text, "A NULL directory has been detected\r\nYou will need to specify a directory");
  EXPECT_EQ(messages.told[1].text, "A full path string needs to be supplied for the directory");
  EXPECT_TRUE(CheckDirectory(ports, dir.path()));
  EXPECT_TRUE(messages.asked.empty());
}

TEST_F(FileServicesTest, CheckDirectory_CreatesAMissingDirectoryWhenAsked) {
  const std::string wanted = dir.file("images/rtf");
  messages.yesNoAnswer = false;
  EXPECT_FALSE(CheckDirectory(ports, wanted));
  EXPECT_FALSE(std::filesystem::exists(wanted));

  messages.yesNoAnswer = true;
  EXPECT_TRUE(CheckDirectory(ports, wanted));
  EXPECT_TRUE(std::filesystem::is_directory(wanted));
  ASSERT_EQ(messages.asked.size(), 2u);
  EXPECT_EQ(messages.asked[0].text, "Directory\n'" + wanted + "'\ndoes not exist\n\nCreate ?");

  files.failAt(FsOp::CreateDirectory, EROFS);
  EXPECT_FALSE(CheckDirectory(ports, dir.file("other")));
  ASSERT_EQ(messages.told.size(), 2u);  // the failed level, then the dialog's own text
  EXPECT_EQ(messages.told[1].text, "Unable to create directory\n'" + dir.file("other") + "'");
}

}  // namespace
}  // namespace meridax
