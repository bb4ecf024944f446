#include "view/board_renderer.h"

#include <gtest/gtest.h>

#include <QImage>
#include <cmath>
#include <QPicture>

#include "edit/edit_test_support.h"
#include "layout/board_fit.h"
#include "rules/position_at.h"
#include "view/board_paint_parts.h"
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

QImage renderEmpty(const char* sgf, int square, const BoardPalette& palette, BoardGeometry& geometry) {
  LoadedText t(sgf);
  SGridFrame& g = t.game();
  const BoardScene scene = buildScene(g, g.endNode, PositionAt(g, g.endNode), SceneOptions{}, {0, 0});
  const BoardDimensions board{g.kind(), g.width(), g.height()};
  const PixelSize size = areaNeeded(board, square, false);
  geometry = layoutBoard(board, square, {0, 0, size.width, size.height}, false);
  QImage image(size.width, size.height, QImage::Format_RGB32);
  QPainter painter(&image);
  BoardRenderer(palette, BoardPaintOptions{}).paint(painter, geometry, scene);
  return image;
}

// Measured along the diagonal, where no grid line runs: the dark disc is at least an eighth of a square across.
TEST(Renderer, StarPointsAreAnEighthOfASquareAcrossAtEverySize) {
  view_testing::application();
  for (const int square : {12, 24, 40, 100}) {
    BoardGeometry g;
    const QImage image = renderEmpty("(;GM[1]SZ[19])", square, blackAndWhitePalette(), g);
    const PixelPoint centre = g.cellCentre(3, 3);
    int dark = 0;
    for (int i = -square / 2; i < square / 2; ++i)
      if (image.pixelColor(centre.x + i, centre.y + i).lightness() < 128) ++dark;
    EXPECT_GE(dark * std::sqrt(2.0), square / 8.0) << "square " << square;
  }
}

// Black joins the top and bottom edges, White the left and right: each pair drawn in its player's colour.
TEST(Renderer, HexEdgesAreColouredByThePlayerWhoJoinsThem) {
  view_testing::application();
  const BoardPalette palette = paletteFromSettings(AttributeColours{}, 0);
  BoardGeometry g;
  const QImage image = renderEmpty("(;GM[11]SZ[11])", 30, palette, g);
  auto atEdge = [&](int col, int row, int from, int to) {
    const QPolygon hexagon = board_paint::hexagonIn(QRect(g.cellBox(col, row).x, g.cellBox(col, row).y, 30, 30),
                                                    g.overlap);
    return image.pixelColor((hexagon[from] + hexagon[to]) / 2);
  };
  EXPECT_EQ(atEdge(5, 0, 0, 1), palette.blackPiece);    // top
  EXPECT_EQ(atEdge(5, 10, 3, 4), palette.blackPiece);   // bottom
  EXPECT_EQ(atEdge(0, 5, 4, 5), palette.whitePiece);    // left
  EXPECT_EQ(atEdge(10, 5, 1, 2), palette.whitePiece);   // right
  EXPECT_NE(atEdge(5, 5, 0, 1), palette.blackPiece);    // inside the board: the plain grid
  EXPECT_NE(atEdge(5, 5, 1, 2), palette.whitePiece);
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
