// Real files in other character sets than UTF-8: their texts are shown as the right Unicode text, an
// unchanged file is saved with its texts' bytes as read, and a changed one is written in its own set
// under its own CA.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <sstream>
#include <string>
#include <vector>

#include "app/collection_writer.h"
#include "cli/cli_files.h"
#include "model/node_texts.h"
#include "model/character_set.h"
#include "sgf/sgf_collection_read.h"

namespace meridax::cli {
namespace {

struct EncodedFile {
  const char* path;  // below the corpus
  const char* player1;  // as UTF-8; empty when the file names none
  const char* comment;  // a part of one comment, as UTF-8
};

std::string fileBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  std::stringstream bytes;
  bytes << in.rdbuf();
  return bytes.str();
}

// The raw values of PB, PW and C in the file that hold bytes beyond ASCII, with their identifiers.
std::vector<std::string> rawTextValues(const std::string& text) {
  std::vector<std::string> values;
  for (const char* id : {"PB[", "PW[", "C["}) {
    for (std::size_t at = text.find(id); at != std::string::npos; at = text.find(id, at + 1)) {
      const std::size_t close = text.find(']', at);
      if (close == std::string::npos) break;
      const std::string value = text.substr(at, close - at + 1);
      if (std::any_of(value.begin(), value.end(), [](char c) { return static_cast<unsigned char>(c) >= 0x80; }))
        values.push_back(value);
    }
  }
  return values;
}

// Every comment of the game as UTF-8, one after the other.
std::string shownComments(const SGridFrame& game) {
  std::string all;
  for (const auto& [node, text] : game.comments) all += gameTextToUtf8(game, text) + "\n";
  return all;
}

class EncodedCorpusFileTest : public ::testing::TestWithParam<EncodedFile> {};

TEST_P(EncodedCorpusFileTest, ShownAsUnicodeSavedWithTheBytesReadAndWrittenInItsOwnSet) {
  const EncodedFile& c = GetParam();
  const std::string path = std::string(MERIDAX_CORPUS_DIR) + "/" + c.path;
  if (!std::filesystem::exists(path)) GTEST_SKIP() << "no corpus file " << path;
  std::ostringstream err;
  std::optional<LoadedFile> file = loadFile(path, err);
  ASSERT_TRUE(file) << err.str();
  SGridFrame& game = file->games->game(0);
  EXPECT_EQ(gameTextToUtf8(game, game.details[DetailField::Player1]), c.player1);
  EXPECT_NE(shownComments(game).find(c.comment), std::string::npos) << shownComments(game);

  // The texts keep the bytes they were read with: what the save writes holds them unchanged.
  const std::string original = fileBytes(path);
  const CollectionTextResult saved = collectionText(*file->games, file->held(), SaveOptions{});
  ASSERT_TRUE(saved.written);
  for (const std::string& raw : rawTextValues(original)) EXPECT_NE(saved.written->text.find(raw), std::string::npos) << raw;

  setName(game, game.endNode, "edited");
  game.markTreeChanged();
  const CollectionTextResult changed = collectionText(*file->games, file->held(), SaveOptions{});
  ASSERT_TRUE(changed.written);
  Collection back;
  SErrorList errors;
  readCollectionText(back, changed.written->text, CollectionReadRequest{}, errors);
  ASSERT_FALSE(back.empty());
  EXPECT_EQ(back.game(0).characterSet, game.characterSet);
  EXPECT_EQ(gameTextToUtf8(back.game(0), back.game(0).details[DetailField::Player1]), c.player1);
  EXPECT_NE(shownComments(back.game(0)).find(c.comment), std::string::npos);
}

INSTANTIATE_TEST_SUITE_P(
    Files, EncodedCorpusFileTest,
    ::testing::Values(
        EncodedFile{"malformed/sabaki-sgf/tests/sgf/chinese.sgf", "\u53e4\u529b", "\u56f4\u68cb is fun"},
        EncodedFile{"malformed/libsgfcplusplus/encoding-simplifiedchinese-gb2312.sgf", "",
                    "\u56f4\u68cb\u662f\u4e00\u79cd\u53e4\u8001\u7684\u6e38\u620f"},
        EncodedFile{"malformed/sabaki-sgf/tests/sgf/japanese.sgf", "\u4e95\u5c71 \u88d5\u592a", "\u56f2\u7881 is fun"},
        EncodedFile{"malformed/libsgfcplusplus/encoding-japanese-shiftjis.sgf", "",
                    "Go\u306f\u53e4\u4ee3\u306e\u30b2\u30fc\u30e0"},
        EncodedFile{"malformed/libsgfcplusplus/encoding-western-isolatin1.sgf", "",
                    "\u00c4\u00e4 \u00c0\u00e0 \u00c2\u00e2 \u00c5\u00e5 \u00c6\u00e6 \u00c7\u00e7"},
        EncodedFile{"malformed/libsgfcplusplus/encoding-western-isolatin1.sgf", "", "\u00fc \u00d9\u00f9 \u00db\u00fb \u00ff \u00bf\u00a1 \u00ab\u00bb"},
        EncodedFile{"malformed/libsgfcplusplus/encoding-traditionalchinese-big5.sgf", "", "\u570d\u68cb\u662f\u4e00\u7a2e"},
        EncodedFile{"malformed/sabaki-sgf/tests/sgf/korean.sgf", "\uc774\uc138\ub3cc", "\ubc14\ub451 is fun"},
        EncodedFile{"malformed/libsgfcplusplus/encoding-cyrillic-windows.sgf", "", "\u0413\u043e - \u0434\u0440\u0435\u0432\u043d\u044f\u044f"},
        EncodedFile{"malformed/libsgfcplusplus/encoding-japanese-iso2022jp.sgf", "", "Go\u306f\u53e4\u4ee3\u306e"},
        EncodedFile{"malformed/libsgfcplusplus/encoding-western-isolatin9.sgf", "", "\u0160\u0161 \u017d\u017e"}));

}  // namespace
}  // namespace meridax::cli
