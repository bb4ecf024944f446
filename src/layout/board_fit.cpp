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

}  // namespace

PixelRect boardExtent(const BoardGeometry& g) {
  if (!g.frame) return g.cellsBounds();
  PixelRect r = *g.frame;
  r.width += g.shadow;
  r.height += g.shadow;
  return r;
}

BoardGeometry fittedBoardGeometry(const BoardDimensions& board, PixelRect area, bool goCoordinates) {
  for (int square = kMaxBoardSquare; square > kMinBoardSquare; square -= 2) {
    BoardGeometry g = layoutBoard(board, square, area, goCoordinates);
    if (inside(boardExtent(g), area)) return g;
  }
  return layoutBoard(board, kMinBoardSquare, area, goCoordinates);
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
