#pragma once
// Keeping a list dialog's window rectangle and column widths in a DialogGeometry record. A stored
// rectangle is trusted only when it is wider than a quarter of the screen and taller than a quarter of
// its height, so a damaged or shrunken record never opens a dialog too small to use; the same test
// decides whether a closing dialog's rectangle is recorded at all.

#include <optional>
#include <vector>

#include "app/settings_records.h"

namespace meridax {

bool dialogRectUsable(const Rect& rect, int screenWidth, int screenHeight);

// The recorded rectangle when there is one and it is usable; nullopt otherwise.
std::optional<Rect> storedDialogRect(const std::optional<DialogGeometry>& geometry, int screenWidth,
                                     int screenHeight);
// The recorded width of column `column`; nullopt when none was recorded or it is not positive.
std::optional<int> storedColumnWidth(const std::optional<DialogGeometry>& geometry, std::size_t column);

// Records a closing dialog: the rectangle only when the dialog is not maximised and the rectangle is
// usable, the column widths (up to 13) whenever given. Nothing else of the record changes.
void recordDialogGeometry(std::optional<DialogGeometry>& geometry, const Rect& rect, bool maximised,
                          const std::vector<int>& columnWidths, int screenWidth, int screenHeight);

}  // namespace meridax
