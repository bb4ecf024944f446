#include "sgf/sgf_error_list.h"

#include <gtest/gtest.h>

#include <cstdint>

#include <algorithm>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace meridax {
namespace {

namespace fs = std::filesystem;

std::string contentsOf(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream s;
  s << in.rdbuf();
  return s.str();
}

// A fresh directory per test, removed afterwards.
class ErrorFileDirectory : public ::testing::Test {
 protected:
  void SetUp() override {
    dir_ = fs::path(::testing::TempDir()) /
           ("meridax_errors_" + std::string(::testing::UnitTest::GetInstance()->current_test_info()->name()));
    fs::remove_all(dir_);
    fs::create_directories(dir_);
  }
  void TearDown() override { fs::remove_all(dir_); }
  std::string dir() const { return dir_.string(); }

  fs::path dir_;
};

TEST(SErrorList, PathComesFirstOnlyInAnEmptyList) {
  SErrorList list;
  list.addForFile("/games/a.sgf", "first", 2);
  list.addForFile("/games/a.sgf", "second", 5);
  EXPECT_EQ(list.texts(), (std::vector<std::string>{"\r\n/games/a.sgf", "first", "second"}));
  EXPECT_TRUE(list.hasErrorsIn(2));
  EXPECT_TRUE(list.hasErrorsIn(5));
  EXPECT_FALSE(list.hasErrorsIn(3));
}

TEST(SErrorList, PastedTextHasNoPathLine) {
  SErrorList list;
  list.addForFile("", "only", 1);
  EXPECT_EQ(list.texts(), std::vector<std::string>{"only"});
}

TEST(SErrorList, JoinsTextsWithTheSeparatorLine) {
  SErrorList list;
  list.add("one", 1);
  list.add("two", 1);
  EXPECT_EQ(list.joined(), "one\r\n\r\n--------------------------------------------------\r\ntwo");
  list.clear();
  EXPECT_TRUE(list.empty());
  EXPECT_TRUE(list.gameOrdinals().empty());
}

// A file of a million broken games must not hold a million error texts: the first ones are kept whole, the
// rest counted, and every game with errors is still known, in whatever order the games came.
TEST(SErrorList, KeepsTheFirstThousandEntriesInFullAndCountsTheRest) {
  SErrorList list;
  const int total = static_cast<int>(kErrorsKeptInFull) + 5;
  for (int i = total; i >= 1; --i) list.add("error " + std::to_string(i), i);
  ASSERT_EQ(list.size(), kErrorsKeptInFull);
  EXPECT_EQ(list.unlistedCount(), 5u);
  EXPECT_EQ(list.texts().back(), "error 6");
  EXPECT_TRUE(list.hasErrorsIn(1));
  EXPECT_TRUE(list.hasErrorsIn(total));
  EXPECT_FALSE(list.hasErrorsIn(total + 1));
  EXPECT_EQ(list.gameOrdinals().size(), static_cast<std::size_t>(total));
  const std::string joined = list.joined();
  EXPECT_EQ(joined.substr(joined.rfind("error 6")),
            "error 6" + std::string(kErrorSeparator) + "5 more errors were found; only the first 1000 are listed.");
  list.clear();
  EXPECT_EQ(list.unlistedCount(), 0u);
}

TEST_F(ErrorFileDirectory, StoreTakesTheFirstFreeName) {
  SErrorList list;
  list.add("one", 1);
  list.add("two", 1);
  std::ofstream(dir() + "/Meridax_1.txt") << "older";

  const StoredErrors stored = list.store(dir());
  ASSERT_TRUE(stored.ok());
  EXPECT_EQ(stored.path, dir() + "/Meridax_2.txt");
  EXPECT_EQ(contentsOf(stored.path), list.joined());
  EXPECT_EQ(contentsOf(dir() + "/Meridax_1.txt"), "older");  // never overwritten
}

TEST(SErrorListStore, MissingDirectoryGivesTheCreateFileText) {
  SErrorList list;
  list.add("one", 1);
  const StoredErrors stored = list.store("/nonexistent-meridax-dir");
  ASSERT_FALSE(stored.ok());
  EXPECT_EQ(stored.failure->caption(), "CreateFile()");
  EXPECT_EQ(stored.failure->text(),
            "'/nonexistent-meridax-dir/Meridax_1.txt'\nNo such file or directory\nError Code is 2");
}

TEST_F(ErrorFileDirectory, DisplayAsksAndOpensTheStoredFileOnYes) {
  SErrorList list;
  list.add("one", 1);
  std::string asked, opened;
  ErrorListPorts ports;
  ports.directory = dir();
  ports.askYesNo = [&](const std::string& caption, const std::string& text) {
    asked = caption + "|" + text;
    return true;
  };
  ports.openFile = [&](const std::string& path) { opened = path; };

  EXPECT_TRUE(list.display(ports));
  EXPECT_EQ(asked,
            "SErrorList::Display()|Warning.\nSome errors have been detected in the game file.\n\nSome games might "
            "not have been loaded.\nSome games might have been truncated at the error points.\n\nDo you wish to view "
            "the errors?");
  EXPECT_EQ(opened, dir() + "/Meridax_1.txt");
}

TEST_F(ErrorFileDirectory, DisplayStoresNothingOnNoOrWhenEmpty) {
  SErrorList list;
  int questions = 0;
  ErrorListPorts ports;
  ports.directory = dir();
  ports.askYesNo = [&](const std::string&, const std::string&) { return ++questions, false; };
  EXPECT_FALSE(list.display(ports));
  EXPECT_EQ(questions, 0);  // an empty list asks nothing
  list.add("one", 1);
  EXPECT_FALSE(list.display(ports));
  EXPECT_EQ(questions, 1);
  EXPECT_TRUE(fs::is_empty(dir_));
}

TEST(LineCounter, CountsLineFeedsBeforeTheOffset) {
  const std::string text = "a\nb\r\nc\n\nd";
  LineCounter lines(text);
  EXPECT_EQ(lines.lineAt(0), 1);
  EXPECT_EQ(lines.lineAt(5), 3);
  EXPECT_EQ(lines.lineAt(8), 5);
  EXPECT_EQ(lines.lineAt(2), 2);  // going back starts again
  EXPECT_EQ(lines.lineAt(1000), 5);
  EXPECT_EQ(lineNumberAt(text, 7), 4);
}

TEST(LineCounter, AnyOrderOfOffsetsGivesTheLinesCountedFromTheStart) {
  // Line feeds in runs and alone, bytes with the high bit set, around the eight-byte words counted at once.
  std::string text;
  std::uint32_t seed = 7;
  for (int i = 0; i < 500; ++i) {
    seed = seed * 1103515245u + 12345u;
    const unsigned pick = (seed >> 16) % 6;
    text += pick == 0 ? '\n' : pick == 1 ? '\r' : pick == 2 ? static_cast<char>(0x8a) : static_cast<char>('a' + pick);
  }
  LineCounter lines(text);
  for (int i = 0; i < 300; ++i) {
    seed = seed * 1103515245u + 12345u;
    const std::size_t offset = (seed >> 8) % (text.size() + 20);  // some beyond the end
    const std::size_t upTo = std::min(offset, text.size());
    const int expected = 1 + static_cast<int>(std::count(text.begin(), text.begin() + static_cast<std::ptrdiff_t>(upTo), '\n'));
    ASSERT_EQ(lines.lineAt(offset), expected) << "offset " << offset;
  }
}

TEST(ErrorExtract, NinetySixCharactersFromTheStartOrAroundThePoint) {
  std::string text;
  for (int i = 0; i < 300; ++i) text += static_cast<char>('a' + i % 26);
  EXPECT_EQ(errorExtract(text, 10), text.substr(10, 96));
  EXPECT_EQ(errorExtract(text, 290), text.substr(290));
  EXPECT_EQ(errorExtract(text, 400), "");
  EXPECT_EQ(errorExtractAround(text, 100), text.substr(52, 96));
  EXPECT_EQ(errorExtractAround(text, 20), text.substr(0, 96));  // never before the start
}

}  // namespace
}  // namespace meridax
