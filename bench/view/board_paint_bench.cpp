// Board repaint of a 19 x 19 position with move numbers and markup into an image: building the scene
// from the game, painting it, and both as one refresh does them.

#include <benchmark/benchmark.h>

#include <QApplication>
#include <QImage>
#include <fstream>
#include <sstream>

#include "layout/board_scene.h"
#include "model/collection.h"
#include "rules/position_at.h"
#include "sgf/sgf_collection_read.h"
#include "view/board_renderer.h"

namespace meridax {
namespace {

// A professional game at move 150 with a triangle, circles, squares and labels on its node.
struct BenchBoard {
  BenchBoard() {
    std::ifstream in(std::string(MERIDAX_CORPUS_DIR) +
                     "/go-annotated/yenw-computer-go-dataset/AI/master/39-2017.01.02-Iyama_Yuta-Master.sgf");
    std::stringstream text;
    text << in.rdbuf();
    SErrorList errors;
    readCollectionText(collection, text.str(), CollectionReadRequest{}, errors);
    SGridFrame& g = collection.game(0);
    node = g.firstNode;
    for (int i = 0; i < 150 && node->next() != nullptr; ++i) node = node->next();
    g.markup[node] = "TR[##][$$]CR[%%][&&][''][((]SQ[))][**]LB[++:A][,,:B][--:long]";
    node->setHasMarkup(true);
    position = PositionAt(g, node);
    options.numbering = Numbering::FromComposition;
    geometry = layoutBoard({GameKind::Go, 19, 19}, 36, {0, 0, 800, 800}, true);
  }
  BoardScene scene() { return buildScene(collection.game(0), node, position, options, {3, 3}); }

  Collection collection;
  GameNode* node = nullptr;
  BoardPosition position;
  SceneOptions options;
  BoardGeometry geometry;
};

BenchBoard& board() {
  static BenchBoard b;
  return b;
}

void paintInto(QImage& image, const BoardGeometry& geometry, const BoardScene& scene) {
  QPainter painter(&image);
  BoardRenderer(paletteFromSettings(AttributeColours{}, 3), BoardPaintOptions{}).paint(painter, geometry, scene);
}

void BM_BoardSceneBuild(benchmark::State& state) {
  BenchBoard& b = board();
  for (auto _ : state) benchmark::DoNotOptimize(b.scene());
}
BENCHMARK(BM_BoardSceneBuild)->Unit(benchmark::kMicrosecond);

void BM_BoardPaint(benchmark::State& state) {
  BenchBoard& b = board();
  const BoardScene scene = b.scene();
  QImage image(800, 800, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) paintInto(image, b.geometry, scene);
  state.counters["numbers"] = static_cast<double>(scene.numbers.size());
}
BENCHMARK(BM_BoardPaint)->Unit(benchmark::kMillisecond);

void BM_BoardRefreshAndPaint(benchmark::State& state) {
  BenchBoard& b = board();
  QImage image(800, 800, QImage::Format_ARGB32_Premultiplied);
  for (auto _ : state) paintInto(image, b.geometry, b.scene());
}
BENCHMARK(BM_BoardRefreshAndPaint)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridax

// Fonts need a GUI application; the offscreen platform serves where no display is.
int main(int argc, char** argv) {
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  benchmark::Initialize(&argc, argv);
  benchmark::RunSpecifiedBenchmarks();
  benchmark::Shutdown();
  return 0;
}
