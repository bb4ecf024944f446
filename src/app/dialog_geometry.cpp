#include "app/dialog_geometry.h"

namespace meridax {

bool dialogRectUsable(const Rect& rect, int screenWidth, int screenHeight) {
  const long width = static_cast<long>(rect.right) - rect.left;
  const long height = static_cast<long>(rect.bottom) - rect.top;
  return width * 4 > screenWidth && height * 4 > screenHeight;
}

std::optional<Rect> storedDialogRect(const std::optional<DialogGeometry>& geometry, int screenWidth,
                                     int screenHeight) {
  if (!geometry || geometry->valid == 0 || !dialogRectUsable(geometry->rect, screenWidth, screenHeight))
    return std::nullopt;
  return geometry->rect;
}

std::optional<int> storedColumnWidth(const std::optional<DialogGeometry>& geometry, std::size_t column) {
  if (!geometry || column >= kDialogColumns || geometry->columnWidths[column] <= 0) return std::nullopt;
  return geometry->columnWidths[column];
}

void recordDialogGeometry(std::optional<DialogGeometry>& geometry, const Rect& rect, bool maximised,
                          const std::vector<int>& columnWidths, int screenWidth, int screenHeight) {
  const bool rectKept = !maximised && dialogRectUsable(rect, screenWidth, screenHeight);
  if (!rectKept && columnWidths.empty()) return;
  DialogGeometry record = geometry.value_or(DialogGeometry{});
  if (rectKept) {
    record.rect = rect;
    record.valid = 1;
  }
  for (std::size_t i = 0; i < columnWidths.size() && i < kDialogColumns; ++i)
    record.columnWidths[i] = columnWidths[i];
  geometry = record;
}

}  // namespace meridax
