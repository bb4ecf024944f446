// Rebuilding positions: PositionAt on long lines, from the nearest snapshot by replay.
#include <benchmark/benchmark.h>

#include "model/collection.h"
#include "model/game_tree.h"
#include "rules/move_acceptance.h"
#include "rules/othello_rules.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

int replaysNeeded(const GameNode* n) {
  int passed = 0;
  for (; n != nullptr && !n->hasSnapshot(); n = n->prev()) ++passed;
  return passed;
}

// A Go line of 2000 placements without captures: snapshots on moves 33, 66, 99 and so on.
struct LongGoLine {
  Collection coll;
  SGridFrame& g;
  LongGoLine() : g(coll.game(coll.createGame(GameKind::Go, 19, 19, 0))) {
    BoardPosition pos = g.cachedPosition;
    for (int i = 0; i < 2000; ++i) {
      const Colour c = i % 2 == 0 ? Colour::Black : Colour::White;
      const int point = (i * 7) % g.cellCount();
      pos[point] = cellOf(c);
      g.currentNode = list_insert(g, g.currentNode, pos, c, SpecialMoveKind::Placement,
                                  static_cast<unsigned>(point), false);
    }
  }
  // The first node after move 1000 that needs exactly this many replays.
  const GameNode* nodeNeeding(int replays) const {
    const GameNode* n = g.firstNode;
    while (n->moveNumber() < 1000 || replaysNeeded(n) != replays) n = n->next();
    return n;
  }
};

// Arg: the number of placements replayed (32 is the worst case).
void BM_PositionAtReplays(benchmark::State& state) {
  LongGoLine line;
  const GameNode* node = line.nodeNeeding(static_cast<int>(state.range(0)));
  for (auto _ : state) benchmark::DoNotOptimize(PositionAt(line.g, node));
}
BENCHMARK(BM_PositionAtReplays)->Arg(0)->Arg(8)->Arg(16)->Arg(32);

// Every node of the line in turn, as the reader's repetition walk and the tree views do.
void BM_PositionAtWholeLine(benchmark::State& state) {
  LongGoLine line;
  for (auto _ : state)
    for (const GameNode* n = line.g.firstNode; n != nullptr; n = n->next())
      benchmark::DoNotOptimize(PositionAt(line.g, n));
  state.SetItemsProcessed(state.iterations() * 2001);
  state.counters["s_per_node"] = benchmark::Counter(static_cast<double>(state.iterations()) * 2001,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_PositionAtWholeLine)->Unit(benchmark::kMillisecond);

// Othello never stores a snapshot after the first node: the end of a game replays every move and its flips.
void BM_PositionAtOthelloEnd(benchmark::State& state) {
  Collection coll;
  SGridFrame& g = coll.game(coll.createGame(GameKind::Othello, 8, 8, 0));
  for (;;) {
    BoardPosition pos = PositionAt(g, g.currentNode);
    const Colour side = g.currentNode->blackNext() ? Colour::Black : Colour::White;
    MarkAvailable(pos, side);
    int cellIndex = 0;
    while (cellIndex < pos.cellCount() && pos[cellIndex] != cell::kAvailable) ++cellIndex;
    if (cellIndex == pos.cellCount()) break;
    PlayContext ctx{g, cellIndex % 8, cellIndex / 8, true, {}, nullptr};
    if (Accept_Move(ctx, side, pos) != MoveResult::Accepted) break;
  }
  const GameNode* last = g.currentNode;
  for (auto _ : state) benchmark::DoNotOptimize(PositionAt(g, last));
  state.counters["replays"] = replaysNeeded(last);
}
BENCHMARK(BM_PositionAtOthelloEnd);

}  // namespace
}  // namespace meridax
