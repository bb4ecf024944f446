#pragma once
// A stand-in for the board pane: the position of the current node as the text diagram of the ASCII export,
// drawn in a fixed-pitch font.

#include <QWidget>

#include "app/frame_win.h"

namespace meridax {

class BoardPlaceholder : public QWidget {
 public:
  BoardPlaceholder(FrameWin& frame, QWidget* parent);
  void refresh() { update(); }

 protected:
  void paintEvent(QPaintEvent* event) override;

 private:
  FrameWin& frame_;
};

}  // namespace meridax
