#include "model/game_tree.h"

#include <gtest/gtest.h>

#include <vector>

#include "model/app_error.h"
#include "model/node_texts.h"
#include "model/packed_position.h"
#include "tree_building.h"

namespace meridax {
namespace {

using testing::TestGame;
using testing::endLoading;
using testing::headsBelow;
using testing::playEditing;
using testing::playLine;
using testing::readLoading;

std::vector<unsigned> snapshotMoves(const SGridFrame& g) {
  std::vector<unsigned> moves;
  for (const GameNode* n = g.firstNode; n != nullptr; n = n->next())
    if (n->hasSnapshot()) moves.push_back(n->moveNumber());
  return moves;
}

void expectClean(SGridFrame& g) {
  EXPECT_EQ(validateTree(g), "");
  EXPECT_EQ(g.store().validate(), "");
}

// --- Appending nodes ---------------------------------------------------------------------------

TEST(ListInsert, GoLineWithoutCaptures_SnapshotsOnMoves33And66And99) {
  TestGame g;
  playLine(*g, 120);
  EXPECT_EQ(snapshotMoves(*g), (std::vector<unsigned>{0, 33, 66, 99}));
  expectClean(*g);
}

// The spacing counts from the nearest snapshot above the branch, whatever was inserted meanwhile.
TEST(ListInsert, BranchAfterAnotherGamesMoves_CountsFromTheSnapshotAboveIt) {
  TestGame a;
  const auto line = playLine(*a, 40);
  TestGame b;
  playLine(*b, 10);
  a->currentNode = line[19];  // move 20, 20 steps below the first node
  playLine(*a, 60, 100);      // moves 21 to 80, the new continuation
  EXPECT_EQ(snapshotMoves(*a), (std::vector<unsigned>{0, 33, 66}));
  EXPECT_EQ(snapshotMoves(*b), (std::vector<unsigned>{0}));
  expectClean(*a);
}

TEST(ListInsert, PassAndForcedSnapshots_RestartTheSpacing) {
  TestGame g;
  playLine(*g, 9);
  playEditing(*g, 0, Colour::White, SpecialMoveKind::Pass);  // move 10
  playLine(*g, 39);                                          // moves 11 to 49
  list_insert(*g, g->currentNode, g->cachedPosition, Colour::Black, SpecialMoveKind::Placement, 7, true);  // 50
  g->currentNode = g->endNode;
  playLine(*g, 40);  // moves 51 to 90
  EXPECT_EQ(snapshotMoves(*g), (std::vector<unsigned>{0, 10, 43, 50, 83}));
}

TEST(ListInsert, ResignAndForfeit_FollowTheSpacingRule) {
  TestGame g;
  playEditing(*g, 0, Colour::Black, SpecialMoveKind::Resign);
  playEditing(*g, 0, Colour::White, SpecialMoveKind::Forfeit);
  playEditing(*g, 0, Colour::Black, SpecialMoveKind::SwapSides);
  playEditing(*g, 0, Colour::White, SpecialMoveKind::SwapPieces);
  EXPECT_EQ(snapshotMoves(*g), (std::vector<unsigned>{0, 3, 4}));
}

TEST(ListInsert, OthelloLine_NoSnapshotAfterTheFirstNode) {
  TestGame g(GameKind::Othello, 8, 8);
  playLine(*g, 60);
  EXPECT_EQ(snapshotMoves(*g), (std::vector<unsigned>{0}));
  EXPECT_EQ(g->store().segmentCount(), 2u);  // the first node's snapshot class and the bare class
}

TEST(ListInsert, KropkiSnapshots_AreKeptOutsideTheNode) {
  TestGame g(GameKind::Kropki, 30, 20);
  playLine(*g, 40);
  EXPECT_EQ(snapshotMoves(*g), (std::vector<unsigned>{0}));
  ASSERT_EQ(g->kropkiSnapshots.size(), 1u);
  EXPECT_EQ(g->kropkiSnapshots.begin()->first, g->firstNode);
  EXPECT_EQ(g->kropkiSnapshots.begin()->second.size(), snapshotSize(30 * 30));
  EXPECT_EQ(g->store().segmentCount(), 1u) << "Kropki nodes all live in the bare class";

  BoardPosition first;
  ASSERT_TRUE(readSnapshot(*g, g->firstNode, first));
  EXPECT_EQ(first, startingPosition(GameKind::Kropki, 30, 20));
}

TEST(ListInsert, Go19NodeWithSnapshot_Occupies108Bytes) {
  TestGame g;
  const auto nodes = playLine(*g, 33);
  ASSERT_TRUE(nodes[32]->hasSnapshot());
  const auto gap = reinterpret_cast<const std::uint8_t*>(nodes[32]) - reinterpret_cast<const std::uint8_t*>(g->firstNode);
  EXPECT_EQ(gap, 108);  // the first two snapshot nodes sit in neighbouring slots
  EXPECT_EQ(reinterpret_cast<const std::uint8_t*>(nodes[1]) - reinterpret_cast<const std::uint8_t*>(nodes[0]), 17);
}

TEST(ListInsert, NewNode_LinksAndFieldsAsPlayed) {
  TestGame g;
  GameNode* n = playEditing(*g, 42, Colour::White);
  EXPECT_EQ(n->prev(), g->firstNode);
  EXPECT_EQ(g->firstNode->next(), n);
  EXPECT_EQ(n->next(), nullptr);
  EXPECT_EQ(n->moveNumber(), 1u);
  EXPECT_EQ(n->point(), 42u);
  EXPECT_FALSE(n->blackMove());
  EXPECT_TRUE(n->inUse());
  EXPECT_FALSE(n->blackNext());
  EXPECT_EQ(g->endNode, n);
  EXPECT_EQ(g->currentLine->tail, n);
}

TEST(ListInsert, NoSlotToBeHad_ThrowsAndAddsNothing) {
  TestGame g;
  g->store().failAllocationsForTest(true);
  try {
    playEditing(*g, 5);
    FAIL() << "expected an AppError";
  } catch (const AppError& e) {
    EXPECT_EQ(e.caption(), "list_insert()");
    EXPECT_EQ(e.text(), "Unable to find a free segment");
  }
  EXPECT_EQ(g->endNode, g->firstNode);
  EXPECT_EQ(g->firstNode->next(), nullptr);
  expectClean(*g);
}

// --- Lines: loading and editing forms ---------------------------------------------------------

TEST(GameTreeLoading, ChildrenReadABC_LeaveAOnTheLineAndBCAsSideLinesInOrder) {
  TestGame g;
  GameNode* p = playEditing(*g, 1);
  GameNode* a = readLoading(*g, 10);
  GameNode* a2 = readLoading(*g, 11);
  g->currentNode = p;
  GameNode* b = readLoading(*g, 20);
  GameNode* b2 = readLoading(*g, 21);
  g->currentNode = p;
  GameNode* c = readLoading(*g, 30);
  endLoading(*g);

  EXPECT_EQ(p->next(), a);
  EXPECT_EQ(a->next(), a2);
  EXPECT_EQ(headsBelow(*g, p), (std::vector<GameNode*>{b, c}));
  const auto lines = g->variations.linesBelow(p);
  EXPECT_EQ(lines[0]->tail, b2);
  EXPECT_EQ(lines[1]->tail, c);
  for (GameNode* child : {a, b, c}) {
    EXPECT_EQ(child->prev(), p);
    EXPECT_EQ(child->moveNumber(), 2u);
  }
  EXPECT_EQ(b2->moveNumber(), 3u);
  EXPECT_TRUE(p->branching());
  EXPECT_EQ(g->endNode, a2);
  expectClean(*g);
}

TEST(GameTreeEditing, NewMoveInTheMiddle_BecomesTheContinuationAndTheOldOneASideLine) {
  TestGame g;
  const auto line = playLine(*g, 5);
  g->currentNode = line[1];

  GameNode* n = playEditing(*g, 99, Colour::Black);

  EXPECT_EQ(line[1]->next(), n);
  EXPECT_EQ(n->moveNumber(), 3u);
  EXPECT_EQ(g->endNode, n);
  EXPECT_EQ(g->currentLine->tail, n);
  ASSERT_EQ(headsBelow(*g, line[1]), (std::vector<GameNode*>{line[2]}));
  EXPECT_EQ(g->variations.linesBelow(line[1])[0]->tail, line[4]);
  EXPECT_EQ(line[2]->prev(), line[1]);
  expectClean(*g);

  g->currentNode = line[1];
  GameNode* m = playEditing(*g, 98, Colour::Black);
  EXPECT_EQ(line[1]->next(), m);
  EXPECT_EQ(headsBelow(*g, line[1]), (std::vector<GameNode*>{line[2], n}));
  expectClean(*g);
}

TEST(GameTreeEditing, ExchangeWithContinuation_SwapsTheLineAndItsRecord) {
  TestGame g;
  const auto line = playLine(*g, 5);
  g->currentNode = line[1];
  GameNode* n = playEditing(*g, 99);
  playEditing(*g, 98);
  SBranchDetails* side = g->variations.linesBelow(line[1])[0];
  g->currentNode = line[1];

  exchangeWithContinuation(*g, *side);

  EXPECT_EQ(line[1]->next(), line[2]);
  EXPECT_EQ(side->head, n);
  EXPECT_EQ(side->tail, n->next());
  EXPECT_EQ(g->endNode, line[4]);
  EXPECT_EQ(g->currentLine->tail, line[4]);
  expectClean(*g);
}

// --- Deleting chains ---------------------------------------------------------------------------

// Cuts the current line below `node` and frees what hung there, as the truncating commands do.
void truncateBelow(SGridFrame& g, GameNode* node) {
  GameNode* child = node->next();
  node->setNext(nullptr);
  g.endNode = node;
  g.currentLine->tail = node;
  g.currentNode = node;
  for (SBranchDetails* line : g.variations.linesBelow(node)) deleteChain(g, line->head);
  g.variations.removeAll(node);
  node->setBranching(false);
  if (child != nullptr) deleteChain(g, child);
}

TEST(DeleteChain, ChainHoldingThePrimaryNode_LeavesNoPrimaryNode) {
  TestGame g;
  const auto line = playLine(*g, 6);
  g->primaryNode = line[3];
  truncateBelow(*g, line[1]);
  EXPECT_EQ(g->primaryNode, nullptr);
  EXPECT_EQ(g->store().liveNodes(), 3u);
  expectClean(*g);
}

TEST(DeleteChain, FreedNodes_LeaveEveryIndexAndMark) {
  TestGame g;
  const auto line = playLine(*g, 6);
  setComment(*g, line[0], "kept");
  setComment(*g, line[4], "gone");
  setName(*g, line[3], "gone");
  setScore(*g, line[5], 12);
  addMarkup(*g, line[2], "TR[!!]");
  g->captureCounts[line[2]] = 0x0102;
  line[2]->setCaptureRecord(true);
  g->bookmarks.push_back({1, "kept", line[0]});
  g->bookmarks.push_back({2, "gone", line[4]});
  g->bookmarks.push_back({3, "gone too", line[4]});
  g->quickSlots[3] = line[5];
  line[5]->setInQuickSlot(true);
  g->quickSlots[4] = line[0];
  line[0]->setInQuickSlot(true);
  g->flags = game_flag::kUnchanged;

  truncateBelow(*g, line[1]);

  EXPECT_EQ(g->comments.size(), 1u);
  EXPECT_TRUE(g->names.empty());
  EXPECT_TRUE(g->scores.empty());
  EXPECT_TRUE(g->markup.empty());
  EXPECT_TRUE(g->captureCounts.empty());
  ASSERT_EQ(g->bookmarks.size(), 1u);
  EXPECT_EQ(g->bookmarks[0].node, line[0]);
  EXPECT_EQ(g->quickSlots[3], nullptr);
  EXPECT_EQ(g->quickSlots[4], line[0]);
  EXPECT_TRUE(g->flags & game_flag::kTreeChanged);
  expectClean(*g);
}

TEST(DeleteChain, SideLinesBelowTheChain_AreFreedWithTheirRecords) {
  TestGame g;
  const auto line = playLine(*g, 6);
  g->currentNode = line[2];
  playLine(*g, 3, 100);  // line[3..5] become a side line of line[2]
  ASSERT_EQ(g->variations.size(), 2u);
  ASSERT_EQ(g->store().liveNodes(), 10u);

  truncateBelow(*g, line[0]);

  EXPECT_EQ(g->variations.size(), 1u);
  EXPECT_EQ(g->store().liveNodes(), 2u);
  expectClean(*g);
}

// A staircase of side lines: every line's head branches into the next line, `depth` lines deep.
std::vector<GameNode*> readStaircase(SGridFrame& g, int depth) {
  std::vector<GameNode*> heads;
  GameNode* head = readLoading(g, 1);
  for (int k = 0; k < depth; ++k) {
    heads.push_back(head);
    readLoading(g, 2);
    g.currentNode = head;
    head = readLoading(g, 3);
  }
  return heads;
}

TEST(DeleteChain, ThousandsOfNestedSideLines_AreFreedWithoutRecursion) {
  TestGame g;
  const auto heads = readStaircase(*g, 2000);
  endLoading(*g);
  ASSERT_EQ(g->variations.size(), 2001u);
  ASSERT_EQ(g->store().liveNodes(), 1u + 2u * 2000 + 1);
  expectClean(*g);

  truncateBelow(*g, g->firstNode);

  EXPECT_EQ(g->store().liveNodes(), 1u);
  EXPECT_EQ(g->variations.size(), 1u);
  expectClean(*g);
}

TEST(DeleteChain, CurrentLineRecordFreedWithTheChain_IsNotLeftDangling) {
  TestGame g;
  readStaircase(*g, 3);  // still in the loading form: the deepest record is the current line
  ASSERT_NE(g->currentLine, g->variations.linesBelow(nullptr).front());
  GameNode* child = g->firstNode->next();
  g->firstNode->setNext(nullptr);
  deleteChain(*g, child);
  EXPECT_EQ(g->currentLine, nullptr);
  EXPECT_EQ(g->store().liveNodes(), 1u);
}

TEST(DeleteChain, DestroyedGame_ReturnsEverySlot) {
  NodeStore store;
  {
    SGridFrame game(store, GameKind::Go, 19, 19, 1);
    playLine(game, 500);
    EXPECT_EQ(store.liveNodes(), 501u);
  }
  EXPECT_EQ(store.liveNodes(), 0u);
  EXPECT_EQ(store.validate(), "");
}

// --- The tree check ----------------------------------------------------------------------------

TEST(ValidateTree, BrokenLinksAndRecords_AreReported) {
  TestGame g;
  const auto line = playLine(*g, 4);
  ASSERT_EQ(validateTree(*g), "");

  line[2]->setMoveNumber(7);
  EXPECT_NE(validateTree(*g), "");
  line[2]->setMoveNumber(3);

  line[1]->setBranching(true);
  EXPECT_EQ(validateTree(*g), "a branching node has no side line");
  line[1]->setBranching(false);

  g->endNode = line[2];
  EXPECT_EQ(validateTree(*g), "the end node is not the tail of the current line");
  g->endNode = line[3];

  g->comments[line[1]] = "no flag";
  EXPECT_EQ(validateTree(*g), "a comment without its flag");
  g->comments.clear();
  EXPECT_EQ(validateTree(*g), "");
}

}  // namespace
}  // namespace meridax
