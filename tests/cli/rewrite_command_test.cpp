// meridax-cli rewrite on every real file and on files of this program's own marks: what it writes,
// read and rewritten again, gives the same bytes. The files are rewritten in memory through the
// command's own loading and writing steps; only the final durable write to disk is left out.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "app/app_test_support.h"
#include "cli/cli_files.h"

namespace meridax::cli {
namespace {

using meridax::testing::RecordingMessages;
using meridax::testing::TempDir;
using meridax::testing::writeTextFile;

class TextOutput : public OutputFile {
 public:
  WriteOutcome write(std::string_view bytes) override {
    text.append(bytes);
    return WriteOutcome{bytes.size(), std::nullopt};
  }
  std::optional<SystemError> close() override { return std::nullopt; }
  std::string text;
};

// The text rewrite writes for the file, or nullopt when it refuses the file; `complaints` gets what
// it tells on its error stream.
std::optional<std::string> rewrittenText(const std::string& path, std::string& complaints) {
  std::ostringstream err;
  std::optional<FileToWrite> loaded = loadFileToWrite({path, "-o", path + ".out"}, "rewrite", err);
  if (loaded) {
    LoadedFile& file = loaded->file;
    buildAllTrees(file, file.errors, err);
    TextOutput out;
    RecordingMessages messages;
    if (writeRewrittenGames(file, out, messages)) return out.text;
    ADD_FAILURE() << "the writing failed: " << messages.only().text;
  }
  complaints = err.str();
  return std::nullopt;
}

// Rewrites the file, then the text written: false when either refuses (the reason in `complaints`).
// `once` and `twice` hold the two texts.
bool rewriteTwice(const std::string& path, const std::string& scratch, std::string& once, std::string& twice,
                  std::string& complaints) {
  const std::optional<std::string> first = rewrittenText(path, complaints);
  if (!first) return false;
  once = *first;
  writeTextFile(scratch, once);
  const std::optional<std::string> second = rewrittenText(scratch, complaints);
  // A fresh name for every file: overwriting one would make some file systems flush it at each close.
  std::filesystem::remove(scratch);
  EXPECT_TRUE(second) << "its own output refused: " << complaints;
  twice = second.value_or("");
  return true;
}

std::vector<std::filesystem::path> corpusFiles() {
  std::vector<std::filesystem::path> files;
  const std::filesystem::path root(MERIDAX_CORPUS_DIR);
  std::error_code ignored;
  if (!std::filesystem::is_directory(root, ignored)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || entry.path().string().find("LICENSES") != std::string::npos) continue;
    if (name.ends_with(".md") || name.ends_with(".tsv")) continue;
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The program's own marks seldom occur in files from elsewhere, so their places are checked here.
TEST(RewriteTwice, OwnMarks_SecondRewriteGivesTheSameBytes) {
  const char* texts[] = {
      "(;GM[1]SZ[19]XP[];B[pd];W[dp])",
      "(;GM[1]SZ[19]XP[]XV[];B[pd];W[dp])",
      "(;GM[1]SZ[19]XB[2:start]XP[]XN[3];B[pd];W[dp])",
      "(;GM[1]SZ[19];B[pd]XP[]XV[];W[dp])",
      "(;GM[1]SZ[19];B[pd];W[dp]XP[](;B[dd])(;B[pp]XV[]))",
      "(;GM[2]SZ[8]XP[];B[fe];W[fd])",
      "(;GM[1]SZ[9]XP[])\r\n(;GM[1]SZ[9];B[ee]XP[];W[cc])",
  };
  TempDir dir;
  const std::string source = dir.file("source.sgf");
  for (const char* text : texts) {
    SCOPED_TRACE(text);
    writeTextFile(source, text);
    std::string once, twice, complaints;
    ASSERT_TRUE(rewriteTwice(source, dir.file("once.sgf"), once, twice, complaints)) << complaints;
    EXPECT_EQ(twice, once);
  }
}

TEST(RewriteTwice, CorpusFiles_SecondRewriteGivesTheSameBytes) {
  const auto files = corpusFiles();
  if (files.empty()) GTEST_SKIP() << "no corpus at " << MERIDAX_CORPUS_DIR;
  TempDir dir;
  int rewritten = 0;
  int refused = 0;
  for (const auto& path : files) {
    SCOPED_TRACE(path.string());
    std::string once, twice, complaints;
    const std::string scratch = dir.file("once" + std::to_string(rewritten + refused) + ".sgf");
    if (!rewriteTwice(path.string(), scratch, once, twice, complaints)) {
      // Empty files and files without a game of a kind and size this program plays.
      EXPECT_TRUE(complaints.find("No games were loaded.") != std::string::npos ||
                  complaints.find("the file is empty") != std::string::npos)
          << complaints;
      ++refused;
      continue;
    }
    EXPECT_EQ(twice, once);
    ++rewritten;
  }
  EXPECT_GT(rewritten, 2000);
  EXPECT_LT(refused, rewritten / 20) << "a file refused is a file not checked";
}

}  // namespace
}  // namespace meridax::cli
