#include "collection/collection_edits.h"

#include <gtest/gtest.h>

#include "collection_test_support.h"

namespace meridax {
namespace {

using testing::TextCollection;

// The game names of the collection in order, with the current one in brackets.
std::string order(Collection& games) {
  std::string out;
  for (std::size_t i = 0; i < games.size(); ++i) {
    const std::string& name = games.game(i).details[DetailField::GameName];
    out += i == games.currentIndex() ? "[" + name + "]" : name;
  }
  return out;
}

struct QuestionCase {
  ListKind list;
  ExcludeChoice choice;
  std::size_t selected;
  std::size_t rows;
  const char* refusal;  // nullptr: the question is asked
  const char* question;
};

class ExcludeQuestions : public ::testing::TestWithParam<QuestionCase> {};

TEST_P(ExcludeQuestions, SelectionAndList_GiveTheRefusalOrTheQuestion) {
  const QuestionCase& c = GetParam();
  const ExcludeCheck check = checkExclude(c.list, c.choice, c.selected, c.rows);
  if (c.refusal != nullptr) {
    EXPECT_EQ(check.refusal, std::optional<std::string>(c.refusal));
  } else {
    EXPECT_EQ(check.refusal, std::nullopt);
    EXPECT_EQ(check.question, c.question);
  }
}

constexpr auto kGames = ListKind::Games;
constexpr auto kPlayers = ListKind::Players;
constexpr auto kErase = ExcludeChoice::EraseSelected;
constexpr auto kKeep = ExcludeChoice::KeepSelected;

INSTANTIATE_TEST_SUITE_P(
    EveryForm, ExcludeQuestions,
    ::testing::Values(
        QuestionCase{kGames, kErase, 0, 3, "No records have been selected", ""},
        QuestionCase{kPlayers, kKeep, 0, 3, "No records have been selected", ""},
        QuestionCase{kGames, kKeep, 3, 3, "All records have been selected", ""},
        QuestionCase{kPlayers, kKeep, 2, 2, "All records have been selected", ""},
        QuestionCase{kGames, kErase, 1, 1, nullptr,
                     "Warning.\nAbout to remove the selected game from the collection.\n\nDo you wish to continue?"},
        QuestionCase{kGames, kErase, 3, 3, nullptr,
                     "Warning.\nAbout to remove the selected games ( 3 in total ) from the collection.\n\nDo you wish "
                     "to continue?"},
        QuestionCase{kGames, kKeep, 1, 5, nullptr,
                     "Warning.\nAbout to remove the 'other' games ( 4 in total ) from the collection.\n\nDo you wish "
                     "to continue?"},
        QuestionCase{kPlayers, kErase, 1, 4, nullptr,
                     "Warning.\nAbout to remove the player games.\n\nDo you wish to continue?"},
        QuestionCase{kPlayers, kErase, 2, 4, nullptr,
                     "Warning.\nAbout to remove the players' games ( 2 players ).\n\nDo you wish to continue?"},
        QuestionCase{kPlayers, kKeep, 2, 4, nullptr,
                     "Warning.\nAbout to remove the 'other' players games.\n\nDo you wish to continue?"}));

TEST(CollectionEdits, GamesToExclude_SelectedRowsOrTheOthers) {
  TextCollection c("(;GN[a])(;GN[b])(;GN[c])");
  GamesList list;
  list.fill(c.games);
  EXPECT_EQ(gamesToExclude(list, {0, 2}, kErase), (std::vector<const SGridFrame*>{&c.game(0), &c.game(2)}));
  EXPECT_EQ(gamesToExclude(list, {0, 2}, kKeep), (std::vector<const SGridFrame*>{&c.game(1)}));
}

TEST(CollectionEdits, PlayerGamesToExclude_GamesOfThePlayersOrWithoutThem) {
  TextCollection c("(;PB[Ann]PW[Bob])(;PB[Cy]PW[Ann])(;PB[Cy]PW[Di])(;GN[no players])");
  EXPECT_EQ(playerGamesToExclude(c.games, {"Ann"}, kErase), (std::vector<const SGridFrame*>{&c.game(0), &c.game(1)}));
  EXPECT_EQ(playerGamesToExclude(c.games, {"Ann", "Bob"}, kKeep),
            (std::vector<const SGridFrame*>{&c.game(2), &c.game(3)}));
}

TEST(CollectionEdits, RemoveCurrentGame_TheFirstFollowingGameThatStaysBecomesCurrent) {
  TextCollection c("(;GN[a])(;GN[b])(;GN[c])(;GN[d])(;GN[e])");
  c.games.setCurrent(1);
  const RemovalOutcome outcome = removeGames(c.games, {&c.game(1), &c.game(2)});
  EXPECT_EQ(order(c.games), "a[d]e");
  EXPECT_EQ(outcome.removed, 2);
  EXPECT_TRUE(outcome.currentChanged);
  EXPECT_EQ(outcome.gamesBefore, 5u);
  EXPECT_EQ(outcome.gamesAfter, 3u);
}

TEST(CollectionEdits, RemoveCurrentGameAndAllAfterIt_TheLastGameBecomesCurrent) {
  TextCollection c("(;GN[a])(;GN[b])(;GN[c])(;GN[d])");
  c.games.setCurrent(2);
  removeGames(c.games, {&c.game(2), &c.game(3)});
  EXPECT_EQ(order(c.games), "a[b]");
}

TEST(CollectionEdits, RemoveOtherGames_CurrentGameStaysCurrent) {
  TextCollection c("(;GN[a])(;GN[b])(;GN[c])(;GN[d])");
  c.games.setCurrent(2);
  const RemovalOutcome outcome = removeGames(c.games, {&c.game(0), &c.game(3)});
  EXPECT_EQ(order(c.games), "b[c]");
  EXPECT_FALSE(outcome.currentChanged);
}

TEST(CollectionEdits, RemoveEveryGame_AnEmptyGoGameIsLeft) {
  TextCollection c("(;GM[2]SZ[8]GN[a])(;GM[2]SZ[8]GN[b])");
  const RemovalOutcome outcome = removeGames(c.games, {&c.game(0), &c.game(1)});
  ASSERT_EQ(c.games.size(), 1u);
  const SGridFrame& g = *c.games.current();
  EXPECT_EQ(g.kind(), GameKind::Go);
  EXPECT_EQ(g.width(), 19);
  EXPECT_EQ(g.details, SSGFDetails{});
  EXPECT_EQ(outcome.removed, 2);
  EXPECT_EQ(outcome.gamesAfter, 1u);
}

struct CountCase {
  int removed;
  std::size_t before;
  std::size_t after;
  const char* report;  // nullptr: none
};

class RemovedCount : public ::testing::TestWithParam<CountCase> {};

TEST_P(RemovedCount, ReportedOnlyForSeveralGamesBetweenLargerCollections) {
  const CountCase& c = GetParam();
  const std::optional<std::string> report = removedCountReport(RemovalOutcome{c.removed, c.before, c.after, false});
  EXPECT_EQ(report, c.report == nullptr ? std::nullopt : std::optional<std::string>(c.report));
}

INSTANTIATE_TEST_SUITE_P(Counts, RemovedCount,
                         ::testing::Values(CountCase{1, 3, 2, nullptr}, CountCase{2, 4, 2, "Number of games removed = 2"},
                                           CountCase{2, 3, 1, nullptr}, CountCase{3, 3, 1, nullptr},
                                           CountCase{12, 20, 8, "Number of games removed = 12"}));

TEST(CollectionEdits, SetEvent_MarksOnlyTheInformationOfGamesStillInTheCollection) {
  TextCollection c("(;GN[a]EV[Old])(;GN[b])(;GN[c])", GameTrees::FirstOnly);
  for (std::size_t i = 0; i < 3; ++i) c.game(i).flags = game_flag::kUnchanged;
  TextCollection elsewhere("(;GN[z])");
  const int set = setDetailOfGames(c.games, {&c.game(0), &c.game(2), &elsewhere.game(0)}, DetailField::Event, "Cup");
  EXPECT_EQ(set, 2);
  EXPECT_EQ(c.game(0).details[DetailField::Event], "Cup");
  EXPECT_EQ(c.game(0).flags, game_flag::kUnchanged | game_flag::kDetailsChanged);
  EXPECT_EQ(c.game(1).flags, game_flag::kUnchanged);
  EXPECT_EQ(c.game(2).details[DetailField::Event], "Cup");
  EXPECT_FALSE(c.game(2).treeLoaded);
  EXPECT_EQ(elsewhere.game(0).details[DetailField::Event], "");
  EXPECT_EQ(setDetailReport(kSetEvent, "Cup", 2), "'Cup'\r\n\r\nEvent set for 2 games");
  EXPECT_EQ(setDetailReport(kSetPlace, "Oslo", 1), "'Oslo'\r\n\r\nPlace set for 1 games");
}

TEST(CollectionEdits, RenamePlayerOnBothSides_CountsTwoEditsForThatGame) {
  TextCollection c("(;PB[Ann]PW[Ann])(;PB[Bob]PW[Ann])(;PB[Anna]PW[ann])");
  const int edits = renamePlayer(c.games, "Ann", "Anne");
  EXPECT_EQ(edits, 3);
  EXPECT_EQ(c.game(0).details[DetailField::Player1], "Anne");
  EXPECT_EQ(c.game(0).details[DetailField::Player2], "Anne");
  EXPECT_EQ(c.game(1).details[DetailField::Player2], "Anne");
  EXPECT_EQ(c.game(2).details[DetailField::Player1], "Anna");
  EXPECT_NE(c.game(1).flags & game_flag::kDetailsChanged, 0);
  EXPECT_EQ(c.game(2).flags & game_flag::kDetailsChanged, 0);
  EXPECT_EQ(renameReport(edits, "Ann", "Anne"), "3 player name edits were made.\r\n\r\nFrom\t'Ann'\r\nto\t'Anne'");
  EXPECT_EQ(renamePlayer(c.games, "Nobody", "X"), 0);
  EXPECT_EQ(renameReport(0, "Nobody", "X"), "No player name edits were made");
}

TEST(CollectionEdits, RenamePlayerToTheSameName_LeavesEveryGameUnchanged) {
  TextCollection c("(;PB[Ann]PW[Bob])(;PB[Bob]PW[Ann])");
  EXPECT_EQ(renamePlayer(c.games, "Ann", "Ann"), 0);
  EXPECT_EQ(c.game(0).flags & game_flag::kDetailsChanged, 0);
  EXPECT_EQ(c.game(1).flags & game_flag::kDetailsChanged, 0);
}

struct MoveCase {
  std::vector<std::size_t> selected;
  int rows;
  const char* order;  // the game names afterwards; the current game in brackets
  std::vector<std::size_t> after;
};

class MoveGames : public ::testing::TestWithParam<MoveCase> {};

TEST_P(MoveGames, SelectedGames_MoveTogetherInListAndCollection) {
  const MoveCase& m = GetParam();
  TextCollection c("(;GN[a])(;GN[b])(;GN[c])(;GN[d])(;GN[e])");
  c.games.setCurrent(2);
  GamesList list;
  list.fill(c.games);
  EXPECT_EQ(moveSelectedGames(list, c.games, m.selected, m.rows), m.after);
  EXPECT_EQ(order(c.games), m.order);
  for (std::size_t row = 0; row < list.size(); ++row) EXPECT_EQ(&list.game(row), &c.games.game(row));
}

INSTANTIATE_TEST_SUITE_P(
    UpAndDown, MoveGames,
    ::testing::Values(MoveCase{{3}, -1, "abd[c]e", {2}},
                      MoveCase{{1, 3}, -1, "bad[c]e", {0, 2}},
                      MoveCase{{0, 1}, -1, "ab[c]de", {0, 1}},
                      MoveCase{{1, 3}, -5, "bda[c]e", {0, 1}},
                      MoveCase{{4, 2}, -1, "a[c]bed", {1, 3}},
                      MoveCase{{1, 3}, 1, "a[c]bed", {2, 4}},
                      MoveCase{{1, 3}, 5, "a[c]ebd", {3, 4}},
                      MoveCase{{3, 4}, 1, "ab[c]de", {3, 4}},
                      MoveCase{{2}, 2, "abde[c]", {4}},
                      MoveCase{{1, 9}, -1, "ba[c]de" /* rows beyond the list are dropped */, {0}}));

}  // namespace
}  // namespace meridax
