// Growing game trees: the cost of appending a node, and what the node store reserves per node.
#include <benchmark/benchmark.h>

#include <memory>
#include <random>

#include "model/game_tree.h"
#include "model/node_store.h"

namespace meridax {
namespace {

// A line this long stays below the last move number of the 11-bit field.
constexpr int kLineLength = 2000;

benchmark::Counter perNode(double nodes) {
  return benchmark::Counter(nodes, benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}

// Appends a line of placements below the current node, as the reader does along a line of play.
void appendLine(SGridFrame& g, int length) {
  const BoardPosition pos = g.cachedPosition;
  const auto cells = static_cast<unsigned>(g.cellCount());
  for (int i = 0; i < length; ++i) {
    const Colour c = i % 2 == 0 ? Colour::Black : Colour::White;
    g.currentNode = list_insert(g, g.currentNode, pos, c, SpecialMoveKind::Placement, static_cast<unsigned>(i) % cells,
                                false);
  }
}

// Args: game kind code, board width. Time per node is "s_per_node".
void BM_AppendNodes(benchmark::State& state) {
  const auto kind = static_cast<GameKind>(state.range(0));
  const int width = static_cast<int>(state.range(1));
  NodeStore store;  // shared across games, so later games reuse freed slots as a collection does
  for (auto _ : state) {
    state.PauseTiming();
    auto game = std::make_unique<SGridFrame>(store, kind, width, width, 1);
    state.ResumeTiming();
    appendLine(*game, kLineLength);
    benchmark::DoNotOptimize(game->endNode);
    state.PauseTiming();
    game.reset();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * kLineLength);
  state.counters["s_per_node"] = perNode(static_cast<double>(state.iterations()) * kLineLength);
}
BENCHMARK(BM_AppendNodes)
    ->Args({static_cast<int>(GameKind::Go), 19})
    ->Args({static_cast<int>(GameKind::Othello), 8})
    ->Args({static_cast<int>(GameKind::Kropki), 45});

// A large branching tree: a main line, then side lines of 150 moves opened from random nodes of the
// current line in the editing form (each new line becomes the continuation, the old one a side line).
void BM_BytesPerNodeLargeTree(benchmark::State& state) {
  const int sideLines = static_cast<int>(state.range(0));
  for (auto _ : state) {
    NodeStore store;
    SGridFrame g(store, GameKind::Go, 19, 19, 1);
    std::mt19937 rng(12345);
    appendLine(g, 300);
    for (int line = 0; line < sideLines; ++line) {
      const unsigned depth = rng() % (g.endNode->moveNumber() < 1800 ? g.endNode->moveNumber() : 1800);
      GameNode* n = g.firstNode;
      while (n->moveNumber() < depth) n = n->next();
      g.currentNode = n;
      if (n->next() != nullptr) openNewLine(g, false);
      appendLine(g, 150);
    }
    state.counters["nodes"] = static_cast<double>(store.liveNodes());
    state.counters["bytes"] = static_cast<double>(store.bytesReserved());
    state.counters["bytes_per_node"] =
        static_cast<double>(store.bytesReserved()) / static_cast<double>(store.liveNodes());
    state.counters["segments"] = static_cast<double>(store.segmentCount());
  }
}
BENCHMARK(BM_BytesPerNodeLargeTree)->Arg(700)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridax
