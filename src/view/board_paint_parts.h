#pragma once
// The steps of painting a board, shared by the renderer's files.

#include <QPainter>
#include <QPolygon>

#include "layout/board_geometry.h"
#include "layout/board_scene.h"
#include "view/board_palette.h"

namespace meridax::board_paint {

struct Context {
  QPainter& painter;
  const BoardGeometry& g;
  const BoardScene& scene;
  const BoardPalette& palette;
  BoardFonts fonts;
};

QRect rectOf(const PixelRect& r);
bool hexagonal(const BoardGeometry& g);
// The outline of a hexagonal cell in its box.
QPolygon hexagonIn(const QRect& box, int overlap);
// Clears a cell to the bare surface, so that no line runs through what is drawn on it.
void clearCell(const Context& c, BoardPoint at);

// Board and cells.
void paintArea(const Context& c);
void paintFrame(const Context& c, bool bevel);
void paintCells(const Context& c, bool thickGoLines);

// What stands on the cells.
void paintPieces(const Context& c);
void paintNumbers(const Context& c);
void paintMarkers(const Context& c);
void paintSymbols(const Context& c);
void paintLabels(const Context& c);
void paintCoordinates(const Context& c);
void paintCursor(const Context& c);

}  // namespace meridax::board_paint
