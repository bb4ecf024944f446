#pragma once
// A board drawn by the board pane's renderer into whatever room it is given: the small boards of the
// bookmark list and the composition dialog. It shows a scene it is handed and keeps no game state.

#include <QWidget>
#include <optional>

#include "app/settings_values.h"
#include "layout/board_geometry.h"
#include "layout/board_scene.h"

namespace meridax {

class BoardPreview : public QWidget {
  Q_OBJECT

 public:
  BoardPreview(const AppSettings& settings, QWidget* parent);

  // The scene to draw; laid out with the largest square that fits the widget.
  void setScene(BoardScene scene);
  const BoardScene& boardScene() const { return scene_; }
  const BoardGeometry& boardGeometry() const { return geometry_; }
  // The board point under a pixel of the widget.
  std::optional<BoardPoint> pointAt(QPoint pixel) const;
  QPoint pointCentre(BoardPoint p) const;

 protected:
  void paintEvent(QPaintEvent* event) override;
  void resizeEvent(QResizeEvent* event) override;
  // Drawn over the board, after it; nothing here.
  virtual void paintOver(QPainter& painter);

 private:
  void layOut();

  const AppSettings& settings_;
  BoardScene scene_;
  BoardGeometry geometry_;
};

}  // namespace meridax
