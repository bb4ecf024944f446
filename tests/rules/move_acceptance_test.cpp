#include "rules/move_acceptance.h"

#include <gtest/gtest.h>

#include <random>
#include <string>
#include <vector>

#include "model/game_statistics.h"
#include "play_fixture.h"
#include "rules/go_rules.h"
#include "rules/handicap.h"

namespace meridax {
namespace {

using testing::FakePlayHost;
using testing::PlayFixture;
using testing::sideToMove;
using testing::at;
using testing::board;

std::vector<unsigned> snapshotMoves(const SGridFrame& g) {
  std::vector<unsigned> moves;
  for (const GameNode* n = g.firstNode; n != nullptr; n = n->next())
    if (n->hasSnapshot()) moves.push_back(n->moveNumber());
  return moves;
}

// --- Checks before any rule ---------------------------------------------------------------------

struct RefusalCase {
  const char* name;
  GameKind kind;
  int width;
  int height;  // 0: the width
  int x;
  int y;
  MoveResult result;
  const char* statusText;
};

class AcceptMoveRefusalTest : public ::testing::TestWithParam<RefusalCase> {};

TEST_P(AcceptMoveRefusalTest, RefusedPoint_ChangesNothingAndShowsItsText) {
  const RefusalCase& c = GetParam();
  PlayFixture f(c.kind, c.width, c.height);
  if (c.result == MoveResult::Occupied) {
    for (const char* p : {"bb", "cc", "dd"}) ASSERT_EQ(f.click(p), MoveResult::Accepted);
  }
  GameNode* current = f.game->currentNode;
  const std::size_t nodes = f.liveNodes();
  const std::string before = f.board();
  f.game->flags = 0;
  f.host.forget();

  EXPECT_EQ(f.play(c.x, c.y, Colour::White, false), c.result);

  EXPECT_EQ(f.game->currentNode, current);
  EXPECT_EQ(f.liveNodes(), nodes);
  EXPECT_EQ(f.board(), before);
  EXPECT_TRUE(f.lastRefusedPositionKept);
  EXPECT_EQ(f.game->flags, 0);
  EXPECT_EQ(f.host.fileModified, 0);
  const std::vector<std::string> told = std::string(c.statusText).empty() ? std::vector<std::string>{}
                                                                          : std::vector<std::string>{c.statusText};
  EXPECT_EQ(f.host.shown, told);
}

const RefusalCase kRefusalCases[] = {
    {"LeftOfTheBoard", GameKind::Go, 9, 0, -1, 0, MoveResult::OutOfRange, ""},
    {"AboveTheBoard", GameKind::Go, 9, 0, 0, -1, MoveResult::OutOfRange, ""},
    {"RightOfTheBoard", GameKind::Go, 9, 0, 9, 0, MoveResult::OutOfRange, ""},
    {"BelowTheBoard", GameKind::Go, 9, 0, 3, 9, MoveResult::OutOfRange, ""},
    {"HavannahCorner", GameKind::Havannah, 19, 0, 18, 0, MoveResult::OffBoard, "Invalid Move.  Transparent node"},
    {"UnlurCorner", GameKind::Unlur, 13, 0, 0, 12, MoveResult::OffBoard, "Invalid Move.  Transparent node"},
    {"KropkiBelowTheHeight", GameKind::Kropki, 30, 20, 0, 20, MoveResult::OffBoard,
     "Invalid Move.  Transparent node"},
    {"OccupiedByBlack", GameKind::Go, 9, 0, 1, 1, MoveResult::Occupied, "Invalid Move - Square already occupied"},
    {"OccupiedByWhite", GameKind::Go, 9, 0, 2, 2, MoveResult::Occupied, "Invalid Move - Square already occupied"},
};

INSTANTIATE_TEST_SUITE_P(Points, AcceptMoveRefusalTest, ::testing::ValuesIn(kRefusalCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(AcceptMove, ClickOnTheStoneJustPlayed_DoesNothingAndShowsNoMessage) {
  PlayFixture f(GameKind::Go, 9);
  ASSERT_EQ(f.click("cc"), MoveResult::Accepted);
  GameNode* played = f.game->currentNode;
  f.host.forget();
  f.game->flags = 0;

  EXPECT_EQ(f.click("cc"), MoveResult::Accepted);

  EXPECT_EQ(f.game->currentNode, played);
  EXPECT_EQ(f.liveNodes(), 2u);
  EXPECT_TRUE(f.host.shown.empty());
  EXPECT_EQ(f.game->flags, 0);
}

TEST(AcceptMove, ClickOnAnEarlierStone_IsRefusedAsOccupied) {
  PlayFixture f(GameKind::Go, 9);
  f.click("cc");
  f.click("dd");
  EXPECT_EQ(f.click("cc"), MoveResult::Occupied);
  EXPECT_EQ(f.notice(), "Invalid Move - Square already occupied");
}

TEST(AcceptMove, ReaderRepeatingTheMoveJustRead_AddsNothing) {
  PlayFixture f(GameKind::Go, 9);
  f.read("cc", Colour::Black);
  EXPECT_EQ(f.read("cc", Colour::Black), MoveResult::Accepted);
  EXPECT_EQ(f.read("cc", Colour::White), MoveResult::Occupied) << "another colour on the stone is an error";
  EXPECT_EQ(f.liveNodes(), 2u);
  EXPECT_TRUE(f.host.shown.empty());
}

// --- Following, switching and opening lines -----------------------------------------------------

class AcceptMoveLinesTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* p : {"aa", "bb", "cc", "dd", "ee"}) ASSERT_EQ(f.click(p), MoveResult::Accepted);
    for (GameNode* n = f.game->firstNode->next(); n != nullptr; n = n->next()) line.push_back(n);
    f.goTo(line[1]);  // White "bb" is current; Black "cc" follows
    f.host.forget();
    f.game->flags = 0;
  }
  PlayFixture f{GameKind::Go, 9};
  std::vector<GameNode*> line;
};

TEST_F(AcceptMoveLinesTest, TheMoveThatFollows_StepsForwardWithoutANewNode) {
  EXPECT_EQ(f.click("cc"), MoveResult::Accepted);
  EXPECT_EQ(f.game->currentNode, line[2]);
  EXPECT_EQ(f.liveNodes(), 6u);
  EXPECT_EQ(f.game->variations.size(), 1u);
  EXPECT_EQ(f.game->cachedPositionNode, line[2]);
  EXPECT_EQ(f.problems(), "");
}

TEST_F(AcceptMoveLinesTest, TheFollowingPointInTheOtherColour_OpensANewLine) {
  EXPECT_EQ(f.play(2, 2, Colour::White, false), MoveResult::Accepted);
  EXPECT_NE(f.game->currentNode, line[2]);
  EXPECT_EQ(f.game->variations.linesBelow(line[1]).size(), 1u);
}

TEST_F(AcceptMoveLinesTest, NewMoveInTheMiddle_BecomesTheContinuationAndKeepsTheOldOneAsABranch) {
  EXPECT_EQ(f.click("gg"), MoveResult::Accepted);

  GameNode* n = f.game->currentNode;
  EXPECT_EQ(line[1]->next(), n);
  EXPECT_EQ(n->moveNumber(), 3u);
  EXPECT_EQ(f.game->endNode, n);
  const auto branches = f.game->variations.linesBelow(line[1]);
  ASSERT_EQ(branches.size(), 1u);
  EXPECT_EQ(branches[0]->head, line[2]);
  EXPECT_EQ(branches[0]->tail, line[4]);
  EXPECT_TRUE(line[1]->branching());
  EXPECT_TRUE(f.game->flags & game_flag::kTreeChanged);
  EXPECT_EQ(f.host.fileModified, 1);
  EXPECT_EQ(f.moveNumbers(), (std::pair{3u, 3u}));
  EXPECT_EQ(f.problems(), "");
}

TEST_F(AcceptMoveLinesTest, UserPlayOfAnExistingBranch_ExchangesItWithTheContinuation) {
  f.click("gg");
  GameNode* g = f.game->currentNode;
  f.goTo(line[1]);
  f.host.forget();

  EXPECT_EQ(f.click("cc"), MoveResult::Accepted);

  EXPECT_EQ(f.game->currentNode, line[2]);
  EXPECT_EQ(line[1]->next(), line[2]);
  EXPECT_EQ(f.game->endNode, line[4]);
  const auto branches = f.game->variations.linesBelow(line[1]);
  ASSERT_EQ(branches.size(), 1u);
  EXPECT_EQ(branches[0]->head, g);
  EXPECT_EQ(branches[0]->tail, g);
  EXPECT_EQ(f.liveNodes(), 7u);
  EXPECT_EQ(f.host.fileModified, 1);
  EXPECT_EQ(f.moveNumbers(), (std::pair{3u, 5u}));
  EXPECT_EQ(f.problems(), "");
}

TEST_F(AcceptMoveLinesTest, QuietPlayOfAnExistingBranch_MakesItTheCurrentLine) {
  f.click("gg");
  GameNode* g = f.game->currentNode;
  f.goTo(line[1]);
  SBranchDetails* branch = f.game->variations.linesBelow(line[1])[0];

  EXPECT_EQ(f.read("cc", Colour::Black), MoveResult::Accepted);

  EXPECT_EQ(f.game->currentNode, line[2]);
  EXPECT_EQ(line[1]->next(), g) << "the reader leaves the continuation where it is";
  EXPECT_EQ(f.game->currentLine, branch);
  EXPECT_EQ(f.game->endNode, line[4]);
  EXPECT_EQ(f.liveNodes(), 7u);
}

TEST(AcceptMoveLoading, ChildrenReadABC_LeaveAOnTheLineAndBCAsBranchesInFileOrder) {
  PlayFixture f(GameKind::Go, 9);
  f.read("ee", Colour::Black);
  GameNode* p = f.game->currentNode;
  f.read("aa", Colour::White);
  GameNode* a = f.game->currentNode;
  f.read("ab", Colour::Black);
  f.goTo(p);
  f.read("bb", Colour::White);
  GameNode* b = f.game->currentNode;
  f.goTo(p);
  f.read("cc", Colour::White);
  GameNode* c = f.game->currentNode;
  f.read("cd", Colour::Black);

  EXPECT_EQ(p->next(), a);
  const auto branches = f.game->variations.linesBelow(p);
  ASSERT_EQ(branches.size(), 2u);
  EXPECT_EQ(branches[0]->head, b);
  EXPECT_EQ(branches[1]->head, c);
  EXPECT_EQ(branches[1]->tail, c->next());
  EXPECT_EQ(c->moveNumber(), 2u);
  EXPECT_EQ(c->next()->moveNumber(), 3u);
  EXPECT_EQ(f.game->flags, 0) << "reading marks nothing";
  EXPECT_TRUE(f.host.shown.empty());
}

// --- Go through the single road ----------------------------------------------------------------

// Black and White build a ko on the upper left of a 7 x 7 board; White's "bb" takes the Black "cb".
class KoTest : public ::testing::Test {
 protected:
  void SetUp() override {
    for (const char* p : {"ba", "ca", "ab", "db", "bc", "cc", "cb", "bb"}) ASSERT_EQ(f.click(p), MoveResult::Accepted);
    ASSERT_EQ(f.board(), board(R"(. X O . . . .
                                  X O . O . . .
                                  . X O . . . .
                                  . . . . . . .
                                  . . . . . . .
                                  . . . . . . .
                                  . . . . . . .)"));
    ASSERT_EQ(f.game->whiteCounter, 1);
  }
  PlayFixture f{GameKind::Go, 7};
};

TEST_F(KoTest, ImmediateRetake_IsRefusedAndChangesNothing) {
  GameNode* current = f.game->currentNode;
  const std::string before = f.board();

  EXPECT_EQ(f.click("cb"), MoveResult::Ko);

  EXPECT_EQ(f.notice(), "Invalid Move - ko capture not allowed");
  EXPECT_EQ(f.game->currentNode, current);
  EXPECT_EQ(f.board(), before);
  EXPECT_TRUE(f.lastRefusedPositionKept);
  EXPECT_EQ(f.game->blackCounter, 0);
  EXPECT_EQ(f.game->whiteCounter, 1);
  EXPECT_EQ(f.liveNodes(), 9u);
}

TEST_F(KoTest, RetakeAfterAnExchangeElsewhere_IsAccepted) {
  ASSERT_EQ(f.click("gg"), MoveResult::Accepted);
  ASSERT_EQ(f.click("ga"), MoveResult::Accepted);
  EXPECT_EQ(f.click("cb"), MoveResult::Accepted);
  EXPECT_EQ(f.game->blackCounter, 1);
  EXPECT_EQ(f.game->whiteCounter, 1);
  EXPECT_TRUE(f.game->currentNode->captureRecord());
  EXPECT_TRUE(f.game->currentNode->hasSnapshot());
}

TEST_F(KoTest, RetakeRecreatingAPositionTwoMovesBack_IsRefused) {
  f.click("gg");
  f.click("ga");
  ASSERT_EQ(f.click("cb"), MoveResult::Accepted);
  // White's retake now recreates the position after White's "ga".
  EXPECT_EQ(f.click("bb"), MoveResult::Ko);
}

TEST_F(KoTest, RetakeInTheReader_IsNotChecked) {
  EXPECT_EQ(f.read("cb", Colour::Black), MoveResult::Accepted);
  EXPECT_EQ(f.game->blackCounter, 1);
}

TEST(AcceptMoveGo, PositionSeenOnlyInASideLine_DoesNotCountAsARepetition) {
  PlayFixture f(GameKind::Go, 7);
  for (const char* p : {"ba", "ca", "ab", "db", "bc", "cc"}) f.click(p);
  GameNode* split = f.game->currentNode;
  // Side line: the ko is fought first and the moves elsewhere come after it.
  for (const char* p : {"cb", "bb", "gg", "ga"}) ASSERT_EQ(f.click(p), MoveResult::Accepted);
  f.goTo(split);
  // Current line: the same stones reached in another order, ending with White's capture.
  for (const char* p : {"gg", "ga", "cb"}) ASSERT_EQ(f.click(p), MoveResult::Accepted);
  EXPECT_EQ(f.click("bb"), MoveResult::Accepted);
  EXPECT_EQ(f.problems(), "");
}

TEST(AcceptMoveGo, SelfCaptureInUserPlay_IsRefused) {
  PlayFixture f(GameKind::Go, 7);
  f.read("ca", Colour::White);
  f.read("ba", Colour::Black);
  f.read("bb", Colour::White);
  f.read("ab", Colour::White);
  const std::string before = f.board();

  EXPECT_EQ(f.play(0, 0, Colour::Black, false), MoveResult::SelfCapture);

  EXPECT_EQ(f.notice(), "Invalid Move - Self capture is not permitted");
  EXPECT_EQ(f.board(), before);
  EXPECT_TRUE(f.lastRefusedPositionKept);
}

TEST(AcceptMoveGo, SelfCaptureWhileReading_RemovesTheGroupAndCreditsTheOpponent) {
  PlayFixture f(GameKind::Go, 7);
  f.read("ca", Colour::White);
  f.read("ba", Colour::Black);
  f.read("bb", Colour::White);
  f.read("ab", Colour::White);

  EXPECT_EQ(f.read("aa", Colour::Black), MoveResult::Accepted);

  const GameNode* n = f.game->currentNode;
  EXPECT_EQ(f.board(), board(R"(. . O . . . .
                                O O . . . . .
                                . . . . . . .
                                . . . . . . .
                                . . . . . . .
                                . . . . . . .
                                . . . . . . .)"));
  EXPECT_EQ(f.game->blackCounter, 0);
  EXPECT_EQ(f.game->whiteCounter, 2);
  EXPECT_TRUE(n->captureRecord());
  EXPECT_TRUE(n->hasSnapshot());
  EXPECT_EQ(f.game->captureCounts.at(n), packCaptureEntry(0, 2));
  EXPECT_TRUE(n->blackMove());
  EXPECT_FALSE(n->blackNext());
  EXPECT_TRUE(f.host.shown.empty());
}

TEST(AcceptMoveGo, CaptureCountsAbove255_AreCutTo8BitsInTheIndex) {
  PlayFixture f(GameKind::Go, 7);
  f.game->blackCounter = 255;
  for (const char* p : {"ba", "aa"}) f.click(p);
  ASSERT_EQ(f.click("ab"), MoveResult::Accepted);
  EXPECT_EQ(f.game->blackCounter, 256);
  EXPECT_EQ(f.game->captureCounts.at(f.game->currentNode), packCaptureEntry(0, 0));
}

TEST(AcceptMoveGo, LongLine_SnapshotsEvery33MovesAndAtCaptures) {
  PlayFixture f(GameKind::Go, 19);
  for (int i = 0; i < 100; ++i) ASSERT_EQ(f.click(2 * (i % 10), 2 * (i / 10)), MoveResult::Accepted);
  EXPECT_EQ(snapshotMoves(*f.game), (std::vector<unsigned>{0, 33, 66, 99}));
  EXPECT_EQ(f.problems(), "");
}

TEST(AcceptMoveGo, MoveBeyondTheLastMoveNumber_IsRefusedAsTooManyBranches) {
  PlayFixture f(GameKind::Go, 9);
  while (f.game->currentNode->moveNumber() < GameNode::kMaxMoveNumber) f.special(SpecialMoveKind::Pass);
  f.host.forget();
  EXPECT_EQ(f.click("ee"), MoveResult::TooManyBranches);
  EXPECT_TRUE(f.host.shown.empty());
  EXPECT_EQ(f.game->currentNode->moveNumber(), GameNode::kMaxMoveNumber);
  EXPECT_EQ(f.problems(), "");
}

// --- Other kinds ----------------------------------------------------------------------------------

TEST(AcceptMoveOthello, OpponentWithoutACell_MoverPlaysAgainWithThePassMark) {
  PlayFixture f(GameKind::Othello, 8);
  f.compose(R"(X O . . . . . .
               . . . . . . . .
               . . . . . . . .
               . . . . . . . .
               . . . . . . . .
               . . . . . . . .
               . . . . . . . .
               X O . . . . . .)",
            Colour::Black);
  f.host.forget();

  ASSERT_EQ(f.click("ch"), MoveResult::Accepted);

  const GameNode* n = f.game->currentNode;
  EXPECT_TRUE(n->captureRecord()) << "pass implied";
  EXPECT_TRUE(n->blackNext());
  EXPECT_EQ(f.notice(), "Black to move again.  There are no spaces available for White");
  EXPECT_EQ(f.counters(), (std::pair{4, 1}));
  EXPECT_EQ(f.click("ca"), MoveResult::Accepted) << "Black moves again";
}

TEST(AcceptMoveOthello, MoveThatFlipsNothing_IsRefusedInUserPlayOnly) {
  PlayFixture f(GameKind::Othello, 8);
  EXPECT_EQ(f.click("aa"), MoveResult::NoForeignNeighbour);
  EXPECT_EQ(f.notice(), "Invalid Move - No bordering foreign colour");
  EXPECT_EQ(f.read("aa", Colour::Black), MoveResult::Accepted);
}

TEST(AcceptMoveUnlur, FirstPlacementOnTheEdge_IsRefusedWithResult7) {
  PlayFixture f(GameKind::Unlur, 13);
  EXPECT_EQ(f.click(0, 0), MoveResult::ContractOnEdge);
  EXPECT_EQ(resultNumber(MoveResult::ContractOnEdge), 7);
  EXPECT_EQ(f.notice(), "Invalid Move - Contract moves are not allowed on an edge.");
  EXPECT_EQ(f.click(12, 8), MoveResult::ContractOnEdge);
  EXPECT_EQ(f.click(6, 6), MoveResult::Accepted);
  EXPECT_TRUE(f.game->currentNode->blackNext()) << "Black keeps the move while no white piece stands";
}

TEST(AcceptMoveConnect6, SideToMove_OneStoneThenTwoEach) {
  PlayFixture f(GameKind::Connect6AtCreation, 19);
  const Colour expected[] = {Colour::White, Colour::White, Colour::Black, Colour::Black, Colour::White};
  const char* points[] = {"jj", "kk", "ll", "mm", "nn"};
  for (int i = 0; i < 5; ++i) {
    ASSERT_EQ(f.click(points[i]), MoveResult::Accepted);
    EXPECT_EQ(sideToMove(f.game->currentNode), expected[i]) << "after move " << i + 1;
    EXPECT_EQ(f.notice(), "") << "after move " << i + 1;
  }
}

TEST(AcceptMove, MoveInUserPlay_PassesTheTurnAndMarksTheFile) {
  PlayFixture f(GameKind::Go, 19);
  f.click("dd");
  EXPECT_EQ(f.notice(), "");
  EXPECT_EQ(sideToMove(f.game->currentNode), Colour::White);
  EXPECT_EQ(f.counters(), (std::pair{0, 0}));
  EXPECT_EQ(f.moveNumbers(), (std::pair{1u, 1u}));
  EXPECT_EQ(f.host.fileModified, 1);
  EXPECT_EQ(f.host.treeGrewCount, 1);
  EXPECT_EQ(f.game->flags, game_flag::kTreeChanged);
}

// --- New game with handicap ------------------------------------------------------------------------

// What the new-game command does for "Go  19x19  ( Handicap )".
void startWithHandicap(SGridFrame& game, int n) {
  placeHandicapStones(game, n);
  goToNode(game, game.firstNode);
}

std::string blackStones(const BoardPosition& pos) {
  std::string out;
  for (int y = 0; y < pos.width(); ++y)
    for (int x = 0; x < pos.width(); ++x)
      if (pos.at(x, y) == cell::kBlack) out += std::string(out.empty() ? "" : " ") + char('a' + x) + char('a' + y);
  return out;
}

TEST(HandicapGame, FiveStones_PlacedAndWhiteMovesFirst) {
  PlayFixture f(GameKind::Go, 19);
  startWithHandicap(*f.game, 5);
  EXPECT_EQ(blackStones(PositionAt(*f.game, f.game->firstNode)), "dd pd jj dp pp");
  ASSERT_EQ(f.click("qc"), MoveResult::Accepted);
  EXPECT_FALSE(f.game->currentNode->blackMove());
  EXPECT_EQ(blackStones(PositionAt(*f.game, f.game->currentNode)), "dd pd jj dp pp");
  EXPECT_EQ(sideToMove(f.game->currentNode), Colour::Black);
}

TEST(HandicapGame, SixStones_SidesInsteadOfTheCentre) {
  PlayFixture f(GameKind::Go, 19);
  startWithHandicap(*f.game, 6);
  EXPECT_EQ(blackStones(PositionAt(*f.game, f.game->firstNode)), "dd pd dj pj dp pp");
  EXPECT_EQ(sideToMove(f.game->currentNode), Colour::White);
  EXPECT_EQ(f.game->details[DetailField::Handicap], "6");
  EXPECT_EQ(f.problems(), "");
}

TEST(HandicapGame, StonesFollowTheTableForEveryCount) {
  const char* expected[] = {"pd dp", "pd dp pp", "dd pd dp pp", "dd pd jj dp pp", "dd pd dj pj dp pp",
                            "dd pd dj jj pj dp pp", "dd jd pd dj pj dp jp pp", "dd jd pd dj jj pj dp jp pp"};
  for (int n = 2; n <= 9; ++n) {
    PlayFixture f(GameKind::Go, 19);
    startWithHandicap(*f.game, n);
    EXPECT_EQ(blackStones(PositionAt(*f.game, f.game->firstNode)), expected[n - 2]) << n << " stones";
  }
}

TEST(HandicapGame, BoardOtherThan19_GetsNoStonesAndBlackStarts) {
  PlayFixture f(GameKind::Go, 13);
  startWithHandicap(*f.game, 4);
  EXPECT_EQ(blackStones(PositionAt(*f.game, f.game->firstNode)), "");
  EXPECT_TRUE(f.game->firstNode->blackNext());
}

// --- Load errors -----------------------------------------------------------------------------------

TEST(LoadErrorText, RefusedMove_NamesTheCurrentMoveThePointAndTheLoadText) {
  PlayFixture f(GameKind::Go, 19);
  f.read("dd", Colour::Black);
  f.read("pp", Colour::White);
  EXPECT_EQ(loadErrorText(*f.game, 15, 15, MoveResult::Occupied),
            "( Wq4 )   at move number 2\r\n\r\nThe square for the intended move is already occupied.");
}

std::string fileOf(std::size_t n) {
  std::string text;
  for (std::size_t i = 0; i < n; ++i) text += static_cast<char>('A' + i % 26);
  return text;
}

struct ExtractCase {
  const char* name;
  std::size_t fileLength;
  std::size_t errorOffset;
  std::size_t from;
  std::size_t length;
};

class LoadErrorExtractTest : public ::testing::TestWithParam<ExtractCase> {};

TEST_P(LoadErrorExtractTest, Extract_Is96CharactersFrom48BeforeTheError) {
  const ExtractCase& c = GetParam();
  PlayFixture f(GameKind::Go, 9);
  const std::string file = fileOf(c.fileLength);
  const std::string text = loadErrorText(*f.game, 0, 0, MoveResult::Ko, &file, c.errorOffset);
  const std::string head =
      "( Wa9 )   at move number 0\r\n\r\nKo capture is not allowed.\r\n\r\n"
      "The error occurred within the following extract from the file.\r\n\r\n";
  ASSERT_EQ(text.substr(0, head.size()), head);
  EXPECT_EQ(text.substr(head.size()), file.substr(std::min(c.from, file.size()), c.length));
}

const ExtractCase kExtractCases[] = {
    {"InTheMiddle", 500, 200, 152, 96},
    {"NearTheStart", 500, 30, 0, 96},
    {"Exactly48In", 500, 48, 0, 96},
    {"NearTheEnd", 500, 480, 432, 68},
    {"PastTheEnd", 100, 400, 352, 0},
    {"EmptyFile", 0, 0, 0, 0},
};

INSTANTIATE_TEST_SUITE_P(Offsets, LoadErrorExtractTest, ::testing::ValuesIn(kExtractCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(LoadErrorText, EveryResult_HasItsLoadText) {
  EXPECT_STREQ(loadText(MoveResult::TooManyBranches), "Too many branches.");
  EXPECT_STREQ(loadText(MoveResult::SelfCapture), "Self capture is not allowed.");
  EXPECT_STREQ(loadText(MoveResult::OutOfRange), "The move is out of range.");
  EXPECT_STREQ(statusText(MoveResult::OutOfRange), "");
  EXPECT_STREQ(statusText(MoveResult::TooManyBranches), "");
}

// --- Many random edits ------------------------------------------------------------------------------

// Every count of the tree agrees with the store, which holds this game alone.
void expectCountsAgree(PlayFixture& f) {
  const GameStatistics s = computeStatistics(*f.game);
  const SubtreeCounts below = countSubtree(*f.game, f.game->firstNode);
  EXPECT_EQ(static_cast<std::size_t>(s.nodes), f.liveNodes());
  EXPECT_EQ(static_cast<std::size_t>(below.nodes) + 1, f.liveNodes());
  EXPECT_EQ(below.sideLines + 1, s.lines);
}

// Nodes from the first node down to the current node.
std::vector<GameNode*> pathToCurrent(const SGridFrame& g) {
  std::vector<GameNode*> path;
  for (GameNode* n = g.currentNode; n != nullptr; n = n->prev()) path.insert(path.begin(), n);
  return path;
}

TEST(AcceptMoveRandomPlay, ClicksPassesAndStepsBack_KeepTreeStoreAndPositionConsistent) {
  PlayFixture f(GameKind::Go, 7);
  std::mt19937 rng(7);
  for (int step = 0; step < 3000; ++step) {
    const unsigned op = rng() % 10;
    if (op < 6) {
      f.click(static_cast<int>(rng() % 7), static_cast<int>(rng() % 7));
    } else if (op < 7) {
      f.special(SpecialMoveKind::Pass);
    } else {
      const auto path = pathToCurrent(*f.game);
      f.goTo(path[rng() % path.size()]);
    }
    ASSERT_EQ(f.problems(), "") << "step " << step;
    ASSERT_EQ(toDiagram(f.game->cachedPosition), f.board()) << "step " << step;
    const int black = f.game->blackCounter;
    const int white = f.game->whiteCounter;
    recountCaptures(*f.game);
    ASSERT_EQ(f.game->blackCounter, black) << "step " << step;
    ASSERT_EQ(f.game->whiteCounter, white) << "step " << step;
  }
  EXPECT_GT(f.game->variations.size(), 10u);
  expectCountsAgree(f);

  // Cut the tree below a node of the current line, as the truncating command does.
  GameNode* cut = f.game->firstNode->next()->next();
  for (SBranchDetails* line : f.game->variations.linesBelow(cut)) deleteChain(*f.game, line->head);
  f.game->variations.removeAll(cut);
  cut->setBranching(false);
  if (GameNode* child = cut->next()) {
    cut->setNext(nullptr);
    deleteChain(*f.game, child);
  }
  f.game->endNode = cut;
  f.game->currentLine->tail = cut;
  goToNode(*f.game, cut);
  EXPECT_EQ(f.problems(), "");
  expectCountsAgree(f);
}

// What the reader does at the end of a game: the main line and its end become current again.
void endReading(SGridFrame& g) {
  g.currentLine = g.variations.linesBelow(nullptr).front();
  g.endNode = g.currentLine->tail;
  goToNode(g, g.firstNode);
}

TEST(AcceptMoveRandomPlay, RandomReadingWithReturnsToEarlierNodes_KeepsTheTreeConsistent) {
  PlayFixture f(GameKind::Go, 5);
  std::mt19937 rng(11);
  for (int step = 0; step < 4000; ++step) {
    if (rng() % 3 == 0) {
      const auto path = pathToCurrent(*f.game);
      f.goTo(path[rng() % path.size()]);  // the reader returns to the node before a variation
    }
    const GameNode* next = f.game->currentNode->next();
    if (next != nullptr && next->isPlacement() && rng() % 4 == 0) {
      // A variation the file repeats: the reader steps along the existing line.
      const Colour c = next->blackMove() ? Colour::Black : Colour::White;
      ASSERT_EQ(f.play(static_cast<int>(next->point() % 5), static_cast<int>(next->point() / 5), c, true),
                MoveResult::Accepted);
      ASSERT_EQ(f.game->currentNode, next);
      continue;
    }
    const char point[] = {static_cast<char>('a' + rng() % 5), static_cast<char>('a' + rng() % 5), 0};
    if (rng() % 20 == 0)
      f.special(SpecialMoveKind::Pass, true);
    else
      f.read(point, rng() % 2 == 0 ? Colour::Black : Colour::White);
    ASSERT_EQ(f.coll.store().validate(), "") << "step " << step;
  }
  endReading(*f.game);
  EXPECT_EQ(f.problems(), "");
  EXPECT_GT(f.game->variations.size(), 100u);
  expectCountsAgree(f);
}

TEST(AcceptMoveLoading, DuplicateVariationFollowedByMoreMoves_ExtendsThatVariation) {
  // (;B[aa](;W[bb])(;W[cc])(;W[bb];B[dd]))
  PlayFixture f(GameKind::Go, 9);
  f.read("aa", Colour::Black);
  GameNode* x = f.game->currentNode;
  f.read("bb", Colour::White);
  GameNode* bb = f.game->currentNode;
  f.goTo(x);
  f.read("cc", Colour::White);
  GameNode* cc = f.game->currentNode;
  f.goTo(x);
  ASSERT_EQ(f.read("bb", Colour::White), MoveResult::Accepted);
  ASSERT_EQ(f.game->currentNode, bb);
  ASSERT_EQ(f.read("dd", Colour::Black), MoveResult::Accepted);

  GameNode* dd = f.game->currentNode;
  EXPECT_EQ(bb->next(), dd);
  EXPECT_EQ(dd->prev(), bb);
  EXPECT_EQ(cc->next(), nullptr);
  endReading(*f.game);
  EXPECT_EQ(f.game->endNode, dd);
  EXPECT_EQ(f.problems(), "");
}

}  // namespace
}  // namespace meridax
