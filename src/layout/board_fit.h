#pragma once
// Boards drawn to fit a given area, as the board pane and the small boards of dialogs are: the largest
// even square size whose board, frame and shadow included, lies inside the area; the least area that
// holds a board whole; and the pixel box of a rectangle of cells, for drawing a selection over the board.

#include "layout/board_geometry.h"

namespace meridax {

// No largest square: the board grows with its area (the board pane on a large screen).
inline constexpr int kNoSquareCap = 0;

// The board laid out in `area` with the largest square up to `maxSquare` (kNoSquareCap: any) that
// fits, the smallest square when none does.
BoardGeometry fittedBoardGeometry(const BoardDimensions& board, PixelRect area, bool goCoordinates,
                                  int maxSquare = kMaxBoardSquare);

// The pixels the board covers: its frame and shadow, or its cells when it has no frame.
PixelRect boardExtent(const BoardGeometry& geometry);

// Whether the whole board, frame and shadow included, lies inside its area.
bool boardInsideArea(const BoardGeometry& geometry);

// The width and height of the least area in which the board laid out at `square` lies whole.
struct PixelSize {
  int width = 0, height = 0;
  friend bool operator==(const PixelSize&, const PixelSize&) = default;
};
PixelSize areaNeeded(const BoardDimensions& board, int square, bool goCoordinates);

// The box around the cells of columns x1..x2 and rows y1..y2 (either order).
PixelRect cellRangeBox(const BoardGeometry& geometry, int x1, int y1, int x2, int y2);

}  // namespace meridax
