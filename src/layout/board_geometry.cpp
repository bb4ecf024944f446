#include "layout/board_geometry.h"

#include <cmath>

namespace meridax {

namespace {

bool isGoKind(GameKind kind) { return kind == GameKind::Go; }

// Each hexagonal row sits this many pixels higher than a full square below the last: 0.134 of a square.
int hexOverlap(BoardShape shape, int square) {
  if (shape != BoardShape::HexRhombus && shape != BoardShape::HexagonCells) return 0;
  return static_cast<int>(std::lround(0.134 * square));
}

// How far a hexagon-board row is shifted right, in half squares.
int hexagonRowShift(const BoardDimensions& b, int row) { return b.width - b.height - row; }

// `square` is even and at least the smallest square.
BoardGeometry baseGeometry(const BoardDimensions& board, int square) {
  BoardGeometry g;
  g.board = board;
  g.shape = boardShapeOf(board.kind);
  g.square = square;
  g.overlap = hexOverlap(g.shape, g.square);
  g.shadow = (16 * g.square + 40) / 80;
  return g;
}

PixelRect frameOf(const BoardGeometry& g) {
  const int sq = g.square, w = g.board.width;
  PixelRect f{g.origin.x - sq / 2, g.origin.y - sq / 2, sq * (w + 1), sq * (g.rows() + 1)};
  if (g.coordinates) f = f.inflated(sq);
  if (g.shape == BoardShape::GoBoard || g.shape == BoardShape::Kropki || g.board.kind == GameKind::Othello)
    f = f.inflated(sq / 2);
  if (g.shape == BoardShape::HexRhombus || g.shape == BoardShape::HexagonCells)
    f.height -= 2 * ((w - 1) * g.overlap / 2);
  if (g.shape == BoardShape::HexRhombus) f.width += sq * (w - 1) / 2;
  return f;
}

}  // namespace

BoardShape boardShapeOf(GameKind kind) {
  if (kind == GameKind::Go) return BoardShape::GoBoard;
  if (kind == GameKind::Kropki) return BoardShape::Kropki;
  if (kind == GameKind::Hex) return BoardShape::HexRhombus;
  if (isHexagonBoard(kind)) return BoardShape::HexagonCells;
  return BoardShape::SquareCells;
}

int clampSquareSize(int square) {
  if (square < kMinBoardSquare) return kMinBoardSquare;
  if (square > kMaxBoardSquare) return kMaxBoardSquare;
  return square & ~1;
}

PixelRect BoardGeometry::cellBox(int col, int row) const {
  int x = origin.x + col * square;
  int y = origin.y + row * square;
  if (shape == BoardShape::HexRhombus) x = origin.x + square * (2 * col + row) / 2;
  if (shape == BoardShape::HexagonCells) x = origin.x + square * (2 * col + hexagonRowShift(board, row)) / 2;
  if (overlap != 0) y -= row * overlap;
  return {x, y, square, square};
}

PixelPoint BoardGeometry::cellCentre(int col, int row) const {
  const PixelRect box = cellBox(col, row);
  return {box.x + square / 2, box.y + square / 2};
}

PixelRect BoardGeometry::cellsBounds() const {
  const int w = board.width;
  PixelRect r{origin.x, origin.y, w * square, rows() * square};
  if (shape == BoardShape::HexRhombus) r.width += square * (w - 1) / 2;
  r.height -= (rows() - 1) * overlap;
  return r;
}

int evenPaneSquare(int square) { return square < kMinBoardSquare ? kMinBoardSquare : square & ~1; }

BoardGeometry layoutBoard(const BoardDimensions& board, int square, PixelRect area, bool goCoordinates) {
  BoardGeometry g = baseGeometry(board, evenPaneSquare(square));
  g.area = area;
  g.coordinates = goCoordinates && isGoKind(board.kind);
  const int sq = g.square, w = board.width;
  g.origin = {area.x + floorDiv(area.width - w * sq, 2), area.y + floorDiv(area.height - g.rows() * sq, 2)};
  if (g.shape == BoardShape::HexRhombus) g.origin.x -= sq * (w - 1) / 4;
  if (g.overlap != 0) g.origin.y += (w - 1) * g.overlap / 2;
  g.frame = frameOf(g);
  return g;
}

BoardGeometry imageGeometry(const BoardDimensions& board, int square) {
  BoardGeometry g = baseGeometry(board, clampSquareSize(square));
  const int c = g.square, w = board.width;
  if (g.shape == BoardShape::GoBoard || g.shape == BoardShape::Kropki) {
    g.area = {0, 0, c * (w + 1) - 1, c * (g.rows() + 1) - 1};
    g.origin = {c / 2 - 1, c / 2 - 1};
    return g;
  }
  g.area = {0, 0, w * c + 1, w * c + 1};
  if (g.shape == BoardShape::HexRhombus) g.area.width += c * (w - 1) / 2;
  if (g.shape == BoardShape::HexagonCells) g.area.height -= (w - 1) * g.overlap;
  return g;
}

bool isStarPoint(const BoardDimensions& b, int col, int row) {
  if (!isGoKind(b.kind)) return false;
  auto isAny = [](int v, std::initializer_list<int> set) {
    for (int s : set)
      if (v == s) return true;
    return false;
  };
  switch (b.width) {
    case 19: return isAny(col, {3, 9, 15}) && isAny(row, {3, 9, 15});
    case 15: return (isAny(col, {3, 11}) && isAny(row, {3, 11})) || (col == 7 && row == 7);
    case 13: return (isAny(col, {3, 9}) && isAny(row, {3, 9})) || (col == 6 && row == 6);
    default: return false;
  }
}

std::uint8_t pointFlags(const BoardDimensions& b, int col, int row) {
  const int rows = b.kind == GameKind::Kropki ? b.height : b.width;
  std::uint8_t flags = 0;
  if (col == 0) flags |= point_flag::kLeftEdge;
  if (col == b.width - 1) flags |= point_flag::kRightEdge;
  if (row == 0) flags |= point_flag::kTopEdge;
  if (row == rows - 1) flags |= point_flag::kBottomEdge;
  if (isStarPoint(b, col, row)) flags |= point_flag::kStar;
  return flags;
}

char goColumnLetter(int col) { return static_cast<char>('A' + col + (col >= 8 ? 1 : 0)); }

std::vector<BoxedText> coordinateTexts(const BoardGeometry& g) {
  std::vector<BoxedText> texts;
  if (!g.coordinates) return texts;
  const int sq = g.square, w = g.board.width, gap = sq / 4;
  const PixelRect cells = g.cellsBounds();
  for (int row = 0; row < w; ++row) {
    const std::string number = std::to_string(w - row);
    const int top = g.origin.y + row * sq;
    texts.push_back({{cells.x - gap - sq, top, sq, sq}, number});
    texts.push_back({{cells.right() + gap, top, sq, sq}, number});
  }
  for (int col = 0; col < w; ++col) {
    const std::string letter(1, goColumnLetter(col));
    const int left = g.origin.x + col * sq;
    texts.push_back({{left, cells.y - gap - sq, sq, sq}, letter});
    texts.push_back({{left, cells.bottom() + gap, sq, sq}, letter});
  }
  return texts;
}

PixelRect labelBox(const BoardGeometry& g, int col, int row) {
  PixelRect box = g.cellBox(col, row);
  const int w = g.board.width;
  int widen = 0;
  if (col - 1 >= 0 && col + 1 < w) ++widen;
  if (widen == 1 && col - 2 >= 0 && col + 2 < w) ++widen;
  box.x -= widen * g.square;
  box.width += 2 * widen * g.square;
  return box;
}

}  // namespace meridax
