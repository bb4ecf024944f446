// The speed of meridax-cli find from a cold start of the program: the large collection of the speed
// ratios (the corpus's Go files repeated) searched for a whole board at move 30 and for a 7 x 7 corner
// pattern under the 8 symmetries with the colours swapped too, and the corpus folder searched whole.
//
// Usage: search_speed [RUNS [CLI]]   (default 3 runs, median)

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <vector>

#include "process_run.h"
#include "ratio_input.h"

namespace meridax::bench {
namespace {

constexpr double kGoalSeconds = 2.0;

int run(int runs, const std::string& cli) {
  const std::filesystem::path dir = MERIDAX_BENCH_DATA_DIR;
  std::filesystem::create_directories(dir);
  const std::string input = (dir / "go_corpus_x27.sgf").string();
  std::string once = goCorpusText(MERIDAX_CORPUS_DIR);
  std::string collection;
  collection.reserve(once.size() * kCollectionRepeats);
  for (int i = 0; i < kCollectionRepeats; ++i) collection += once;
  once.clear();
  if (!writeOnce(input, collection)) return 2;
  const double megabytes = static_cast<double>(collection.size()) / (1024.0 * 1024.0);
  collection = std::string();
  const std::string meijin = std::string(MERIDAX_CORPUS_DIR) + "/go-collections/jtauber-sgf/meijin.sgf";
  std::printf("input: %s, %.1f MB; %d runs each, median; %s\n", input.c_str(), megabytes, runs, cli.c_str());

  struct Search {
    const char* name;
    std::vector<std::string> argv;
  };
  const Search searches[] = {
      {"whole board at move 30", {cli, "find", input, "--position", meijin, "--game", "1", "--move", "30"}},
      {"7x7 corner, 8 symmetries, swapped",
       {cli, "find", input, "--position", meijin, "--game", "1", "--move", "30", "--area", "A19:G13",
        "--swap-colours"}},
      {"corpus folder, whole board at move 30",
       {cli, "find", MERIDAX_CORPUS_DIR, "--position", meijin, "--game", "1", "--move", "30"}},
  };
  bool allMet = true;
  for (const Search& s : searches) {
    const auto figures = runMedian(s.argv, {0, 2}, runs);
    if (!figures) {
      std::fprintf(stderr, "%s: the search failed\n", s.name);
      return 2;
    }
    const bool met = figures->seconds <= kGoalSeconds;
    allMet = allMet && met;
    std::printf("  %-40s wall %6.3f s  cpu %6.3f s  peak %6.1f MB   goal <= %.1f s   %s\n", s.name, figures->seconds,
                figures->cpuSeconds, figures->peakBytes / (1024.0 * 1024.0), kGoalSeconds, met ? "met" : "NOT MET");
  }
  return allMet ? 0 : 1;
}

}  // namespace
}  // namespace meridax::bench

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
  return meridax::bench::run(runs > 0 ? runs : 3, argc > 2 ? argv[2] : MERIDAX_CLI);
}
