#include "layout/tree_geometry.h"

#include <algorithm>

namespace meridax {

int visibleLineCount(int paneHeight, int lineHeight) {
  if (lineHeight <= 0) return 0;
  return std::max(0, (paneHeight - lineHeight * 3 / 4 - 2) / lineHeight);
}

int lastTopLine(int lineCount, int visibleLines) {
  return std::max(0, lineCount - visibleLines + kTreeOverscrollLines);
}

PixelRect lineRect(const TreeMetrics& m, int row, int paneWidth) {
  return PixelRect{m.margin, m.margin + row * m.lineHeight, std::max(0, paneWidth - 2 * m.margin), m.lineHeight};
}

PixelRect boxRect(const TreeMetrics& m, int row, int column, int widthChars) {
  const int start = 3 + 6 * (column - 1);
  // Half a character wider than its text, so that "Bq16+" keeps clear of the frame; the rest of the tab
  // stop stays a gap between boxes.
  return PixelRect{m.margin + start * m.charWidth, m.margin + row * m.lineHeight,
                   widthChars * m.charWidth + m.charWidth / 2, m.lineHeight};
}

std::vector<PixelRect> markerRects(const TreeMetrics& m, int row, const std::vector<std::string>& labels) {
  std::vector<PixelRect> rects;
  int x = m.margin + 3 * m.charWidth;
  for (const std::string& label : labels) {
    const int width = static_cast<int>(label.size()) * m.charWidth;
    rects.push_back(PixelRect{x, m.margin + row * m.lineHeight, width, m.lineHeight});
    x += width + m.charWidth;
  }
  return rects;
}

void TreeScroll::reset() {
  top_ = 0;
  keepCurrent_ = true;
}

void TreeScroll::scroll(TreeScrollRequest request, int lineCount, int visibleLines) {
  const int last = lastTopLine(lineCount, visibleLines);
  switch (request) {
    case TreeScrollRequest::LineUp: --top_; break;
    case TreeScrollRequest::LineDown:
      if (top_ < last) ++top_;
      break;
    case TreeScrollRequest::PageUp: top_ -= visibleLines; break;
    case TreeScrollRequest::PageDown: top_ = std::max(top_, std::min(top_ + visibleLines, last)); break;
    case TreeScrollRequest::Top: top_ = 0; break;
    case TreeScrollRequest::Bottom: top_ = last; break;
  }
  top_ = std::max(0, top_);
  keepCurrent_ = false;
}

void TreeScroll::scrollTo(int line, int lineCount, int visibleLines) {
  if (line <= lastTopLine(lineCount, visibleLines)) top_ = std::max(0, line);
  keepCurrent_ = false;
}

void TreeScroll::followCurrent(int currentLine, int visibleLines, bool startNodeCurrent) {
  if (keepCurrent_) {
    const int window = std::max(1, visibleLines - kTreeOverscrollLines);
    if (currentLine < 0) top_ = 0;
    else if (currentLine >= top_ + window) top_ = currentLine - window + 1;
    else if (currentLine < top_) top_ = currentLine;
  }
  const bool inView = currentLine >= top_ && currentLine < top_ + std::max(1, visibleLines);
  if (inView || (top_ == 0 && startNodeCurrent)) keepCurrent_ = true;
}

TreeHit hitTreeLine(const std::vector<TreeLine>& lines, int top, const TreeMetrics& m, int x, int y) {
  if (y < m.margin || m.lineHeight <= 0) return {};
  const int row = (y - m.margin) / m.lineHeight;
  const int index = top + row;
  if (index < 0 || index >= static_cast<int>(lines.size())) return {};
  const TreeLine& line = lines[static_cast<std::size_t>(index)];
  switch (line.type) {
    case TreeLineType::Empty: return {};
    case TreeLineType::Text: return TreeHit{line.node, false, index};
    case TreeLineType::Markers:
      for (const PixelRect& r : markerRects(m, row, line.markers))
        if (r.contains(x, y)) return TreeHit{line.node, false, index};
      return {};
    case TreeLineType::Moves:
    case TreeLineType::OtherMoves:
    case TreeLineType::Variation: {
      const bool variation = line.type == TreeLineType::Variation;
      const int width = variation ? kVariationBoxChars : kMoveBoxChars;
      for (const TreeBox& box : line.boxes)
        if (box.node != nullptr && boxRect(m, row, box.column, width).contains(x, y))
          return TreeHit{box.node, variation, index};
      return {};
    }
  }
  return {};
}

}  // namespace meridax
