// Planning a stone correction: which move the walk up the tree finds, where it gives up, and the texts
// the user is shown.

#include "edit/stone_correction.h"

#include <gtest/gtest.h>

#include "model/game_tree.h"
#include "rules/handicap.h"
#include "rules/play_fixture.h"
#include "rules/position_at.h"
#include "sgf/sgf_test_support.h"

namespace meridax {
namespace {

using testing_support::LoadedText;

constexpr char kGoNote[] =
    "Meridax will attempt to reposition move 'A9' to 'E5'.\r\n\r\nIt will create a temporary SGF file for this "
    "game with the corrected move and then load this file into the collection.  Lines of play will be "
    "truncated if the move change leads to conflicts further down the game tree.  Go self captures or invalid "
    "ko recaptures will not be raised as conflicts.\r\n\r\nThe existing game will be left unchanged in the "
    "collection.  It will be up to you to keep or delete.";

CorrectionPlan plan(SGridFrame& game, BoardPoint source, BoardPoint target) {
  return planStoneCorrection(game, currentPosition(game), source, target);
}

// ---- The move found ----

TEST(StoneCorrection, StoneOfAnEarlierMove_ConfirmsWithTheGoText) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb];B[cc])");
  SGridFrame& g = t.game();

  const CorrectionPlan p = plan(g, {0, 0}, {4, 4});

  ASSERT_EQ(p.step, CorrectionStep::Confirm);
  EXPECT_EQ(p.move, g.firstNode->next());
  EXPECT_EQ(p.target, (BoardPoint{4, 4}));
  EXPECT_EQ(p.sourceName, "A9");
  EXPECT_EQ(p.targetName, "E5");
  EXPECT_EQ(p.text, kGoNote);
}

TEST(StoneCorrection, StoneOfTheCurrentMove_IsFoundAtTheCurrentNode) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb];B[cc])");
  SGridFrame& g = t.game();

  const CorrectionPlan p = plan(g, {2, 2}, {4, 4});

  ASSERT_EQ(p.step, CorrectionStep::Confirm);
  EXPECT_EQ(p.move, g.currentNode);
}

TEST(StoneCorrection, PointPlayedTwice_FindsTheLaterMoveWhoseStoneStands) {
  // White's stone on a1 is captured by b1 and a2; Black then plays a1 itself.
  LoadedText t("(;GM[1]SZ[9];W[ai];B[bi];W[ee];B[ah];W[ff];B[ai];W[gg])");
  SGridFrame& g = t.game();
  ASSERT_EQ(currentPosition(g).at(0, 8), cell::kBlack) << toDiagram(currentPosition(g));

  const CorrectionPlan p = plan(g, {0, 8}, {4, 0});

  ASSERT_EQ(p.step, CorrectionStep::Confirm);
  EXPECT_EQ(p.move, g.currentNode->prev()) << "Black's a1, not White's captured stone";
}

TEST(StoneCorrection, SpecialMoveHoldingTheSourcePoint_IsPassedOver) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb])");
  SGridFrame& g = t.game();
  const BoardPosition pos = currentPosition(g);
  g.currentNode = list_insert(g, g.currentNode, pos, Colour::Black, SpecialMoveKind::Pass, 0, true);

  const CorrectionPlan p = plan(g, {0, 0}, {4, 4});

  ASSERT_EQ(p.step, CorrectionStep::Confirm);
  EXPECT_EQ(p.move, g.firstNode->next());
}

// ---- Nothing happens ----

struct NothingCase {
  const char* name;
  const char* sgf;
  BoardPoint source;
  BoardPoint target;
};

class StoneCorrectionNothing : public ::testing::TestWithParam<NothingCase> {};

TEST_P(StoneCorrectionNothing, PlanIsNothing) {
  const NothingCase& c = GetParam();
  LoadedText t(c.sgf);

  const CorrectionPlan p = plan(t.game(), c.source, c.target);

  EXPECT_EQ(p.step, CorrectionStep::Nothing);
  EXPECT_TRUE(p.text.empty());
  EXPECT_EQ(p.move, nullptr);
}

