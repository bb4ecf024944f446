#pragma once
// Paints a board scene with QPainter at a geometry: onto a widget, a QImage or an SVG generator alike.
// Stones, markers and symbols are antialiased; grid lines are drawn without, on whole pixels.

#include <QPainter>

#include "layout/board_geometry.h"
#include "layout/board_scene.h"
#include "view/board_palette.h"

namespace meridax {

struct BoardPaintOptions {
  bool markup = true;        // symbols and labels of the scene
  bool thickGoLines = true;  // the Go board's outer lines drawn bold
  bool bevel = false;        // a bevelled frame instead of the shadow
  bool fillArea = true;      // the board area around the frame painted in the area colour
};

class BoardRenderer {
 public:
  BoardRenderer(BoardPalette palette, BoardPaintOptions options) : palette_(palette), options_(options) {}

  // Paints everything: area, frame, cells, pieces, numbers, markers, markup, co-ordinates, cursor. Without
  // a frame (an image) the cells' own surface is painted instead. The painter's state is kept.
  void paint(QPainter& painter, const BoardGeometry& geometry, const BoardScene& scene) const;

  const BoardPalette& palette() const { return palette_; }
  const BoardPaintOptions& options() const { return options_; }

 private:
  BoardPalette palette_;
  BoardPaintOptions options_;
};

}  // namespace meridax
