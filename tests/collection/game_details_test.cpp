#include "collection/game_details.h"

#include <gtest/gtest.h>

#include "collection_test_support.h"
#include "model/game_statistics.h"

namespace meridax {
namespace {

using testing::TextCollection;

struct FormCase {
  const char* sgf;
  const char* title;
  const char* player1;
  const char* player2;
  std::size_t fields;
};

class GameDetailsForms : public ::testing::TestWithParam<FormCase> {};

TEST_P(GameDetailsForms, Kind_GivesTitlePlayerLabelsAndFields) {
  const FormCase& c = GetParam();
  TextCollection games(c.sgf);
  const SGridFrame& g = games.game(0);
  EXPECT_EQ(gameDetailsTitle(g), c.title);
  const std::vector<DetailsFormField> fields = gameDetailsFields(g);
  ASSERT_EQ(fields.size(), c.fields);
  EXPECT_EQ(fields[1].label, c.player1);
  EXPECT_EQ(fields[3].label, c.player2);
}

INSTANTIATE_TEST_SUITE_P(
    EveryKind, GameDetailsForms,
    ::testing::Values(FormCase{"(;GM[1]SZ[19])", "Game Information  ( Go )", "Black", "White", 17},
                      FormCase{"(;GM[1]SZ[19]RU[Pente])", "Game Information  ( Go )", "Black", "White", 17},
                      FormCase{"(;GM[2]SZ[8])", "Game Information  ( Othello / Reversi )", "Black", "White", 14},
                      FormCase{"(;GM[11]SZ[11])", "Game Information  ( Hex )", "Player1", "Player2", 14},
                      FormCase{"(;GM[4100]SZ[6])", "Game Information  ( Havannah )", "White", "Black", 14},
                      FormCase{"(;GM[4000]SZ[9])", "Game Information  ( Unlur )", "Player1", "Player2", 14},
                      FormCase{"(;GM[40]SZ[20:15])", "Game Information  ( Kropki )", "Player1", "Player2", 14}));

TEST(GameDetails, GoFields_StandInDialogOrder) {
  TextCollection games("(;GM[1]SZ[19])");
  std::vector<std::string> labels;
  for (const DetailsFormField& f : gameDetailsFields(games.game(0))) labels.push_back(f.label);
  EXPECT_EQ(labels, (std::vector<std::string>{"Game Name", "Black", "( Ratings )", "White", "( Ratings )", "Place",
                                              "Source", "Event", "Round", "Date", "Result", "Annotated", "SGF Version",
                                              "Game Comments", "Handicap", "Komi", "Rules"}));
  EXPECT_EQ(gameDetailsFields(games.game(0))[4].field, DetailField::Player2Rank);
}

TEST(GameDetails, SideStitchAndMargo_TitleWithoutKind) {
  Collection games;
  const SGridFrame& stitch = games.game(games.createGame(GameKind::SideStitch, 7, 7, Collection::npos));
  EXPECT_EQ(gameDetailsTitle(stitch), "Game Information ");
  EXPECT_EQ(gameDetailsFields(stitch)[1].label, "White");
  const SGridFrame& margo = games.game(games.createGame(GameKind::Margo, 8, 8, Collection::npos));
  EXPECT_EQ(gameDetailsFields(margo)[1].label, "Player1");
}

TEST(GameDetails, AcceptUnchangedTexts_LeavesTheGameAlone) {
  TextCollection games("(;GM[1]SZ[19]PB[Ann]EV[Cup])");
  SGridFrame& g = games.game(0);
  g.flags = game_flag::kUnchanged;
  EXPECT_FALSE(acceptGameDetails(g, g.details));
  EXPECT_EQ(g.flags, game_flag::kUnchanged);
}

TEST(GameDetails, AcceptChangedText_CopiesAllAndMarksTheInformation) {
  TextCollection games("(;GM[1]SZ[19]PB[Ann]GC[Old])");
  SGridFrame& g = games.game(0);
  g.flags = game_flag::kUnchanged;
  SSGFDetails edited = g.details;
  edited[DetailField::GameComment] = "A longer comment";
  edited[DetailField::Komi] = "6.5";
  EXPECT_EQ(statisticsOf(g).commentCharacters, 3);
  EXPECT_TRUE(acceptGameDetails(g, edited));
  EXPECT_EQ(g.details, edited);
  EXPECT_EQ(g.flags, game_flag::kUnchanged | game_flag::kDetailsChanged);
  EXPECT_EQ(statisticsOf(g).commentCharacters, 16);
}

}  // namespace
}  // namespace meridax