INSTANTIATE_TEST_SUITE_P(
    Refusals, StoneCorrectionNothing,
    ::testing::Values(
        NothingCase{"EmptySource", "(;GM[1]SZ[9];B[aa];W[bb])", {3, 3}, {4, 4}},
        NothingCase{"OccupiedTarget", "(;GM[1]SZ[9];B[aa];W[bb])", {0, 0}, {1, 1}},
        NothingCase{"SamePoint", "(;GM[1]SZ[9];B[aa];W[bb])", {0, 0}, {0, 0}},
        NothingCase{"SourceLeftOfTheBoard", "(;GM[1]SZ[9];B[aa];W[bb])", {-1, 0}, {4, 4}},
        NothingCase{"TargetBelowTheBoard", "(;GM[1]SZ[9];B[aa];W[bb])", {0, 0}, {4, 9}},
        NothingCase{"TargetFarOutside", "(;GM[1]SZ[9];B[aa];W[bb])", {0, 0}, {100000, -100000}},
        NothingCase{"Othello", "(;GM[2]SZ[8];B[fe];W[de])", {5, 4}, {0, 0}},
        // Unlur's corners lie off the board: an off-board target is not empty.
        NothingCase{"OffBoardTarget", "(;GM[4000]SZ[7];W[dd])", {3, 3}, {6, 0}}),
    [](const auto& info) { return std::string(info.param.name); });

// ---- The walk gives up ----

TEST(StoneCorrection, MoveAboveAComposeNode_SearchEndsThere) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb];AB[cc]C[set up];W[dd])");
  SGridFrame& g = t.game();
  ASSERT_EQ(g.currentNode->prev()->kind(), SpecialMoveKind::Compose);

  const CorrectionPlan p = plan(g, {0, 0}, {4, 4});

  EXPECT_EQ(p.step, CorrectionStep::NotFound);
  EXPECT_EQ(p.text, "Unable to locate move 'A9'\r\n\r\nSearchback terminated at a 'compose' move.");
  EXPECT_EQ(p.move, nullptr);
}

TEST(StoneCorrection, SetUpStone_SearchEndsAtItsComposeNode) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb];AB[cc]C[set up];W[dd])");

  const CorrectionPlan p = plan(t.game(), {2, 2}, {4, 4});

  EXPECT_EQ(p.text, "Unable to locate move 'C7'\r\n\r\nSearchback terminated at a 'compose' move.");
}

TEST(StoneCorrection, MoveBelowAComposeNode_IsFound) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb];AB[cc]C[set up];W[dd])");

  EXPECT_EQ(plan(t.game(), {3, 3}, {4, 4}).step, CorrectionStep::Confirm);
}

TEST(StoneCorrection, StoneOfTheRootSetUp_SearchEndsAtTheComposedFirstNode) {
  LoadedText t("(;GM[1]SZ[9]AB[ee];W[aa])");

  const CorrectionPlan p = plan(t.game(), {4, 4}, {0, 8});

  EXPECT_EQ(p.text, "Unable to locate move 'E5'\r\n\r\nSearchback terminated at a 'compose' move.");
}

TEST(StoneCorrection, HexStoneMovedBySwapPieces_SearchEndsAtTheSwap) {
  LoadedText t("(;GM[11]SZ[11];B[cb];W[swap-pieces];B[ee])");
  SGridFrame& g = t.game();
  ASSERT_EQ(g.currentNode->prev()->kind(), SpecialMoveKind::SwapPieces);
  ASSERT_TRUE(isPiece(currentPosition(g).at(1, 2))) << toDiagram(currentPosition(g));

  const CorrectionPlan p = plan(g, {1, 2}, {0, 0});

  EXPECT_EQ(p.step, CorrectionStep::NotFound);
  EXPECT_EQ(p.text, "Unable to locate move 'B3'\r\n\r\nSearchback terminated at a 'swap pieces' move.");
}

