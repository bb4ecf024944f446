#include "view/board_renderer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <QPicture>

#include "edit/edit_test_support.h"
#include "rules/position_at.h"
#include "view/view_test_support.h"

namespace meridax {
namespace {

using edit_testing::LoadedText;

struct KindCase {
  const char* name;
  const char* sgf;
};
class RendererKinds : public ::testing::TestWithParam<KindCase> {
 protected:
  void SetUp() override { view_testing::application(); }
};

// Every kind paints onto a recording device within the board area and over every cell.
TEST_P(RendererKinds, PaintsTheCellsAndStaysInsideTheArea) {
  LoadedText t(GetParam().sgf);
  SGridFrame& g = t.game();
  GameNode* node = g.endNode;
  SceneOptions options;
  options.numbering = Numbering::FromComposition;
  const BoardScene scene = buildScene(g, node, PositionAt(g, node), options, {0, 0});
  const BoardGeometry geometry = layoutBoard({g.kind(), g.width(), g.height()}, 20, {10, 10, 600, 500}, true);
  QPicture picture;
  QPainter painter(&picture);
  BoardPaintOptions paint;
  paint.fillArea = false;
  BoardRenderer(blackAndWhitePalette(), paint).paint(painter, geometry, scene);
  painter.end();
  const QRect drawn = picture.boundingRect();
  const QRect area(10, 10, 600, 500);
  const PixelRect cells = geometry.cellsBounds();
  EXPECT_TRUE(area.contains(drawn)) << GetParam().name;
  EXPECT_TRUE(drawn.contains(QRect(cells.x, cells.y, cells.width, cells.height))) << GetParam().name;
}

INSTANTIATE_TEST_SUITE_P(
    Kinds, RendererKinds,
    ::testing::Values(KindCase{"go", "(;GM[1]SZ[19];B[pd]TR[pd][dd]LB[qq:long text];W[dp]MA[dp]CR[ee])"},
                      KindCase{"othello", "(;GM[2]SZ[8];B[d3];W[c3]SQ[a1])"},
                      KindCase{"hex", "(;GM[11]SZ[11];B[a1];W[k11]TR[f6])"},
                      KindCase{"havannah", "(;GM[Havannah]SZ[5];W[e5];B[a1])"},
                      KindCase{"unlur", "(;GM[Unlur]SZ[6];B[d4])"},
                      KindCase{"kropki", "(;GM[40]SZ[20:30];B[aa];W[bb]CR[cc])"}),
    [](const auto& info) { return std::string(info.param.name); });

TEST(Renderer, ABoardLargerThanItsAreaIsClippedToIt) {
  view_testing::application();
  LoadedText t("(;GM[1]SZ[19];B[aa];W[ss])");
  SGridFrame& g = t.game();
  const BoardScene scene = buildScene(g, g.endNode, PositionAt(g, g.endNode), SceneOptions{}, {0, 0});
  const BoardGeometry geometry = layoutBoard({GameKind::Go, 19, 19}, 24, {50, 50, 200, 200}, false);
  QImage image(300, 300, QImage::Format_RGB32);
  image.fill(Qt::magenta);
  QPainter painter(&image);
  BoardRenderer(blackAndWhitePalette(), BoardPaintOptions{}).paint(painter, geometry, scene);
  EXPECT_EQ(painter.pen(), QPen());  // the painter's state is given back
  EXPECT_FALSE(painter.hasClipping());
  painter.end();
  for (const QPoint outside : {QPoint(49, 150), QPoint(150, 49), QPoint(250, 150), QPoint(150, 250)})
    EXPECT_EQ(image.pixelColor(outside), QColor(Qt::magenta)) << outside.x() << "," << outside.y();
  EXPECT_NE(image.pixelColor(150, 150), QColor(Qt::magenta));
}

// The cursor's corners stand round a piece at the cursor: painted over its edge they square it off.
TEST(Renderer, TheCursorLeavesThePieceUnderItWhole) {
  view_testing::application();
  LoadedText t("(;GM[1]SZ[9];B[cc];W[dc])");
  SGridFrame& g = t.game();
  const BoardGeometry geometry = layoutBoard({GameKind::Go, 9, 9}, 24, {0, 0, 300, 300}, false);
  for (const BoardPoint at : {BoardPoint{2, 2}, BoardPoint{3, 2}}) {
    auto render = [&](bool cursor) {
      SceneOptions options;
      options.cursor = cursor;
      const BoardScene scene = buildScene(g, g.endNode, PositionAt(g, g.endNode), options, at);
      QImage image(300, 300, QImage::Format_RGB32);
      QPainter painter(&image);
      BoardRenderer(paletteFromSettings(AttributeColours{}, 0), BoardPaintOptions{}).paint(painter, geometry, scene);
      return image;
    };
    const QImage plain = render(false), withCursor = render(true);
    const PixelRect box = geometry.cellBox(at.x, at.y);
    const double inside = 24 * 0.46 - 1, cx = box.x + box.width / 2.0, cy = box.y + box.height / 2.0;
    int changedOutside = 0;
    for (int y = box.y; y < box.y + box.height; ++y)
      for (int x = box.x; x < box.x + box.width; ++x) {
        const bool inPiece = std::hypot(x + 0.5 - cx, y + 0.5 - cy) < inside;
        if (inPiece) EXPECT_EQ(plain.pixel(x, y), withCursor.pixel(x, y)) << at.x << ": " << x << "," << y;
        else changedOutside += plain.pixel(x, y) != withCursor.pixel(x, y);
      }
    EXPECT_GT(changedOutside, 20) << "the corners still show";
  }
}

TEST(BoardPalette, SettingsColoursAreReadRedFirst) {
  AttributeColours colours;
  colours.border = 0x800000;  // dark blue: the lowest byte is red
  colours.grid = 0x0000FF;
  const BoardPalette p = paletteFromSettings(colours, 0);
  EXPECT_EQ(p.dark, QColor(0, 0, 0x80));
  EXPECT_EQ(p.surface, QColor(0xFF, 0, 0));
  EXPECT_EQ(p.shading, AreaShading::Flat);
  EXPECT_EQ(paletteFromSettings(colours, 3).shading, AreaShading::LinearHigh);
}

}  // namespace
}  // namespace meridax
