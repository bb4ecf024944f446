// Games the reader refuses (an unknown kind, a board too large) stay in the collection as their text:
// saves write them back where they stood, navigation passes over them, and nothing opens or edits them.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <string>
#include <vector>

#include "app/frame_test_support.h"
#include "collection/games_list.h"
#include "edit/game_snapshot.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/text_decoding.h"

namespace meridax::testing {
namespace {

constexpr char kSeparator[] = "\r\n\r\n";

std::string joined(const std::vector<std::string>& games) {
  std::string text;
  for (const std::string& g : games) text += (text.empty() ? "" : kSeparator) + g;
  return text;
}

// The game with a property put first in its root node, where the reader looks for kind and size.
std::string withRootProperty(const std::string& game, const std::string& property) {
  std::string text = game;
  text.insert(text.find(';') + 1, property);
  return text;
}

// Single Go games of the corpus that read without a complaint, in name order.
std::vector<std::string> cleanCorpusGames(std::size_t count) {
  std::vector<std::filesystem::path> paths;
  for (const auto& e : std::filesystem::recursive_directory_iterator(std::filesystem::path(MERIDAX_CORPUS_DIR) / "go"))
    if (e.is_regular_file() && e.path().extension() == ".sgf" && e.file_size() < 6000) paths.push_back(e.path());
  std::sort(paths.begin(), paths.end());
  std::vector<std::string> games;
  for (const auto& path : paths) {
    std::string text = prepareFileText(readTextFile(path.string()));
    while (!text.empty() && (text.back() == '\n' || text.back() == '\r' || text.back() == ' ')) text.pop_back();
    if (text.rfind("(;", 0) != 0 || text.back() != ')') continue;
    Collection games1;
    SErrorList errors;
    CollectionReadRequest request;
    request.trees = GameTrees::All;
    if (readCollectionText(games1, text, request, errors).gamesRead != 1 || !errors.empty()) continue;
    if (games.push_back(text); games.size() == count) break;
  }
  return games;
}

class UnreadGamesTest : public FrameTest {
 protected:
  void run(const char* name) { ASSERT_TRUE(frame().runCommand(name)) << name; }
  std::size_t current() { return frame().collection().currentIndex(); }
};

TEST_F(UnreadGamesTest, CollectionOfTwentyTwoSavedAfterAnEdit_KeepsTheTwoUnreadGamesByteForByte) {
  std::vector<std::string> games = cleanCorpusGames(20);
  ASSERT_EQ(games.size(), 20u) << "too few clean Go games in " << MERIDAX_CORPUS_DIR;
  const std::string unknownKind = withRootProperty(games[3], "GM[12]");
  const std::string tooLarge = withRootProperty(games[15], "SZ[52]");
  games.insert(games.begin() + 4, unknownKind);
  games.insert(games.begin() + 17, tooLarge);
  const std::string path = writeFile("twenty-two.sgf", joined(games));
  ports.queueAnswer(Answer::No);  // the offer to view the errors of the load
  load(path);
  ASSERT_EQ(frame().collection().size(), 22u);
  ASSERT_EQ(frame().collection().readableCount(), 20u);

  run("CmNextGame");
  ports.queueInput("Edited");
  run("CmNodeName");
  ASSERT_TRUE(frame().modified()) << ::testing::PrintToString(ports.lines());
  ASSERT_TRUE(frame().files().CmSave());

  Collection saved;
  SErrorList errors;
  readCollectionText(saved, readTextFile(path), CollectionReadRequest{}, errors);
  ASSERT_EQ(saved.size(), 22u);
  EXPECT_EQ(saved.readableCount(), 20u);
  ASSERT_TRUE(saved.game(4).isUnread());
  EXPECT_EQ(saved.game(4).unread->text, unknownKind);
  ASSERT_TRUE(saved.game(17).isUnread());
  EXPECT_EQ(saved.game(17).unread->text, tooLarge);
  const std::string text = readTextFile(path);
  EXPECT_NE(text.find(std::string(kSeparator) + unknownKind + kSeparator), std::string::npos);
  EXPECT_NE(text.find(std::string(kSeparator) + tooLarge + kSeparator), std::string::npos);
}

TEST_F(UnreadGamesTest, LoadReportsTheGameAsBeforeAndListsItWithItsReason) {
  const std::string path = writeFile("two.sgf", joined({"(;GM[1]SZ[9]GN[A];B[ee])", "(;GM[12]GN[Odd];B[aa])"}));
  ports.queueAnswer(Answer::No);
  ASSERT_TRUE(frame().files().ReLoad(path));
  const std::string errors = frame().errorList().joined();
  EXPECT_NE(errors.find("Error, in game number 2, on line number 3.  That game has not been loaded.\r\n\r\n"
                        "Unrecognised GM parameter was detected ( GM = '12' )."),
            std::string::npos)
      << errors;
  const std::vector<std::string> row = gamesListRow(frame().collection().game(1), 1);
  EXPECT_EQ(row[static_cast<int>(GamesColumn::Name)], "Unrecognised GM parameter was detected ( GM = '12' ).");
  EXPECT_EQ(row[static_cast<int>(GamesColumn::Type)], "?");
  EXPECT_EQ(row[static_cast<int>(GamesColumn::Player1)], "");
  EXPECT_EQ(row[static_cast<int>(GamesColumn::Nodes)], "");
}

struct StepCase {
  const char* name;
  std::vector<bool> unread;  // which games of the file the reader refuses
  std::vector<const char*> commands;
  std::vector<std::size_t> currentAfterEach;
};

class UnreadGamesStepTest : public UnreadGamesTest, public ::testing::WithParamInterface<StepCase> {};

TEST_P(UnreadGamesStepTest, NavigationPassesOverUnreadGames) {
  std::vector<std::string> games;
  for (std::size_t i = 0; i < GetParam().unread.size(); ++i)
    games.push_back(GetParam().unread[i] ? "(;SZ[52]GN[Big])" : "(;GM[1]SZ[9]GN[G" + std::to_string(i) + "])");
  ports.queueAnswer(Answer::No);
  load(writeFile("steps.sgf", joined(games)));
  for (std::size_t i = 0; i < GetParam().commands.size(); ++i) {
    run(GetParam().commands[i]);
    EXPECT_EQ(current(), GetParam().currentAfterEach[i]) << "after " << GetParam().commands[i];
    EXPECT_FALSE(frame().game().isUnread());
  }
}

INSTANTIATE_TEST_SUITE_P(
    Files, UnreadGamesStepTest,
    ::testing::Values(
        StepCase{"UnreadFirst", {true, false, false}, {"CmPreviousGame", "CmFirstGame", "CmNextGame"}, {1, 1, 2}},
        StepCase{"UnreadBetween",
                 {false, true, true, false},
                 {"CmNextGame", "CmPreviousGame", "CmLastGame", "CmFirstGame"},
                 {3, 0, 3, 0}},
        StepCase{"UnreadLast", {false, false, true}, {"CmLastGame", "CmNextGame", "CmDownEightGames"}, {1, 1, 1}},
        StepCase{"EightPastUnread",
                 {false, false, false, false, false, false, false, false, true, true},
                 {"CmDownEightGames", "CmUpEightGames"},
                 {7, 0}}),
    [](const ::testing::TestParamInfo<StepCase>& info) { return std::string(info.param.name); });

TEST_F(UnreadGamesTest, LastReadableGameCannotBeDeleted_AndUnreadGamesAreNeverCurrent) {
  ports.queueAnswer(Answer::No);
  load(writeFile("one.sgf", joined({"(;SZ[52])", "(;GM[1]SZ[9];B[ee])", "(;GM[99])"})));
  EXPECT_EQ(current(), 1u);
  frame().files().CmCollDelete();
  EXPECT_EQ(frame().collection().size(), 3u);
  frame().makeCurrent(0, true);
  EXPECT_EQ(current(), 1u);
}

TEST_F(UnreadGamesTest, ExportOfMarkedGames_LeavesUnreadGamesOut) {
  const std::string path = writeFile("mixed.sgf", joined({"(;GM[1]SZ[9];B[ee])", "(;GM[12])"}));
  ports.queueAnswer(Answer::No);
  load(path);
  for (std::size_t i = 0; i < 2; ++i) frame().collection().game(i).markedForExport = true;
  SaveOptions options;
  options.scope = SaveScope::MarkedGames;
  options.isMarked = [](const SGridFrame& g) { return g.markedForExport; };
  const CollectionTextResult result = collectionText(frame().collection(), HeldFileText{}, options);
  ASSERT_TRUE(result.written);
  EXPECT_EQ(result.written->games, 1);
  EXPECT_EQ(result.written->text.find("GM[12]"), std::string::npos);
}

TEST(UnreadGameSnapshot, CapturedAndRebuilt_KeepsTextAndReason) {
  Collection games;
  SErrorList errors;
  readCollectionText(games, joined({"(;GM[1]SZ[9])", "(;SZ[3]C[tiny])"}), CollectionReadRequest{}, errors);
  ASSERT_EQ(games.size(), 2u);
  const std::shared_ptr<const GameContent> content = captureGame(games.game(1), false);
  ASSERT_NE(content, nullptr);
  const RebuiltGame rebuilt = rebuildGame(games, *content, nullptr, {}, true, errors);
  ASSERT_NE(rebuilt.game, nullptr);
  ASSERT_TRUE(rebuilt.game->isUnread());
  EXPECT_EQ(rebuilt.game->unread->text, "(;SZ[3]C[tiny])");
  EXPECT_EQ(rebuilt.game->unread->reason, "Board width = 3.  Minimum allowed = 5.");
}

}  // namespace
}  // namespace meridax::testing
