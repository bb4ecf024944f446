#include "layout/board_hit_test.h"

#include <algorithm>

#include "model/board_position.h"

namespace meridax {

namespace {

bool onCrossings(BoardShape shape) { return shape == BoardShape::GoBoard || shape == BoardShape::Kropki; }
bool hexagonal(BoardShape shape) { return shape == BoardShape::HexRhombus || shape == BoardShape::HexagonCells; }

PixelRect hitRectangle(const BoardGeometry& g) {
  PixelRect r{g.origin.x, g.origin.y, g.board.width * g.square, g.rows() * g.square};
  if (hexagonal(g.shape)) r = r.inflated(g.square);
  if (onCrossings(g.shape)) r = r.inflated(g.square / 2);
  if (g.shape == BoardShape::HexRhombus) r.width += g.square * (g.board.width - 1) / 2;
  return r;
}

// The row of a hexagonal board: rows meet in the middle of their overlap; the outer halves of the
// overlap above the first row and below the last belong to those rows.
int hexRow(const BoardGeometry& g, int y) {
  const int row = floorDiv(y - g.origin.y - g.overlap / 2, g.square - g.overlap);
  const PixelRect cells = g.cellsBounds();
  if (row == -1 && y >= cells.y) return 0;
  if (row == g.rows() && y < cells.bottom()) return g.rows() - 1;
  return row;
}

BoardPoint hexPoint(const BoardGeometry& g, int x, int y) {
  const int row = hexRow(g, y);
  const int shift = g.shape == BoardShape::HexRhombus ? row : g.board.width - g.board.height - row;
  return {floorDiv(2 * x - g.square * shift - 2 * g.origin.x, 2 * g.square), row};
}

}  // namespace

std::optional<BoardPoint> hitTest(const BoardGeometry& g, int x, int y) {
  if (!g.area.contains(x, y) || !hitRectangle(g).contains(x, y) || g.square <= g.overlap) return std::nullopt;
  BoardPoint p;
  if (hexagonal(g.shape)) {
    p = hexPoint(g, x, y);
  } else {
    p = {floorDiv(x - g.origin.x, g.square), floorDiv(y - g.origin.y, g.square)};
    if (onCrossings(g.shape)) {
      p.x = std::clamp(p.x, 0, g.board.width - 1);
      p.y = std::clamp(p.y, 0, g.rows() - 1);
    }
  }
  if (p.x < 0 || p.y < 0 || p.x >= g.board.width || p.y >= g.rows()) return std::nullopt;
  if (!isOnBoard(g.board.kind, g.board.width, g.board.height, p.x, p.y)) return std::nullopt;
  return p;
}

}  // namespace meridax
