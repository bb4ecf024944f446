#pragma once
// The game-tree pane: the current line of the current game as rows of move boxes with the names,
// comments, markers and variations between them, drawn in the tree fonts and colours of the settings.
// Clicks and the context menu are handed to the main window as nodes; the lines, their geometry and the
// hit test come from the layout layer.

#include <QFont>
#include <QWidget>
#include <vector>

#include "app/frame_win.h"
#include "layout/tree_geometry.h"
#include "layout/tree_lines.h"

class QScrollBar;

namespace meridax {

class TreePane : public QWidget {
  Q_OBJECT

 public:
  TreePane(FrameWin& frame, QWidget* parent);

  // After a change of the tree, the current line or an annotation: the lines are built again.
  void rebuild();
  // A pane that shows the line through `node`, with that node highlighted, instead of the current line
  // and the current node (the small tree of a dialog); nullptr shows the current line again.
  void showLineThrough(GameNode* node);
  // A new game or composition: the first line on top, the current move followed.
  void resetScrolling();
  void scroll(TreeScrollRequest request);
  // Takes the fonts, colours and "Do 6Moves" from the settings.
  void applySettings();

  int topLine() const { return scroll_.top(); }
  void setTopLine(int line);
  const std::vector<TreeLine>& lines() const { return lines_; }
  TreeMetrics metrics() const;
  int visibleLines() const;
  // Where a node's move box or variation box is drawn now, in pane pixels; empty when not in view.
  QRect boxOf(const GameNode* node) const;

 signals:
  // A left click on a box or a line with a node.
  void nodeClicked(GameNode* node, bool variationLine);
  // The right button pressed and released over the same node.
  void contextMenuRequested(GameNode* node, QPoint globalPosition);

 protected:
  void paintEvent(QPaintEvent* event) override;
  void mousePressEvent(QMouseEvent* event) override;
  void mouseReleaseEvent(QMouseEvent* event) override;
  void wheelEvent(QWheelEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;

 private:
  struct Palette {
    QColor text, moves, highMove, branch, box, box2, box3;
    QColor mark;  // the current move's thick outline, clear against the other boxes' fill
  };
  void paintLine(QPainter& painter, const TreeLine& line, int row, const GameNode* current);
  void paintBox(QPainter& painter, const QRect& rect, const QString& text, const QFont& font, const QColor& fill,
                const QColor& ink, bool current);
  void paintMarkers(QPainter& painter, const TreeLine& line, int row, bool current);
  void updateScrollBar();
  void followCurrent();
  TreeHit hitAt(QPoint point) const;
  const GameNode* highlighted() const;

  FrameWin& frame_;
  QScrollBar* bar_;
  std::vector<TreeLine> lines_;
  TreeScroll scroll_;
  QFont textFont_, movesFont_, highFont_, branchFont_;
  Palette colours_;
  int columns_ = 4;
  GameNode* pressedNode_ = nullptr;
  GameNode* focus_ = nullptr;  // the node whose line is shown; nullptr: the current node
  bool updatingBar_ = false;
};

}  // namespace meridax
