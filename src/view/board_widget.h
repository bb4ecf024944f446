#pragma once
// The board pane: draws the current position of the frame's current game and turns mouse and keys on
// the board into frame commands. It holds no game state of its own besides the gesture in progress.

#include <QWidget>
#include <functional>
#include <optional>
#include <vector>

#include "app/frame_win.h"
#include "layout/board_geometry.h"
#include "layout/board_scene.h"

class QPainter;

class QMenu;

namespace meridax {

class BoardWidget : public QWidget {
  Q_OBJECT

 public:
  explicit BoardWidget(FrameWin& frame, QWidget* parent = nullptr);

  // How the board runs what it hands to the frame; the window's runner commits a typed comment first and
  // brings every pane up to date after. Without one the action simply runs.
  using ActionRunner = std::function<void(const std::function<void()>&)>;
  void setActionRunner(ActionRunner runner) { runner_ = std::move(runner); }

  // Reads the frame's state again (position, view settings, square size, colours) and repaints.
  void refresh();

  const BoardGeometry& boardGeometry() const { return geometry_; }
  const BoardScene& boardScene() const { return scene_; }
  // The pixel at the centre of a board point, for tests and for menus opened from the keyboard.
  QPoint pointCentre(BoardPoint p) const;
  void paintEngineMarks(QPainter& painter);

 signals:
  // Before the board hands a click, key or menu choice to the frame: the window commits a typed comment.
  void aboutToAct();
  // After it did: the window brings its panes, menus and status bar up to date.
  void acted();
  // A context or short menu is about to open with these items (lets tests look without a popup).
  void menuRequested(const std::vector<MenuItem>& items);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseMoveEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void mouseDoubleClickEvent(QMouseEvent* event) override;
  void keyPressEvent(QKeyEvent* event) override;
  void contextMenuEvent(QContextMenuEvent* event) override;
  bool focusNextPrevChild(bool next) override;

 private:
  std::optional<BoardPoint> pointAt(const QPoint& pixel) const;
  void moveCursorTo(BoardPoint p);
  void play(BoardPoint p);
  void openMenu(const std::vector<MenuItem>& items, const QPoint& globalPos);
  void openShortMenu();
  void runMenuItem(const MenuItem& item);
  bool handleCharacter(const QString& text);
  template <typename Act>
  void act(Act&& action);

  FrameWin& frame_;
  ActionRunner runner_;
  BoardGeometry geometry_;
  BoardScene scene_;
  std::optional<BoardPoint> ctrlPressed_;   // where a Ctrl drag began
  std::optional<BoardPoint> rightPressed_;  // where a right drag began
  std::optional<BoardPoint> rightOver_;     // where it is now
};

}  // namespace meridax
