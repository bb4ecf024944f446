// The speed and memory ratios of the core on a large collection, each measured in one run so that the
// machine's load cancels out: opening and saving a collection (roots only) against a one-pass C byte
// loop, `check` against GNU Go's loader over the same games, and bytes per node of `check` and of the
// editor with every tree built.
//
// Usage: speed_ratios [RUNS [CLI]]   (default 3 runs, each program's median counts; CLI: another
// meridax-cli to time, such as an earlier build, in place of this build's)

#include <malloc.h>

#include <cstdio>
#include <cstdlib>
#include <sys/wait.h>
#include <unistd.h>
#include <filesystem>
#include <memory>
#include <optional>
#include <string>

#include "app/posix_file_system.h"
#include "model/collection.h"
#include "process_run.h"
#include "ratio_input.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/text_decoding.h"

namespace meridax::bench {
namespace {

constexpr double kMegabyte = 1024.0 * 1024.0;

struct Goal {
  const char* name;
  double value;
  double goal;
  bool atLeast;  // the value must be at least the goal, else at most
};

void printGoal(const Goal& g) {
  const bool met = g.atLeast ? g.value >= g.goal : g.value <= g.goal;
  std::printf("%-44s %8.2f   goal %s %.2f   %s\n", g.name, g.value, g.atLeast ? ">=" : "<=", g.goal,
              met ? "met" : "NOT MET");
}

void printRun(const char* name, const RunFigures& f, double megabytes) {
  std::printf("  %-30s wall %7.3f s (%7.1f MB/s)  cpu %7.3f s (%7.1f MB/s)  peak %7.1f MB\n", name, f.seconds,
              megabytes / f.seconds, f.cpuSeconds, megabytes / f.cpuSeconds, f.peakBytes / kMegabyte);
}

std::size_t heapInUse() {
  const struct mallinfo2 m = ::mallinfo2();
  return m.uordblks + m.hblkhd;
}

struct TreesFigures {
  double nodes = 0;
  double heapBytes = 0;
};

// The collection read as the editor reads a file and every tree built from the held text; the heap it
// takes, the held text included.
std::optional<TreesFigures> everyTreeBuilt(const std::string& path) {
  const std::size_t before = heapInUse();
  PosixFileSystem files;
  std::string bytes;
  if (files.readWholeFile(path, bytes)) return std::nullopt;
  const std::string text = prepareOwnedFileText(std::move(bytes));
  auto games = std::make_unique<Collection>();
  SErrorList errors;
  CollectionReadRequest request;
  request.filePath = path;
  readCollectionText(*games, text, request, errors);
  for (std::size_t i = 0; i < games->size(); ++i)
    buildHeldTree(*games, games->game(i), text, path, {}, errors);
  errors.clear();
  TreesFigures f;
  f.nodes = static_cast<double>(games->store().liveNodes());
  f.heapBytes = static_cast<double>(heapInUse()) - static_cast<double>(before);
  return f;
}

// Writes the collection and its one-tree form; the exit status of the child that makes them.
int makeInputs(const std::string& input, const std::string& tree) {
  const std::string once = goCorpusText(MERIDAX_CORPUS_DIR);
  if (once.empty()) return 2;
  std::string collection;
  collection.reserve(once.size() * kCollectionRepeats);
  for (int i = 0; i < kCollectionRepeats; ++i) collection += once;
  return writeOnce(input, collection) && writeOnce(tree, oneTree(gameTexts(once), kCollectionRepeats)) ? 0 : 2;
}

std::string gnugoPath() {
  for (const char* candidate : {"/usr/games/gnugo", "/usr/bin/gnugo", "/usr/local/bin/gnugo"})
    if (::access(candidate, X_OK) == 0) return candidate;
  return {};
}

int run(int runs, const std::string& cli) {
  const std::filesystem::path dir = MERIDAX_BENCH_DATA_DIR;
  std::filesystem::create_directories(dir);
  const std::string input = (dir / "go_corpus_x27.sgf").string();
  const std::string tree = (dir / "go_corpus_x27_one_tree.sgf").string();
  const std::string output = (dir / "ratio_output.sgf").string();

  // The inputs are made by a child process: a child started later inherits its parent's largest resident
  // set as its own, so this process stays small until every measured program has run.
  const pid_t maker = ::fork();
  if (maker < 0) return 2;
  if (maker == 0) ::_exit(makeInputs(input, tree));
  int status = 0;
  if (::waitpid(maker, &status, 0) != maker || !WIFEXITED(status) || WEXITSTATUS(status) != 0) {
    std::fprintf(stderr, "cannot make the inputs under %s from %s\n", dir.c_str(), MERIDAX_CORPUS_DIR);
    return 2;
  }
  const double megabytes = static_cast<double>(std::filesystem::file_size(input)) / kMegabyte;
  std::printf("input: %s, %.1f MB; %d runs each, median; %s\n", input.c_str(), megabytes, runs, cli.c_str());

  const auto loop = runMedian({MERIDAX_BYTE_LOOP, input, output}, {0}, runs);
  const auto save = runMedian({cli, "save", input, "-o", output}, {0}, runs);
  const auto check = runMedian({cli, "check", input}, {0, 1}, runs);
  const std::string gnugo = gnugoPath();
  const auto gnugoRun = gnugo.empty() ? std::nullopt
                                      : runMedian({gnugo, "--infile", tree, "--printsgf", "/dev/null"}, {0}, runs);
  std::filesystem::remove(output);
  if (!loop || !save || !check) {
    std::fprintf(stderr, "a measured program failed\n");
    return 2;
  }
  printRun("byte loop (read, pass, write)", *loop, megabytes);
  printRun("meridax-cli save", *save, megabytes);
  printRun("meridax-cli check", *check, megabytes);
  if (gnugoRun) printRun("gnugo --printsgf (one tree)", *gnugoRun, megabytes);
  else std::printf("  gnugo: not installed or failed (scripts/install-deps.sh --with-bench)\n");

  const std::optional<TreesFigures> trees = everyTreeBuilt(input);
  if (!trees || trees->nodes == 0) {
    std::fprintf(stderr, "cannot read %s\n", input.c_str());
    return 2;
  }
  std::printf("  every tree built: %.0f nodes, heap %.1f MB\n\n", trees->nodes, trees->heapBytes / kMegabyte);

  // Speeds by wall time, and by processor time, which other work on the machine disturbs less.
  printGoal({"save speed / byte loop speed (wall)", loop->seconds / save->seconds, 0.5, true});
  printGoal({"save speed / byte loop speed (cpu)", loop->cpuSeconds / save->cpuSeconds, 0.5, true});
  if (gnugoRun) {
    printGoal({"check speed / GNU Go loader speed (wall)", gnugoRun->seconds / check->seconds, 2.0, true});
    printGoal({"check speed / GNU Go loader speed (cpu)", gnugoRun->cpuSeconds / check->cpuSeconds, 2.0, true});
  }
  printGoal({"check peak bytes per node", check->peakBytes / trees->nodes, 24.0, false});
  printGoal({"every tree built: heap bytes per node", trees->heapBytes / trees->nodes, 40.0, false});
  return 0;
}

}  // namespace
}  // namespace meridax::bench

int main(int argc, char** argv) {
  const int runs = argc > 1 ? std::atoi(argv[1]) : 3;
  return meridax::bench::run(runs > 0 ? runs : 3, argc > 2 ? argv[2] : MERIDAX_CLI);
}
