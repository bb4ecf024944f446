// The game-tree pane on the largest game of the Kogo joseki dictionary (the game with the most nodes):
// the line model rebuilt and the visible lines painted, as after every command.

#include <benchmark/benchmark.h>

#include <QImage>
#include <QPainter>
#include <filesystem>
#include <memory>

#include "app/memory_profile.h"
#include "app/posix_file_system.h"
#include "app/scripted_ports.h"
#include "app/settings_io.h"
#include "edit/navigation.h"
#include "view/tree_pane.h"

namespace meridax {
namespace {

const std::string kJosekiFile = std::string(MERIDAX_CORPUS_DIR) + "/go-collections/kogo-joseki-dictionary/kogojd.sgf";

int nodeCount(const SGridFrame& game) {
  int count = 0;
  forEachInTreeOrder(game, game.firstNode, [&](GameNode*) { ++count; });
  return count;
}

struct JosekiFrame {
  JosekiFrame() : frame(ports.framePorts(), profile, files, readAppSettings(profile), FrameEnvironment{}) {}
  MemoryProfile profile;
  PosixFileSystem files;
  ScriptedPorts ports;
  FrameWin frame;
};

// The frame with the game of most nodes current, at the end of its longest line.
std::unique_ptr<JosekiFrame> largestJosekiGame(benchmark::State& state) {
  auto f = std::make_unique<JosekiFrame>();
  if (!std::filesystem::exists(kJosekiFile) || !f->frame.files().ReLoad(kJosekiFile)) {
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
  f->frame.navigation().CmEndPosition();
  state.counters["nodes"] = most;
  return f;
}

void BM_TreePaneRebuildAndPaint(benchmark::State& state) {
  std::unique_ptr<JosekiFrame> f = largestJosekiGame(state);
  if (!f) return;
  TreePane pane(f->frame, nullptr);
  pane.resize(320, 720);
  QImage image(pane.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    pane.rebuild();
    pane.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.counters["lines"] = static_cast<double>(pane.lines().size());
}
BENCHMARK(BM_TreePaneRebuildAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridax
