// The exports' costs: a GIF of a 19 x 19 diagram at square 24 (painted by the board renderer, then
// coded), and the RTF document of the largest game of the Kogo joseki dictionary with every diagram
// option on, its pictures drawn and written into a fresh folder (cold) or all reused (warm).

#include <benchmark/benchmark.h>

#include <QImage>
#include <algorithm>
#include <chrono>
#include <filesystem>
#include <memory>

#include "app/diagram_style.h"
#include "app/frame_win.h"
#include "app/memory_profile.h"
#include "app/posix_file_system.h"
#include "app/scripted_ports.h"
#include "app/settings_io.h"
#include "edit/navigation.h"
#include "export/gif_file.h"
#include "export/rtf_document.h"
#include "export/rtf_export_run.h"
#include "rules/position_at.h"
#include "view/board_images.h"

namespace meridax {
namespace {

const std::string kJoseki = std::string(MERIDAX_CORPUS_DIR) + "/go-collections/kogo-joseki-dictionary/kogojd.sgf";

struct LoadedFrame {
  LoadedFrame() : frame(ports.framePorts(), profile, files, readAppSettings(profile), FrameEnvironment{}) {}
  MemoryProfile profile;
  PosixFileSystem files;
  ScriptedPorts ports;
  FrameWin frame;
};

int nodeCount(const SGridFrame& game) {
  int count = 0;
  forEachInTreeOrder(game, game.firstNode, [&](GameNode*) { ++count; });
  return count;
}

// The frame with the joseki game of most nodes current.
std::unique_ptr<LoadedFrame> largestJosekiGame(benchmark::State& state) {
  auto f = std::make_unique<LoadedFrame>();
  if (!std::filesystem::exists(kJoseki) || !f->frame.files().ReLoad(kJoseki)) {
    state.SkipWithError("the Kogo joseki dictionary is not in the corpus");
    return nullptr;
  }
  std::size_t largest = 0;
  int most = 0;
  for (std::size_t i = 0; i < f->frame.collection().size(); ++i) {
    f->frame.makeCurrent(i, false);
    const int nodes = nodeCount(f->frame.game());
    if (nodes > most) most = nodes, largest = i;
  }
  f->frame.makeCurrent(largest, false);
  state.counters["nodes"] = most;
  return f;
}

void BM_GifOfGoDiagramSquare24(benchmark::State& state) {
  std::unique_ptr<LoadedFrame> f = largestJosekiGame(state);
  if (!f) return;
  SGridFrame& game = f->frame.game();
  const GameNode* node = game.endNode;
  const BoardPosition position = PositionAt(game, node);
  const AppSettings settings;
  const DiagramStyle style = boardImageStyle(settings.colours, 24, false, true);
  std::string bytes;
  for (auto _ : state) {
    const RgbImage picture = toRgbImage(CreateGridImage(game, node, position, style, settings));
    encodeGif(picture, bytes);
    benchmark::DoNotOptimize(bytes.data());
  }
  state.counters["bytes"] = static_cast<double>(bytes.size());
}
BENCHMARK(BM_GifOfGoDiagramSquare24)->Unit(benchmark::kMillisecond);

void rtfOfLargestGame(benchmark::State& state, bool cold) {
  std::unique_ptr<LoadedFrame> f = largestJosekiGame(state);
  if (!f) return;
  SGridFrame& game = f->frame.game();
  RtfExportOptions options;
  for (const std::size_t field : {rtf_field::kEndDiagram, rtf_field::kCommentDiagrams, rtf_field::kBookmarkDiagrams,
                                  rtf_field::kIncludeMarkup, rtf_field::kAllLines})
    options.record.fields[field] = 1;
  const AppSettings settings;
  QtBoardImages images(settings);
  const std::string folder = (std::filesystem::temp_directory_path() / "meridax_rtf_bench").string();
  std::filesystem::remove_all(folder);
  if (!cold) {  // the warm runs find every picture already written
    DiagramFiles diagrams(folder, images, rtfDiagramStyle(settings.colours, options.record), DiagramFormat::Gif);
    RtfDocumentContext context;
    context.diagramImage = [&](const GameNode* node) { return diagrams.imageFor(game, node); };
    writeRtfDocument(game, options, context);
  }
  std::size_t size = 0;
  int written = 0;
  for (auto _ : state) {
    if (cold) {
      state.PauseTiming();
      std::filesystem::remove_all(folder);
      state.ResumeTiming();
    }
    DiagramFiles diagrams(folder, images, rtfDiagramStyle(settings.colours, options.record), DiagramFormat::Gif);
    RtfDocumentContext context;
    context.filePath = kJoseki;
    context.diagramImage = [&](const GameNode* node) { return diagrams.imageFor(game, node); };
    size = writeRtfDocument(game, options, context).size();
    written = diagrams.written() + diagrams.reused();
  }
  state.counters["bytes"] = static_cast<double>(size);
  state.counters["diagrams"] = written;
  std::filesystem::remove_all(folder);
}

void BM_RtfOfLargestJosekiGameCold(benchmark::State& state) { rtfOfLargestGame(state, true); }
void BM_RtfOfLargestJosekiGameWarm(benchmark::State& state) { rtfOfLargestGame(state, false); }
BENCHMARK(BM_RtfOfLargestJosekiGameCold)->Unit(benchmark::kMillisecond)->Iterations(1);
BENCHMARK(BM_RtfOfLargestJosekiGameWarm)->Unit(benchmark::kMillisecond)->Iterations(2);

// The export as long work, cold: how soon its first progress report comes (what the person waits before the
// dialog can show anything), and how long a cancel at half the diagrams takes to come back with every
// picture it wrote removed. Both are the iteration times; the cancel's runs stop at half the diagrams.
struct ExportRunSetup {
  RtfExportOptions options;
  AppSettings settings;
  std::string folder = (std::filesystem::temp_directory_path() / "meridax_rtf_cancel_bench").string();
  ExportRunSetup() {
    for (const std::size_t field : {rtf_field::kEndDiagram, rtf_field::kCommentDiagrams, rtf_field::kBookmarkDiagrams,
                                    rtf_field::kIncludeMarkup, rtf_field::kAllLines})
      options.record.fields[field] = 1;
  }
};

using Clock = std::chrono::steady_clock;

void BM_RtfExportTimeToFirstProgress(benchmark::State& state) {
  std::unique_ptr<LoadedFrame> f = largestJosekiGame(state);
  if (!f) return;
  ExportRunSetup setup;
  QtBoardImages images(setup.settings);
  int diagrams = 0;
  for (auto _ : state) {
    std::filesystem::remove_all(setup.folder);
    DiagramFiles files(setup.folder, images, rtfDiagramStyle(setup.settings.colours, setup.options.record),
                       DiagramFormat::Gif);
    RtfDocumentContext context;
    context.filePath = kJoseki;
    const Clock::time_point start = Clock::now();
    Clock::time_point first{};
    const RtfExportRun run = runRtfExport(f->frame.game(), setup.options, context, files, [&](const WorkProgress&) {
      first = Clock::now();
      return false;  // the first report is all this measures
    });
    state.SetIterationTime(std::chrono::duration<double>(first - start).count());
    diagrams = run.diagrams;
  }
  state.counters["diagrams"] = diagrams;
  std::filesystem::remove_all(setup.folder);
}
BENCHMARK(BM_RtfExportTimeToFirstProgress)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(5);

void BM_RtfExportCancelLatencyAtHalf(benchmark::State& state) {
  std::unique_ptr<LoadedFrame> f = largestJosekiGame(state);
  if (!f) return;
  ExportRunSetup setup;
  QtBoardImages images(setup.settings);
  double removed = 0;
  double reportGap = 0;
  for (auto _ : state) {
    std::filesystem::remove_all(setup.folder);
    DiagramFiles files(setup.folder, images, rtfDiagramStyle(setup.settings.colours, setup.options.record),
                       DiagramFormat::Gif);
    RtfDocumentContext context;
    context.filePath = kJoseki;
    Clock::time_point asked{};
    Clock::time_point last{};
    double longestGap = 0;
    runRtfExport(f->frame.game(), setup.options, context, files, [&](const WorkProgress& p) {
      const Clock::time_point now = Clock::now();
      if (last != Clock::time_point{}) longestGap = std::max(longestGap, std::chrono::duration<double>(now - last).count());
      last = now;
      if (p.games * 2 < p.gamesTotal) return true;
      asked = now;
      return false;
    });
    state.SetIterationTime(std::chrono::duration<double>(Clock::now() - asked).count());
    removed = static_cast<double>(std::distance(std::filesystem::directory_iterator(setup.folder),
                                                std::filesystem::directory_iterator{}));
    reportGap = longestGap * 1000;
  }
  state.counters["files_left"] = removed;             // must be 0
  state.counters["longest_report_gap_ms"] = reportGap;  // the cancel waits at most this long to be seen
  std::filesystem::remove_all(setup.folder);
}
BENCHMARK(BM_RtfExportCancelLatencyAtHalf)->UseManualTime()->Unit(benchmark::kMillisecond)->Iterations(1);

}  // namespace
}  // namespace meridax
