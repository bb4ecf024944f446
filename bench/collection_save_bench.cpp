// Saving the corpus collection: the text of a reloaded collection whose games are all unchanged (copied
// from the held file text, the current game with a new root header), and, for comparison, the text
// with every game written by the SGF writer from its tree. The file write itself is left out.
#include <benchmark/benchmark.h>

#include <memory>

#include "app/collection_writer.h"
#include "corpus_collection.h"

namespace meridax::bench {
namespace {

void runSave(benchmark::State& state, Collection& games, const HeldFileText& held, const SaveOptions& options) {
  std::size_t bytes = 0;
  int written = 0;
  for (auto _ : state) {
    const CollectionTextResult result = collectionText(games, held, options);
    if (!result.written) {
      state.SkipWithError("the collection text could not be made");
      return;
    }
    bytes = result.written->text.size();
    written = result.written->games;
    benchmark::DoNotOptimize(result.written->text.data());
  }
  reportCollection(state, bytes, written);
  state.counters["out_MB"] = static_cast<double>(bytes) / kMegabyte;
}

void BM_SaveUnchanged(benchmark::State& state) {
  const std::string text = CorpusFile::get().text();
  Collection games;
  SErrorList errors;
  CollectionReadRequest request;
  request.filePath = CorpusFile::get().path();
  request.trees = GameTrees::FirstOnly;
  readCollectionText(games, text, request, errors);
  games.setCurrent(0);  // as the reload leaves it without a selected-game mark

  HeldFileText held;
  held.text = std::string_view(text);
  SaveOptions options;
  options.buildTree = [&](SGridFrame& g) {
    return !buildHeldTree(games, g, text, request.filePath, ReaderSettings{}, errors).has_value();
  };
  runSave(state, games, held, options);
}
BENCHMARK(BM_SaveUnchanged)->Unit(benchmark::kMillisecond);

void BM_SaveEveryGameWritten(benchmark::State& state) {
  const std::string text = CorpusFile::get().text();
  Collection games;
  SErrorList errors;
  CollectionReadRequest request;
  request.trees = GameTrees::All;  // not held: every game is written from its tree
  readCollectionText(games, text, request, errors);
  games.setCurrent(0);
  runSave(state, games, HeldFileText{}, SaveOptions{});
}
BENCHMARK(BM_SaveEveryGameWritten)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridax::bench
