#include "layout/board_keys.h"

#include <cctype>

#include "edit/bookmarks.h"
#include "rules/othello_rules.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

int rowsOf(const SGridFrame& g) { return g.kind() == GameKind::Kropki ? g.height() : g.width(); }

bool isCell(const BoardPosition& position, int rows, BoardPoint p) {
  return p.y < rows && position.inSquare(p.x, p.y) && position.at(p.x, p.y) != cell::kOffBoard;
}

void moveCursorTo(FrameWin& frame, BoardPoint p) {
  SGridFrame& g = frame.game();
  g.cursorX = p.x;
  g.cursorY = p.y;
  frame.refreshStatus();
}

std::string toggleText(bool shown, const char* what) { return std::string(shown ? "Hide " : "View ") + what; }

}  // namespace

BoardPoint stepCursor(const BoardPosition& position, int rows, BoardPoint from, int dx, int dy) {
  const int w = position.width();
  if (w <= 0 || rows <= 0) return from;
  const int steps = dx != 0 ? w : rows;
  BoardPoint p = from;
  for (int i = 0; i < steps; ++i) {
    p = {((p.x + dx) % w + w) % w, ((p.y + dy) % rows + rows) % rows};
    if (isCell(position, rows, p)) return p;
  }
  return from;
}

std::optional<BoardPoint> nextAvailableCell(const BoardPosition& position, BoardPoint from, bool backwards) {
  const int n = position.cellCount(), w = position.width();
  if (n == 0) return std::nullopt;
  const int start = position.inSquare(from.x, from.y) ? position.index(from.x, from.y) : (backwards ? 0 : n - 1);
  for (int step = 1; step <= n; ++step) {
    const int i = ((start + (backwards ? -step : step)) % n + n) % n;
    if (position[i] == cell::kAvailable) return BoardPoint{i % w, i / w};
  }
  return std::nullopt;
}

std::optional<BoardPoint> othelloCursorKey(int width, BoardPoint from, char key) {
  const unsigned char c = static_cast<unsigned char>(key);
  if (std::isalpha(c)) {
    const int col = std::tolower(c) - 'a';
    if (col < width) return BoardPoint{col, from.y};
  } else if (std::isdigit(c)) {
    const int row = c == '0' ? 9 : c - '1';
    if (row < width) return BoardPoint{from.x, row};
  }
  return std::nullopt;
}

bool boardCursorKey(FrameWin& frame, CursorKey key) {
  if (!frame.cursorShown()) return false;
  SGridFrame& g = frame.game();
  const BoardPosition& position = currentPosition(g);
  const BoardPoint at{g.cursorX, g.cursorY};
  const bool othello = g.kind() == GameKind::Othello;
  switch (key) {
    case CursorKey::Left: moveCursorTo(frame, stepCursor(position, rowsOf(g), at, -1, 0)); return true;
    case CursorKey::Right: moveCursorTo(frame, stepCursor(position, rowsOf(g), at, 1, 0)); return true;
    case CursorKey::Up: moveCursorTo(frame, stepCursor(position, rowsOf(g), at, 0, -1)); return true;
    case CursorKey::Down: moveCursorTo(frame, stepCursor(position, rowsOf(g), at, 0, 1)); return true;
    case CursorKey::Tab:
    case CursorKey::BackTab: {
      if (!othello) return false;
      if (const auto p = nextAvailableCell(position, at, key == CursorKey::BackTab)) moveCursorTo(frame, *p);
      return true;
    }
    case CursorKey::Return:
      if (othello && !anyAvailable(position)) return true;
      if (isCell(position, rowsOf(g), at)) frame.clickBoard(at.x, at.y);
      return true;
  }
  return false;
}

bool boardCursorCharacter(FrameWin& frame, char key) {
  SGridFrame& g = frame.game();
  if (!frame.cursorShown() || g.kind() != GameKind::Othello) return false;
  const std::optional<BoardPoint> p = othelloCursorKey(g.width(), {g.cursorX, g.cursorY}, key);
  if (!p) return false;
  moveCursorTo(frame, *p);
  return true;
}

std::vector<MenuItem> boardShortMenu(FrameWin& frame) {
  SGridFrame& g = frame.game();
  const FrameSettings& s = frame.frameSettings();
  std::vector<MenuItem> menu = {
      {"&Help\tF1", "CmHelp"},
      {"&Bookmark Details\tF2", "CmBMDisplay"},
      {"&Collection Details\tF6", "CmCollectionList"},
      {"Display &Statistics\tF7", "CmBranchStatistics"},
      {"&Game Details\tF9", "CmGameDetails"},
  };
  if (g.kind() == GameKind::Go)
    menu.push_back({toggleText(s.goLetters, "Go &Co-ordinates\tShift+Ctrl+L"), "CmViewGoCoordinates"});
  menu.push_back({"Copy &SGF Text to Clipboard\tShift+Ctrl+W", "CmCopySGF"});
  menu.push_back({"Copy Position to &Clipboard\tCtrl+G", "CmCopyBMP"});
  menu.push_back({"&Customise\tCtrl+Alt+O", "CmCustomise"});
  const bool marked = isBookmarked(g, g.currentNode);
  menu.push_back({marked ? "Remove &Bookmark\tAlt+F2" : "Set &Bookmark\tAlt+F2", "CmBookmark"});
  if (g.currentNode != g.primaryNode)
    menu.push_back({"Mark Current Position as &Primary\tAlt+F3", "CmSetPrimary"});
  if (s.viewMarkup != 0 && g.currentNode->hasMarkup())
    menu.push_back({"Remove all &Markup from Board", "CmRemoveBoardMarkup"});
  menu.push_back({toggleText(s.viewMarkup != 0, "SGF &Markup\tAlt+F5"), "CmViewMarkup"});
  menu.push_back({toggleText(s.viewCursor != 0, "&Cursor\tAlt+F6"), "CmViewCursor"});
  if (g.kind() == GameKind::Othello) {
    menu.push_back({toggleText(s.doSearch != 0, "&Search\tAlt+F7"), "CmViewSearch"});
    menu.push_back({toggleText(s.displayCaptures != 0, "&Highlighting\tAlt+F8"), "CmViewHighlighting"});
  }
  return menu;
}

}  // namespace meridax