TEST(StoneCorrection, HandicapStone_SearchReachesTheFirstNodeWithoutAnEndingSentence) {
  testing::PlayFixture f(GameKind::Go, 19);
  placeHandicapStones(*f.game, 2);
  const BoardPosition start = currentPosition(*f.game);
  ASSERT_EQ(f.click("aa"), MoveResult::Accepted);
  BoardPoint stone{-1, -1};
  for (int y = 0; y < 19 && stone.x < 0; ++y)
    for (int x = 0; x < 19; ++x)
      if (isPiece(start.at(x, y))) {
        stone = {x, y};
        break;
      }
  ASSERT_GE(stone.x, 0);

  const CorrectionPlan p = plan(*f.game, stone, {9, 9});

  EXPECT_EQ(p.step, CorrectionStep::NotFound);
  EXPECT_EQ(p.text, "Unable to locate move '" + p.sourceName + "'");
}

TEST(StoneCorrection, ParentLinkLoopingBack_EndsTheWalk) {
  LoadedText t("(;GM[1]SZ[9];B[aa];W[bb];B[cc])");
  SGridFrame& g = t.game();
  GameNode* middle = g.firstNode->next()->next();
  GameNode* const parent = middle->prev();
  middle->setPrev(middle);

  const MoveSearch search = findMoveAt(g, g.currentNode, 0);

  middle->setPrev(parent);  // the game frees its nodes along sound links
  EXPECT_EQ(search.move, nullptr);
}

// ---- The confirmation text by kind ----

struct TextCase {
  const char* name;
  const char* sgf;
  BoardPoint source;
  BoardPoint target;
  const char* from;
  const char* to;
  const char* note;
};

class StoneCorrectionText : public ::testing::TestWithParam<TextCase> {};

TEST_P(StoneCorrectionText, NamesThePointsAndTheKindsNote) {
  const TextCase& c = GetParam();
  LoadedText t(c.sgf);

  const CorrectionPlan p = plan(t.game(), c.source, c.target);

  ASSERT_EQ(p.step, CorrectionStep::Confirm);
  EXPECT_EQ(p.sourceName, c.from);
  EXPECT_EQ(p.targetName, c.to);
  EXPECT_EQ(p.text, std::string("Meridax will attempt to reposition move '") + c.from + "' to '" + c.to +
                        "'.\r\n\r\nIt will create a temporary SGF file for this game with the corrected move and "
                        "then load this file into the collection.  Lines of play will be truncated if the move "
                        "change leads to conflicts further down the game tree.  " +
                        c.note +
                        "\r\n\r\nThe existing game will be left unchanged in the collection.  It will be up to "
                        "you to keep or delete.");
}

constexpr char kGoKinds[] = "Go self captures or invalid ko recaptures will not be raised as conflicts.";
constexpr char kKropki[] =
    "Also, Meridax will not alter any regions of territory.  It will be up to you to resolve any conflicts.";
constexpr char kOthers[] = "It will be up to you to resolve any conflicts.";

INSTANTIATE_TEST_SUITE_P(
    Kinds, StoneCorrectionText,
    ::testing::Values(
        // Go letters skip "i": column 8 is "J".
        TextCase{"Go", "(;GM[1]SZ[19];B[jj];W[dd])", {9, 9}, {8, 0}, "K10", "J19", kGoKinds},
        TextCase{"Pente", "(;GM[1]SZ[19]RU[Pente];B[jj];W[dd])", {9, 9}, {0, 18}, "K10", "A1", kGoKinds},
        // Kropki letters keep their case.
        TextCase{"Kropki", "(;GM[40]SZ[10];B[aa];W[bb])", {0, 0}, {2, 2}, "a10", "c8", kKropki},
        TextCase{"Hex", "(;GM[11]SZ[11];B[cb];W[ee])", {2, 1}, {0, 0}, "C2", "A1", kOthers},
        // Hexagon boards: the letter counts rows, the number columns.
        TextCase{"Unlur", "(;GM[4000]SZ[7];W[dd])", {3, 3}, {3, 4}, "D4", "E4", kOthers}),
    [](const auto& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax
