#pragma once
// A large collection made from the corpus for the load, save and memory benchmarks: every file of the
// Go, annotated Go, Go collection, Hex, Havannah and Connect6 folders, cleaned as a load cleans a file
// and joined into one text, written once to a temporary file. Files that hold no game the reader takes
// (Havannah records without GM, Connect6 pairs read as Go) stay in: a real collection has them too,
// and their errors are part of the load. A file that leaves a parenthesis open is left out, since its
// game would run on to the end of the joined text and swallow every game after it.

#include <benchmark/benchmark.h>
#include <malloc.h>
#include <time.h>
#include <unistd.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <vector>

#include "app/posix_file_system.h"
#include "model/collection.h"
#include "sgf/bracket_balance.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/text_decoding.h"

namespace meridax::bench {

inline constexpr const char* kCorpusFolders[] = {"go", "go-annotated", "go-collections", "hex", "havannah", "connect6"};
inline constexpr double kMegabyte = 1024.0 * 1024.0;

// True when every "(" outside property values is closed and no ")" comes before its "(".
inline bool closesEveryGame(const std::string& text) {
  const BracketBalance b = bracketBalance(text);
  return b.openVariations == 0 && !b.inValue && !b.closedTooMany;
}

// Every file of the folders, in path order, each cleaned and followed by a blank line as a save
// separates games.
inline std::string buildCorpusText() {
  std::vector<std::filesystem::path> paths;
  for (const char* folder : kCorpusFolders) {
    const std::filesystem::path root = std::filesystem::path(MERIDAX_CORPUS_DIR) / folder;
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
      if (it->is_regular_file()) paths.push_back(it->path());
  }
  std::sort(paths.begin(), paths.end());
  PosixFileSystem files;
  std::string text;
  for (const auto& path : paths) {
    std::string bytes;
    if (files.readWholeFile(path.string(), bytes)) continue;
    const std::string cleaned = prepareFileText(bytes);
    if (!closesEveryGame(cleaned)) continue;
    text += cleaned;
    text += "\r\n\r\n";
  }
  return text;
}

// The collection's file, written on first use and removed when the program ends.
class CorpusFile {
 public:
  static const CorpusFile& get() {
    static const CorpusFile file;
    return file;
  }
  const std::string& path() const { return path_; }
  const std::string& text() const { return text_; }  // as a load holds it after cleaning
  std::size_t bytes() const { return text_.size(); }
  ~CorpusFile() {
    std::error_code ignored;
    std::filesystem::remove(path_, ignored);
  }

 private:
  CorpusFile() : text_(buildCorpusText()) {
    path_ = (std::filesystem::temp_directory_path() / ("meridax_bench_" + std::to_string(::getpid()) + ".sgf")).string();
    std::ofstream(path_, std::ios::binary) << text_;
  }
  std::string path_;
  std::string text_;
};

// The file read whole into a string, as a load reads it; aborts the run when it cannot be read.
inline std::string readCorpusFile() {
  PosixFileSystem files;
  std::string bytes;
  if (files.readWholeFile(CorpusFile::get().path(), bytes)) std::abort();
  return bytes;
}

// Seconds of processor time used by the process, the clock the benchmark library divides bytes by.
inline double processorSeconds() {
  timespec t{};
  ::clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
  return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_nsec) * 1e-9;
}

// MB/s of merely reading the file into a string, over at least a fifth of a second of reads, timed on
// the same clock as the benchmarks' own MB/s.
inline double diskReadRate() {
  const double start = processorSeconds();
  std::size_t bytes = 0;
  double seconds = 0;
  while (seconds < 0.2) {
    const std::string text = readCorpusFile();
    benchmark::DoNotOptimize(text.data());
    bytes += text.size();
    seconds = processorSeconds() - start;
  }
  return static_cast<double>(bytes) / kMegabyte / seconds;
}

// The figures every load and save reports beside its own MB/s: the size of the collection and the speed
// of merely reading its file in the same run.
inline void reportCollection(benchmark::State& state, std::size_t bytesPerIteration, int games) {
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations()) * static_cast<std::int64_t>(bytesPerIteration));
  state.counters["MB"] = static_cast<double>(CorpusFile::get().bytes()) / kMegabyte;
  state.counters["games"] = games;
  state.counters["disk_read_MB/s"] = diskReadRate();
}

// Heap bytes in use: the arena's allocated chunks and the separately mapped large blocks.
inline std::size_t heapInUse() {
  const struct mallinfo2 m = ::mallinfo2();
  return m.uordblks + m.hblkhd;
}

}  // namespace meridax::bench
