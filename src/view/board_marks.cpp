// What stands on the cells: pieces, move numbers, markers, markup, co-ordinates and the cursor.

#include <QPaintEngine>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "view/board_paint_parts.h"

namespace meridax::board_paint {

namespace {

bool isPieceLook(CellLook look) {
  return look == CellLook::Black || look == CellLook::White || look == CellLook::TurnsForBlack ||
         look == CellLook::TurnsForWhite;
}

QPointF centreOf(const Context& c, BoardPoint at) {
  const QRect box = rectOf(c.g.cellBox(at.x, at.y));
  return QRectF(box).center();
}

void drawPieceShape(QPainter& p, const BoardPalette& palette, QPointF centre, double radius, bool black) {
  const QColor base = black ? palette.blackPiece : palette.whitePiece;
  if (palette.shadedPieces) {
    QRadialGradient shade(centre - QPointF(radius / 3, radius / 3), radius * 1.3);
    shade.setColorAt(0, black ? base.lighter(400) : base);
    shade.setColorAt(1, black ? base : base.darker(125));
    p.setBrush(shade);
  } else {
    p.setBrush(base);
  }
  p.setPen(QPen(black ? palette.blackPiece : palette.dark, std::max(1.0, radius / 12)));
  p.drawEllipse(centre, radius, radius);
}

// Full-size pieces are drawn once per size, colours and pixel ratio, then copied: a board holds hundreds.
class PieceTiles {
 public:
  const QImage& tile(const BoardPalette& palette, int square, double radius, qreal ratio, bool black) {
    const Key key{square, radius, ratio, palette.blackPiece.rgba(), palette.whitePiece.rgba(), palette.dark.rgba(),
                  palette.shadedPieces};
    if (!(key == key_)) {
      key_ = key;
      black_ = render(palette, square, radius, ratio, true);
      white_ = render(palette, square, radius, ratio, false);
    }
    return black ? black_ : white_;
  }

