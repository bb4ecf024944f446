#include "app/board_view_commands.h"

#include <algorithm>

#include "app/size_tables.h"

namespace meridax {

namespace {

void toggle(int& value) { value = value != 0 ? 0 : 1; }

std::string toggleText(bool shown, const char* what) { return std::string(shown ? "Hide " : "View ") + what; }

}  // namespace

int increasedSquareSize(int square) { return square >= kMaxSquareSize ? square : square + 2; }
int decreasedSquareSize(int square) { return square < 13 ? square : square - 2; }

// ---- Toggles ----

void BoardViewCommands::CmViewCursor() {
  toggle(frame_.frameSettings().viewCursor);
  frame_.redraw(Redraw::Board);
  frame_.refreshStatus();
}

void BoardViewCommands::CmViewMarkup() {
  toggle(frame_.frameSettings().viewMarkup);
  if (!markupShown()) frame_.cancelLabelEntry();
  frame_.redraw(Redraw::Board);
}

void BoardViewCommands::CmViewHighlighting() {
  toggle(frame_.frameSettings().displayCaptures);
  frame_.redraw(Redraw::Board);
}

void BoardViewCommands::CmViewSearch() {
  toggle(frame_.frameSettings().doSearch);
  frame_.redraw(Redraw::Board);
}

void BoardViewCommands::CmViewGoCoordinates() {
  frame_.frameSettings().goLetters = !frame_.frameSettings().goLetters;
  frame_.redraw(Redraw::All);
}

void BoardViewCommands::CmFitBoard() {
  frame_.frameSettings().fitBoard = !frame_.frameSettings().fitBoard;
  frame_.redraw(Redraw::All);
}

std::string BoardViewCommands::cursorText() { return toggleText(cursorShown(), "&Cursor\tAlt+F6"); }
std::string BoardViewCommands::markupText() { return toggleText(markupShown(), "SGF &Markup\tAlt+F5"); }
std::string BoardViewCommands::highlightingText() { return toggleText(highlightingShown(), "&Highlighting\tAlt+F8"); }
std::string BoardViewCommands::searchText() { return toggleText(searchShown(), "&Search\tAlt+F7"); }
std::string BoardViewCommands::goCoordinatesText() {
  return toggleText(goCoordinatesShown(), "Go &Co-ordinates\tShift+Ctrl+L");
}

bool BoardViewCommands::othelloTogglesEnabled() { return frame_.game().kind() == GameKind::Othello; }
bool BoardViewCommands::goCoordinatesEnabled() { return frame_.game().kind() == GameKind::Go; }
bool BoardViewCommands::numberingEnabled() { return frame_.game().kind() != GameKind::Kropki; }

// ---- Numbering ----

void BoardViewCommands::CmNumbering() {
  FrameSettings& s = frame_.frameSettings();
  switch (s.scoreValue) {
    case score_value::kFromComposition: {
      const std::optional<int> count = frame_.ports().dialogs->askNumber(
          kRecentNumberingCaption, "Number of most recent moves", 1, kMaxRecentNumbers, s.displayNumbers);
      if (!count) return;  // cancelled: the numbering stays as it was
      s.displayNumbers = *count;
      s.scoreValue = score_value::kRecentMoves;
      break;
    }
    case score_value::kRecentMoves: s.scoreValue = score_value::kBackFromCurrent; break;
    case score_value::kBackFromCurrent: s.scoreValue = score_value::kNone; break;
    default: s.scoreValue = score_value::kFromComposition; break;
  }
  frame_.redraw(Redraw::Board);
}

// ---- Square size ----

void BoardViewCommands::CmIncreaseSize() { resize(increasedSquareSize); }
void BoardViewCommands::CmDecreaseSize() { resize(decreasedSquareSize); }

void BoardViewCommands::resize(int (*next)(int)) {
  const int now = shownSquareSize();
  const int after = next(now);
  if (after == now) return;  // at a limit: a fitted board of 70 or more is not increased either
  frame_.frameSettings().fitBoard = false;
  setSquareSize(after);  // kept within 12 ... 70
  frame_.redraw(Redraw::All);
}

int BoardViewCommands::shownSquareSize() {
  if (shownSquare_ >= kMinSquareSize && boardFitted()) return shownSquare_;
  return squareSize();
}

int BoardViewCommands::squareSize() {
  const SGridFrame& g = frame_.game();
  return squareSizeFor(frame_.frameSettings().sizes(sizeFamilyOf(g.kind())), g.width());
}

void BoardViewCommands::setSquareSize(int square) {
  const SGridFrame& g = frame_.game();
  if (g.width() < 1 || g.width() > kSizeTableEntries) return;
  SquareSizeTable& table = frame_.frameSettings().sizes(sizeFamilyOf(g.kind()));
  table[static_cast<std::size_t>(g.width() - 1)] = std::clamp(square & ~1, kMinSquareSize, kMaxSquareSize);
}

}  // namespace meridax
