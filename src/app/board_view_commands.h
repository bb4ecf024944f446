#pragma once
// The board pane's view commands: the cursor, markup, Othello highlight and Go co-ordinate toggles,
// the piece numbering cycle and the square size. Each changes only the frame's view settings (the size
// its size table) and asks the window to draw the board again.

#include "app/frame_command.h"

namespace meridax {

class FrameWin;

namespace board_view_command {
inline constexpr int kViewCursor = 1296;
inline constexpr int kViewMarkup = 1474;
inline constexpr int kViewHighlighting = 1224;
inline constexpr int kViewSearch = 1234;
inline constexpr int kViewGoCoordinates = 1298;
inline constexpr int kNumbering = 1460;
inline constexpr int kIncreaseSize = 1334;
inline constexpr int kDecreaseSize = 1336;
}  // namespace board_view_command

inline constexpr char kRecentNumberingCaption[] = " Most Recent Numbering";
inline constexpr int kMaxRecentNumbers = 999;

FrameCommandTable boardViewCommandTable();

// The square size after 1334 and 1336: two more unless already 70 or more; two less unless below 13.
int increasedSquareSize(int square);
int decreasedSquareSize(int square);

// The current game's square size, and storing a new one for its family and board width.
int currentSquareSize(FrameWin& frame);
void setCurrentSquareSize(FrameWin& frame, int square);

}  // namespace meridax
