#include "view/board_widget.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMenu>
#include <QMouseEvent>
#include <QPainter>
#include <algorithm>

#include "layout/board_hit_test.h"
#include "layout/board_keys.h"
#include "layout/frame_board.h"
#include "view/board_renderer.h"

namespace meridax {

namespace {

std::optional<CursorKey> cursorKeyOf(int key) {
  switch (key) {
    case Qt::Key_Left: return CursorKey::Left;
    case Qt::Key_Right: return CursorKey::Right;
    case Qt::Key_Up: return CursorKey::Up;
    case Qt::Key_Down: return CursorKey::Down;
    case Qt::Key_Tab: return CursorKey::Tab;
    case Qt::Key_Backtab: return CursorKey::BackTab;
    case Qt::Key_Return:
    case Qt::Key_Enter: return CursorKey::Return;
    default: return std::nullopt;
  }
}

bool isOthello(FrameWin& f) { return f.game().kind() == GameKind::Othello; }

constexpr int kLeastPaneSide = 120;

}  // namespace

BoardWidget::BoardWidget(FrameWin& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setFocusPolicy(Qt::StrongFocus);
  setAttribute(Qt::WA_OpaquePaintEvent);
  refresh();
}

template <typename Act>
void BoardWidget::act(Act&& action) {
  emit aboutToAct();
  if (runner_)
    runner_(std::function<void()>(action));
  else
    action();
  refresh();
  emit acted();
}

void BoardWidget::refresh() {
  // Never smaller than the whole board: the scroll area around the pane shows the rest.
  const PixelSize least = frameBoardMinimum(frame_);
  setMinimumSize(std::max(least.width, kLeastPaneSide), std::max(least.height, kLeastPaneSide));
  geometry_ = frameBoardGeometry(frame_, {0, 0, width(), height()});
  frame_.view().setShownSquareSize(geometry_.square);
  scene_ = frameBoardScene(frame_);
  update();
}

QPoint BoardWidget::pointCentre(BoardPoint p) const {
  const PixelPoint c = geometry_.cellCentre(p.x, p.y);
  return {c.x, c.y};
}

std::optional<BoardPoint> BoardWidget::pointAt(const QPoint& pixel) const {
  return hitTest(geometry_, pixel.x(), pixel.y());
}

void BoardWidget::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  const AppSettings& s = frame_.appSettings();
  BoardPaintOptions options;
  options.markup = frame_.frameSettings().viewMarkup != 0;
  options.thickGoLines = s.doThickGoLines;
  options.bevel = s.doBevel;
  BoardRenderer(paletteFromSettings(s.colours, s.gradedOption), options).paint(painter, geometry_, scene_);
  paintEngineMarks(painter);
  if (rightPressed_ && rightOver_) {
    // The area being marked by a right drag.
    const QRect a = QRect(pointCentre(*rightPressed_), pointCentre(*rightOver_)).normalized();
    const int half = geometry_.square / 2;
    painter.setPen(QPen(colourOf(frame_.appSettings().colours.border), 1, Qt::DashLine));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(a.adjusted(-half, -half, half - 1, half - 1));
  }
}

// The engine's suggestion as a ring, and the stones it holds dead as crosses.
void BoardWidget::paintEngineMarks(QPainter& painter) {
  const EngineMarks* marks = frame_.engine().marks();
  if (marks == nullptr) return;
  const int half = std::max(2, geometry_.square * 3 / 10);
  painter.setRenderHint(QPainter::Antialiasing, true);
  painter.setBrush(Qt::NoBrush);
  painter.setPen(QPen(QColor(220, 30, 30), std::max(2, geometry_.square / 10)));
  for (const auto& [x, y] : marks->dead) {
    const QPoint c = pointCentre(BoardPoint{x, y});
    painter.drawLine(c + QPoint(-half, -half), c + QPoint(half, half));
    painter.drawLine(c + QPoint(-half, half), c + QPoint(half, -half));
  }
  if (marks->suggestion) {
    painter.setPen(QPen(QColor(30, 110, 230), std::max(2, geometry_.square / 8)));
    painter.drawEllipse(pointCentre(BoardPoint{marks->suggestion->first, marks->suggestion->second}), half, half);
  }
}

void BoardWidget::resizeEvent(QResizeEvent*) { refresh(); }

void BoardWidget::moveCursorTo(BoardPoint p) {
  if (!frame_.cursorShown()) return;
  frame_.game().cursorX = p.x;
  frame_.game().cursorY = p.y;
  frame_.refreshStatus();
}

void BoardWidget::play(BoardPoint p) { frame_.clickBoard(p.x, p.y); }

void BoardWidget::mousePressEvent(QMouseEvent* event) {
  const std::optional<BoardPoint> p = pointAt(event->position().toPoint());
  if (event->button() == Qt::RightButton) {
    rightPressed_ = rightOver_ = p;
    update();
    return;
  }
  if (event->button() != Qt::LeftButton || !p) return;
  frame_.cancelLabelEntry();
  if (event->modifiers() & Qt::ControlModifier) {
    ctrlPressed_ = p;  // a Ctrl press never plays; a Ctrl release elsewhere corrects the stone
    return;
  }
  act([&] {
    moveCursorTo(*p);
    if (frame_.appSettings().doSingleClick) play(*p);
  });
}

