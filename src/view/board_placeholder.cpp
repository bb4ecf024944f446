#include "view/board_placeholder.h"

#include <QPainter>

#include "export/ascii_diagram.h"
#include "view/qt_text.h"

namespace meridax {

BoardPlaceholder::BoardPlaceholder(FrameWin& frame, QWidget* parent) : QWidget(parent), frame_(frame) {
  setObjectName(QStringLiteral("boardPane"));
  setMinimumSize(120, 120);
}

void BoardPlaceholder::paintEvent(QPaintEvent*) {
  QPainter painter(this);
  painter.fillRect(rect(), QColor(0xDF, 0xDF, 0xDF));
  SGridFrame& game = frame_.game();
  QFont font(mappedFace(kTreeFontFace));
  font.setPixelSize(13);
  painter.setFont(font);
  painter.drawText(rect().adjusted(8, 8, -8, -8), Qt::AlignLeft | Qt::AlignTop,
                   toQt(asciiDiagramOfNode(game, game.currentNode)));
}

}  // namespace meridax
