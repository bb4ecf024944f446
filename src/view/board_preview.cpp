#include "view/board_preview.h"

#include <QPainter>

#include "layout/board_fit.h"
#include "layout/board_hit_test.h"
#include "view/board_renderer.h"

namespace meridax {

BoardPreview::BoardPreview(const AppSettings& settings, QWidget* parent) : QWidget(parent), settings_(settings) {
  setMinimumSize(120, 120);
  setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Expanding);
}

void BoardPreview::setScene(BoardScene scene) {
  scene_ = std::move(scene);
  layOut();
  update();
}

void BoardPreview::layOut() { geometry_ = fittedBoardGeometry(scene_.board, {0, 0, width(), height()}, false); }

std::optional<BoardPoint> BoardPreview::pointAt(QPoint pixel) const {
  return hitTest(geometry_, pixel.x(), pixel.y());
}

QPoint BoardPreview::pointCentre(BoardPoint p) const {
  const PixelPoint c = geometry_.cellCentre(p.x, p.y);
  return {c.x, c.y};
}

void BoardPreview::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  BoardPaintOptions options;
  options.thickGoLines = settings_.doThickGoLines;
  options.bevel = settings_.doBevel;
  BoardRenderer(paletteFromSettings(settings_.colours, settings_.gradedOption), options)
      .paint(painter, geometry_, scene_);
  paintOver(painter);
}

void BoardPreview::paintOver(QPainter&) {}

void BoardPreview::resizeEvent(QResizeEvent*) { layOut(); }

}  // namespace meridax
