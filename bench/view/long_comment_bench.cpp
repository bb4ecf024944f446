// A comment of one unbroken word (no blank, no line end) of 1, 10 and 50 MB, made here rather than kept
// as a file: the comment pane showing it and drawing its window, and the game-tree pane rebuilding its
// lines and painting them. Bytes per second stay the same from size to size when the work is linear.

#include <benchmark/benchmark.h>

#include <QImage>
#include <string>

#include "app/memory_profile.h"
#include "app/posix_file_system.h"
#include "app/scripted_ports.h"
#include "app/settings_io.h"
#include "model/node_texts.h"
#include "view/comment_pane.h"
#include "view/tree_pane.h"

namespace meridax {
namespace {

struct CommentFrame {
  CommentFrame() : frame(ports.framePorts(), profile, files, readAppSettings(profile), FrameEnvironment{}) {}
  MemoryProfile profile;
  PosixFileSystem files;
  ScriptedPorts ports;
  FrameWin frame;
};

// Letters a-z over and over: one word as long as the comment.
std::string unbrokenWord(std::size_t bytes) {
  std::string word(bytes, 'a');
  for (std::size_t i = 0; i < bytes; ++i) word[i] = static_cast<char>('a' + i % 26);
  return word;
}

std::size_t megabytes(const benchmark::State& state) { return static_cast<std::size_t>(state.range(0)) << 20; }

void BM_CommentPaneUnbrokenComment(benchmark::State& state) {
  CommentFrame f;
  SGridFrame& game = f.frame.game();
  setComment(game, game.firstNode, unbrokenWord(megabytes(state)));
  for (auto _ : state) {
    CommentPane pane(f.frame, nullptr);  // shows the current node's comment
    pane.resize(320, 240);
    QImage image(pane.size(), QImage::Format_RGB32);
    pane.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * megabytes(state)));
}
BENCHMARK(BM_CommentPaneUnbrokenComment)->Arg(1)->Arg(10)->Arg(50)->Iterations(1)->Unit(benchmark::kMillisecond);

void BM_TreePaneUnbrokenComment(benchmark::State& state) {
  CommentFrame f;
  SGridFrame& game = f.frame.game();
  setComment(game, game.firstNode, unbrokenWord(megabytes(state)));
  TreePane pane(f.frame, nullptr);
  pane.resize(320, 720);
  QImage image(pane.size(), QImage::Format_RGB32);
  for (auto _ : state) {
    pane.rebuild();
    pane.render(&image);
    benchmark::DoNotOptimize(image.constBits());
  }
  state.SetBytesProcessed(static_cast<std::int64_t>(state.iterations() * megabytes(state)));
}
BENCHMARK(BM_TreePaneUnbrokenComment)->Arg(1)->Arg(10)->Arg(50)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridax
