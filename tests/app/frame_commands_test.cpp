// The frame's command dispatch by identifier, name and accelerator, and the special-move commands,
// which act only while their menu entries would be enabled.

#include "app/frame_keys.h"
#include "app/frame_test_support.h"
#include "rules/navigation_step.h"
#include "rules/position_at.h"

namespace meridax::testing {
namespace {

using Lines = std::vector<std::string>;

class FrameCommandsTest : public FrameTest {
 protected:
  // Adds a game of the list entry (and its sizes, for the kinds that ask) and makes it current.
  void newGame(const std::string& entry, std::vector<std::string> sizes = {}) {
    ports.queueInput(entry);
    for (std::string& s : sizes) ports.queueInput(std::move(s));
    frame().files().CmNewGameOfType();
    ASSERT_FALSE(ports.stopped()) << ::testing::PrintToString(ports.lines());
    ports.takeLines();
  }
  unsigned lastMove() { return frame().game().endNode->moveNumber(); }
  SpecialMoveKind currentKind() { return frame().game().currentNode->kind(); }
};

TEST_F(FrameCommandsTest, Commands_RunByIdentifierOrName) {
  load(writeFile("three.sgf", kThreeGames));
  EXPECT_TRUE(frame().runCommand("CmNextGame"));
  EXPECT_EQ(frame().collection().currentIndex(), 1u);
  EXPECT_TRUE(frame().runCommand("CmLastGame"));
  EXPECT_EQ(frame().collection().currentIndex(), 2u);
  EXPECT_TRUE(frame().runCommand("CmPass"));
  EXPECT_EQ(currentKind(), SpecialMoveKind::Pass);

  EXPECT_FALSE(frame().runCommand(0)) << "0 names no command";
  EXPECT_FALSE(frame().runCommand(4242));
  EXPECT_FALSE(frame().runCommand("CmNoSuchThing"));
}

TEST_F(FrameCommandsTest, EveryAccelerator_RunsACommandOfTheFrame) {
  const char* keys[] = {"Ctrl+O",    "Ctrl+L",     "Ctrl+S",        "Ctrl+A",          "Ctrl+X",
                        "Alt+F4",    "Ctrl+Left",  "Ctrl+Right",    "Ctrl+PageUp",     "Ctrl+PageDown",
                        "Ctrl+Home", "Ctrl+End",   "Ctrl+T",        "Ctrl+U"};
  for (const char* key : keys) {
    const std::optional<std::string> command = commandForKey(key);
    ASSERT_TRUE(command) << key;
    EXPECT_TRUE(frame().runCommand(*command)) << key << " runs " << *command;
  }
}

TEST_F(FrameCommandsTest, PassTwiceAtTheSameNode_StepsOntoTheFirstPass) {
  frame().CmPass();
  ASSERT_EQ(lastMove(), 1u);
  EXPECT_EQ(currentKind(), SpecialMoveKind::Pass);
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(ports.status(StatusField::SideToMove), " White to move");
  goToNode(frame().game(), frame().game().firstNode);

  frame().CmPass();

  EXPECT_EQ(frame().game().currentNode, frame().game().firstNode->next());
  EXPECT_FALSE(frame().game().firstNode->branching()) << "no second pass was added";
}

// Stepping onto a pass that is already there changes the side to move and the move number, so the status
// line must follow as it does after a pass that was added.
TEST_F(FrameCommandsTest, PassOntoAnExistingPass_StatusFollowsTheNewPosition) {
  frame().CmPass();
  const std::string sideAfterPass = ports.status(StatusField::SideToMove);
  const std::string moveAfterPass = ports.status(StatusField::Move);
  frame().navigation().CmStartPosition();
  ASSERT_NE(ports.status(StatusField::SideToMove), sideAfterPass);
  ASSERT_NE(ports.status(StatusField::Move), moveAfterPass);

  frame().CmPass();

  ASSERT_EQ(frame().game().currentNode, frame().game().firstNode->next());
  EXPECT_EQ(ports.status(StatusField::SideToMove), sideAfterPass);
  EXPECT_EQ(ports.status(StatusField::Move), moveAfterPass);
}

TEST_F(FrameCommandsTest, ResignAndForfeit_AreNotAddedTwiceInARow) {
  frame().CmResign();
  EXPECT_EQ(currentKind(), SpecialMoveKind::Resign);
  frame().CmResign();
  EXPECT_EQ(lastMove(), 1u) << "disabled while the current node is a resignation";
  frame().CmForfeit();
  EXPECT_EQ(currentKind(), SpecialMoveKind::Forfeit);
  frame().CmForfeit();
  EXPECT_EQ(lastMove(), 2u);
}

TEST_F(FrameCommandsTest, OthelloPass_IsDisabled) {
  load(writeFile("othello.sgf", "(;GM[2]FF[4]SZ[8])"));

  frame().CmPass();

  EXPECT_EQ(lastMove(), 0u);
  EXPECT_FALSE(frame().modified());
}

TEST_F(FrameCommandsTest, HexSwapPieces_OnlyAfterTheFirstMove) {
  newGame("Hex", {"11"});
  frame().CmSwapPieces();
  EXPECT_EQ(lastMove(), 0u) << "disabled before the first move";

  frame().clickBoard(2, 0);
  frame().CmSwapPieces();

  ASSERT_EQ(currentKind(), SpecialMoveKind::SwapPieces);
  const BoardPosition& pos = currentPosition(frame().game());
  EXPECT_EQ(pos.at(2, 0), 3) << "the black piece left its cell";
  EXPECT_EQ(pos.at(0, 2), 2) << "and stands mirrored as a white piece";
  frame().CmSwapPieces();
  EXPECT_EQ(lastMove(), 2u) << "disabled after move 1";
}

TEST_F(FrameCommandsTest, HexPass_SwapsSidesAtMoveOneOnly) {
  newGame("Hex", {"11"});
  frame().clickBoard(5, 5);
  frame().CmPass();
  EXPECT_EQ(currentKind(), SpecialMoveKind::SwapSides);
  frame().CmPass();
  EXPECT_EQ(lastMove(), 2u);
}

// ---- New games ----

TEST_F(FrameCommandsTest, NewGameOfAnotherType_AsksForItsSizeAndGoesAfterTheCurrentGame) {
  ports.queueInput("Kropki");
  ports.queueInput("50");
  ports.queueInput("20");
  ports.queueInput("30");

  frame().files().CmNewGameOfType();

  EXPECT_EQ(ports.takeLines(), (Lines{"< Game Selection> ? Kropki", "< Kropki Board Size> ? 50",
                                      "[Integer Number Validation] Please enter a value between 17 and 45",
                                      "< Kropki Board Size> ? 20", "< Kropki Board Size> ? 30"}));
  ASSERT_EQ(frame().collection().size(), 2u);
  EXPECT_EQ(frame().collection().currentIndex(), 1u);
  EXPECT_EQ(frame().game().kind(), GameKind::Kropki);
  EXPECT_EQ(frame().game().width(), 30);
  EXPECT_EQ(frame().game().height(), 20);
  EXPECT_TRUE(frame().modified());
  EXPECT_EQ(ports.title(), "Kropki  [2/2]");
}

TEST_F(FrameCommandsTest, NewGameOfAnotherType_CancelledAddsNothing) {
  ports.queueInput("Hex");
  ports.queueInput(std::nullopt);
  frame().files().CmNewGameOfType();
  EXPECT_EQ(frame().collection().size(), 1u);
  EXPECT_FALSE(frame().modified());
}

// ---- The game made at start ----

std::vector<int> availableCells(SGridFrame& game) {
  std::vector<int> cells;
  const std::vector<std::uint8_t>& all = currentPosition(game).cells();
  for (std::size_t i = 0; i < all.size(); ++i)
    if (all[i] == cell::kAvailable) cells.push_back(static_cast<int>(i));
  return cells;
}

class StartUpOthelloTest : public FrameCommandsTest, public ::testing::WithParamInterface<int> {};

// An Othello start-up game plays as a new one: Black's four squares are offered and a move flips.
TEST_P(StartUpOthelloTest, StoredOthelloDefault_PlaysLikeANewGame) {
  const int width = GetParam();
  profile.writeInt("Application", "Default Game", code(GameKind::Othello));
  profile.writeInt("Application", "Default KropkiX", width);
  ASSERT_EQ(frame().game().kind(), GameKind::Othello);
  ASSERT_EQ(frame().game().width(), width);
  frame().refreshStatus();  // as the window does when it first shows

  EXPECT_EQ(ports.status(StatusField::SideToMove), " Black to move");
  const std::vector<int> squares = availableCells(frame().game());
  ASSERT_EQ(squares.size(), 4u);
  EXPECT_EQ(frame().game().blackCounter, 2);
  EXPECT_EQ(frame().game().whiteCounter, 2);

  frame().clickBoard(squares.front() % width, squares.front() / width);

  EXPECT_EQ(lastMove(), 1u);
  EXPECT_EQ(ports.status(StatusField::SideToMove), " White to move");
  EXPECT_EQ(frame().game().blackCounter, 4);
  EXPECT_EQ(frame().game().whiteCounter, 1);
  EXPECT_EQ(availableCells(frame().game()).size(), 3u) << "White's squares after Black's first move";
}

INSTANTIATE_TEST_SUITE_P(BothBoards, StartUpOthelloTest, ::testing::Values(8, 10));

// A click puts the cursor on its point before it plays, while the cursor is shown; the cursor field follows.
TEST_F(FrameCommandsTest, ClicksMoveTheShownCursorAndItsField) {
  struct Case {
    bool shown;
    std::string field;  // after clicks on d3 and c3
    std::pair<int, int> cursor;
  };
  for (const Case& c : {Case{true, " Cursor C3", {2, 2}}, Case{false, " Cursor", {0, 0}}}) {
    newGame("Othello / Reversi");
    frame().frameSettings().viewCursor = c.shown ? 1 : 0;
    frame().clickBoard(3, 2);  // d3, Black
    frame().clickBoard(2, 2);  // c3, White
    ASSERT_EQ(lastMove(), 2u);
    EXPECT_EQ(ports.status(StatusField::Cursor), c.field) << c.shown;
    EXPECT_EQ(std::pair(frame().game().cursorX, frame().game().cursorY), c.cursor) << c.shown;
  }
  newGame("Go   9x9");
  frame().frameSettings().viewCursor = 1;
  frame().clickBoard(4, 4);
  frame().clickBoard(4, 4);  // refused: the point is taken, but the cursor is there all the same
  EXPECT_EQ(lastMove(), 1u);
  EXPECT_EQ(ports.status(StatusField::Cursor), " Cursor E5");
}

}  // namespace
}  // namespace meridax::testing
