#include "app/recent_files.h"

#include <gtest/gtest.h>

#include "app/memory_profile.h"

namespace meridax {
namespace {

TEST(RecentFiles, Adding_MovesRepeatsToTheHeadAndKeepsFifteen) {
  RecentFileList list;
  for (int i = 1; i <= 17; ++i) list.add("/games/" + std::to_string(i) + ".sgf");
  list.add("/games/10.sgf");
  list.add("");

  ASSERT_EQ(list.entries().size(), 15u);
  EXPECT_EQ(list.entries()[0], "/games/10.sgf");
  EXPECT_EQ(list.entries()[1], "/games/17.sgf");
  EXPECT_EQ(list.entries().back(), "/games/3.sgf");
}

TEST(RecentFiles, ShorterList_ClearsTheOlderKeys) {
  MemoryProfile profile;
  RecentFileList list;
  for (const char* path : {"/a.sgf", "/b.sgf", "/c.sgf"}) list.add(path);
  writeRecentFiles(profile, list);
  list.remove("/a.sgf");
  writeRecentFiles(profile, list);

  EXPECT_EQ(profile.readString("FileList", "File1"), "/c.sgf");
  EXPECT_EQ(profile.readString("FileList", "File3"), "");
  EXPECT_EQ(readRecentFiles(profile), list);
}

TEST(RecentFiles, GapsInTheProfile_AreSkipped) {
  MemoryProfile profile;
  profile.writeString("FileList", "File2", "/second.sgf");
  profile.writeString("FileList", "file7", "/seventh.sgf");
  const RecentFileList list = readRecentFiles(profile);
  EXPECT_EQ(list.entries(), (std::vector<std::string>{"/second.sgf", "/seventh.sgf"}));
}

struct AbbreviationCase {
  const char* path;
  const char* shown;
};

class RecentFilesAbbreviation : public ::testing::TestWithParam<AbbreviationCase> {};

TEST_P(RecentFilesAbbreviation, MenuText_FitsThirtyCharacters) {
  EXPECT_EQ(abbreviatedPath(GetParam().path), GetParam().shown);
}

INSTANTIATE_TEST_SUITE_P(
    Paths, RecentFilesAbbreviation,
    ::testing::Values(AbbreviationCase{"/home/p/go/game.sgf", "/home/p/go/game.sgf"},
                      AbbreviationCase{"/home/someone/collections/go/pro/file.sgf", "/.../go/pro/file.sgf"},
                      AbbreviationCase{"/home/someone/a_rather_long_name_for_a_file.sgf",
                                       "a_rather_long_name_for_a_file.sgf"},
                      AbbreviationCase{"relative/dir/names/that/go/on/and/on.sgf", ".../that/go/on/and/on.sgf"}));

}  // namespace
}  // namespace meridax
