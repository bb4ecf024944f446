// Special moves and compose nodes: addSpecialMove and addComposeNode.
#include <gtest/gtest.h>

#include <vector>

#include "play_fixture.h"

namespace meridax {
namespace {

using testing::PlayFixture;
using testing::board;

TEST(SpecialMove, PassAddedTwiceAtTheSameNode_StepsOntoTheExistingPass) {
  PlayFixture f(GameKind::Go, 9);
  f.click("cc");
  GameNode* from = f.game->currentNode;
  f.special(SpecialMoveKind::Pass);
  GameNode* pass = f.game->currentNode;
  f.goTo(from);
  f.game->flags = 0;
  f.host.forget();

  f.special(SpecialMoveKind::Pass);

  EXPECT_EQ(f.game->currentNode, pass);
  EXPECT_EQ(f.liveNodes(), 3u);
  EXPECT_EQ(f.game->variations.size(), 1u);
  EXPECT_EQ(f.game->flags, 0);
  EXPECT_EQ(f.host.fileModified, 0);
  EXPECT_EQ(f.problems(), "");
}

TEST(SpecialMove, PassAtTheEndOfTheLine_AddsAnotherPassWithItsSnapshot) {
  PlayFixture f(GameKind::Go, 9);
  f.special(SpecialMoveKind::Pass);
  f.special(SpecialMoveKind::Pass);
  const GameNode* second = f.game->currentNode;
  EXPECT_EQ(second->moveNumber(), 2u);
  EXPECT_EQ(second->kind(), SpecialMoveKind::Pass);
  EXPECT_FALSE(second->blackMove());
  EXPECT_TRUE(second->blackNext());
  EXPECT_TRUE(second->hasSnapshot());
  EXPECT_TRUE(second->prev()->hasSnapshot());
  EXPECT_EQ(f.notice(), "");
  EXPECT_EQ(f.moveNumbers(), (std::pair{2u, 2u}));
  EXPECT_EQ(f.host.fileModified, 2);
}

TEST(SpecialMove, DifferentSpecialMoveInTheMiddle_BecomesTheContinuation) {
  PlayFixture f(GameKind::Go, 9);
  for (const char* p : {"cc", "dd", "ee"}) f.click(p);
  GameNode* cc = f.game->firstNode->next();
  GameNode* dd = cc->next();
  f.goTo(cc);
  f.game->flags = 0;

  f.special(SpecialMoveKind::Resign);

  GameNode* resign = f.game->currentNode;
  EXPECT_EQ(resign->kind(), SpecialMoveKind::Resign);
  EXPECT_EQ(cc->next(), resign);
  EXPECT_EQ(f.game->endNode, resign);
  const auto lines = f.game->variations.linesBelow(cc);
  ASSERT_EQ(lines.size(), 1u);
  EXPECT_EQ(lines[0]->head, dd);
  EXPECT_EQ(lines[0]->tail, dd->next());
  EXPECT_TRUE(f.game->flags & game_flag::kTreeChanged);
  EXPECT_EQ(f.problems(), "");
}

// cc, then dd as the continuation and a resignation as a side line below cc.
class SpecialMoveBranchTest : public ::testing::Test {
 protected:
  void SetUp() override {
    f.click("cc");
    cc = f.game->currentNode;
    f.special(SpecialMoveKind::Resign);
    resign = f.game->currentNode;
    f.goTo(cc);
    f.click("dd");
    dd = f.game->currentNode;
    f.goTo(cc);
    f.game->flags = 0;
    f.host.forget();
  }
  PlayFixture f{GameKind::Go, 9};
  GameNode* cc = nullptr;
  GameNode* resign = nullptr;
  GameNode* dd = nullptr;
};

TEST_F(SpecialMoveBranchTest, UserPlayOfTheSideLinesSpecialMove_ExchangesTheLines) {
  f.special(SpecialMoveKind::Resign);
  EXPECT_EQ(f.game->currentNode, resign);
  EXPECT_EQ(cc->next(), resign);
  EXPECT_EQ(f.game->endNode, resign);
  ASSERT_EQ(f.game->variations.linesBelow(cc).size(), 1u);
  EXPECT_EQ(f.game->variations.linesBelow(cc)[0]->head, dd);
  EXPECT_TRUE(f.game->flags & game_flag::kTreeChanged);
  EXPECT_EQ(f.host.fileModified, 1);
  EXPECT_EQ(f.liveNodes(), 4u);
  EXPECT_EQ(f.problems(), "");
}

TEST_F(SpecialMoveBranchTest, QuietPlayOfTheSideLinesSpecialMove_MakesItTheCurrentLine) {
  SBranchDetails* side = f.game->variations.linesBelow(cc)[0];
  f.special(SpecialMoveKind::Resign, true);
  EXPECT_EQ(f.game->currentNode, resign);
  EXPECT_EQ(cc->next(), dd);
  EXPECT_EQ(f.game->currentLine, side);
  EXPECT_EQ(f.game->endNode, resign);
  EXPECT_EQ(f.game->flags, 0);
  EXPECT_TRUE(f.host.shown.empty());
}

TEST(SpecialMove, HexSwapPieces_ExchangesColoursAndReflectsTheBoard) {
  PlayFixture f(GameKind::Hex, 5);
  f.click(3, 1);
  ASSERT_EQ(f.board(), board(R"(. . . . .
                                . . . X .
                                . . . . .
                                . . . . .
                                . . . . .)"));
  f.special(SpecialMoveKind::SwapPieces);

  const GameNode* swap = f.game->currentNode;
  EXPECT_EQ(swap->kind(), SpecialMoveKind::SwapPieces);
  EXPECT_TRUE(swap->hasSnapshot());
  EXPECT_FALSE(swap->blackMove());
  EXPECT_EQ(f.board(), board(R"(. . . . .
                                . . . . .
                                . . . . .
                                . O . . .
                                . . . . .)"));
  EXPECT_TRUE(swap->blackNext());
  EXPECT_EQ(f.notice(), "");
  ASSERT_EQ(f.click(0, 0), MoveResult::Accepted);
  EXPECT_EQ(f.board(), board(R"(X . . . .
                                . . . . .
                                . . . . .
                                . O . . .
                                . . . . .)"));
}

TEST(SpecialMove, HavannahSwapSides_LeavesTheSameSideToMove) {
  PlayFixture f(GameKind::Havannah, 19);
  ASSERT_FALSE(f.game->currentNode->blackNext()) << "White moves first";
  f.click(9, 9);
  f.special(SpecialMoveKind::SwapSides);
  EXPECT_EQ(f.game->currentNode->kind(), SpecialMoveKind::SwapSides);
  EXPECT_TRUE(f.game->currentNode->blackMove());
  EXPECT_TRUE(f.game->currentNode->blackNext());
  EXPECT_TRUE(f.game->currentNode->hasSnapshot());
}

TEST(SpecialMove, UnlurAcceptanceOfTheBlackPieces_GivesWhiteTheMove) {
  PlayFixture f(GameKind::Unlur, 13);
  f.click(6, 6);
  ASSERT_TRUE(f.game->currentNode->blackNext());
  f.special(SpecialMoveKind::Pass);
  EXPECT_FALSE(f.game->currentNode->blackNext());
  EXPECT_EQ(f.notice(), "");
}

TEST(SpecialMove, ForfeitAfterABlackMove_GivesBlackTheMove) {
  PlayFixture f(GameKind::Go, 9);
  f.click("cc");
  f.special(SpecialMoveKind::Forfeit);
  EXPECT_EQ(f.game->currentNode->kind(), SpecialMoveKind::Forfeit);
  EXPECT_FALSE(f.game->currentNode->blackMove());
  EXPECT_TRUE(f.game->currentNode->blackNext());
  EXPECT_FALSE(f.game->currentNode->hasSnapshot()) << "forfeit follows the spacing rule";
}

TEST(SpecialMove, AtTheLastMoveNumber_AddsNothing) {
  PlayFixture f(GameKind::Go, 9);
  while (f.game->currentNode->moveNumber() < GameNode::kMaxMoveNumber) f.special(SpecialMoveKind::Pass);
  const std::size_t nodes = f.liveNodes();
  GameNode* last = f.game->currentNode;

  f.special(SpecialMoveKind::Resign);

  EXPECT_EQ(f.liveNodes(), nodes);
  EXPECT_EQ(f.game->currentNode, last);
  EXPECT_EQ(f.problems(), "");
}

TEST(ComposeNode, ComposedPosition_IsStoredWithItsSideToMove) {
  PlayFixture f(GameKind::Go, 5);
  f.click("aa");
  const char* diagram = R"(. X . . .
                           X O . . .
                           . . . . .
                           . . . O .
                           . . . . .)";
  GameNode* n = f.compose(diagram, Colour::White);

  EXPECT_EQ(f.game->currentNode, n);
  EXPECT_EQ(n->kind(), SpecialMoveKind::Compose);
  EXPECT_EQ(n->moveNumber(), 2u);
  EXPECT_TRUE(n->hasSnapshot());
  EXPECT_FALSE(n->blackNext());
  EXPECT_EQ(f.board(), board(diagram));
  EXPECT_EQ(f.game->cachedPositionNode, n);
  EXPECT_EQ(toDiagram(f.game->cachedPosition), board(diagram));
  EXPECT_EQ(f.problems(), "");
}

TEST(ComposeNode, KropkiComposedPosition_IsKeptInTheSnapshotIndex) {
  PlayFixture f(GameKind::Kropki, 9, 6);
  BoardPosition pos = startingPosition(GameKind::Kropki, 9, 6);
  pos.set(4, 2, cell::kBlack);
  GameNode* n = f.compose(toDiagram(pos), Colour::White);
  EXPECT_TRUE(n->hasSnapshot());
  EXPECT_EQ(f.game->kropkiSnapshots.count(n), 1u);
  EXPECT_EQ(f.board(), toDiagram(pos));
}

}  // namespace
}  // namespace meridax
