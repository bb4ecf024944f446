#include "view/tree_pane.h"

#include <QFontMetrics>
#include <QMouseEvent>
#include <QPainter>
#include <QScrollBar>
#include <QWheelEvent>
#include <algorithm>

#include "layout/colour_contrast.h"
#include "view/qt_text.h"

namespace meridax {

namespace {

// Colours are stored with red in the lowest byte.
QColor toQColor(ColourRef c) { return QColor(c & 0xFF, (c >> 8) & 0xFF, (c >> 16) & 0xFF); }

QRect toQRect(const PixelRect& r) { return QRect(r.x, r.y, r.width, r.height); }

// The current move's outline: thick enough to be seen at a glance, whatever the font.
int markWidth(int lineHeight) { return std::max(3, lineHeight / 7); }

void drawMark(QPainter& painter, const QRect& box, const QColor& colour, int width) {
  QPen pen(colour, width);
  pen.setJoinStyle(Qt::MiterJoin);
  painter.setPen(pen);
  painter.setBrush(Qt::NoBrush);
  const int in = width / 2;
  painter.drawRect(box.adjusted(in, in, in - width + 1, in - width + 1));
}

}  // namespace

TreePane::TreePane(FrameWin& frame, QWidget* parent)
    : QWidget(parent), frame_(frame), bar_(new QScrollBar(Qt::Vertical, this)) {
  setObjectName(QStringLiteral("treePane"));
  setAttribute(Qt::WA_OpaquePaintEvent);
  setFocusPolicy(Qt::NoFocus);
  setMinimumSize(80, 60);
  connect(bar_, &QScrollBar::valueChanged, this, [this](int value) {
    if (updatingBar_) return;
    scroll_.scrollTo(value, static_cast<int>(lines_.size()), visibleLines());
    update();
  });
  applySettings();
}

void TreePane::applySettings() {
  const AppSettings& s = frame_.appSettings();
  textFont_ = toQFont(s.treeFont);
  movesFont_ = toQFont(s.movesFont);
  highFont_ = toQFont(s.highMoveFont);
  branchFont_ = toQFont(s.branchFont);
  const AttributeColours& c = s.colours;
  colours_ = Palette{toQColor(c.font), toQColor(c.fontMoves), toQColor(c.fontHighMove), toQColor(c.fontBranch),
                     toQColor(c.box),  toQColor(c.box2),      toQColor(c.box3),
                     toQColor(markColourAgainst(c.box, c.fontHighMove))};
  columns_ = s.do6Moves ? 6 : 4;
  rebuild();
}

TreeMetrics TreePane::metrics() const {
  int height = 0;
  for (const QFont* f : {&textFont_, &movesFont_, &highFont_, &branchFont_})
    height = std::max(height, QFontMetrics(*f).height());
  return TreeMetrics{height + 4, std::max(1, QFontMetrics(movesFont_).averageCharWidth()), columns_, 2};
}

int TreePane::visibleLines() const { return visibleLineCount(height(), metrics().lineHeight); }

void TreePane::rebuild() {
  lines_ = buildTreeLinesThrough(frame_.game(), focus_, TreeLineOptions{columns_});
  followCurrent();
}

void TreePane::showLineThrough(GameNode* node) {
  focus_ = node;
  scroll_.reset();
  rebuild();
}

const GameNode* TreePane::highlighted() const { return focus_ != nullptr ? focus_ : frame_.game().currentNode; }

// Done whenever the lines or the pane's size change, before they are drawn.
void TreePane::followCurrent() {
  const GameNode* shown = highlighted();
  scroll_.followCurrent(lineOfMove(lines_, shown), visibleLines(), shown == frame_.game().firstNode);
  updateScrollBar();
  update();
}

void TreePane::resetScrolling() {
  scroll_.reset();
  updateScrollBar();
  update();
}

void TreePane::scroll(TreeScrollRequest request) {
  scroll_.scroll(request, static_cast<int>(lines_.size()), visibleLines());
  updateScrollBar();
  update();
}

void TreePane::setTopLine(int line) {
  scroll_.setTop(line);
  updateScrollBar();
  update();
}

void TreePane::updateScrollBar() {
  updatingBar_ = true;
  const int visible = visibleLines();
  bar_->setRange(0, lastTopLine(static_cast<int>(lines_.size()), visible));
  bar_->setPageStep(std::max(1, visible));
  bar_->setValue(scroll_.top());
  updatingBar_ = false;
}

void TreePane::resizeEvent(QResizeEvent*) {
  const int w = bar_->sizeHint().width();
  bar_->setGeometry(width() - w, 0, w, height());
  // A pane that follows the current move shows as much above it as the new height allows.
  if (scroll_.keepsCurrentVisible()) scroll_.setTop(0);
  followCurrent();
}

QRect TreePane::boxOf(const GameNode* node) const {
  const TreeMetrics m = metrics();
  const int visible = visibleLines();
  for (int row = 0; row < visible; ++row) {
    const std::size_t index = static_cast<std::size_t>(scroll_.top() + row);
    if (index >= lines_.size()) break;
    const TreeLine& line = lines_[index];
    const int chars = line.type == TreeLineType::Variation ? kVariationBoxChars : kMoveBoxChars;
    for (const TreeBox& box : line.boxes)
      if (box.node == node) return toQRect(boxRect(m, row, box.column, chars));
  }
  return {};
}

void TreePane::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), colours_.box);
  const GameNode* current = highlighted();
  const int visible = visibleLines();
  const int end = std::min(static_cast<int>(lines_.size()), scroll_.top() + visible);
  painter.setClipRect(QRect(0, 0, width() - bar_->width(), height()));
  for (int index = scroll_.top(); index < end; ++index)
    paintLine(painter, lines_[static_cast<std::size_t>(index)], index - scroll_.top(), current);
  painter.setClipping(false);
  painter.setPen(colours_.moves);
  painter.drawRect(rect().adjusted(0, 0, -1, -1));
}

void TreePane::paintBox(QPainter& painter, const QRect& rect, const QString& text, const QFont& font,
                        const QColor& fill, const QColor& ink, bool current) {
  const QRect inner = rect.adjusted(0, 1, -1, -2);
  painter.fillRect(inner, fill);
  painter.setPen(colours_.moves);
  painter.drawRect(inner);
  if (current) drawMark(painter, inner, colours_.mark, markWidth(metrics().lineHeight));
  painter.setFont(font);
  painter.setPen(ink);
  // A box text longer than the box (a move with its annotation, "Bq16!?") is narrowed to fit.
  const int wanted = QFontMetrics(font).horizontalAdvance(text);
  const int room = inner.width() - 2;
  if (wanted <= room || room <= 0) {
    painter.drawText(inner, Qt::AlignCenter, text);
    return;
  }
  painter.save();
  const QPointF centre = QRectF(inner).center();
  painter.translate(centre);
  painter.scale(static_cast<qreal>(room) / wanted, 1.0);
  painter.drawText(QRectF(-wanted / 2.0, -inner.height() / 2.0, wanted, inner.height()), Qt::AlignCenter, text);
  painter.restore();
}

void TreePane::paintLine(QPainter& painter, const TreeLine& line, int row, const GameNode* current) {
  const TreeMetrics m = metrics();
  switch (line.type) {
    case TreeLineType::Empty: return;
    case TreeLineType::Moves:
    case TreeLineType::OtherMoves:
      for (const TreeBox& box : line.boxes) {
        const bool high = box.node == current;
        paintBox(painter, toQRect(boxRect(m, row, box.column, kMoveBoxChars)), QString::fromStdString(box.text),
                 high ? highFont_ : movesFont_, high ? colours_.box3 : colours_.box,
                 high ? colours_.highMove : colours_.moves, high);
      }
      return;
    case TreeLineType::Variation: {
      const TreeBox& box = line.boxes.front();
      const QRect boxArea = toQRect(boxRect(m, row, box.column, kVariationBoxChars));
      const QString rest = toQt(line.text);
      const QRect restArea(boxArea.right() + 1, boxArea.top(),
                           QFontMetrics(textFont_).horizontalAdvance(rest) + m.charWidth, boxArea.height());
      painter.fillRect(restArea.adjusted(0, 1, 0, -2), colours_.box2);
      painter.setFont(textFont_);
      painter.setPen(colours_.branch);
      painter.drawText(restArea, Qt::AlignLeft | Qt::AlignVCenter, rest);
      paintBox(painter, boxArea, QString::fromStdString(box.text).trimmed(), branchFont_, colours_.box2,
               colours_.branch, false);
      return;
    }
    case TreeLineType::Text: {
      const PixelRect r = lineRect(m, row, width() - bar_->width());
      painter.setFont(textFont_);
      painter.setPen(colours_.text);
      const QRect area(r.x + m.charWidth, r.y, r.width - m.charWidth, r.height);
      painter.drawText(area, Qt::AlignLeft | Qt::AlignVCenter | Qt::TextSingleLine, toQt(line.text));
      return;
    }
    case TreeLineType::Markers: paintMarkers(painter, line, row, line.node == current); return;
  }
}

void TreePane::paintMarkers(QPainter& painter, const TreeLine& line, int row, bool current) {
  const TreeMetrics m = metrics();
  const int shadow = (m.lineHeight * 16 + 40) / 80;
  const std::vector<PixelRect> rects = markerRects(m, row, line.markers);
  painter.setFont(textFont_);
  for (std::size_t i = 0; i < rects.size(); ++i) {
    const QRect box = toQRect(rects[i]).adjusted(0, 1, -shadow, -1 - shadow);
    painter.fillRect(box.translated(shadow, shadow), colours_.moves);
    painter.fillRect(box, current ? colours_.box3 : colours_.box);
    painter.setPen(colours_.moves);
    painter.drawRect(box);
    painter.setPen(current ? colours_.highMove : colours_.text);
    painter.drawText(box, Qt::AlignCenter, QString::fromStdString(line.markers[i]).trimmed());
  }
}

TreeHit TreePane::hitAt(QPoint point) const {
  return hitTreeLine(lines_, scroll_.top(), metrics(), point.x(), point.y());
}

void TreePane::mousePressEvent(QMouseEvent* event) {
  const TreeHit hit = hitAt(event->position().toPoint());
  if (event->button() == Qt::RightButton) {
    pressedNode_ = hit.node;
    return;
  }
  if (event->button() == Qt::LeftButton && hit.node != nullptr) emit nodeClicked(hit.node, hit.variationLine);
}

// Context menus open on the release over the box where the right button went down, as the pane always did.
void TreePane::mouseReleaseEvent(QMouseEvent* event) {
  if (event->button() != Qt::RightButton) return;
  const TreeHit hit = hitAt(event->position().toPoint());
  GameNode* pressed = std::exchange(pressedNode_, nullptr);
  if (hit.node != nullptr && hit.node == pressed)
    emit contextMenuRequested(hit.node, event->globalPosition().toPoint());
}

void TreePane::wheelEvent(QWheelEvent* event) {
  const int steps = event->angleDelta().y() / 40;
  for (int i = 0; i < std::abs(steps); ++i) scroll(steps > 0 ? TreeScrollRequest::LineUp : TreeScrollRequest::LineDown);
  event->accept();
}

}  // namespace meridax
