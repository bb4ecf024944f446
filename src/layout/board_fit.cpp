#include "layout/board_fit.h"

#include <algorithm>

namespace meridax {

namespace {

bool inside(const PixelRect& inner, const PixelRect& outer) {
  return inner.x >= outer.x && inner.y >= outer.y && inner.right() <= outer.right() &&
         inner.bottom() <= outer.bottom();
}

PixelRect unite(const PixelRect& a, const PixelRect& b) {
  const int x = std::min(a.x, b.x), y = std::min(a.y, b.y);
  return {x, y, std::max(a.right(), b.right()) - x, std::max(a.bottom(), b.bottom()) - y};
}

// A square no board can fit beyond: every frame is at least two squares wide and high.
int squareBound(PixelRect area) { return std::max(kMinBoardSquare, std::min(area.width, area.height) / 2 + 2); }

}  // namespace

PixelRect boardExtent(const BoardGeometry& g) {
  if (!g.frame) return g.cellsBounds();
  PixelRect r = *g.frame;
  r.width += g.shadow;
  r.height += g.shadow;
  return r;
}

bool boardInsideArea(const BoardGeometry& g) { return inside(boardExtent(g), g.area); }

BoardGeometry fittedBoardGeometry(const BoardDimensions& board, PixelRect area, bool goCoordinates, int maxSquare) {
  const int top = maxSquare == kNoSquareCap ? squareBound(area) : maxSquare;
  for (int square = top & ~1; square > kMinBoardSquare; square -= 2) {
    BoardGeometry g = layoutBoard(board, square, area, goCoordinates);
    if (boardInsideArea(g)) return g;
  }
  return layoutBoard(board, kMinBoardSquare, area, goCoordinates);
}

PixelSize areaNeeded(const BoardDimensions& board, int square, bool goCoordinates) {
  // Centring rounds towards the top-left and the shadow lies right and below: the least area may be
  // a pixel or two larger than the extent itself.
  const PixelRect extent = boardExtent(layoutBoard(board, square, {}, goCoordinates));
  PixelSize size{extent.width, extent.height};
  auto fitsAcross = [&](int width) {
    const PixelRect e = boardExtent(layoutBoard(board, square, {0, 0, width, 0}, goCoordinates));
    return e.x >= 0 && e.right() <= width;
  };
  auto fitsDown = [&](int height) {
    const PixelRect e = boardExtent(layoutBoard(board, square, {0, 0, 0, height}, goCoordinates));
    return e.y >= 0 && e.bottom() <= height;
  };
  while (!fitsAcross(size.width)) ++size.width;
  while (!fitsDown(size.height)) ++size.height;
  return size;
}

PixelRect cellRangeBox(const BoardGeometry& g, int x1, int y1, int x2, int y2) {
  const int left = std::min(x1, x2), right = std::max(x1, x2);
  const int top = std::min(y1, y2), bottom = std::max(y1, y2);
  PixelRect box = g.cellBox(left, top);
  box = unite(box, g.cellBox(right, top));
  box = unite(box, g.cellBox(left, bottom));
  return unite(box, g.cellBox(right, bottom));
}

}  // namespace meridax
