#pragma once
// The board pane's view commands: the cursor, markup, Othello highlight and Go co-ordinate toggles,
// the piece numbering cycle and the square size. Each changes only the frame's view settings (the size
// its size table) and asks the window to draw the board again.

namespace meridax {

class FrameWin;

inline constexpr char kRecentNumberingCaption[] = " Most Recent Numbering";
inline constexpr int kMaxRecentNumbers = 999;

// The square size after a step up or down: two more unless already 70 or more; two less unless below 13.
int increasedSquareSize(int square);
int decreasedSquareSize(int square);

// The current game's square size, and storing a new one for its family and board width.
int currentSquareSize(FrameWin& frame);
void setCurrentSquareSize(FrameWin& frame, int square);

}  // namespace meridax
