#include "layout/frame_board.h"

#include "app/size_tables.h"
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
  SGridFrame& g = frame.game();
  return layoutBoard(boardDimensionsOf(g), boardSquareOf(frame.frameSettings(), g), area,
                     frame.frameSettings().goLetters);
}

BoardScene frameBoardScene(FrameWin& frame) {
  SGridFrame& g = frame.game();
  const BoardPosition& position = currentPosition(g);
  return buildScene(g, g.currentNode, position, sceneOptionsOf(frame.frameSettings()), {g.cursorX, g.cursorY});
}

}  // namespace meridax
