// The board under the pieces: the area, the frame with its shadow or bevel, and the cells of each shape.

#include <QLinearGradient>
#include <QPainterPath>

#include "view/board_paint_parts.h"

namespace meridax::board_paint {

namespace {

QPen gridPen(const Context& c, int width = 1) {
  QPen pen(c.palette.dark, width);
  pen.setCapStyle(Qt::FlatCap);
  return pen;
}

void noAntialiasing(QPainter& p) { p.setRenderHint(QPainter::Antialiasing, false); }

// Go and Kropki: lines through the centres of the cells, the outer ones bold on a Go board when asked.
void paintCrossings(const Context& c, bool thick) {
  QPainter& p = c.painter;
  const int w = c.g.board.width, rows = c.g.rows();
  const QPoint first(c.g.cellCentre(0, 0).x, c.g.cellCentre(0, 0).y);
  const QPoint last(c.g.cellCentre(w - 1, rows - 1).x, c.g.cellCentre(w - 1, rows - 1).y);
  p.setPen(gridPen(c));
  for (int row = 0; row < rows; ++row) {
    const int y = c.g.cellCentre(0, row).y;
    p.drawLine(first.x(), y, last.x(), y);
  }
  for (int col = 0; col < w; ++col) {
    const int x = c.g.cellCentre(col, 0).x;
    p.drawLine(x, first.y(), x, last.y());
  }
  if (thick && c.g.board.kind == GameKind::Go) {
    p.setPen(gridPen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(QRect(first, last));
  }
}

void paintStarPoints(const Context& c) {
  QPainter& p = c.painter;
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(Qt::NoPen);
  p.setBrush(c.palette.dark);
  // A fifth of a square across, never less than four pixels: seen at a glance at every size.
  const double r = std::max(2.0, c.g.square / 10.0);
  for (const SceneCell& cell : c.scene.cells)
    if (cell.flags & point_flag::kStar) {
      const PixelPoint m = c.g.cellCentre(cell.at.x, cell.at.y);
      p.drawEllipse(QPointF(m.x + 0.5, m.y + 0.5), r, r);
    }
  noAntialiasing(p);
}

// Kropki: a cell inside a field keeps a border of the field's colour around its inner part.
void paintFields(const Context& c) {
  const int m = (26 * c.g.square + 64) / 128 + 1;
  for (const SceneCell& cell : c.scene.cells) {
    if (cell.field == FieldColour::None) continue;
    const QRect box = rectOf(c.g.cellBox(cell.at.x, cell.at.y));
    QPainterPath border;
    border.addRect(box);
    border.addRect(box.adjusted(m, m, -m, -m));
    c.painter.fillPath(border, cell.field == FieldColour::Black ? c.palette.blackField : c.palette.whiteField);
  }
}

void paintSquares(const Context& c) {
  QPainter& p = c.painter;
  p.setPen(gridPen(c));
  for (const SceneCell& cell : c.scene.cells) {
    if (cell.look == CellLook::OffBoard) continue;
    const QRect box = rectOf(c.g.cellBox(cell.at.x, cell.at.y));
    p.fillRect(box, c.palette.surface);
    p.setBrush(Qt::NoBrush);
    p.drawRect(box.adjusted(0, 0, -1, -1));
    if (cell.look == CellLook::Available) p.fillRect(box.adjusted(2, 2, -2, -2), c.palette.surface.darker(115));
  }
}

void paintHexagons(const Context& c) {
  QPainter& p = c.painter;
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setPen(QPen(c.palette.dark, 1));
  p.setBrush(c.palette.surface);
  for (const SceneCell& cell : c.scene.cells)
    if (cell.look != CellLook::OffBoard) p.drawPolygon(hexagonIn(rectOf(c.g.cellBox(cell.at.x, cell.at.y)), c.g.overlap));
  noAntialiasing(p);
}

// Hex: each player's two edges in the player's colour, Black joining top and bottom, White left and
// right, as a band along the outer sides of the edge cells. Corners of a cell, from its top clockwise.
enum Corner { Top, UpperRight, LowerRight, Bottom, LowerLeft, UpperLeft };

void paintHexEdges(const Context& c) {
  QPainter& p = c.painter;
  const int w = c.g.board.width;
  if (w < 1) return;
  auto corner = [&](int col, int row, Corner k) { return hexagonIn(rectOf(c.g.cellBox(col, row)), c.g.overlap)[k]; };
  auto side = [&](std::initializer_list<std::pair<Corner, Corner>> ends, auto cellAt) {
    QPolygon line;
    for (int i = 0; i < w; ++i) {
      const auto [col, row] = cellAt(i);
      for (const auto& [from, to] : ends) {
        if (line.isEmpty() || line.last() != corner(col, row, from)) line << corner(col, row, from);
        line << corner(col, row, to);
      }
    }
    return line;
  };
  const QPolygon top = side({{UpperLeft, Top}, {Top, UpperRight}}, [](int i) { return std::pair{i, 0}; });
  const QPolygon bottom =
      side({{LowerLeft, Bottom}, {Bottom, LowerRight}}, [w](int i) { return std::pair{i, w - 1}; });
  const QPolygon left = side({{UpperLeft, LowerLeft}, {LowerLeft, Bottom}}, [](int i) { return std::pair{0, i}; });
  const QPolygon right =
      side({{Top, UpperRight}, {UpperRight, LowerRight}}, [w](int i) { return std::pair{w - 1, i}; });
  const int band = std::max(3, c.g.square / 6);
  p.setRenderHint(QPainter::Antialiasing, true);
  p.setBrush(Qt::NoBrush);
  auto stroke = [&](const QPolygon& line, const QColor& colour, int width) {
    QPen pen(colour, width);
    pen.setCapStyle(Qt::RoundCap);
    pen.setJoinStyle(Qt::RoundJoin);
    p.setPen(pen);
    p.drawPolyline(line);
  };
  // White's band has a dark rim, or it would vanish on a light board.
  for (const QPolygon* line : {&left, &right}) stroke(*line, c.palette.dark, band + 2);
  for (const QPolygon* line : {&left, &right}) stroke(*line, c.palette.whitePiece, band);
  for (const QPolygon* line : {&top, &bottom}) stroke(*line, c.palette.blackPiece, band);
  noAntialiasing(p);
}

QColor shadedArea(const QColor& base, AreaShading shading, double at) {
  switch (shading) {
    case AreaShading::Flat: return base;
    case AreaShading::ByLuminescence: return base.lighter(100 + static_cast<int>(30 * (1 - at)));
    case AreaShading::LinearLow: return base.darker(100 + static_cast<int>(25 * at));
    case AreaShading::LinearHigh: return base.lighter(100 + static_cast<int>(25 * at));
  }
  return base;
}

void paintBevel(const Context& c, const QRect& f) {
  const int b = std::max(2, c.g.shadow);
  const QPolygon topLeft({f.topLeft(), f.topRight() + QPoint(1, 0), f.topRight() + QPoint(1 - b, b),
                          f.topLeft() + QPoint(b, b), f.bottomLeft() + QPoint(b, 1 - b), f.bottomLeft() + QPoint(0, 1)});
  const QPolygon bottomRight({f.bottomRight() + QPoint(1, 1), f.bottomLeft() + QPoint(0, 1),
                              f.bottomLeft() + QPoint(b, 1 - b), f.bottomRight() + QPoint(1 - b, 1 - b),
                              f.topRight() + QPoint(1 - b, b), f.topRight() + QPoint(1, 0)});
  QPainter& p = c.painter;
  p.setPen(QPen(c.palette.bevelLight.darker(110), 1));
  p.setBrush(c.palette.bevelLight);
  p.drawPolygon(topLeft);
  p.setPen(QPen(c.palette.bevelDark.darker(110), 1));
  p.setBrush(c.palette.bevelDark);
  p.drawPolygon(bottomRight);
}

}  // namespace

QRect rectOf(const PixelRect& r) { return QRect(r.x, r.y, r.width, r.height); }

bool hexagonal(const BoardGeometry& g) {
  return g.shape == BoardShape::HexRhombus || g.shape == BoardShape::HexagonCells;
}

QPolygon hexagonIn(const QRect& box, int overlap) {
  const int l = box.left(), t = box.top(), r = box.left() + box.width(), b = box.top() + box.height();
  const int mid = l + box.width() / 2;
  return QPolygon({QPoint(mid, t), QPoint(r, t + overlap), QPoint(r, b - overlap), QPoint(mid, b),
                   QPoint(l, b - overlap), QPoint(l, t + overlap)});
}

void clearCell(const Context& c, BoardPoint at) {
  const QRect box = rectOf(c.g.cellBox(at.x, at.y));
  if (!hexagonal(c.g)) {
    c.painter.fillRect(box, c.palette.surface);
    return;
  }
  c.painter.save();
  c.painter.setRenderHint(QPainter::Antialiasing, true);
  c.painter.setPen(QPen(c.palette.dark, 1));
  c.painter.setBrush(c.palette.surface);
  c.painter.drawPolygon(hexagonIn(box, c.g.overlap));
  c.painter.restore();
}

void paintArea(const Context& c) {
  const QRect area = rectOf(c.g.area);
  if (c.palette.shading == AreaShading::Flat) {
    c.painter.fillRect(area, c.palette.area);
    return;
  }
  QLinearGradient grade(area.topLeft(), area.bottomLeft());
  grade.setColorAt(0, shadedArea(c.palette.area, c.palette.shading, 0));
  grade.setColorAt(1, shadedArea(c.palette.area, c.palette.shading, 1));
  c.painter.fillRect(area, grade);
}

void paintFrame(const Context& c, bool bevel) {
  QPainter& p = c.painter;
  noAntialiasing(p);
  if (!c.g.frame) {
    if (!hexagonal(c.g)) p.fillRect(rectOf(c.g.cellsBounds()), c.palette.surface);
    return;
  }
  const QRect f = rectOf(*c.g.frame);
  if (!bevel) p.fillRect(f.translated(c.g.shadow, c.g.shadow), c.palette.dark);
  p.fillRect(f, c.palette.surface);
  if (bevel) {
    paintBevel(c, f);
  } else {
    p.setPen(gridPen(c));
    p.drawLine(f.topLeft(), f.topRight());
    p.drawLine(f.topLeft(), f.bottomLeft());
  }
  if (c.g.board.kind == GameKind::Othello) {
    p.setPen(gridPen(c, 2));
    p.setBrush(Qt::NoBrush);
    p.drawRect(rectOf(c.g.cellsBounds()).adjusted(-2, -2, 1, 1));
  }
}

void paintCells(const Context& c, bool thickGoLines) {
  noAntialiasing(c.painter);
  switch (c.g.shape) {
    case BoardShape::GoBoard:
    case BoardShape::Kropki:
      paintCrossings(c, thickGoLines);
      paintStarPoints(c);
      paintFields(c);
      break;
    case BoardShape::SquareCells: paintSquares(c); break;
    case BoardShape::HexRhombus:
      paintHexagons(c);
      paintHexEdges(c);
      break;
    case BoardShape::HexagonCells: paintHexagons(c); break;
  }
}

}  // namespace meridax::board_paint