void BoardWidget::mouseMoveEvent(QMouseEvent* event) {
  if (!rightPressed_ || !(event->buttons() & Qt::RightButton)) return;
  const std::optional<BoardPoint> p = pointAt(event->position().toPoint());
  if (p && p != rightOver_) {
    rightOver_ = p;
    update();
  }
}

void BoardWidget::mouseReleaseEvent(QMouseEvent* event) {
  const std::optional<BoardPoint> p = pointAt(event->position().toPoint());
  if (event->button() == Qt::LeftButton) {
    const std::optional<BoardPoint> from = std::exchange(ctrlPressed_, std::nullopt);
    if (from && p && *p != *from && (event->modifiers() & Qt::ControlModifier) && !isOthello(frame_))
      act([&] { frame_.ctrlDragOnBoard(from->x, from->y, p->x, p->y); });
    return;
  }
  if (event->button() != Qt::RightButton) return;
  const std::optional<BoardPoint> from = std::exchange(rightPressed_, std::nullopt);
  const std::optional<BoardPoint> over = std::exchange(rightOver_, std::nullopt);
  update();
  if (!from) return;
  const BoardPoint to = p.value_or(over.value_or(*from));  // released off the board: the last point passed over
  // Marking the area and the command chosen from its menu are one gesture: the area's notice stays.
  const ActionScope gesture(frame_);
  std::vector<MenuItem> items;
  act([&] { items = frame_.annotations().boardContextAt(from->x, from->y, to.x, to.y); });
  openMenu(items, event->globalPosition().toPoint());
}

void BoardWidget::mouseDoubleClickEvent(QMouseEvent* event) {
  const std::optional<BoardPoint> p = pointAt(event->position().toPoint());
  if (event->button() != Qt::LeftButton || !p || frame_.appSettings().doSingleClick ||
      (event->modifiers() & Qt::ControlModifier))
    return;
  act([&] { play(*p); });
}

void BoardWidget::contextMenuEvent(QContextMenuEvent* event) {
  // The mouse's menu opens on the right button's release (see mouseReleaseEvent), not on its press.
  if (event->reason() != QContextMenuEvent::Keyboard) {
    event->accept();
    return;
  }
  openShortMenu();
}

void BoardWidget::openShortMenu() {
  const PixelRect a = geometry_.area;
  openMenu(boardShortMenu(frame_), mapToGlobal(QPoint(a.x + a.width / 2, a.y + a.height / 2)));
}

bool BoardWidget::focusNextPrevChild(bool next) {
  // Tab moves Othello's cursor between legal squares while the cursor is shown.
  if (isOthello(frame_) && frame_.cursorShown()) return false;
  return QWidget::focusNextPrevChild(next);
}

bool BoardWidget::handleCharacter(const QString& text) {
  if (text.size() != 1 || text[0].unicode() > 0x7f) return false;
  const char c = static_cast<char>(text[0].unicode());
  bool handled = false;
  act([&] {
    if (!frame_.annotations().labelEntryArmed() && isOthello(frame_)) handled = boardCursorCharacter(frame_, c);
    if (!handled) handled = frame_.annotations().boardKey(std::string(1, c));
  });
  return handled;
}

void BoardWidget::keyPressEvent(QKeyEvent* event) {
  const Qt::KeyboardModifiers mods = event->modifiers() & ~(Qt::KeypadModifier | Qt::ShiftModifier);
  if (mods != Qt::NoModifier) {
    QWidget::keyPressEvent(event);
    return;
  }
  bool handled = false;
  if (const std::optional<CursorKey> key = cursorKeyOf(event->key())) {
    act([&] { handled = boardCursorKey(frame_, *key); });
  } else if (event->key() == Qt::Key_Insert || event->key() == Qt::Key_Delete) {
    act([&] { handled = frame_.annotations().boardKey(event->key() == Qt::Key_Insert ? "Insert" : "Delete"); });
  } else if (event->key() == Qt::Key_Menu) {
    openShortMenu();
    handled = true;
  } else {
    handled = handleCharacter(event->text());
  }
  if (!handled) QWidget::keyPressEvent(event);
}

void BoardWidget::openMenu(const std::vector<MenuItem>& items, const QPoint& globalPos) {
  emit menuRequested(items);
  if (items.empty()) return;
  QMenu menu(this);
  for (const MenuItem& item : items) {
    QAction* action = menu.addAction(QString::fromStdString(item.text));
    const FrameCommand* command = frame_.findCommand(item.name);
    action->setEnabled(command != nullptr && frame_.commandEnabled(*command));
    connect(action, &QAction::triggered, this, [this, item] { runMenuItem(item); });
  }
  menu.exec(globalPos);
}

void BoardWidget::runMenuItem(const MenuItem& item) {
  act([&] { frame_.runCommand(item.name); });
}

}  // namespace meridax
