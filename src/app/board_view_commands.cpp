#include "app/board_view_commands.h"

#include <algorithm>

#include "app/command_ids.h"
#include "app/command_registry.h"
#include "app/frame_win.h"
#include "app/size_tables.h"

namespace meridax {

namespace {

namespace id = command_id;
using G = CommandGroup;

void redraw(FrameWin& f, Redraw what) {
  if (f.ports().window != nullptr) f.ports().window->redraw(what);
}

void toggle(int& value) { value = value != 0 ? 0 : 1; }

std::string toggleText(bool shown, const char* what) { return std::string(shown ? "Hide " : "View ") + what; }

bool isOthello(FrameWin& f) { return f.game().kind() == GameKind::Othello; }

void viewCursor(FrameWin& f) {
  toggle(f.frameSettings().viewCursor);
  redraw(f, Redraw::Board);
  f.refreshStatus();
}

void viewMarkup(FrameWin& f) {
  toggle(f.frameSettings().viewMarkup);
  if (f.frameSettings().viewMarkup == 0) f.cancelLabelEntry();
  redraw(f, Redraw::Board);
}

void viewHighlighting(FrameWin& f) {
  toggle(f.frameSettings().displayCaptures);
  redraw(f, Redraw::Board);
}

void viewSearch(FrameWin& f) {
  toggle(f.frameSettings().doSearch);
  redraw(f, Redraw::Board);
}

void viewGoCoordinates(FrameWin& f) {
  f.frameSettings().goLetters = !f.frameSettings().goLetters;
  redraw(f, Redraw::All);
}

// None, from the composition, the most recent N (asking for N), back from the current, none.
void cycleNumbering(FrameWin& f) {
  FrameSettings& s = f.frameSettings();
  switch (s.scoreValue) {
    case score_value::kFromComposition: {
      const std::optional<int> count = f.ports().dialogs->askNumber(
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
  redraw(f, Redraw::Board);
}

void resize(FrameWin& f, int (*next)(int)) {
  const int now = currentSquareSize(f);
  const int after = next(now);
  if (after == now) return;
  setCurrentSquareSize(f, after);
  redraw(f, Redraw::All);
}

const FrameCommand kCommands[] = {
    {.id = id::kViewCursor, .name = "CmViewCursor", .group = G::View, .keys = "Alt+F6", .run = viewCursor,
     .checked = [](FrameWin& f) { return f.cursorShown(); },
     .text = [](FrameWin& f) { return toggleText(f.cursorShown(), "&Cursor\tAlt+F6"); }},
    {.id = id::kViewMarkup, .name = "CmViewMarkup", .group = G::View, .keys = "Alt+F5", .run = viewMarkup,
     .checked = [](FrameWin& f) { return f.frameSettings().viewMarkup != 0; },
     .text = [](FrameWin& f) { return toggleText(f.frameSettings().viewMarkup != 0, "SGF &Markup\tAlt+F5"); }},
    {.id = id::kViewHighlighting, .name = "CmViewHighlighting", .group = G::View, .keys = "Alt+F8",
     .run = viewHighlighting, .enabled = isOthello,
     .checked = [](FrameWin& f) { return f.frameSettings().displayCaptures != 0; },
     .text = [](FrameWin& f) { return toggleText(f.frameSettings().displayCaptures != 0, "&Highlighting\tAlt+F8"); }},
    {.id = id::kViewSearch, .name = "CmViewSearch", .group = G::View, .keys = "Alt+F7", .run = viewSearch,
     .enabled = isOthello, .checked = [](FrameWin& f) { return f.frameSettings().doSearch != 0; },
     .text = [](FrameWin& f) { return toggleText(f.frameSettings().doSearch != 0, "&Search\tAlt+F7"); }},
    {.id = id::kViewGoCoordinates, .name = "CmViewGoCoordinates", .group = G::View, .keys = "Ctrl+Shift+L",
     .run = viewGoCoordinates, .enabled = [](FrameWin& f) { return f.game().kind() == GameKind::Go; },
     .checked = [](FrameWin& f) { return f.frameSettings().goLetters; },
     .text = [](FrameWin& f) { return toggleText(f.frameSettings().goLetters, "Go &Co-ordinates\tShift+Ctrl+L"); }},
    {.id = id::kNumbering, .name = "CmNumbering", .group = G::View, .keys = "Ctrl+Shift+N",
     .tip = "Cycle through the piece numbering options\nShow Piece Numbering", .run = cycleNumbering,
     .enabled = [](FrameWin& f) { return f.game().kind() != GameKind::Kropki; }},
    {.id = id::kIncreaseSize, .name = "CmIncreaseSize", .group = G::View, .keys = "Ctrl+Shift+Right",
     .tip = "Increase the board size", .run = [](FrameWin& f) { resize(f, increasedSquareSize); }},
    {.id = id::kDecreaseSize, .name = "CmDecreaseSize", .group = G::View, .keys = "Ctrl+Shift+Left",
     .tip = "Decrease the board size", .run = [](FrameWin& f) { resize(f, decreasedSquareSize); }},
};

}  // namespace

FrameCommandTable viewCommandTable() { return kCommands; }

int increasedSquareSize(int square) { return square >= kMaxSquareSize ? square : square + 2; }
int decreasedSquareSize(int square) { return square < 13 ? square : square - 2; }

int currentSquareSize(FrameWin& frame) {
  const SGridFrame& g = frame.game();
  return squareSizeFor(frame.frameSettings().sizes(sizeFamilyOf(g.kind())), g.width());
}

void setCurrentSquareSize(FrameWin& frame, int square) {
  const SGridFrame& g = frame.game();
  if (g.width() < 1 || g.width() > kSizeTableEntries) return;
  SquareSizeTable& table = frame.frameSettings().sizes(sizeFamilyOf(g.kind()));
  table[static_cast<std::size_t>(g.width() - 1)] = std::clamp(square & ~1, kMinSquareSize, kMaxSquareSize);
}

}  // namespace meridax
