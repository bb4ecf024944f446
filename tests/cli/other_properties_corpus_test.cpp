// Every real file whose games hold properties this program does not read keeps them, node by node,
// when meridax-cli loads it, a game is edited and the file is saved.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <iostream>
#include <sstream>
#include <string>
#include <vector>

#include "app/collection_writer.h"
#include "cli/cli_files.h"
#include "model/node_texts.h"
#include "sgf/sgf_collection_read.h"

namespace meridax::cli {
namespace {

std::vector<std::filesystem::path> corpusFiles() {
  std::vector<std::filesystem::path> files;
  const std::filesystem::path root(MERIDAX_CORPUS_DIR);
  std::error_code ignored;
  if (!std::filesystem::is_directory(root, ignored)) return files;
  for (const auto& entry : std::filesystem::recursive_directory_iterator(root)) {
    const std::string name = entry.path().filename().string();
    if (!entry.is_regular_file() || entry.path().string().find("LICENSES") != std::string::npos) continue;
    if (name.ends_with(".md") || name.ends_with(".tsv") || name.ends_with(".txt")) continue;
    files.push_back(entry.path());
  }
  std::sort(files.begin(), files.end());
  return files;
}

// The kept properties of every node, in tree order, one entry per node that keeps any.
void collectKept(const SGridFrame& game, const GameNode* from, std::vector<std::string>& out) {
  for (const GameNode* n = from; n != nullptr; n = n->next()) {
    const std::string& kept = otherPropertiesOf(game, n);
    if (!kept.empty()) out.push_back(std::to_string(n->moveNumber()) + ":" + kept);
    if (!n->branching()) continue;
    collectKept(game, n->next(), out);
    for (const SBranchDetails* line : game.variations.linesBelow(n)) collectKept(game, line->head, out);
    return;
  }
}

std::vector<std::string> keptOf(const SGridFrame& game) {
  std::vector<std::string> out;
  collectKept(game, game.firstNode, out);
  return out;
}

// The identifiers in raw property text: runs of capitals outside values.
int propertyCount(const std::string& raw) {
  int count = 0;
  bool inValue = false;
  for (std::size_t i = 0; i < raw.size(); ++i) {
    const char c = raw[i];
    if (inValue) {
      if (c == '\\') ++i;
      else if (c == ']') inValue = false;
    } else if (c == '[') {
      inValue = true;
    } else if (c >= 'A' && c <= 'Z' && (i == 0 || raw[i - 1] < 'A' || raw[i - 1] > 'Z')) {
      ++count;
    }
  }
  return count;
}

TEST(OtherPropertiesCorpus, EditedAndSavedFilesKeepEveryPropertyNodeByNode) {
  const auto files = corpusFiles();
  if (files.empty()) GTEST_SKIP() << "no corpus at " << MERIDAX_CORPUS_DIR;
  int filesChecked = 0;
  int propertiesChecked = 0;
  for (const auto& path : files) {
    std::ostringstream err;
    std::optional<LoadedFile> file = loadFile(path.string(), err);
    if (!file) continue;
    buildAllTrees(*file, file->errors, err);
    Collection& games = *file->games;
    std::vector<std::vector<std::string>> before;
    int properties = 0;
    // Games kept unread are written back as read; an unheld reading leaves them out again.
    for (std::size_t i = 0; i < games.size(); ++i) {
      if (games.game(i).isUnread()) continue;
      before.push_back(keptOf(games.game(i)));
      for (const std::string& kept : before.back()) properties += propertyCount(kept);
    }
    if (properties == 0) continue;
    SCOPED_TRACE(path.string());
    // The edit: a comment on the end of every game's current line, which makes the save write it anew.
    for (std::size_t i = 0; i < games.size(); ++i) {
      SGridFrame& g = games.game(i);
      if (g.isUnread()) continue;
      setComment(g, g.endNode, "edited");
      g.markTreeChanged();
    }
    const CollectionTextResult saved = collectionText(games, file->held(), SaveOptions{});
    ASSERT_TRUE(saved.written);
    Collection back;
    SErrorList errors;
    CollectionReadRequest request;
    request.trees = GameTrees::All;
    readCollectionText(back, saved.written->text, request, errors);
    ASSERT_EQ(back.size(), before.size());
    for (std::size_t i = 0; i < before.size(); ++i) EXPECT_EQ(keptOf(back.game(i)), before[i]) << "game " << i + 1;
    ++filesChecked;
    propertiesChecked += properties;
  }
  std::cout << "[ corpus   ] " << filesChecked << " files, " << propertiesChecked
            << " properties not read by this program kept through an edit and a save\n";
  EXPECT_GT(filesChecked, 500);
}

// An unchanged file is saved as the editor saves it: games other than the current one are copied from
// the file text byte for byte; a file of a single game is written whole, which now keeps every property.
TEST(OtherPropertiesCorpus, UnchangedFilesCopyTheirGamesAsRead_SingleGamesKeepEveryProperty) {
  const auto files = corpusFiles();
  if (files.empty()) GTEST_SKIP() << "no corpus at " << MERIDAX_CORPUS_DIR;
  int gamesCopied = 0;
  int singleFiles = 0;
  int singleProperties = 0;
  for (const auto& path : files) {
    std::ostringstream err;
    std::optional<LoadedFile> file = loadFile(path.string(), err);
    if (!file || file->games->empty()) continue;
    SCOPED_TRACE(path.string());
    Collection& games = *file->games;
    const CollectionTextResult saved = collectionText(games, file->held(), SaveOptions{});
    ASSERT_TRUE(saved.written);
    const std::string& out = saved.written->text;
    if (games.size() > 1) {
      for (std::size_t i = 0; i < games.size(); ++i) {
        const SGridFrame& g = games.game(i);
        if (&g == games.current() || &g == file->markedGame) continue;  // these get a new header
        EXPECT_NE(out.find(file->text.substr(g.textOffset, g.textLength)), std::string::npos) << "game " << i + 1;
        ++gamesCopied;
      }
      continue;
    }
    const std::vector<std::string> before = keptOf(games.game(0));
    if (before.empty()) continue;
    Collection back;
    SErrorList errors;
    readCollectionText(back, out, CollectionReadRequest{}, errors);
    ASSERT_EQ(back.size(), 1u);
    EXPECT_EQ(keptOf(back.game(0)), before);
    ++singleFiles;
    for (const std::string& kept : before) singleProperties += propertyCount(kept);
  }
  std::cout << "[ corpus   ] " << gamesCopied << " unchanged games of collections copied byte for byte; " << singleFiles
            << " single-game files saved with their " << singleProperties << " properties not read by this program\n";
  EXPECT_GT(gamesCopied, 200);
  EXPECT_GT(singleFiles, 100);
}

}  // namespace
}  // namespace meridax::cli
