#include "view/board_hex_lines.h"

#include <cmath>

#include "view/board_paint_parts.h"

namespace meridax {
namespace {

constexpr BoardPoint kNeighbourSteps[] = {{1, 0}, {-1, 0}, {0, 1}, {0, -1}, {1, -1}, {-1, 1}, {1, 1}, {-1, -1}};

bool onBoard(const BoardScene& scene, BoardPoint p) {
  const SceneCell* cell = scene.cellAt(p);
  return cell != nullptr && cell->look != CellLook::OffBoard;
}

// The neighbours of a cell are the board cells whose centres lie about one square away; the array
// layout of each hexagonal kind differs, the drawing does not.
bool neighbours(const BoardGeometry& g, BoardPoint a, BoardPoint b) {
  const PixelPoint ca = g.cellCentre(a.x, a.y);
  const PixelPoint cb = g.cellCentre(b.x, b.y);
  const double distance = std::hypot(ca.x - cb.x, ca.y - cb.y);
  return distance <= 1.25 * g.square;
}

int neighbourCount(const BoardGeometry& g, const BoardScene& scene, BoardPoint p) {
  int n = 0;
  for (const BoardPoint step : kNeighbourSteps) {
    const BoardPoint q{p.x + step.x, p.y + step.y};
    if (onBoard(scene, q) && neighbours(g, p, q)) ++n;
  }
  return n;
}

}  // namespace

void paintHexLines(QPainter& painter, const BoardGeometry& geometry, const BoardScene& scene,
                   const BoardPalette& palette, bool border, bool markup) {
  painter.save();
  painter.setRenderHint(QPainter::Antialiasing, true);
  const QPen thin(palette.dark, 1);
  const QPen bold(palette.dark, 2);
  for (const SceneCell& cell : scene.cells) {
    if (cell.look == CellLook::OffBoard) continue;
    const bool edge = neighbourCount(geometry, scene, cell.at) < 6;
    for (const BoardPoint step : kNeighbourSteps) {
      const BoardPoint q{cell.at.x + step.x, cell.at.y + step.y};
      // Each segment once: towards the later cell in reading order.
      if (q.y < cell.at.y || (q.y == cell.at.y && q.x < cell.at.x)) continue;
      if (!onBoard(scene, q) || !neighbours(geometry, cell.at, q)) continue;
      const bool outer = border && edge && neighbourCount(geometry, scene, q) < 6;
      painter.setPen(outer ? bold : thin);
      const PixelPoint a = geometry.cellCentre(cell.at.x, cell.at.y);
      const PixelPoint b = geometry.cellCentre(q.x, q.y);
      painter.drawLine(QPoint(a.x, a.y), QPoint(b.x, b.y));
    }
  }
  painter.restore();
  const board_paint::Context context{painter, geometry, scene, palette, boardFonts(geometry.square)};
  board_paint::paintPieces(context);
  if (markup) {
    board_paint::paintSymbols(context);
    board_paint::paintLabels(context);
  }
}

}  // namespace meridax
