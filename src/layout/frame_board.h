#pragma once
// The board pane's view of the frame: its square size, geometry and scene from the current game and
// the frame's view settings.

#include "app/frame_win.h"
#include "layout/board_fit.h"
#include "layout/board_scene.h"

namespace meridax {

BoardDimensions boardDimensionsOf(const SGridFrame& game);
// The view toggles of the frame's settings as scene options.
SceneOptions sceneOptionsOf(const FrameSettings& settings);
// The square size kept for the game's family and width, made even within 12 ... 70.
int boardSquareOf(const FrameSettings& settings, const SGridFrame& game);

// The background left around a board fitted to its area, on every side.
inline constexpr int kBoardPaneMargin = 4;

// The board of the current game laid out in the board area: with "Fit Board" on, at the largest square
// (no upper limit) at which the whole board, co-ordinates and shadow included, lies inside the area less
// its margin; otherwise at the square size kept for the game's kind and width.
BoardGeometry frameBoardGeometry(FrameWin& frame, PixelRect area);
// The least board area that shows the whole board with its margin: at the smallest square while the
// board is fitted, at the kept square otherwise. A smaller pane scrolls.
PixelSize frameBoardMinimum(FrameWin& frame);
// The current node's scene.
BoardScene frameBoardScene(FrameWin& frame);

}  // namespace meridax
