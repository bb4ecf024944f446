#include "rules/position_at.h"

#include <gtest/gtest.h>

#include <random>
#include <vector>

#include "play_fixture.h"
#include "rules/othello_rules.h"

namespace meridax {
namespace {

using testing::PlayFixture;
using testing::board;

// Availability marks are not part of a position kept in the tree.
BoardPosition withoutMarks(BoardPosition pos) {
  for (auto& v : pos.cells())
    if (v == cell::kAvailable) v = cell::kEmpty;
  return pos;
}

int replaysNeeded(const GameNode* n) {
  int passed = 0;
  for (; n != nullptr && !n->hasSnapshot(); n = n->prev()) ++passed;
  return passed;
}

TEST(PositionAt, LongGoLine_EveryNodeRebuildsThePositionPlayedThere) {
  PlayFixture f(GameKind::Go, 19);
  std::vector<std::pair<GameNode*, BoardPosition>> played;
  for (int i = 0; i < 180; ++i) {
    ASSERT_EQ(f.click(i % 19, (i / 19) * 2), MoveResult::Accepted);
    played.emplace_back(f.game->currentNode, f.game->cachedPosition);
  }
  for (const auto& [node, pos] : played) {
    ASSERT_EQ(toDiagram(PositionAt(*f.game, node)), toDiagram(pos)) << "move " << node->moveNumber();
    ASSERT_LE(replaysNeeded(node), 32) << "move " << node->moveNumber();
  }
}

TEST(PositionAt, SideLineNode_ReplaysItsOwnParents) {
  PlayFixture f(GameKind::Go, 9);
  for (const char* p : {"aa", "bb", "cc", "dd"}) f.click(p);
  GameNode* bb = f.game->firstNode->next()->next();
  f.goTo(bb);
  f.click("gg");
  f.click("hh");
  EXPECT_EQ(f.board(), board(R"(X . . . . . . . .
                                . O . . . . . . .
                                . . . . . . . . .
                                . . . . . . . . .
                                . . . . . . . . .
                                . . . . . . . . .
                                . . . . . . X . .
                                . . . . . . . O .
                                . . . . . . . . .)"));
  const GameNode* dd = f.game->variations.linesBelow(bb)[0]->tail;
  EXPECT_EQ(toDiagram(PositionAt(*f.game, dd)), board(R"(X . . . . . . . .
                                                         . O . . . . . . .
                                                         . . X . . . . . .
                                                         . . . O . . . . .
                                                         . . . . . . . . .
                                                         . . . . . . . . .
                                                         . . . . . . . . .
                                                         . . . . . . . . .
                                                         . . . . . . . . .)"));
}

TEST(PositionAt, CaptureNode_KeepsTheBoardAfterTheCapture) {
  PlayFixture f(GameKind::Go, 5);
  for (const char* p : {"aa", "ab", "ee", "ba"}) f.click(p);
  for (const char* p : {"dd", "cc", "de"}) f.click(p);
  EXPECT_EQ(f.board(), board(R"(. O . . .
                                O . . . .
                                . . O . .
                                . . . X .
                                . . . X X)"));
}

TEST(PositionAt, OthelloLine_ReplaysTheFlipsOfEveryMove) {
  PlayFixture f(GameKind::Othello, 8);
  std::vector<std::pair<GameNode*, BoardPosition>> played;
  for (int move = 0; move < 24; ++move) {
    BoardPosition marked = PositionAt(*f.game, f.game->currentNode);
    MarkAvailable(marked, testing::sideToMove(f.game->currentNode));
    int cellIndex = 0;
    while (cellIndex < marked.cellCount() && marked[cellIndex] != cell::kAvailable) ++cellIndex;
    ASSERT_LT(cellIndex, marked.cellCount()) << "no cell at move " << move + 1;
    ASSERT_EQ(f.click(cellIndex % 8, cellIndex / 8), MoveResult::Accepted);
    played.emplace_back(f.game->currentNode, withoutMarks(f.game->cachedPosition));
  }
  for (const auto& [node, pos] : played)
    ASSERT_EQ(toDiagram(PositionAt(*f.game, node)), toDiagram(pos)) << "move " << node->moveNumber();
  EXPECT_EQ(replaysNeeded(played.back().first), 24) << "Othello moves never store a snapshot";
}

TEST(PositionAt, KropkiMoves_ReplayFromTheSnapshotIndex) {
  PlayFixture f(GameKind::Kropki, 7, 4);
  for (int i = 0; i < 28; ++i) f.click(i % 7, i / 7);
  EXPECT_EQ(f.board(), board(R"(X O X O X O X
                                O X O X O X O
                                X O X O X O X
                                O X O X O X O
                                # # # # # # #
                                # # # # # # #
                                # # # # # # #)"));
}

TEST(PositionAt, HavannahBoard_KeepsItsShapeThroughReplays) {
  PlayFixture f(GameKind::Havannah, 5);
  f.click(0, 0);
  f.click(4, 4);
  EXPECT_EQ(f.board(), board(R"(O . . # #
                                . . . . #
                                . . . . .
                                # . . . .
                                # # . . X)"));
}

TEST(CurrentPosition, CachedPosition_IsRefreshedWhenTheCurrentNodeChanges) {
  PlayFixture f(GameKind::Go, 9);
  f.click("aa");
  f.click("bb");
  SGridFrame& g = *f.game;
  EXPECT_EQ(&currentPosition(g), &g.cachedPosition);
  g.currentNode = g.firstNode->next();  // moved without the navigation step
  EXPECT_EQ(toDiagram(currentPosition(g)), toDiagram(PositionAt(g, g.firstNode->next())));
  EXPECT_EQ(g.cachedPositionNode, g.firstNode->next());
}

TEST(PositionAt, OthelloBranchesPlayedAtRandom_EveryNodeRebuildsThePositionPlayedThere) {
  PlayFixture f(GameKind::Othello, 8);
  std::mt19937 rng(3);
  std::vector<std::pair<GameNode*, BoardPosition>> played;
  for (int step = 0; step < 400; ++step) {
    if (rng() % 6 == 0) {
      std::vector<GameNode*> path;
      for (GameNode* n = f.game->currentNode; n != nullptr; n = n->prev()) path.push_back(n);
      f.goTo(path[rng() % path.size()]);
    }
    BoardPosition marked = PositionAt(*f.game, f.game->currentNode);
    const Availability a = MarkAvailable(marked, testing::sideToMove(f.game->currentNode));
    if (a.available == 0) {
      f.goTo(f.game->firstNode);
      continue;
    }
    int pick = static_cast<int>(rng() % static_cast<unsigned>(a.available));
    int cellIndex = 0;
    for (;; ++cellIndex)
      if (marked[cellIndex] == cell::kAvailable && pick-- == 0) break;
    ASSERT_EQ(f.click(cellIndex % 8, cellIndex / 8), MoveResult::Accepted);
    played.emplace_back(f.game->currentNode, withoutMarks(f.game->cachedPosition));
    ASSERT_EQ(f.problems(), "");
  }
  for (const auto& [node, pos] : played)
    ASSERT_EQ(toDiagram(PositionAt(*f.game, node)), toDiagram(pos)) << "move " << node->moveNumber();
}

}  // namespace
}  // namespace meridax
