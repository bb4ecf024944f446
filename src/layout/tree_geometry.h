#pragma once
// Where the game-tree pane draws its lines, how it scrolls, and which node lies under a pixel. The
// painter and the hit test both take their rectangles from here, so a click finds what was drawn.

#include <vector>

#include "layout/pixel_rect.h"
#include "layout/tree_lines.h"

namespace meridax {

// The measures of the pane's text font and its margins.
struct TreeMetrics {
  int lineHeight = 16;
  int charWidth = 8;  // the font's average character width
  int columns = 4;    // boxes per row
  int margin = 2;     // inside the pane's frame
};

inline constexpr int kTreeOverscrollLines = 5;
inline constexpr int kMoveBoxChars = 5;       // a row's box, one character short of the next tab stop
inline constexpr int kVariationBoxChars = 6;  // a variation line's first box

// Lines that fit: pane height less three quarters of a line and 2 pixels, over the line height; at least 0.
int visibleLineCount(int paneHeight, int lineHeight);
// The largest top line: five lines past where the last line would sit at the bottom.
int lastTopLine(int lineCount, int visibleLines);

// The rectangle of the row `row` lines below the top visible line.
PixelRect lineRect(const TreeMetrics& m, int row, int paneWidth);
// A box of a row or variation line: its column (from 1) at tab stops every six characters from the third.
PixelRect boxRect(const TreeMetrics& m, int row, int column, int widthChars);
// The labelled boxes of a marker line, side by side from the third character.
std::vector<PixelRect> markerRects(const TreeMetrics& m, int row, const std::vector<std::string>& labels);

enum class TreeScrollRequest { LineUp, LineDown, PageUp, PageDown, Top, Bottom };

// The pane's top visible line and whether painting keeps the current move in view.
class TreeScroll {
 public:
  int top() const { return top_; }
  bool keepsCurrentVisible() const { return keepCurrent_; }
  // A new game or composition: the first line on top, and the current move followed again.
  void reset();
  // A scroll request; it stops following the current move.
  void scroll(TreeScrollRequest request, int lineCount, int visibleLines);
  // The scroll bar's thumb moved to `line`; taken unless past the last top line.
  void scrollTo(int line, int lineCount, int visibleLines);
  // Before painting: brings the line of the current move (-1 when no row holds it) among the first
  // (visible − 5, at least 1) lines while following it, then follows it again when it is in view or the
  // start node is current on the first line.
  void followCurrent(int currentLine, int visibleLines, bool startNodeCurrent);
  // Sets the top without changing the follow flag (a game's remembered top line).
  void setTop(int line) { top_ = line < 0 ? 0 : line; }

 private:
  int top_ = 0;
  bool keepCurrent_ = true;
};

// What a pixel of the pane points at.
struct TreeHit {
  GameNode* node = nullptr;  // nullptr: nothing
  bool variationLine = false;
  int line = -1;
};

TreeHit hitTreeLine(const std::vector<TreeLine>& lines, int top, const TreeMetrics& m, int x, int y);

}  // namespace meridax
