// Stepping from game to game of a loaded collection: targets at and near the ends, trees read when a
// game is first opened, and what is redrawn.

#include "app/frame_test_support.h"
#include "sgf/sgf_error_list.h"

namespace meridax::testing {
namespace {

using Lines = std::vector<std::string>;

class FrameCollectionNavTest : public FrameTest {
 protected:
  void loadThree() { load(writeFile("three.sgf", kThreeGames)); }
  std::size_t current() { return frame().collection().currentIndex(); }
  bool treeRead(std::size_t game) { return frame().collection().game(game).treeLoaded; }
};

struct NavCase {
  const char* name;
  std::size_t from;
  void (FrameWin::*command)();
  std::size_t to;
};

class FrameNavTargetTest : public FrameCollectionNavTest, public ::testing::WithParamInterface<NavCase> {};

TEST_P(FrameNavTargetTest, CommandReachesItsTarget) {
  const NavCase& c = GetParam();
  loadThree();
  frame().makeCurrent(c.from, false);
  const int redraws = ports.redrawCount();

  (frame().*c.command)();

  EXPECT_EQ(current(), c.to);
  if (c.from == c.to) {
    EXPECT_EQ(ports.redrawCount(), redraws) << "nothing happens at the end of the list";
  }
  EXPECT_TRUE(ports.lines().empty());
}

INSTANTIATE_TEST_SUITE_P(
    Targets, FrameNavTargetTest,
    ::testing::Values(NavCase{"DownEightFromFirst", 0, &FrameWin::CmDownEightGames, 2},
                      NavCase{"DownEightOnLast", 2, &FrameWin::CmDownEightGames, 2},
                      NavCase{"UpEightFromLast", 2, &FrameWin::CmUpEightGames, 0},
                      NavCase{"UpEightOnFirst", 0, &FrameWin::CmUpEightGames, 0},
                      NavCase{"NextFromFirst", 0, &FrameWin::CmNextGame, 1},
                      NavCase{"NextOnLast", 2, &FrameWin::CmNextGame, 2},
                      NavCase{"PreviousFromLast", 2, &FrameWin::CmPreviousGame, 1},
                      NavCase{"PreviousOnFirst", 0, &FrameWin::CmPreviousGame, 0},
                      NavCase{"LastFromFirst", 0, &FrameWin::CmLastGame, 2},
                      NavCase{"LastOnLast", 2, &FrameWin::CmLastGame, 2},
                      NavCase{"FirstFromSecond", 1, &FrameWin::CmFirstGame, 0},
                      NavCase{"FirstOnFirst", 0, &FrameWin::CmFirstGame, 0}),
    [](const auto& info) { return std::string(info.param.name); });

TEST_F(FrameCollectionNavTest, FirstGameWhileFirst_ReadsNoTree) {
  loadThree();
  ASSERT_FALSE(treeRead(1));
  const int redraws = ports.redrawCount();

  frame().CmFirstGame();

  EXPECT_EQ(ports.redrawCount(), redraws);
  EXPECT_FALSE(treeRead(1));
  EXPECT_FALSE(treeRead(2));
}

TEST_F(FrameCollectionNavTest, DownEightGames_PassesOverTheTreesOfTheGamesBetween) {
  std::string text;
  for (int i = 0; i < 12; ++i) text += "(;GM[1]SZ[19];B[dd];W[pp])\r\n\r\n";
  load(writeFile("twelve.sgf", text));

  frame().CmDownEightGames();

  EXPECT_EQ(current(), 8u);
  EXPECT_TRUE(treeRead(8));
  for (std::size_t i = 1; i < 8; ++i) EXPECT_FALSE(treeRead(i)) << "game " << i + 1;
  EXPECT_EQ(ports.title(), "twelve.sgf  [9/12]");
}

TEST_F(FrameCollectionNavTest, SecondGameOfAFreshLoad_IsReadWhenOpenedAndReportsItsMoveError) {
  const std::string path = writeFile("errors.sgf",
                                     "(;GM[1]SZ[19];B[pd];W[dp])\r\n\r\n"
                                     "(;GM[1]SZ[19]GN[Broken];B[dd];W[dd];B[ee])");
  load(path);
  ASSERT_FALSE(treeRead(1));
  ASSERT_TRUE(frame().errorList().empty()) << "the load read only the root of the second game";
  ports.queueAnswer(Answer::No);

  frame().CmNextGame();

  EXPECT_TRUE(treeRead(1));
  EXPECT_EQ(ports.takeLines(), (Lines{"[SErrorList::Display()] " + escapeTranscriptText(kErrorListQuestion) + " ? no"}));
  ASSERT_EQ(frame().errorList().size(), 2u);
  EXPECT_EQ(frame().errorList().texts()[0], "\r\n" + path) << "the list names its file first";
  EXPECT_TRUE(frame().errorList().hasErrorsIn(2));
  EXPECT_NE(frame().errorList().texts()[1].find("The square for the intended move is already occupied."),
            std::string::npos)
      << frame().errorList().texts()[1];
  EXPECT_EQ(frame().game().endNode->moveNumber(), 1u) << "the branch is cut at the refused move";
  EXPECT_EQ(frame().game().flags, game_flag::kUnchanged) << "reading the tree is no change";
  EXPECT_FALSE(frame().modified());
  EXPECT_EQ(ports.title(), "errors.sgf  [2/2]  Broken");

  frame().CmPreviousGame();
  frame().CmNextGame();
  EXPECT_EQ(frame().errorList().size(), 2u) << "a tree is read once";
  EXPECT_TRUE(ports.lines().empty());
}

// Stepping through a collection with bad games: once the person ticks "Do not ask again for this file", the
// later games' errors are gathered in the list and only the status bar tells of them, until a file is loaded.
TEST_F(FrameCollectionNavTest, ErrorQuestionNotAskedAgain_GathersTheErrorsOfLaterGamesUntilTheNextLoad) {
  const std::string broken = "(;GM[1]SZ[19];B[dd];W[dd];B[ee])\r\n\r\n";
  const std::string path = writeFile("errors.sgf", "(;GM[1]SZ[19];B[pd])\r\n\r\n" + broken + broken +
                                                       "(;GM[1]SZ[19];B[pd])\r\n\r\n" + broken);
  load(path);
  const std::string asked = "[SErrorList::Display()] " + escapeTranscriptText(kErrorListQuestion);
  ports.queueTick();
  ports.queueAnswer(Answer::No);

  frame().runCommand("CmNextGame");
  EXPECT_EQ(ports.takeLines(), (Lines{asked + " ? no [x] Do not ask again for this file"}));
  frame().runCommand("CmNextGame");
  EXPECT_TRUE(ports.lines().empty()) << "not asked again";
  EXPECT_EQ(ports.status(StatusField::SideToMove), "Game 3 had reading errors: they were added to the error list");
  EXPECT_TRUE(frame().errorList().hasErrorsIn(2) && frame().errorList().hasErrorsIn(3)) << "both games' errors";
  frame().runCommand("CmNextGame");  // a game without errors says nothing of them; each command clears the last notice
  EXPECT_EQ(ports.status(StatusField::SideToMove), " White to move");
  frame().runCommand("CmNextGame");
  EXPECT_EQ(ports.status(StatusField::SideToMove), "Game 5 had reading errors: they were added to the error list");
  EXPECT_TRUE(frame().errorList().hasErrorsIn(5));
  EXPECT_TRUE(ports.lines().empty());

  load(path);  // a file loaded again asks again
  ports.queueAnswer(Answer::No);
  frame().runCommand("CmNextGame");
  EXPECT_EQ(ports.takeLines(), (Lines{asked + " ? no"}));
}

TEST_F(FrameCollectionNavTest, LeavingAndComingBack_KeepsTheTreePaneScrolled) {
  loadThree();
  ports.setTreeTopLine(7);
  frame().CmNextGame();
  EXPECT_EQ(ports.treeTopLine(), 0);
  ports.setTreeTopLine(2);
  frame().CmPreviousGame();
  EXPECT_EQ(ports.treeTopLine(), 7);
  frame().CmNextGame();
  EXPECT_EQ(ports.treeTopLine(), 2);
}

TEST_F(FrameCollectionNavTest, GameOfAnotherSize_IsLaidOutAgain) {
  loadThree();
  frame().CmNextGame();  // 19 to 19
  EXPECT_EQ(ports.lastRedraw(), Redraw::Board);
  frame().CmNextGame();  // 19 to 9
  EXPECT_EQ(ports.lastRedraw(), Redraw::All);
  frame().makeCurrent(2, true);  // 9 to 9, forced
  EXPECT_EQ(ports.lastRedraw(), Redraw::All);
}

TEST_F(FrameCollectionNavTest, RemovingTheCurrentGame_OpensTheNextOneWithItsTree) {
  loadThree();
  ports.queueAnswer(Answer::Yes);

  frame().files().CmCollDelete();

  ASSERT_EQ(frame().collection().size(), 2u);
  EXPECT_EQ(frame().game().details[DetailField::GameName], "Second");
  EXPECT_TRUE(treeRead(0)) << "the game that became current was read from the held text";
  EXPECT_EQ(frame().game().endNode->moveNumber(), 2u);
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(ports.title(), "three.sgf  [1/2]  Second  Cy - Di");
}

TEST_F(FrameCollectionNavTest, RemovingTheLastGame_MakesThePreviousOneCurrent) {
  loadThree();
  frame().CmLastGame();
  ports.queueAnswer(Answer::Yes);
  frame().files().CmCollDelete();
  EXPECT_EQ(current(), 1u);
  EXPECT_EQ(frame().game().details[DetailField::GameName], "Second");
}

TEST_F(FrameCollectionNavTest, RemovingTheOnlyGame_IsNotOffered) {
  frame().files().CmCollDelete();
  EXPECT_TRUE(ports.lines().empty());
  EXPECT_EQ(frame().collection().size(), 1u);
}

}  // namespace
}  // namespace meridax::testing
