#pragma once
// Hexagonal-cell boards in line mode, for diagrams: each cell is a crossing of lines drawn between the
// centres of neighbouring cells, like a Go board, with the board's edge drawn bold when a border is asked.

#include <QPainter>

#include "layout/board_geometry.h"
#include "layout/board_scene.h"
#include "view/board_palette.h"

namespace meridax {

// Paints the lattice, the pieces and, with markup, the scene's symbols and labels.
void paintHexLines(QPainter& painter, const BoardGeometry& geometry, const BoardScene& scene,
                   const BoardPalette& palette, bool border, bool markup);

}  // namespace meridax
