#pragma once
// The keys of the board pane that move or use the cursor, and the short menu of the menu key.

#include <optional>
#include <vector>

#include "app/frame_win.h"
#include "layout/board_geometry.h"

namespace meridax {

enum class CursorKey { Left, Right, Up, Down, Tab, BackTab, Return };

// One step from `from` in the direction (dx, dy), wrapping at the edges of the board and passing over
// cells that are not on the board; `from` itself when no other cell lies in that row or column.
BoardPoint stepCursor(const BoardPosition& position, int rows, BoardPoint from, int dx, int dy);
// The next (previous) cell available to the side to move after (before) `from` in reading order, with
// wrap-around; nullopt when no cell is available.
std::optional<BoardPoint> nextAvailableCell(const BoardPosition& position, BoardPoint from, bool backwards);
// Othello: a letter names a column, a digit a row ("0" the tenth); nullopt for any other character or
// one beyond the board.
std::optional<BoardPoint> othelloCursorKey(int width, BoardPoint from, char key);

// A cursor key while the cursor is shown: arrows move it, Tab and Shift+Tab jump between Othello's legal
// squares, Return plays at it (or steps onto the next move standing there). False when the key does
// nothing here (cursor hidden, Tab outside Othello).
bool boardCursorKey(FrameWin& frame, CursorKey key);
// An Othello letter or digit placing the cursor; false when the character means nothing here.
bool boardCursorCharacter(FrameWin& frame, char key);

// The menu key's short menu.
std::vector<MenuItem> boardShortMenu(FrameWin& frame);

}  // namespace meridax
