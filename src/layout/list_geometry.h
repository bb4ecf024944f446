#pragma once
// Where a list window opens and how wide its columns are, from the geometry record kept for it ("Folders
// Dimensions", "Players List Dimensions"), and the record to keep when it closes. A rectangle counts only
// when it is wider than a quarter of the screen and taller than a quarter of it: a window shrunk to
// nothing, or a record from a smaller screen's corner, must not come back.

#include <optional>
#include <span>
#include <vector>

#include "app/settings_records.h"
#include "collection/list_columns.h"

namespace meridax {

struct ScreenSize {
  int width = 0;
  int height = 0;
};

// Whether a window rectangle is large enough to keep and to restore on this screen.
bool isUsableListRect(const Rect& rect, ScreenSize screen);

// The rectangle to open with: the recorded one when it is marked valid and usable; nullopt otherwise.
std::optional<Rect> storedListRect(const std::optional<DialogGeometry>& stored, ScreenSize screen);

// The width of every column for a list `listWidth` pixels wide: the recorded width where one is recorded
// and plausible, else the column's share of the list.
std::vector<int> listColumnWidths(const std::optional<DialogGeometry>& stored, std::span<const ListColumn> columns,
                                  int listWidth);

// What the window's state on closing makes of the record: the column widths always; the rectangle only
// when the window is not maximised and the rectangle is usable, else the one recorded before (if any).
struct ClosingListWindow {
  Rect rect;
  bool maximised = false;
  std::vector<int> columnWidths;
};
DialogGeometry recordListGeometry(const std::optional<DialogGeometry>& previous, const ClosingListWindow& window,
                                  ScreenSize screen);

}  // namespace meridax
