#include "app/private_files.h"

#include <gtest/gtest.h>
#include <sys/stat.h>

#include <filesystem>

#include "app_test_support.h"

namespace meridax {
namespace {

using testing::TempDir;
using testing::readTextFile;
using testing::writeTextFile;

unsigned modeOf(const std::string& path) {
  struct stat st {};
  EXPECT_EQ(::lstat(path.c_str(), &st), 0) << path;
  return st.st_mode & 07777;
}

TEST(PrivateFiles, NewFileIsTheOwnersAloneWhateverTheUmask) {
  TempDir dir;
  const mode_t old = ::umask(0);  // the loosest umask a person may have
  const std::optional<SystemError> error = writeNewPrivateFile(dir.file("list.txt"), "the errors");
  ::umask(old);
  ASSERT_FALSE(error);
  EXPECT_EQ(modeOf(dir.file("list.txt")), 0600u);
  EXPECT_EQ(readTextFile(dir.file("list.txt")), "the errors");
}

TEST(PrivateFiles, NeverWritesOverOrThroughWhatIsAlreadyThere) {
  struct Case {
    const char* name;
    void (*prepare)(const TempDir&);
  };
  const Case cases[] = {
      {"a file", [](const TempDir& d) { writeTextFile(d.file("x.txt"), "theirs"); }},
      {"a link to a file",
       [](const TempDir& d) {
         writeTextFile(d.file("target"), "theirs");
         std::filesystem::create_symlink(d.file("target"), d.file("x.txt"));
       }},
      {"a dangling link", [](const TempDir& d) { std::filesystem::create_symlink(d.file("planted"), d.file("x.txt")); }},
  };
  for (const Case& c : cases) {
    TempDir dir;
    c.prepare(dir);
    const std::optional<SystemError> error = writeNewPrivateFile(dir.file("x.txt"), "mine");
    ASSERT_TRUE(error) << c.name;
    EXPECT_EQ(error->code, EEXIST) << c.name;
    EXPECT_FALSE(std::filesystem::exists(dir.file("planted"))) << c.name;
    if (std::filesystem::exists(dir.file("target"))) {
      EXPECT_EQ(readTextFile(dir.file("target")), "theirs") << c.name;
    }
  }
}

TEST(PrivateFiles, NumberedNamesSkipTakenOnesAndFailuresNameNoFile) {
  TempDir dir;
  writeTextFile(dir.file("Meridax_1.txt"), "older");
  const SysResult<std::string> second = writeNumberedPrivateFile(dir.path(), "Meridax", "txt", "new");
  ASSERT_TRUE(second.ok());
  EXPECT_EQ(second.value(), dir.file("Meridax_2.txt"));
  EXPECT_EQ(readTextFile(dir.file("Meridax_1.txt")), "older");

  const SysResult<std::string> missing = writeNumberedPrivateFile(dir.file("gone"), "Meridax", "txt", "new");
  ASSERT_FALSE(missing.ok());
  EXPECT_EQ(missing.error().code, ENOENT);
}

TEST(PrivateFiles, TemporaryFilesGoWithTheirOwner) {
  TempDir dir;
  writeTextFile(dir.file("a.txt"), "a");
  writeTextFile(dir.file("kept.txt"), "k");
  {
    TemporaryFiles files;
    files.add(dir.file("a.txt"));
    files.add(dir.file("already-gone.txt"));
  }
  EXPECT_EQ(testing::fileNames(dir.path()), std::vector<std::string>{"kept.txt"});
}

}  // namespace
}  // namespace meridax
