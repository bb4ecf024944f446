// What the corpus collection costs in memory once read: the node store's segments per live node, and
// everything else the games hold (game records, line records, the per-node indexes and their texts),
// measured as the growth of the heap over the load. Arg 0: only roots read (the reload path); arg 1:
// every tree built.
#include <benchmark/benchmark.h>

#include <memory>

#include "corpus_collection.h"
#include "model/node_store.h"

namespace meridax::bench {
namespace {

struct IndexSizes {
  double entries = 0;   // entries of the per-node maps
  double textBytes = 0; // characters of the comments, names and markup they hold
};

IndexSizes indexSizes(Collection& games) {
  IndexSizes s;
  for (std::size_t i = 0; i < games.size(); ++i) {
    const SGridFrame& g = games.game(i);
    s.entries += static_cast<double>(g.comments.size() + g.names.size() + g.markup.size() + g.scores.size() +
                                     g.captureCounts.size() + g.kropkiFields.size() + g.kropkiSnapshots.size());
    for (const auto* texts : {&g.comments, &g.names, &g.markup})
      for (const auto& [node, text] : *texts) s.textBytes += static_cast<double>(text.size());
  }
  return s;
}

void BM_MemoryPerNode(benchmark::State& state) {
  const GameTrees trees = state.range(0) == 0 ? GameTrees::FirstOnly : GameTrees::All;
  const std::string text = CorpusFile::get().text();
  CollectionReadRequest request;
  request.trees = trees;
  {
    // A first load, so that buffers the reader keeps for the life of the program are not counted.
    Collection warm;
    SErrorList errors;
    readCollectionText(warm, text, request, errors);
  }
  for (auto _ : state) {
    const std::size_t before = heapInUse();
    auto games = std::make_unique<Collection>();
    {
      SErrorList errors;  // the error texts go with the load, not with the collection
      readCollectionText(*games, text, request, errors);
    }
    const double grown = static_cast<double>(heapInUse()) - static_cast<double>(before);
    const NodeStore& store = games->store();
    const double nodes = static_cast<double>(store.liveNodes());
    const double storeBytes = static_cast<double>(store.bytesReserved());
    const double count = static_cast<double>(games->size());
    const IndexSizes index = indexSizes(*games);
    state.counters["games"] = count;
    state.counters["nodes"] = nodes;
    state.counters["store_B/node"] = storeBytes / nodes;
    state.counters["heap_B/node"] = grown / nodes;
    state.counters["other_B/game"] = (grown - storeBytes) / count;
    state.counters["other_B/node"] = (grown - storeBytes) / nodes;
    state.counters["index_entries"] = index.entries;
    state.counters["index_text_B"] = index.textBytes;
    state.counters["sizeof_game"] = static_cast<double>(sizeof(SGridFrame));
    state.PauseTiming();
    games.reset();
    state.ResumeTiming();
  }
}
BENCHMARK(BM_MemoryPerNode)->Arg(0)->Arg(1)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridax::bench
