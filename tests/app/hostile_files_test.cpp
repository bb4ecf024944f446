// Files that fight back, every one made at test time in a fresh temporary folder: pipes, devices and
// folders where a file is expected, files larger than memory, symbolic links, names as long as the folder
// allows, private files, and files changed behind the editor's back by another program or a second editor.

#include <gtest/gtest.h>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <chrono>
#include <filesystem>
#include <fstream>
#include <functional>
#include <memory>
#include <string>
#include <vector>

#include "app/file_services.h"
#include "app/frame_test_support.h"
#include "export/export_file.h"

namespace meridax::testing {
namespace {

namespace fs = std::filesystem;
using Lines = std::vector<std::string>;

unsigned modeOf(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 ? static_cast<unsigned>(st.st_mode & 0777) : 01000;
}

bool isLink(const std::string& path) {
  std::error_code ignored;
  return fs::is_symlink(fs::symlink_status(path, ignored));
}

// The names in a folder that end like a temporary file of a save.
std::vector<std::string> leftovers(const std::string& folder) {
  std::vector<std::string> found;
  for (const std::string& name : fileNames(folder))
    if (name.ends_with(".tmp") || name.ends_with("~")) found.push_back(name);
  return found;
}

// Sets the umask for one test.
class UmaskScope {
 public:
  explicit UmaskScope(unsigned mask) : old_(::umask(static_cast<mode_t>(mask))) {}
  ~UmaskScope() { ::umask(old_); }

 private:
  mode_t old_;
};

// ---- Reading: only regular files, and none larger than memory ----

struct Unreadable {
  const char* name;
  std::function<std::string(const TempDir&)> make;  // the path of the input, or "" to skip the case
  const char* caption;
  const char* text;  // the message, after the quoted path
};

std::string makeFifo(const TempDir& dir) {
  const std::string path = dir.file("pipe.sgf");
  return ::mkfifo(path.c_str(), 0600) == 0 ? path : "";
}

std::string makeFolder(const TempDir& dir) {
  const std::string path = dir.file("folder.sgf");
  fs::create_directory(path);
  return path;
}

// A sparse file whose size is beyond the memory available, which takes no room on the disk.
std::string makeHugeFile(const TempDir& dir) {
  const std::string path = dir.file("huge.sgf");
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT, 0600);
  if (fd < 0) return "";
  const long pages = ::sysconf(_SC_PHYS_PAGES);
  const off_t size = static_cast<off_t>(pages) * ::sysconf(_SC_PAGESIZE) * 4;
  const bool made = ::ftruncate(fd, size) == 0 && ::write(fd, "(;)", 3) == 3;
  ::close(fd);
  return made ? path : "";
}

class UnreadableInputTest : public FrameTest, public ::testing::WithParamInterface<Unreadable> {};

TEST_P(UnreadableInputTest, Open_RefusesAtOnceAndKeepsTheCollection) {
  const std::string path = GetParam().make(dir);
  if (path.empty()) GTEST_SKIP() << "this file system cannot make the input";
  const std::string before = writeFile("shown.sgf", kThreeGames);
  load(before);

  const auto start = std::chrono::steady_clock::now();
  EXPECT_FALSE(frame().files().ReLoad(path));
  EXPECT_LT(std::chrono::steady_clock::now() - start, std::chrono::seconds(20)) << "never waits for a writer";

  EXPECT_EQ(ports.takeLines(), (Lines{std::string("[") + GetParam().caption + "] '" + path + "'\\n" + GetParam().text}));
  EXPECT_EQ(frame().currentFile(), before);
  EXPECT_EQ(frame().collection().size(), 3u);
}

INSTANTIATE_TEST_SUITE_P(
    Inputs, UnreadableInputTest,
    ::testing::Values(
        Unreadable{"PipeWithoutWriter", makeFifo, "Load_File()", "Load_File(): not a regular file ( a device, a pipe or a socket )"},
        Unreadable{"EndlessDevice", [](const TempDir&) { return std::string("/dev/zero"); }, "Load_File()",
                   "Load_File(): not a regular file ( a device, a pipe or a socket )"},
        Unreadable{"Folder", makeFolder, "CreateFile()", "Is a directory\\nError Code is 21"}),
    [](const auto& info) { return std::string(info.param.name); });

// The huge file's message is the allocation failure's own, with no path before it.
TEST_F(FrameTest, HugeFile_IsRefusedAsTooLargeForMemory) {
  const std::string path = makeHugeFile(dir);
  if (path.empty()) GTEST_SKIP() << "this file system cannot make a sparse file";
  EXPECT_FALSE(frame().files().ReLoad(path));
  EXPECT_EQ(ports.takeLines(), (Lines{"[Load_File()] GlobalAlloc failed!"}));
}

// ---- Writing: permissions ----

enum class Writer { Save, SaveAs, ExportCurrentGame, WholeFile };

struct ModeCase {
  const char* name;
  Writer writer;
  int existing;  // the mode of the file replaced; -1: no file there
  unsigned umask;
  unsigned expected;
};

class WrittenModeTest : public FrameTest, public ::testing::WithParamInterface<ModeCase> {};

TEST_P(WrittenModeTest, WrittenFile_KeepsTheReplacedModeOrFollowsTheUmask_AndItsTemporaryIsPrivate) {
  const ModeCase& c = GetParam();
  const UmaskScope mask(c.umask);
  const std::string loaded = writeFile("loaded.sgf", kThreeGames);
  const std::string target = c.writer == Writer::Save ? loaded : dir.file("target.sgf");
  if (c.existing >= 0) {
    if (target != loaded) writeTextFile(target, "old");
    fs::permissions(target, static_cast<fs::perms>(c.existing));
  }
  load(loaded);
  play(3, 3);
  std::vector<unsigned> temporaryModes;
  files.setStepHook([&](FsStep step) {
    if (step != FsStep::Written) return;
    for (const std::string& name : leftovers(dir.path())) temporaryModes.push_back(modeOf(dir.file(name)));
  });

  switch (c.writer) {
    case Writer::Save: ASSERT_TRUE(frame().files().CmSave()); break;
    case Writer::SaveAs:
      ports.queueChoice(target);
      ASSERT_TRUE(frame().files().SaveAs(SaveScope::WholeCollection));
      break;
    case Writer::ExportCurrentGame:
      ports.queueChoice(target);
      frame().files().CmExportCurrentGame();
      break;
    case Writer::WholeFile: ASSERT_FALSE(writeFileWhole(target, "(;)")); break;
  }

  EXPECT_EQ(modeOf(target), c.expected) << std::oct << modeOf(target);
  for (unsigned mode : temporaryModes) EXPECT_EQ(mode, 0600u) << std::oct << mode;
  EXPECT_EQ(leftovers(dir.path()), Lines{});
}

INSTANTIATE_TEST_SUITE_P(
    Writers, WrittenModeTest,
    ::testing::Values(ModeCase{"SaveOfPrivateFile", Writer::Save, 0600, 022, 0600},
                      ModeCase{"SaveOfGroupReadableFile", Writer::Save, 0640, 077, 0640},
                      ModeCase{"SaveAsOverPrivateFile", Writer::SaveAs, 0600, 022, 0600},
                      ModeCase{"ExportOverPrivateFile", Writer::ExportCurrentGame, 0600, 022, 0600},
                      ModeCase{"WholeFileOverPrivateFile", Writer::WholeFile, 0600, 022, 0600},
                      ModeCase{"SaveAsNewFile", Writer::SaveAs, -1, 022, 0644},
                      ModeCase{"SaveAsNewFileUnderStrictUmask", Writer::SaveAs, -1, 077, 0600},
                      ModeCase{"WholeFileNew", Writer::WholeFile, -1, 027, 0640}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- Writing through symbolic links ----

class LinkedFileTest : public FrameTest {
 protected:
  // "links/game.sgf" -> "../real/game.sgf" (relative, so it dangles unless read from its own folder).
  void SetUp() override {
    fs::create_directories(dir.file("real"));
    fs::create_directories(dir.file("links"));
    real = dir.file("real/game.sgf");
    link = dir.file("links/game.sgf");
    writeTextFile(real, kThreeGames);
    fs::create_symlink("../real/game.sgf", link);
  }

  void expectLinkKeptAndTargetWritten() {
    EXPECT_TRUE(isLink(link));
    EXPECT_EQ(fs::read_symlink(link), "../real/game.sgf");
    EXPECT_NE(readTextFile(real), kThreeGames);
    EXPECT_EQ(leftovers(dir.file("real")), Lines{});
    EXPECT_EQ(leftovers(dir.file("links")), Lines{});
  }

  std::string real;
  std::string link;
};

TEST_F(LinkedFileTest, Save_WritesTheTargetInItsFolderAndBacksUpItsOldText) {
  load(link);
  play(3, 3);

  ASSERT_TRUE(frame().files().CmSave()) << ::testing::PrintToString(ports.lines());

  expectLinkKeptAndTargetWritten();
  ASSERT_EQ(backups().size(), 1u);
  const std::string backup = backupDirectory() + "/" + backups()[0];
  EXPECT_FALSE(isLink(backup));
  EXPECT_EQ(readTextFile(backup), kThreeGames);
  EXPECT_EQ(ports.takeLines().size(), 1u) << "only \"File saved\"";
}

TEST_F(LinkedFileTest, SaveAsOntoALink_AndWholeFileExport_KeepTheLink) {
  load(writeFile("other.sgf", kThreeGames));
  play(3, 3);
  ports.queueChoice(link);
  ASSERT_TRUE(frame().files().SaveAs(SaveScope::WholeCollection));
  expectLinkKeptAndTargetWritten();

  ASSERT_FALSE(writeFileWhole(link, "(;GM[1])"));
  EXPECT_TRUE(isLink(link));
  EXPECT_EQ(readTextFile(real), "(;GM[1])");
}

TEST(LinkedFile, LinkCycle_IsRefused) {
  TempDir dir;
  fs::create_symlink("b", dir.file("a"));
  fs::create_symlink("a", dir.file("b"));
  const std::optional<std::error_code> failure = writeFileWhole(dir.file("a"), "x");
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->value(), ELOOP);
}

// A link planted in a shared sticky folder by someone else is not followed: the write would go wherever
// that person chose.
TEST(LinkedFile, StrangersLinkInASharedFolder_IsNotFollowed) {
  TempDir dir;
  const std::string shared = dir.file("shared");
  fs::create_directory(shared);
  fs::permissions(shared, static_cast<fs::perms>(01777));
  const std::string mine = dir.file("mine.txt");
  writeTextFile(mine, "mine");
  const std::string planted = shared + "/PG000001.rtf";
  fs::create_symlink(mine, planted);
  if (::lchown(planted.c_str(), 4242, 4242) != 0) GTEST_SKIP() << "only the superuser can give a link away";

  const std::optional<std::error_code> failure = writeFileWhole(planted, "rtf");
  ASSERT_TRUE(failure);
  EXPECT_EQ(failure->value(), EACCES);
  EXPECT_EQ(readTextFile(mine), "mine");
}

// ---- Names as long as the folder accepts ----

class LongNameTest : public FrameTest, public ::testing::WithParamInterface<std::size_t> {};

TEST_P(LongNameTest, FileWithTheLongestNames_SavesInPlace) {
  // A two-byte letter just before ".sgf": some lengths put it where the temporary name is cut.
  const std::string name = std::string(GetParam() - 6, 'x') + "\xC3\xA9.sgf";
  const std::string path = writeFile(name, kThreeGames);
  ASSERT_TRUE(fs::exists(path));
  load(path);
  play(3, 3);

  ASSERT_TRUE(frame().files().CmSave()) << ::testing::PrintToString(ports.lines());

  EXPECT_NE(readTextFile(path), kThreeGames);
  EXPECT_EQ(fileNames(dir.path()), (Lines{"appdata", name}));
  EXPECT_EQ(backups().size(), 1u);
}

INSTANTIATE_TEST_SUITE_P(Lengths, LongNameTest, ::testing::Values(245u, 249u, 250u, 255u));

// ---- Files changed on disk since the load ----

struct Change {
  const char* name;
  std::function<void(const std::string& path)> make;
  const char* question;  // the text after the quoted path; "" when the save asks nothing
};

void restoreTime(const std::string& path, fs::file_time_type time) { fs::last_write_time(path, time); }

const char* const kChanged =
    "\\n\\nThe file has been changed by another program since it was loaded or saved.\\n\\nDo you wish to "
    "overwrite it, or to save the collection under another name?";

class ChangedOnDiskTest : public FrameTest, public ::testing::WithParamInterface<Change> {};

TEST_P(ChangedOnDiskTest, Save_AsksBeforeReplacingAFileChangedSinceTheLoad) {
  const Change& c = GetParam();
  const std::string path = writeFile("shared.sgf", kThreeGames);
  load(path);
  play(3, 3);
  c.make(path);
  const std::string onDisk = readTextFile(path);
  ports.queueAnswer(Answer::Cancel);

  const bool saved = frame().files().CmSave();

  const Lines lines = ports.takeLines();
  if (*c.question == '\0') {
    EXPECT_TRUE(saved);
    ASSERT_EQ(lines.size(), 1u);
    EXPECT_NE(lines[0].find("File saved"), std::string::npos);
    return;
  }
  EXPECT_FALSE(saved);
  EXPECT_EQ(lines, (Lines{"[CmSave()] '" + path + "'" + c.question + " ? cancel"}));
  EXPECT_EQ(fs::exists(path) ? readTextFile(path) : "", onDisk) << "a cancelled save touches nothing";
  EXPECT_TRUE(frame().modified());
}

INSTANTIATE_TEST_SUITE_P(
    Changes, ChangedOnDiskTest,
    ::testing::Values(
        Change{"Untouched", [](const std::string&) {}, ""},
        Change{"TouchedWithSameBytes", [](const std::string& p) { restoreTime(p, fs::file_time_type::clock::now() + std::chrono::hours(1)); }, kChanged},
        Change{"Appended", [](const std::string& p) { std::ofstream(p, std::ios::app) << "\n"; }, kChanged},
        Change{"SameSizeAndTime",
               [](const std::string& p) {
                 const fs::file_time_type time = fs::last_write_time(p);
                 std::string text = readTextFile(p);
                 text[text.find("Ann")] = 'E';
                 writeTextFile(p, text);
                 restoreTime(p, time);
               },
               kChanged},
        Change{"ReplacedByRename",
               [](const std::string& p) {
                 writeTextFile(p + ".new", readTextFile(p));
                 fs::rename(p + ".new", p);
               },
               kChanged},
        Change{"Deleted", [](const std::string& p) { fs::remove(p); },
               "\\n\\nThe file has been deleted or moved since it was loaded or saved.\\n\\nDo you wish to write "
               "it again, or to save the collection under another name?"}),
    [](const auto& info) { return std::string(info.param.name); });

class ChangedOnDiskAnswerTest : public FrameTest {
 protected:
  void SetUp() override {
    path = writeFile("shared.sgf", kThreeGames);
    load(path);
    play(3, 3);
    writeTextFile(path, "(;GM[1]C[written by another program])");
  }
  std::string path;
};

TEST_F(ChangedOnDiskAnswerTest, Overwrite_SavesAndKeepsTheOtherTextAsBackup) {
  ports.queueAnswer(Answer::Yes);
  ASSERT_TRUE(frame().files().CmSave());
  EXPECT_NE(readTextFile(path).find("Spring cup"), std::string::npos);
  ASSERT_EQ(backups().size(), 1u);
  EXPECT_EQ(readTextFile(backupDirectory() + "/" + backups()[0]), "(;GM[1]C[written by another program])");
  // Saved here, the file is no longer "changed": the next save asks nothing.
  play(4, 4);
  ASSERT_TRUE(frame().files().CmSave());
  EXPECT_EQ(ports.unusedAnswers(), 0u);
  EXPECT_EQ(ports.lines().size(), 3u) << ::testing::PrintToString(ports.lines());
}

TEST_F(ChangedOnDiskAnswerTest, SaveAs_WritesElsewhereAndLeavesTheOtherText) {
  const std::string elsewhere = dir.file("mine.sgf");
  ports.queueAnswer(Answer::No);
  ports.queueChoice(elsewhere);
  ASSERT_TRUE(frame().files().CmSave());
  EXPECT_EQ(readTextFile(path), "(;GM[1]C[written by another program])");
  EXPECT_NE(readTextFile(elsewhere).find("Spring cup"), std::string::npos);
  EXPECT_EQ(frame().currentFile(), elsewhere);
}

TEST_F(ChangedOnDiskAnswerTest, DeletedFile_WrittenAgainWithoutABackup) {
  fs::remove(path);
  ports.queueAnswer(Answer::Yes);
  ASSERT_TRUE(frame().files().CmSave()) << ::testing::PrintToString(ports.lines());
  EXPECT_NE(readTextFile(path).find("Spring cup"), std::string::npos);
  EXPECT_TRUE(backups().empty());
}

// Two editors on one file: the second one's save is told that the first one saved.
TEST_F(FrameTest, TwoEditorsOnOneFile_TheLaterSaveAsks) {
  const std::string path = writeFile("both.sgf", kThreeGames);
  ScriptedPorts otherPorts;
  FrameEnvironment environment;
  environment.dataDirectory = dataDirectory();
  environment.temporaryDirectory = dir.path();
  PosixFileSystem otherFiles;
  FrameWin other(otherPorts.framePorts(), profile, otherFiles, readAppSettings(profile), environment);
  load(path);
  ASSERT_TRUE(other.files().ReLoad(path));
  play(3, 3);
  other.clickBoard(5, 5);

  ASSERT_TRUE(frame().files().CmSave());
  const std::string firstText = readTextFile(path);
  otherPorts.takeLines();
  otherPorts.queueAnswer(Answer::Cancel);
  EXPECT_FALSE(other.files().CmSave());

  const Lines lines = otherPorts.takeLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0].rfind("[CmSave()] '" + path + "'\\n\\nThe file has been changed", 0), 0u) << lines[0];
  EXPECT_EQ(readTextFile(path), firstText) << "the first editor's text stays";
}

}  // namespace
}  // namespace meridax::testing
