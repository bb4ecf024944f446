// The lists of games and players as frame commands: what they ask and report, what they change in the
// collection and in each game's flag byte, and how the lists follow.

#include "app/frame_test_support.h"
#include "model/game_statistics.h"

namespace meridax::testing {
namespace {

using Lines = std::vector<std::string>;

// Four games of two players; the third is Havannah, whose first player holds White, and it swaps sides.
// Only the first tree is read at load time. The first game carries the selected-game mark, so that a save
// of the unchanged collection copies every game byte for byte.
constexpr char kPlayersFile[] =
    "(;GM[1]FF[4]SZ[9]XS[]PB[Ann]PW[Bob]RE[B+R];B[ee])\r\n\r\n"
    "(;GM[1]FF[4]SZ[9]PB[Bob]PW[Ann]RE[B+5];B[cc];W[gg])\r\n\r\n"
    "(;GM[4100]FF[4]SZ[4]PB[Ann]PW[Bob]RE[W+];W[d4];B[swap-sides];W[c3])\r\n\r\n"
    "(;GM[1]FF[4]SZ[9]PB[Ann]PW[Ann]GN[Alone])";

class CollectionListTest : public FrameTest {
 protected:
  void loadThree() { load(writeFile("three.sgf", kThreeGames)); }
  Collection& games() { return frame().collection(); }
  const ListWindow& list() { return *frame().lists().topList(); }
  std::string names() {
    std::string out;
    for (std::size_t i = 0; i < games().size(); ++i) out += games().game(i).details[DetailField::GameName] + ";";
    return out;
  }
  // Runs a command through the frame's dispatch; the list commands are reached by name.
  void run(const char* name) { ASSERT_TRUE(frame().runCommand(name)) << name; }
};

// ---- Games list ----

TEST_F(CollectionListTest, GamesList_ListsEveryGameWithTheCurrentOneSelected) {
  loadThree();
  frame().makeCurrent(1, false);
  run("CmCollectionList");
  ASSERT_TRUE(frame().lists().listOpen());
  EXPECT_EQ(list().mode, ListMode::Games);
  EXPECT_EQ(list().selected, (std::vector<std::size_t>{1}));
  EXPECT_EQ(gamesListRow(list().games.game(0), 0),
            (Lines{"1", "", "Spring cup", "Ann", "Bob", "", "GO", "19", "", "4", "1", "", ""}));
  // The third game's tree was never read: its root information, and its nodes and branches counted in its text.
  EXPECT_FALSE(games().game(2).treeLoaded);
  EXPECT_EQ(gamesListRow(list().games.game(2), 2),
            (Lines{"3", "", "Small board", "", "", "", "GO", "9", "", "2", "1", "", ""}));
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmCollectionList"))) << "the list is modal";
}

TEST_F(CollectionListTest, EraseOneGameOfThree_AsksOnceAndReportsNoCount) {
  loadThree();
  frame().makeCurrent(1, false);
  run("CmCollectionList");
  ports.queueAnswer(Answer::Yes);
  run("CmFoldersErase");
  EXPECT_EQ(ports.takeLines(),
            (Lines{"[ExcludeSelected()] Warning.\\nAbout to remove the selected game from the collection.\\n\\nDo you "
                   "wish to continue? ? yes"}));
  EXPECT_EQ(names(), ";;");
  EXPECT_EQ(games().currentIndex(), 1u) << "the game that followed the removed current game";
  EXPECT_TRUE(games().current()->treeLoaded) << "the new current game is read";
  EXPECT_EQ(list().games.size(), 2u);
  EXPECT_EQ(list().selected, (std::vector<std::size_t>{1}));
  EXPECT_TRUE(frame().modified());
  EXPECT_NE(ports.title().find("[2/2]"), std::string::npos) << ports.title();
}

TEST_F(CollectionListTest, EraseAnswerNo_ChangesNothing) {
  loadThree();
  run("CmCollectionList");
  ports.queueAnswer(Answer::No);
  run("CmFoldersErase");
  EXPECT_EQ(games().size(), 3u);
  EXPECT_FALSE(frame().modified());
}

TEST_F(CollectionListTest, EraseTwoOfFour_ReportsTheNumberRemoved) {
  load(writeFile("four.sgf", "(;GN[a])(;GN[b])(;GN[c])(;GN[d])"));
  run("CmCollectionList");
  frame().lists().selectListRows({0, 2});
  ports.queueAnswer(Answer::Yes);
  run("CmFoldersErase");
  EXPECT_EQ(ports.takeLines(),
            (Lines{"[ExcludeSelected()] Warning.\\nAbout to remove the selected games ( 2 in total ) from the "
                   "collection.\\n\\nDo you wish to continue? ? yes",
                   "[ExcludeSelected()] Number of games removed = 2"}));
  EXPECT_EQ(names(), "b;d;");
  EXPECT_EQ(list().selected, (std::vector<std::size_t>{0})) << "b followed the first game removed";
}

TEST_F(CollectionListTest, EraseTheOnlyGameInTheList_ClosesTheListWithANewGoGameLeft) {
  load(writeFile("one.sgf", "(;GM[2]SZ[8]GN[only];B[fe])"));
  run("CmCollectionList");
  ports.queueAnswer(Answer::Yes);
  run("CmFoldersErase");
  EXPECT_EQ(ports.takeLines(),
            (Lines{"[ExcludeSelected()] Warning.\\nAbout to remove the selected game from the collection.\\n\\nDo you "
                   "wish to continue? ? yes",
                   "[ExcludeSelected()] Final item in the list has been deleted."}));
  EXPECT_FALSE(frame().lists().listOpen());
  ASSERT_EQ(games().size(), 1u);
  EXPECT_EQ(frame().game().kind(), GameKind::Go);
  EXPECT_EQ(frame().game().width(), 19);
}

TEST_F(CollectionListTest, FileLoadedWhileTheListIsOpen_RowsOfTheOldGamesGo) {
  loadThree();
  run("CmCollectionList");
  frame().lists().selectListRows({0, 1});
  load(writeFile("other.sgf", "(;GN[x])(;GN[y])"));
  run("CmFoldersErase");
  EXPECT_EQ(ports.takeLines(), (Lines{"[ExcludeSelected()] No records have been selected"}));
  EXPECT_EQ(list().games.size(), 0u);
  EXPECT_EQ(names(), "x;y;");
}

TEST_F(CollectionListTest, KeepWithEveryOrNoRowSelected_RefusedWithoutAsking) {
  loadThree();
  run("CmCollectionList");
  frame().lists().selectListRows({0, 1, 2, 7});
  run("CmFoldersKeep");
  frame().lists().selectListRows({});
  run("CmFoldersKeep");
  run("CmFoldersErase");
  EXPECT_EQ(ports.takeLines(), (Lines{"[ExcludeSelected()] All records have been selected",
                                      "[ExcludeSelected()] No records have been selected",
                                      "[ExcludeSelected()] No records have been selected"}));
  EXPECT_EQ(games().size(), 3u);
}

TEST_F(CollectionListTest, KeepOneGame_RemovesTheOthers) {
  loadThree();
  run("CmCollectionList");
  frame().lists().selectListRows({1});
  ports.queueAnswer(Answer::Yes);
  run("CmFoldersKeep");
  EXPECT_EQ(ports.takeLines(),
            (Lines{"[ExcludeSelected()] Warning.\\nAbout to remove the 'other' games ( 2 in total ) from the "
                   "collection.\\n\\nDo you wish to continue? ? yes"}))
      << "one game is left, so the number removed is not reported";
  EXPECT_EQ(names(), "Second;");
  EXPECT_EQ(list().games.size(), 1u);
}

TEST_F(CollectionListTest, SetEventOnOneGame_SaveRewritesOnlyThatGamesHeader) {
  const std::string first = "(;GM[1]FF[4]SZ[19]XS[]EV[Spring cup]PB[Ann]PW[Bob];B[pd];W[dp];B[pp])\r\n\r\n";
  const std::string second = "(;GM[1]FF[4]SZ[19]GN[Second]PB[Cy]PW[Di];B[dd];W[pp])";
  const std::string third = "\r\n\r\n(;GM[1]FF[4]SZ[9]EV[Small board];B[ee])";
  const std::string path = writeFile("three.sgf", first + second + third);
  load(path);
  run("CmCollectionList");
  frame().lists().selectListRows({1});
  ports.queueInput("Final");
  run("CmFoldersSetEvents");
  EXPECT_EQ(ports.takeLines(), (Lines{"<Set Event> ? Final", "[CmFoldersSetEvents()] 'Final'\\r\\n\\r\\nEvent set for 1 games"}));
  EXPECT_EQ(games().game(1).flags, game_flag::kUnchanged | game_flag::kDetailsChanged);
  EXPECT_EQ(games().game(0).flags, game_flag::kUnchanged);
  EXPECT_TRUE(frame().modified());
  frame().lists().closeAllLists();

  ASSERT_TRUE(frame().files().CmSave());
  const std::string saved = readTextFile(path);
  ASSERT_TRUE(saved.starts_with(first)) << saved;
  ASSERT_TRUE(saved.ends_with(";B[dd];W[pp])" + third)) << saved;
  const std::string header = saved.substr(first.size(), saved.size() - first.size() - third.size());
  EXPECT_NE(header.find("EV[Final]"), std::string::npos) << header;
  EXPECT_NE(header.find("GN[Second]"), std::string::npos) << header;
}

TEST_F(CollectionListTest, SetPlaceCancelledOrEmpty_ChangesNothing) {
  loadThree();
  run("CmCollectionList");
  ports.queueInput(std::nullopt);
  run("CmFoldersSetPlace");
  ports.queueInput("");
  run("CmFoldersSetPlace");
  EXPECT_EQ(ports.takeLines(), (Lines{"<Set Place> ? (cancel)", "<Set Place> ? "}));
  EXPECT_FALSE(frame().modified());
  EXPECT_EQ(games().game(0).flags, game_flag::kUnchanged);
}

TEST_F(CollectionListTest, NavigateToSelectedGame_ClosesTheListsAndReadsItsTree) {
  loadThree();
  run("CmCollectionList");
  frame().lists().selectListRows({2});
  EXPECT_EQ(frame().lists().listCommandForKey("Return"), "CmFoldersNavigate");
  run("CmFoldersNavigate");
  EXPECT_FALSE(frame().lists().listOpen());
  EXPECT_EQ(games().currentIndex(), 2u);
  EXPECT_TRUE(frame().game().treeLoaded);
  EXPECT_EQ(frame().game().endNode->moveNumber(), 1u);
}

TEST_F(CollectionListTest, MoveSelectedGameDown_ReordersTheCollectionAndMarksItChanged) {
  loadThree();
  run("CmCollectionList");
  frame().lists().selectListRows({0});
  run("CmFoldersMoveDown");
  EXPECT_EQ(names(), "Second;;;");
  EXPECT_EQ(list().selected, (std::vector<std::size_t>{1}));
  EXPECT_EQ(games().currentIndex(), 1u) << "the current game moved with its row";
  EXPECT_TRUE(frame().modified());
  run("CmFoldersMoveBottom");
  EXPECT_EQ(games().game(2).details[DetailField::Event], "Spring cup");
  EXPECT_NE(ports.title().find("[3/3]"), std::string::npos) << ports.title();

  frame().lists().selectListRows({0, 1, 2});
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmFoldersMoveUp"))) << "every row is selected";
}

TEST_F(CollectionListTest, ExportSelectedGames_WritesOnlyThemAndKeepsTheCurrentFile) {
  const std::string path = writeFile("three.sgf", kThreeGames);
  load(path);
  run("CmCollectionList");
  frame().lists().selectListRows({0, 2});
  const std::string out = dir.file("chosen.sgf");
  ports.queueChoice(out);
  run("CmFoldersExport");
  EXPECT_EQ(frame().currentFile(), path);
  const std::string written = readTextFile(out);
  EXPECT_NE(written.find("Spring cup"), std::string::npos) << written;
  EXPECT_NE(written.find("Small board"), std::string::npos) << written;
  EXPECT_EQ(written.find("Second"), std::string::npos) << written;
}

TEST_F(CollectionListTest, ImportAfterSelectedGame_SelectsTheFirstImportedGame) {
  loadThree();
  const std::string more = writeFile("more.sgf", "(;GN[new one])(;GN[new two])");
  run("CmCollectionList");
  frame().lists().selectListRows({0});
  ports.queueChoice(more);
  run("CmFoldersImport");
  EXPECT_EQ(names(), ";new one;new two;Second;;");
  EXPECT_EQ(games().currentIndex(), 0u);
  EXPECT_EQ(list().games.size(), 5u);
  EXPECT_EQ(list().selected, (std::vector<std::size_t>{1}));
  EXPECT_TRUE(frame().modified());
}

TEST_F(CollectionListTest, EnabledStatesAndMenuTexts_FollowTheSelection) {
  loadThree();
  EXPECT_EQ(frame().lists().listContextMenu(), std::vector<ListMenuEntry>{}) << "no list is open";
  run("CmCollectionList");
  EXPECT_EQ(frame().lists().listContextMenu().size(), 9u);
  frame().lists().selectListRows({0, 1});
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmFoldersNavigate")));
  EXPECT_TRUE(frame().commandEnabled(*frame().findCommand("CmFoldersMoveDown")));
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmFoldersFind"))) << "not a players list";
  EXPECT_EQ(frame().commandMenuText(*frame().findCommand("CmFoldersErase")), "&Erase from the Collection\tDelete");
  frame().lists().closeList();
  run("CmPlayerStatistics");
  EXPECT_EQ(frame().commandMenuText(*frame().findCommand("CmFoldersErase")),
            "&Erase the Player Games from the Collection\tDelete");
  EXPECT_EQ(frame().commandMenuText(*frame().findCommand("CmGameDetails")), "&Game Details\tF9");
}

// ---- Game information ----

TEST_F(CollectionListTest, GameDetailsOfCurrentGame_TakesTheTextsAndRefreshesTheTitle) {
  loadThree();
  // Game name, Black, rating, White, rating, place, source, event, round, date, result, annotator, format,
  // game comment, handicap, komi, rules.
  for (const char* text : {"Final", "Ann", "3d", "Bob", "", "", "", "Spring cup", "", "", "", "", "4", "", "", "", ""})
    ports.queueInput(std::string(text));
  run("CmGameDetails");
  const Lines lines = ports.takeLines();
  ASSERT_EQ(lines.size(), 17u);
  EXPECT_EQ(lines[0], "<Game Information  ( Go )> ? Final");
  EXPECT_EQ(frame().game().details[DetailField::GameName], "Final");
  EXPECT_EQ(frame().game().details[DetailField::Player1Rank], "3d");
  EXPECT_EQ(frame().game().flags, game_flag::kUnchanged | game_flag::kDetailsChanged);
  EXPECT_TRUE(frame().modified());
  EXPECT_NE(ports.title().find("Final"), std::string::npos) << ports.title();
}

TEST_F(CollectionListTest, GameDetailsUnchangedOrCancelled_LeavesTheGameUnchanged) {
  loadThree();
  run("CmCollectionList");
  frame().lists().selectListRows({2});
  for (const char* text : {"", "", "", "", "", "", "", "Small board", "", "", "", "", "4", ""})
    ports.queueInput(std::string(text));
  ports.queueInput(std::string(""));
  ports.queueInput(std::string(""));
  ports.queueInput(std::string(""));
  run("CmFoldersDetails");
  ports.queueInput(std::nullopt);
  run("CmFoldersDetails");
  EXPECT_EQ(games().game(2).flags, game_flag::kUnchanged);
  EXPECT_FALSE(frame().modified());
  EXPECT_EQ(ports.unusedAnswers(), 0u);
}

TEST_F(CollectionListTest, DetailsOfAGameNotYetOpened_SurviveReadingItsTree) {
  loadThree();
  run("CmCollectionList");
  frame().lists().selectListRows({2});
  ports.queueInput("Later cup");
  run("CmFoldersSetEvents");
  frame().lists().closeAllLists();
  frame().CmLastGame();
  EXPECT_EQ(frame().game().details[DetailField::Event], "Later cup");
  EXPECT_EQ(frame().game().flags, game_flag::kUnchanged | game_flag::kDetailsChanged);
}

// ---- Players ----

TEST_F(CollectionListTest, PlayersList_CountsSwapsInTreesNotYetOpenedWithoutChangingThem) {
  const std::string path = writeFile("players.sgf", kPlayersFile);
  load(path);
  ASSERT_FALSE(games().game(2).treeLoaded);
  run("CmPlayerStatistics");
  ASSERT_EQ(list().mode, ListMode::Players);
  ASSERT_EQ(list().players.size(), 2u);
  // Ann wins game 1 with Black and game 3, where the sides were swapped; Bob wins game 2 with Black.
  EXPECT_EQ(list().players.player(0), (SPlayer{"Ann", 3, 0, 2}));
  EXPECT_EQ(list().players.player(1), (SPlayer{"Bob", 3, 0, 1}));
  EXPECT_EQ(list().players.cell(0, static_cast<int>(PlayersColumn::Score)), "0.67");
  EXPECT_TRUE(games().game(2).treeLoaded);
  EXPECT_FALSE(games().game(3).treeLoaded) << "equal names need no tree";
  EXPECT_EQ(games().game(2).flags, game_flag::kUnchanged);
  EXPECT_TRUE(ports.takeLines().empty());

  frame().lists().closeAllLists();
  frame().markFileModified();
  ASSERT_TRUE(frame().files().CmSave());
  EXPECT_EQ(readTextFile(path), kPlayersFile);
}

// Stops the checking of games after `allowed` reports, keeping them; a load goes on.
class StoppingAfter : public ProgressPort {
 public:
  explicit StoppingAfter(int allowed) : allowed_(allowed) {}
  void begin(WorkKind kind, const std::string& file) override {
    kind_ = kind;
    if (kind == WorkKind::Checking) headings.push_back(progressHeading(kind, file));
  }
  bool advance(const WorkProgress& p) override {
    if (kind_ != WorkKind::Checking) return true;
    reports.push_back(progressDetails(kind_, p));
    return static_cast<int>(reports.size()) < allowed_;
  }
  void end() override {}
  std::vector<std::string> headings, reports;

