#include "app/chooser_paths.h"

#include <gtest/gtest.h>

namespace meridax {
namespace {

struct BesideCase {
  std::string currentFile;
  std::string suffix;
  std::string extension;
  std::string expected;
};

TEST(ChooserPaths, BesideTheCurrentFile_TakesItsFolderAndStem) {
  const BesideCase cases[] = {
      {"/games/meijin.sgf", "", "rtf", "/games/meijin.rtf"},
      {"/games/meijin.sgf", "_17", "sgf", "/games/meijin_17.sgf"},
      {"/games/old.v2/meijin", "", "gif", "/games/old.v2/meijin.gif"},  // a dot in a folder is no extension
      {"/games/.collection", "", "rtf", "/games/.collection.rtf"},      // nor one that starts the name
      {"/games/a.b.sgf", "", "rtf", "/games/a.b.rtf"},
      {"meijin.SGF", "", "rtf", "meijin.rtf"},
      {"", "_3", "sgf", ""},  // no current file: the chooser starts where it would
  };
  for (const BesideCase& c : cases)
    EXPECT_EQ(besideCurrentFile(c.currentFile, c.suffix, c.extension), c.expected) << c.currentFile;
  EXPECT_EQ(startFolderOf("/games/meijin.sgf"), "/games");
  EXPECT_EQ(startFolderOf("/meijin.sgf"), "/");
  EXPECT_EQ(startFolderOf("meijin.sgf"), ".");
  EXPECT_EQ(startFolderOf(""), "");
}

TEST(ChooserPaths, ExportOfSomeGames_NeverStartsOnTheCollectionItself) {
  EXPECT_EQ(exportedGamesPath("/g/big.sgf", 1, 17), "/g/big_17.sgf");
  EXPECT_EQ(exportedGamesPath("/g/big.sgf", 3, 1), "/g/big_selected.sgf");
  EXPECT_EQ(exportedGamesPath("", 1, 1), "");
}

}  // namespace
}  // namespace meridax
