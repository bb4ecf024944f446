// Undo on the largest game of the corpus, Kogo's joseki dictionary (one game of some 62,000 nodes): the
// time an action that changes the game spends taking its undo step, the time of an undo and a redo, and
// the bytes a step keeps. The frame is driven as a person drives it, through its commands.
#include <benchmark/benchmark.h>

#include <memory>
#include <string>

#include "app/frame_win.h"
#include "app/memory_profile.h"
#include "app/posix_file_system.h"
#include "app/scripted_ports.h"
#include "app/settings_io.h"

namespace meridax {
namespace {

const std::string kKogo = std::string(MERIDAX_CORPUS_DIR) + "/go-collections/kogo-joseki-dictionary/kogojd.sgf";

// A frame with the dictionary loaded, its current node at the end of the main line; undoSteps as set.
struct KogoFrame {
  explicit KogoFrame(int undoSteps) {
    profile.writeInt("Settings", "Undo Steps", undoSteps);
    frame = std::make_unique<FrameWin>(ports.framePorts(), profile, files, readAppSettings(profile), FrameEnvironment{});
    if (!frame->files().ReLoad(kKogo)) std::abort();
    frame->runCommand("CmEndPosition");
  }
  ScriptedPorts ports;
  MemoryProfile profile;
  PosixFileSystem files;
  std::unique_ptr<FrameWin> frame;
};

// One change per iteration: the print-diagram mark of the current node, set and removed in turn. With
// Arg 0 no steps are kept, which gives the time of the change itself.
void BM_KogoChange(benchmark::State& state) {
  KogoFrame k(static_cast<int>(state.range(0)));
  for (auto _ : state) k.frame->runCommand("CmPrintDiagram");
  const UndoHistory& h = k.frame->undoHistory();
  state.counters["steps_kept"] = static_cast<double>(h.size());
  state.counters["bytes_per_step"] = h.size() == 0 ? 0.0 : static_cast<double>(h.bytes()) / static_cast<double>(h.size());
}
BENCHMARK(BM_KogoChange)->Arg(0)->Arg(200)->Unit(benchmark::kMillisecond);

// One undo and one redo per iteration, of a move added at the end of the main line.
void BM_KogoUndoRedo(benchmark::State& state) {
  KogoFrame k(200);
  k.frame->clickBoard(0, 0);
  if (!k.frame->canUndo()) std::abort();
  for (auto _ : state) {
    k.frame->runCommand("CmUndo");
    k.frame->runCommand("CmRedo");
  }
  state.counters["undo_redo_pairs"] = static_cast<double>(state.iterations());
}
BENCHMARK(BM_KogoUndoRedo)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridax
