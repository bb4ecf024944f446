// The fuzz targets' checks in the plain build: the inputs that once made a target fail (tests/fuzz/<target>),
// every script of tests/scripts, the confinement of the names a script gives, and the memory file system
// the script target runs on.

#include <gtest/gtest.h>

#include <algorithm>
#include <cctype>
#include <cerrno>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <functional>
#include <iterator>
#include <sstream>
#include <string>
#include <vector>

#include "checks/memory_file_system.h"
#include "checks/script_input_check.h"
#include "checks/sgf_input_check.h"

namespace meridax::fuzzing {
namespace {

namespace fs = std::filesystem;

std::string readBytes(const fs::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), {});
}

std::vector<fs::path> filesIn(const fs::path& directory, const std::string& extension = "") {
  std::vector<fs::path> files;
  std::error_code ignored;
  for (const auto& entry : fs::directory_iterator(directory, ignored))
    if (entry.is_regular_file() && (extension.empty() || entry.path().extension() == extension))
      files.push_back(entry.path());
  std::sort(files.begin(), files.end());
  return files;
}

std::string testName(const ::testing::TestParamInfo<fs::path>& info) {
  std::string name = info.param.parent_path().filename().string() + "_" + info.param.stem().string();
  std::replace_if(name.begin(), name.end(), [](char c) { return !std::isalnum(static_cast<unsigned char>(c)); }, '_');
  return name;
}

// A scratch directory of the test's own, removed afterwards.
class ScratchDirectory {
 public:
  ScratchDirectory() {
    std::string pattern = (fs::temp_directory_path() / "meridax_fuzz_test_XXXXXX").string();
    path_ = mkdtemp(pattern.data()) != nullptr ? pattern : std::string();
  }
  ~ScratchDirectory() {
    std::error_code ignored;
    if (!path_.empty()) fs::remove_all(path_, ignored);
  }
  const std::string& path() const { return path_; }

 private:
  std::string path_;
};

const fs::path kKept = MERIDAX_FUZZ_INPUTS_DIR;
const fs::path kScripts = MERIDAX_SCRIPTS_DIR;

class KeptSgfInput : public ::testing::TestWithParam<fs::path> {};

TEST_P(KeptSgfInput, ReadsSoundlyAndSurvivesTheWriter) {
  const std::string bytes = readBytes(GetParam());
  const auto* data = reinterpret_cast<const std::uint8_t*>(bytes.data());
  const std::optional<std::string> fault = checkSgfInput({data, bytes.size()});
  EXPECT_FALSE(fault) << *fault;
}

// Until a target finds a fault, its folder of kept inputs may be empty.
GTEST_ALLOW_UNINSTANTIATED_PARAMETERIZED_TEST(KeptSgfInput);
INSTANTIATE_TEST_SUITE_P(FuzzInputs, KeptSgfInput, ::testing::ValuesIn(filesIn(kKept / "sgf_reader")), testName);

class KeptScript : public ::testing::TestWithParam<fs::path> {};

TEST_P(KeptScript, KeepsEveryTreeSoundAndWritable) {
  ScratchDirectory scratch;
  ASSERT_FALSE(scratch.path().empty());
  const std::optional<std::string> fault =
      checkScriptInput(readBytes(GetParam()), readSeedFiles(kScripts / "files"), scratch.path());
  EXPECT_FALSE(fault) << *fault;
  EXPECT_TRUE(fs::is_empty(scratch.path())) << "the scratch directory is emptied after the run";
}

std::vector<fs::path> scriptsToRun() {
  std::vector<fs::path> scripts = filesIn(kKept / "script_runner");
  const std::vector<fs::path> ours = filesIn(kScripts, ".script");
  scripts.insert(scripts.end(), ours.begin(), ours.end());
  return scripts;
}

INSTANTIATE_TEST_SUITE_P(FuzzInputs, KeptScript, ::testing::ValuesIn(scriptsToRun()), testName);

// The seed files lie beside the script, and a file chosen anywhere is saved into the scratch directory.
TEST(ScriptInput, LoadsTheSeedFilesAndSavesIntoTheScratchDirectory) {
  ScratchDirectory scratch;
  std::ostringstream transcript;
  const std::optional<std::string> fault = checkScriptInput(
      "load games.sgf\nprint title\nplay 3 3\nchoose /nowhere/copy.sgf\ncmd SaveAs\nprint title\n",
      readSeedFiles(kScripts / "files"), scratch.path(), &transcript);
  EXPECT_FALSE(fault) << *fault;
  EXPECT_NE(transcript.str().find("title: "), std::string::npos) << transcript.str();
  EXPECT_NE(transcript.str().find("[1/3]"), std::string::npos) << transcript.str();
  EXPECT_NE(transcript.str().find(scratch.path() + "/copy.sgf"), std::string::npos) << transcript.str();
  EXPECT_FALSE(fs::exists("/nowhere/copy.sgf"));
}

// ---- Names a script gives stay inside the scratch directory ----

struct ConfineCase {
  const char* script;
  const char* confined;
};

class ConfinedScript : public ::testing::TestWithParam<ConfineCase> {};

TEST_P(ConfinedScript, MovesEveryNameIntoTheScratchDirectory) {
  EXPECT_EQ(confinedScript(GetParam().script, "/scratch"), GetParam().confined);
}

INSTANTIATE_TEST_SUITE_P(
    Names, ConfinedScript,
    ::testing::Values(ConfineCase{"load games.sgf", "load /scratch/games.sgf"},
                      ConfineCase{"load /work/main/README.md", "load /scratch/README.md"},
                      ConfineCase{"  choose ../../etc/passwd  ", "choose /scratch/passwd"},
                      ConfineCase{"choose a/b.sgf\\t/c/d.sgf\\t..", "choose /scratch/b.sgf\\t/scratch/d.sgf\\t/scratch/unnamed"},
                      ConfineCase{"load dir/", "load /scratch/unnamed"},
                      ConfineCase{"choose --cancel", "choose --cancel"},
                      ConfineCase{"loading /x/y", "loading /x/y"},
                      ConfineCase{"input /x/y.sgf\ncmd CmCollAddSGF", "input /x/y.sgf\ncmd CmCollAddSGF"},
                      ConfineCase{"load /x/a.sgf\r\nchoose /y/b.sgf\n", "load /scratch/a.sgf\nchoose /scratch/b.sgf\n"}));

// ---- The memory file system ----

TEST(MemoryFileSystem, RelativeAndAbsoluteNamesMeetInOneFile) {
  MemoryFileSystem files("/scratch");
  files.putFile("a.sgf", "(;)");
  std::string text;
  EXPECT_FALSE(files.readWholeFile("/scratch/./sub/../a.sgf", text));
  EXPECT_EQ(text, "(;)");
  EXPECT_TRUE(files.status("/scratch").ok());
  EXPECT_EQ(files.status("/scratch").value().type, EntryType::Directory);
}

struct FailureCase {
  const char* name;
  std::function<std::optional<SystemError>(MemoryFileSystem&)> act;
  int code;
};

class MemoryFileSystemFailure : public ::testing::TestWithParam<FailureCase> {};

TEST_P(MemoryFileSystemFailure, SaysWhyAsPosixWould) {
  MemoryFileSystem files("/scratch");
  files.putFile("old.sgf", "old");
  const std::optional<SystemError> error = GetParam().act(files);
  ASSERT_TRUE(error);
  EXPECT_EQ(error->code, GetParam().code);
  EXPECT_EQ(*files.file("old.sgf"), "old") << "a failed call changes nothing";
}

INSTANTIATE_TEST_SUITE_P(
    Calls, MemoryFileSystemFailure,
    ::testing::Values(
        FailureCase{"NewOverExisting",
                    [](MemoryFileSystem& f) {
                      auto r = f.createFile("old.sgf", CreateMode::New);
                      return r.ok() ? std::nullopt : std::optional(r.error());
                    },
                    EEXIST},
        FailureCase{"CreateInMissingDirectory",
                    [](MemoryFileSystem& f) {
                      auto r = f.createFile("none/new.sgf", CreateMode::Always);
                      return r.ok() ? std::nullopt : std::optional(r.error());
                    },
                    ENOENT},
        FailureCase{"CreateBelowAFile",
                    [](MemoryFileSystem& f) {
                      auto r = f.createFile("old.sgf/new.sgf", CreateMode::Always);
                      return r.ok() ? std::nullopt : std::optional(r.error());
                    },
                    ENOTDIR},
        FailureCase{"RenameMissing", [](MemoryFileSystem& f) { return f.rename("gone.sgf", "old.sgf"); }, ENOENT},
        FailureCase{"LinkOverExisting", [](MemoryFileSystem& f) { return f.hardLink("old.sgf", "old.sgf"); }, EEXIST},
        FailureCase{"RemoveTheBase", [](MemoryFileSystem& f) { return f.remove("/scratch"); }, EISDIR},
        FailureCase{"DirectoryTwice", [](MemoryFileSystem& f) { return f.createDirectory("/scratch"); }, EEXIST}),
    [](const ::testing::TestParamInfo<FailureCase>& info) { return std::string(info.param.name); });

TEST(MemoryFileSystem, SaveThroughATemporaryFileReplacesTheOldOne) {
  MemoryFileSystem files("/scratch");
  files.putFile("g.sgf", "old");
  SysResult<TempFile> temp = files.createTempFile("/scratch", "g");
  ASSERT_TRUE(temp.ok());
  EXPECT_EQ(temp.value().file->write("new").written, 3u);
  EXPECT_FALSE(temp.value().file->close());
  ASSERT_FALSE(files.rename(temp.value().path, "g.sgf"));
  EXPECT_EQ(*files.file("g.sgf"), "new");
  EXPECT_EQ(files.file(temp.value().path), nullptr);
  const auto listed = files.listDirectory("/scratch");
  ASSERT_TRUE(listed.ok());
  ASSERT_EQ(listed.value().size(), 1u);
  EXPECT_EQ(listed.value()[0].name, "g.sgf");
}

}  // namespace
}  // namespace meridax::fuzzing
