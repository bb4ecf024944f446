#include "layout/frame_board.h"

#include "app/size_tables.h"
#include "layout/board_fit.h"
#include "rules/position_at.h"

namespace meridax {

BoardDimensions boardDimensionsOf(const SGridFrame& game) { return {game.kind(), game.width(), game.height()}; }

SceneOptions sceneOptionsOf(const FrameSettings& s) {
  SceneOptions o;
  o.markup = s.viewMarkup != 0;
  o.cursor = s.viewCursor != 0;
  o.captures = s.displayCaptures != 0;
  o.available = s.doSearch != 0;
  o.lastMove = s.viewLast != 0;
  o.nextMove = s.viewPlaced != 0;
  o.numbering = numberingFrom(s.scoreValue);
  o.recentCount = s.displayNumbers;
  return o;
}

int boardSquareOf(const FrameSettings& settings, const SGridFrame& game) {
  return clampSquareSize(squareSizeFor(settings.sizes(sizeFamilyOf(game.kind())), game.width()));
}

BoardGeometry frameBoardGeometry(FrameWin& frame, PixelRect area) {
  const SGridFrame& g = frame.game();
  const FrameSettings& s = frame.frameSettings();
  if (!s.fitBoard) return layoutBoard(boardDimensionsOf(g), boardSquareOf(s, g), area, s.goLetters);
  // Fitted inside the area less its margin, then centred in the whole area, which it paints.
  BoardGeometry fitted =
      fittedBoardGeometry(boardDimensionsOf(g), area.inflated(-kBoardPaneMargin), s.goLetters, kNoSquareCap);
  fitted.area = area;
  return fitted;
}

PixelSize frameBoardMinimum(FrameWin& frame) {
  const SGridFrame& g = frame.game();
  const FrameSettings& s = frame.frameSettings();
  const int square = s.fitBoard ? kMinBoardSquare : boardSquareOf(s, g);
  const PixelSize needed = areaNeeded(boardDimensionsOf(g), square, s.goLetters);
  return {needed.width + 2 * kBoardPaneMargin, needed.height + 2 * kBoardPaneMargin};
}

BoardScene frameBoardScene(FrameWin& frame) {
  SGridFrame& g = frame.game();
  const BoardPosition& position = currentPosition(g);
  return buildScene(g, g.currentNode, position, sceneOptionsOf(frame.frameSettings()), {g.cursorX, g.cursorY});
}

}  // namespace meridax