 private:
  struct Key {
    int square = 0;
    double radius = 0;
    qreal ratio = 0;
    QRgb black = 0, white = 0, dark = 0;
    bool shaded = false;
    bool operator==(const Key&) const = default;
  };
  static QImage render(const BoardPalette& palette, int square, double radius, qreal ratio, bool black) {
    const int side = static_cast<int>(std::ceil(square * ratio));
    QImage image(side, side, QImage::Format_ARGB32_Premultiplied);
    image.setDevicePixelRatio(ratio);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawPieceShape(p, palette, QPointF(square / 2.0, square / 2.0), radius, black);
    return image;
  }
  Key key_;
  QImage black_, white_;
};

void drawPiece(const Context& c, QPointF centre, double radius, bool black) {
  drawPieceShape(c.painter, c.palette, centre, radius, black);
}

// Copies of a tile on raster devices (widgets, images); shapes on vector devices (SVG, pictures).
void drawTiledPiece(const Context& c, BoardPoint at, double radius, bool black) {
  const QPaintEngine* engine = c.painter.paintEngine();
  if (engine == nullptr || engine->type() != QPaintEngine::Raster) {
    drawPiece(c, centreOf(c, at), radius, black);
    return;
  }
  static PieceTiles tiles;
  const qreal ratio = c.painter.device() != nullptr ? c.painter.device()->devicePixelRatioF() : 1.0;
  const QRect box = rectOf(c.g.cellBox(at.x, at.y));
  c.painter.drawImage(box.topLeft(), tiles.tile(c.palette, c.g.square, radius, ratio, black));
}

// Kropki's dots are smaller than stones, so that the lines between them stay readable.
double pieceRadius(const Context& c) {
  if (c.g.shape == BoardShape::Kropki) return c.g.square * 0.32;
  return c.g.square * (hexagonal(c.g) ? 0.40 : 0.46);
}

// Dark texts and symbols on empty points and white pieces, white ones on black pieces.
QColor inkOn(const Context& c, CellLook look) { return look == CellLook::Black ? Qt::white : c.palette.dark; }

void drawCentredText(QPainter& p, const QRect& box, const QString& text) {
  p.drawText(box, Qt::AlignCenter | Qt::TextSingleLine | Qt::TextDontClip, text);
}

void drawSymbol(const Context& c, const SceneSymbol& s) {
  QPainter& p = c.painter;
  const QPointF m = centreOf(c, s.at);
  const double h = c.g.square * 0.27;
  const QColor ink = s.on == CellLook::White ? c.palette.blackPiece : inkOn(c, s.on);
  p.setPen(QPen(ink, std::max(1.0, c.g.square / 14.0)));
  p.setBrush(Qt::NoBrush);
  switch (s.kind) {
    case SymbolKind::Cross:
      p.drawLine(m + QPointF(-h, -h), m + QPointF(h, h));
      p.drawLine(m + QPointF(-h, h), m + QPointF(h, -h));
      break;
    case SymbolKind::Triangle:
      p.drawPolygon(QPolygonF({m + QPointF(0, -h * 1.15), m + QPointF(h * 1.1, h * 0.8), m + QPointF(-h * 1.1, h * 0.8)}));
      break;
    case SymbolKind::Circle: p.drawEllipse(m, h, h); break;
    case SymbolKind::Square: p.drawRect(QRectF(m - QPointF(h, h), m + QPointF(h, h))); break;
    case SymbolKind::BlackTerritory:
    case SymbolKind::WhiteTerritory: {
      const bool black = s.kind == SymbolKind::BlackTerritory;
      p.setPen(QPen(c.palette.dark, 1));
      p.setBrush(black ? c.palette.blackPiece : c.palette.whitePiece);
      const double t = c.g.square / 6.0;
      p.drawRect(QRectF(m - QPointF(t, t), m + QPointF(t, t)));
      break;
    }
  }
}

}  // namespace

void paintPieces(const Context& c) {
  QPainter& p = c.painter;
  p.setRenderHint(QPainter::Antialiasing, true);
  const double r = pieceRadius(c);
  for (const SceneCell& cell : c.scene.cells) {
    if (!isPieceLook(cell.look)) continue;
    const QPointF m = centreOf(c, cell.at);
    // A piece the move at the cursor would turn shows the mover's colour at its heart.
    const bool black = cell.look == CellLook::Black || cell.look == CellLook::TurnsForWhite;
    drawTiledPiece(c, cell.at, r, black);
    if (cell.look == CellLook::TurnsForBlack || cell.look == CellLook::TurnsForWhite)
      drawPiece(c, m, r * 0.45, !black);
  }
}

void paintNumbers(const Context& c) {
  QPainter& p = c.painter;
  p.setRenderHint(QPainter::TextAntialiasing, true);
  for (const bool black : {true, false})
    for (const SceneNumber& n : c.scene.numbers) {
      if (n.onBlack != black) continue;
      p.setFont(n.number >= 100 ? c.fonts.smallNumber : c.fonts.number);
      p.setPen(black ? QColor(Qt::white) : c.palette.dark);
      drawCentredText(p, rectOf(c.g.cellBox(n.at.x, n.at.y)), QString::number(n.number));
    }
}

// Below this square size a sign would not be legible on a piece: the plain dot is drawn.
constexpr double kSmallestSignedSquare = 16;

void paintMarkers(const Context& c) {
  QPainter& p = c.painter;
  p.setRenderHint(QPainter::Antialiasing, true);
  const bool crossings = c.g.shape == BoardShape::GoBoard || c.g.shape == BoardShape::Kropki;
  for (const SceneMarker& m : c.scene.markers) {
    const QPointF at = centreOf(c, m.at);
    const bool black = m.colour == Colour::Black;
    if (m.kind == MarkerKind::LastMove && !c.scene.lastMoveSign.empty() && c.g.square >= kSmallestSignedSquare) {
      // The move's sign on the piece just played, in the opposite colour.
      p.setFont(c.fonts.number);
      p.setPen(black ? Qt::white : c.palette.dark);
      drawCentredText(p, rectOf(c.g.cellBox(m.at.x, m.at.y)), QString::fromLatin1(c.scene.lastMoveSign.c_str()));
    } else if (m.kind == MarkerKind::LastMove) {
      // On the piece just played, in the opposite colour.
      p.setPen(Qt::NoPen);
      p.setBrush(black ? c.palette.whitePiece : c.palette.blackPiece);
      p.drawEllipse(at, c.g.square / 6.0, c.g.square / 6.0);
    } else if (crossings || m.kind == MarkerKind::NextMove) {
      drawPiece(c, at, c.g.square / (crossings ? 5.0 : 6.0), black);
    } else {
      p.setPen(QPen(c.palette.dark, std::max(1.0, c.g.square / 16.0)));
      p.setBrush(Qt::NoBrush);
      p.drawEllipse(at, c.g.square / 5.0, c.g.square / 5.0);
    }
  }
}

void paintSymbols(const Context& c) {
  QPainter& p = c.painter;
  for (const SceneSymbol& s : c.scene.symbols) {
    if (s.clearUnder) clearCell(c, s.at);
    p.setRenderHint(QPainter::Antialiasing, true);
    drawSymbol(c, s);
  }
}

void paintLabels(const Context& c) {
  QPainter& p = c.painter;
  p.setFont(c.fonts.label);
  p.setRenderHint(QPainter::TextAntialiasing, true);
  for (const SceneLabel& l : c.scene.labels) {
    const SceneCell* cell = c.scene.cellAt(l.at);
    const CellLook on = cell != nullptr ? cell->look : CellLook::Empty;
    // A lettered empty crossing is cleared so that the letter stands free of the lines.
    if (!isPieceLook(on) && (c.g.shape == BoardShape::GoBoard || c.g.shape == BoardShape::Kropki) &&
        (cell == nullptr || cell->field == FieldColour::None))
      clearCell(c, l.at);
    p.setPen(inkOn(c, l.onBlack ? CellLook::Black : on));
    drawCentredText(p, rectOf(labelBox(c.g, l.at.x, l.at.y)), QString::fromUtf8(l.text.c_str()));
  }
}

void paintCoordinates(const Context& c) {
  QPainter& p = c.painter;
  p.setFont(c.fonts.coordinate);
  p.setPen(c.palette.dark);
  for (const BoxedText& t : coordinateTexts(c.g)) drawCentredText(p, rectOf(t.box), QString::fromStdString(t.text));
}

void paintCursor(const Context& c) {
  if (!c.scene.cursor) return;
  QPainter& p = c.painter;
  p.setRenderHint(QPainter::Antialiasing, false);
  const QRect box = rectOf(c.g.cellBox(c.scene.cursor->at.x, c.scene.cursor->at.y)).adjusted(1, 1, -2, -2);
  const bool black = c.scene.cursor->toMove == Colour::Black;
  p.save();
  // The corners go round a piece instead of over it: drawn over its edge they square it off.
  const SceneCell* under = c.scene.cellAt(c.scene.cursor->at);
  if (under != nullptr && isPieceLook(under->look)) {
    QPainterPath outside;
    outside.addRect(box.adjusted(-box.width(), -box.height(), box.width(), box.height()));
    const double r = pieceRadius(c) + 0.5;
    outside.addEllipse(centreOf(c, c.scene.cursor->at), r, r);
    p.setClipPath(outside, Qt::IntersectClip);
  }
  const int arm = std::max(3, c.g.square / 4);
  const int width = std::max(2, c.g.square / 12);
  auto corners = [&](const QPen& pen, int inset) {
    p.setPen(pen);
    const QRect b = box.adjusted(inset, inset, -inset, -inset);
    for (const auto& [corner, dx, dy] : {std::tuple{b.topLeft(), 1, 1}, std::tuple{b.topRight(), -1, 1},
                                        std::tuple{b.bottomLeft(), 1, -1}, std::tuple{b.bottomRight(), -1, -1}}) {
      p.drawLine(corner, corner + QPoint(dx * arm, 0));
      p.drawLine(corner, corner + QPoint(0, dy * arm));
    }
  };
  // The side to move's colour, edged in the other so that it shows on any piece.
  corners(QPen(black ? c.palette.whitePiece : c.palette.blackPiece, width + 2, Qt::SolidLine, Qt::SquareCap), 0);
  corners(QPen(black ? c.palette.blackPiece : c.palette.whitePiece, width, Qt::SolidLine, Qt::SquareCap), 0);
  p.restore();
}

}  // namespace meridax::board_paint