 private:
  int allowed_;
  WorkKind kind_ = WorkKind::Loading;
};

TEST_F(CollectionListTest, PlayersList_ReadingTheGamesItNeedsShowsProgressAndAStopOpensNoList) {
  StoppingAfter stopAtFirst(1);
  progress = &stopAtFirst;
  const std::string path = writeFile("players.sgf", kPlayersFile);
  load(path);
  run("CmPlayerStatistics");
  EXPECT_FALSE(frame().lists().listOpen());
  EXPECT_EQ(stopAtFirst.headings, Lines{"Checking '" + path + "'"});
  EXPECT_EQ(stopAtFirst.reports, Lines{"1 of 2 games checked, 0 bytes"});
  EXPECT_TRUE(games().game(1).treeLoaded);
  EXPECT_FALSE(games().game(2).treeLoaded) << "nothing read after the stop";

  stopAtFirst = StoppingAfter(100);  // the frame keeps its port: the same one, now never stopping
  run("CmPlayerStatistics");
  ASSERT_TRUE(frame().lists().listOpen());
  EXPECT_EQ(stopAtFirst.reports, Lines{"1 of 1 games checked, 0 bytes"}) << "only the game still unread";
  EXPECT_EQ(list().players.cell(0, static_cast<int>(PlayersColumn::Score)), "0.67");
}

TEST_F(CollectionListTest, PlayersListReadsABrokenUnopenedGame_ItsErrorsAreOffered) {
  load(writeFile("broken.sgf", "(;GM[1]SZ[9]XS[]PB[Ann]PW[Bob])(;GM[1]SZ[9]PB[Cy]PW[Di]RE[B+R];B[ee];W[ee])"));
  ports.queueAnswer(Answer::No);
  run("CmPlayerStatistics");
  const Lines lines = ports.takeLines();
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_TRUE(lines[0].starts_with("[SErrorList::Display()] Warning.\\nSome errors")) << lines[0];
  EXPECT_TRUE(games().game(1).treeLoaded);
  EXPECT_EQ(list().players.size(), 4u);
}

TEST_F(CollectionListTest, RenamePlayerOfBothSides_CountsEveryNameReplaced) {
  load(writeFile("players.sgf", kPlayersFile));
  run("CmPlayerStatistics");
  frame().lists().selectListRows({0});
  ports.queueInput("Anne");
  run("CmFoldersFind");
  EXPECT_EQ(ports.takeLines(),
            (Lines{"< Edit Player Name> ? Anne",
                   "[SListCtrl::CmFoldersFind()] 5 player name edits were made.\\r\\n\\r\\nFrom\\t'Ann'\\r\\nto\\t'Anne'"}));
  EXPECT_EQ(games().game(3).details[DetailField::Player2], "Anne");
  EXPECT_EQ(games().game(3).flags, game_flag::kUnchanged | game_flag::kDetailsChanged);
  EXPECT_EQ(list().players.player(0).name, "Anne");
  EXPECT_EQ(list().selected, (std::vector<std::size_t>{0}));
  EXPECT_NE(ports.title().find("Anne - Bob"), std::string::npos) << ports.title();
  EXPECT_TRUE(frame().modified());
}

TEST_F(CollectionListTest, RenameToTheSameName_EditsNothing) {
  load(writeFile("three.sgf", kThreeGames));
  run("CmPlayerStatistics");
  frame().lists().selectListRows({0});
  ports.queueInput("Ann");
  run("CmFoldersFind");
  EXPECT_EQ(ports.takeLines().back(), "[SListCtrl::CmFoldersFind()] No player name edits were made");
  EXPECT_FALSE(frame().modified()) << "the games are still those of the file";
}

TEST_F(CollectionListTest, ShowGamesThenErase_RebuildsThePlayersListBelow) {
  load(writeFile("players.sgf", kPlayersFile));
  run("CmPlayerStatistics");
  frame().lists().selectListRows({1});
  EXPECT_EQ(frame().lists().listCommandForKey("Return"), "CmFoldersShowGames");
  run("CmFoldersShowGames");
  ASSERT_EQ(list().mode, ListMode::Games);
  EXPECT_EQ(list().games.size(), 3u) << "Bob's games";
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmFoldersImport")));
  EXPECT_EQ(frame().lists().listCommandForKey("Insert"), "CmFoldersImport");
  frame().lists().selectListRows({0, 1});
  ports.queueAnswer(Answer::Yes);
  run("CmFoldersErase");
  EXPECT_EQ(ports.takeLines().back(), "[ExcludeSelected()] Number of games removed = 2");
  EXPECT_EQ(list().games.size(), 1u);
  frame().lists().closeList();
  ASSERT_EQ(list().mode, ListMode::Players);
  EXPECT_EQ(list().players.player(0), (SPlayer{"Ann", 1, 0, 1}));
  EXPECT_EQ(list().selected, (std::vector<std::size_t>{1}));
}

TEST_F(CollectionListTest, ErasePlayerGames_RemovesEveryGameTheyTookPartIn) {
  load(writeFile("players.sgf", kPlayersFile));
  run("CmPlayerStatistics");
  frame().lists().selectListRows({1});
  ports.queueAnswer(Answer::Yes);
  run("CmFoldersErase");
  EXPECT_EQ(ports.takeLines(),
            (Lines{"[ExcludeSelected()] Warning.\\nAbout to remove the player games.\\n\\nDo you wish to continue? ? yes"}))
      << "three games went, but one game is left: the number is not reported";
  EXPECT_EQ(names(), "Alone;");
}

// ---- Branch statistics ----

TEST_F(CollectionListTest, BranchStatisticsOfOneNodeGame_ShowsTheTwelveFields) {
  ports.takeLines();
  ASSERT_TRUE(frame().runCommand("CmBranchStatistics"));
  EXPECT_EQ(ports.takeLines(),
            (Lines{"[ Branch Statistics] Branches in total\\t1\\r\\nNodes in total\\t1  /  1\\r\\nBranches below\\t0\\r\\n"
                   "Nodes below current position\\t0\\r\\nComments\\t0\\r\\nComments in current line of play\\t0\\r\\n"
                   "Comment bytes\\t0\\r\\nDiagrams\\t0\\r\\nMarked Positions\\t0\\r\\nBookmarks\\t0\\r\\n"
                   "Position Scores\\t0\\r\\nPosition Nodes\\t0"}));
  EXPECT_EQ(frame().commandMenuText(*frame().findCommand("CmBranchStatistics")), "Display &Statistics\tF7");
}

}  // namespace
}  // namespace meridax::testing
