// Loading the corpus collection from its file: the reload path (the first game whole, every further game
// only as far as its root), every tree built in one pass as an import reads, and a reload after which
// every game is opened. Each reports MB/s of the file beside the speed of merely reading it.
#include <benchmark/benchmark.h>

#include <memory>

#include "corpus_collection.h"

namespace meridax::bench {
namespace {

struct Loaded {
  std::unique_ptr<Collection> collection = std::make_unique<Collection>();
  std::string text;  // held, as the frame holds the file text after a load
  SErrorList errors;
  int games = 0;
};

// Reads the file, cleans it and reads its games as a load does.
Loaded loadFile(GameTrees trees) {
  Loaded loaded;
  loaded.text = prepareFileText(readCorpusFile());
  CollectionReadRequest request;
  request.filePath = CorpusFile::get().path();
  request.trees = trees;
  loaded.games = readCollectionText(*loaded.collection, loaded.text, request, loaded.errors).gamesRead;
  return loaded;
}

// The baseline: the file read whole into a string and nothing more.
void BM_ReadFileOnly(benchmark::State& state) {
  for (auto _ : state) {
    const std::string text = readCorpusFile();
    benchmark::DoNotOptimize(text.data());
  }
  reportCollection(state, CorpusFile::get().bytes(), 0);
}
BENCHMARK(BM_ReadFileOnly)->Unit(benchmark::kMillisecond);

// The games are freed outside the timing: that cost belongs to the load that replaces them.
template <typename LoadStep>
void runLoad(benchmark::State& state, LoadStep step) {
  int games = 0;
  for (auto _ : state) {
    Loaded loaded = step();
    games = loaded.games;
    benchmark::DoNotOptimize(loaded.collection.get());
    state.PauseTiming();
    loaded = Loaded{};
    state.ResumeTiming();
  }
  reportCollection(state, CorpusFile::get().bytes(), games);
}

void BM_LoadRootsOnly(benchmark::State& state) {
  runLoad(state, [] { return loadFile(GameTrees::FirstOnly); });
}
BENCHMARK(BM_LoadRootsOnly)->Unit(benchmark::kMillisecond);

void BM_LoadEveryTree(benchmark::State& state) {
  runLoad(state, [] { return loadFile(GameTrees::All); });
}
BENCHMARK(BM_LoadEveryTree)->Unit(benchmark::kMillisecond);

// The reload, then every game opened in turn, its tree built from the held text.
void BM_ReloadThenOpenEveryGame(benchmark::State& state) {
  runLoad(state, [] {
    Loaded loaded = loadFile(GameTrees::FirstOnly);
    Collection& games = *loaded.collection;
    for (std::size_t i = 0; i < games.size(); ++i)
      buildHeldTree(games, games.game(i), loaded.text, CorpusFile::get().path(), ReaderSettings{}, loaded.errors);
    return loaded;
  });
}
BENCHMARK(BM_ReloadThenOpenEveryGame)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridax::bench
