#pragma once
// The board pane's view of the frame: its square size, geometry and scene from the current game and
// the frame's view settings.

#include "app/frame_win.h"
#include "layout/board_scene.h"

namespace meridax {

BoardDimensions boardDimensionsOf(const SGridFrame& game);
// The view toggles of the frame's settings as scene options.
SceneOptions sceneOptionsOf(const FrameSettings& settings);
// The square size kept for the game's family and width, made even within 12 ... 70.
int boardSquareOf(const FrameSettings& settings, const SGridFrame& game);

// The board of the current game laid out in the board area.
BoardGeometry frameBoardGeometry(FrameWin& frame, PixelRect area);
// The current node's scene.
BoardScene frameBoardScene(FrameWin& frame);

}  // namespace meridax
