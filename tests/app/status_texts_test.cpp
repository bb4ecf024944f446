#include "app/status_texts.h"

#include <gtest/gtest.h>

#include <string>

#include "model/node_texts.h"
#include "rules/play_fixture.h"

namespace meridax {
namespace {

using testing::PlayFixture;

// --- Field 0: side to move ---------------------------------------------------------------------

TEST(SideToMoveField, NewGames_NameTheFirstMover) {
  EXPECT_EQ(sideToMoveField(*PlayFixture(GameKind::Go, 19).game), " Black to move");
  EXPECT_EQ(sideToMoveField(*PlayFixture(GameKind::Havannah, 19).game), " White to move");
  EXPECT_EQ(sideToMoveField(*PlayFixture(GameKind::Connect6AtCreation, 19).game), " Black to move");
}

TEST(SideToMoveField, NamedNode_PutsItsNameFirst) {
  PlayFixture f(GameKind::Go, 19);
  f.click("dd");
  setName(*f.game, f.game->currentNode, "Joseki");
  EXPECT_EQ(sideToMoveField(*f.game), " [ Joseki ]   White to move");
}

TEST(SideToMoveField, Connect6AfterMoves1To3_CountsTheStonesOfTheTurn) {
  PlayFixture f(GameKind::Connect6AtCreation, 19);
  f.click("jj");
  EXPECT_EQ(sideToMoveField(*f.game), " White to move  ( 1 of 2 )");
  f.click("kk");
  EXPECT_EQ(sideToMoveField(*f.game), " White to move  ( 2 of 2 )");
  f.click("ll");
  EXPECT_EQ(sideToMoveField(*f.game), " Black to move  ( 1 of 2 )");
  setName(*f.game, f.game->currentNode, "Threat");
  EXPECT_EQ(sideToMoveField(*f.game), " [ Threat ]   Black to move  ( 1 of 2 )");
}

TEST(SideToMoveField, Connect6WhenTheNextMoveFillsTheBoard_UsesThePlainText) {
  PlayFixture f(GameKind::Connect6AtCreation, 3);
  for (int i = 0; i < 8; ++i) ASSERT_EQ(f.click(i % 3, i / 3), MoveResult::Accepted);
  EXPECT_EQ(f.game->currentNode->moveNumber(), 8u);
  EXPECT_EQ(sideToMoveField(*f.game), " Black to move");
}

// --- Field 1: kind -------------------------------------------------------------------------------

struct KindFieldCase {
  const char* name;
  GameKind kind;
  int width;
  int height;
  const char* field;
};

class KindFieldTest : public ::testing::TestWithParam<KindFieldCase> {};

TEST_P(KindFieldTest, NewGame_ShowsItsKindField) {
  const KindFieldCase& c = GetParam();
  PlayFixture f(c.kind, c.width, c.height);
  EXPECT_EQ(kindField(*f.game), c.field);
}

const KindFieldCase kKindFieldCases[] = {
    {"Othello", GameKind::Othello, 8, 8, " 2 - 2"},
    {"Go", GameKind::Go, 19, 19, " 0 - 0"},
    {"Pente", GameKind::PenteAtCreation, 19, 19, " Pente 0 - 0"},
    {"Connect6", GameKind::Connect6AtCreation, 19, 19, " Connect6"},
    {"Hex", GameKind::Hex, 11, 11, " Hex 11"},
    {"Havannah", GameKind::Havannah, 19, 19, " Havannah"},
    {"Unlur", GameKind::Unlur, 13, 13, " Unlur"},
    {"Margo", GameKind::Margo, 8, 8, " Margo"},
    {"KropkiSquare", GameKind::Kropki, 20, 20, " Kropki 20"},
    {"KropkiRectangle", GameKind::Kropki, 39, 32, " Kropki 39:32"},
    {"Onyx", GameKind::Onyx, 12, 12, " Onyx"},
    {"SideStitch", GameKind::SideStitch, 9, 9, " Side Stitch"},
    {"Sursum", GameKind::Sursum, 8, 8, " Sursum"},
};

INSTANTIATE_TEST_SUITE_P(Kinds, KindFieldTest, ::testing::ValuesIn(kKindFieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(KindField, Counters_AreShownAsTheyStand) {
  PlayFixture f(GameKind::PenteAtCreation, 19);
  f.game->blackCounter = 4;
  f.game->whiteCounter = 10;
  EXPECT_EQ(kindField(*f.game), " Pente 4 - 10");
}

TEST(KindField, NodeWithAScore_GetsTheScoreSuffix) {
  PlayFixture f(GameKind::Go, 19);
  setScore(*f.game, f.game->currentNode, -7);
  EXPECT_EQ(kindField(*f.game), " 0 - 0   ( -7 )");
  PlayFixture h(GameKind::Havannah, 19);
  setScore(*h.game, h.game->currentNode, 12);
  EXPECT_EQ(kindField(*h.game), " Havannah   ( 12 )");
}

// --- Fields 2 and 3 ------------------------------------------------------------------------------

TEST(CursorField, HiddenCursor_IsTheWordAlone) {
  PlayFixture f(GameKind::Go, 19);
  EXPECT_EQ(cursorField(*f.game, false), " Cursor");
}

TEST(CursorField, ShownCursor_WritesItsPoint) {
  PlayFixture go(GameKind::Go, 19);
  go.game->cursorX = 3;
  go.game->cursorY = 3;
  EXPECT_EQ(cursorField(*go.game, true), " Cursor D16");
  PlayFixture kropki(GameKind::Kropki, 39, 32);
  kropki.game->cursorX = 2;
  kropki.game->cursorY = 0;
  EXPECT_EQ(cursorField(*kropki.game, true), " Cursor c32");
  kropki.game->cursorX = 33;
  EXPECT_EQ(cursorField(*kropki.game, true), " Cursor J32");
}

TEST(MoveField, MiddleOfALine_ShowsCurrentAndLastMoveNumbers) {
  PlayFixture f(GameKind::Go, 19);
  EXPECT_EQ(moveField(*f.game), " Move   0/0");
  for (const char* p : {"aa", "bb", "cc", "dd"}) f.click(p);
  f.goTo(f.game->firstNode->next());
  EXPECT_EQ(moveField(*f.game), " Move   1/4");
}

// --- Window title ----------------------------------------------------------------------------------

struct TitleCase {
  const char* name;
  GameKind kind;
  int width;
  const char* fileName;
  std::size_t position;
  std::size_t count;
  const char* gameName;
  const char* player1;
  const char* player2;
  const char* handicap;
  const char* title;
};

class WindowTitleTest : public ::testing::TestWithParam<TitleCase> {};

TEST_P(WindowTitleTest, Title_IsBuiltFromFileGameAndPlayers) {
  const TitleCase& c = GetParam();
  PlayFixture f(c.kind, c.width);
  f.game->details[DetailField::GameName] = c.gameName;
  f.game->details[DetailField::Player1] = c.player1;
  f.game->details[DetailField::Player2] = c.player2;
  f.game->details[DetailField::Handicap] = c.handicap;
  EXPECT_EQ(windowTitle(*f.game, c.fileName, c.position, c.count), c.title);
}

const TitleCase kTitleCases[] = {
    {"KindNameWithoutAFile", GameKind::Go, 19, "", 1, 1, "", "", "", "", "Go"},
    {"PenteKindName", GameKind::PenteAtCreation, 19, "", 1, 1, "", "", "", "", "Pente"},
    {"Connect6KindName", GameKind::Connect6AtCreation, 19, "", 1, 1, "", "", "", "", "Connect6"},
    {"OthelloKindName", GameKind::Othello, 8, "", 1, 1, "", "", "", "", "Othello"},
    {"KropkiKindName", GameKind::Kropki, 20, "", 1, 1, "", "", "", "", "Kropki"},
    {"MargoHasNoName", GameKind::Margo, 8, "", 1, 1, "", "", "", "", ""},
    {"FileNameWithoutItsFolders", GameKind::Go, 19, "/home/ann/games/kgs.sgf", 1, 1, "", "", "", "",
     "kgs.sgf"},
    {"PositionInACollection", GameKind::Go, 19, "/x/many.sgf", 2, 5, "", "", "", "", "many.sgf  [2/5]"},
    {"PositionAndGameName", GameKind::Go, 19, "many.sgf", 3, 5, "Final", "", "", "", "many.sgf  [3/5]  Final"},
    {"GameNameOfASingleGame", GameKind::Go, 19, "one.sgf", 1, 1, "Final", "", "", "", "one.sgf  Final"},
    {"BothPlayers", GameKind::Go, 19, "one.sgf", 1, 1, "", "Ann", "Bob", "", "one.sgf  Ann - Bob"},
    {"MissingPlayer2", GameKind::Go, 19, "one.sgf", 1, 1, "", "Ann", "", "", "one.sgf  Ann - (null)"},
    {"MissingPlayer1", GameKind::Hex, 11, "", 1, 2, "G", "", "Bob", "", "Hex  [1/2]  G  (null) - Bob"},
    {"HandicapGo19_Player2First", GameKind::Go, 19, "h.sgf", 1, 1, "", "Ann", "Bob", "4", "h.sgf  Bob - Ann"},
    {"HandicapGo13_Player1First", GameKind::Go, 13, "h.sgf", 1, 1, "", "Ann", "Bob", "4", "h.sgf  Ann - Bob"},
    {"HandicapZero_Player1First", GameKind::Go, 19, "h.sgf", 1, 1, "", "Ann", "Bob", "0", "h.sgf  Ann - Bob"},
    {"HandicapPente_Player1First", GameKind::PenteAtCreation, 19, "", 1, 1, "", "Ann", "Bob", "3",
     "Pente  Ann - Bob"},
    {"HavannahPlayer1IsWhite", GameKind::Havannah, 19, "", 1, 1, "", "Bob", "Ann", "", "Havannah  Bob - Ann"},
};

INSTANTIATE_TEST_SUITE_P(Titles, WindowTitleTest, ::testing::ValuesIn(kTitleCases),
                         [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax
