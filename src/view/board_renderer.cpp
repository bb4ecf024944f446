#include "view/board_renderer.h"

#include "view/board_paint_parts.h"

namespace meridax {

void BoardRenderer::paint(QPainter& painter, const BoardGeometry& geometry, const BoardScene& scene) const {
  painter.save();
  painter.setClipRect(board_paint::rectOf(geometry.area), Qt::IntersectClip);
  const board_paint::Context c{painter, geometry, scene, palette_, boardFonts(geometry.square)};
  if (options_.fillArea) board_paint::paintArea(c);
  board_paint::paintFrame(c, options_.bevel);
  board_paint::paintCells(c, options_.thickGoLines);
  board_paint::paintPieces(c);
  board_paint::paintNumbers(c);
  board_paint::paintMarkers(c);
  if (options_.markup) {
    board_paint::paintSymbols(c);
    board_paint::paintLabels(c);
  }
  board_paint::paintCoordinates(c);
  board_paint::paintCursor(c);
  painter.restore();
}

}  // namespace meridax
