#pragma once
// Boards drawn to fit a given area, as the small boards of dialogs are: the largest even square size
// whose board, frame and shadow included, lies inside the area; and the pixel box of a rectangle of
// cells, for drawing a selection over the board.

#include "layout/board_geometry.h"

namespace meridax {

// The board laid out in `area` with the largest square that fits, the smallest square when none does.
BoardGeometry fittedBoardGeometry(const BoardDimensions& board, PixelRect area, bool goCoordinates);

// The pixels the board covers: its frame and shadow, or its cells when it has no frame.
PixelRect boardExtent(const BoardGeometry& geometry);

// The box around the cells of columns x1..x2 and rows y1..y2 (either order).
PixelRect cellRangeBox(const BoardGeometry& geometry, int x1, int y1, int x2, int y2);

}  // namespace meridax
