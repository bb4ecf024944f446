#include "layout/list_geometry.h"

namespace meridax {

namespace {

// Wider than any screen: a damaged record, not a column someone dragged.
constexpr int kMaxColumnWidth = 32767;

bool plausibleWidth(std::int32_t width) { return width > 0 && width <= kMaxColumnWidth; }

}  // namespace

bool isUsableListRect(const Rect& rect, ScreenSize screen) {
  const long long width = static_cast<long long>(rect.right) - rect.left;
  const long long height = static_cast<long long>(rect.bottom) - rect.top;
  return width * 4 > screen.width && height * 4 > screen.height;
}

std::optional<Rect> storedListRect(const std::optional<DialogGeometry>& stored, ScreenSize screen) {
  if (!stored || stored->valid == 0 || !isUsableListRect(stored->rect, screen)) return std::nullopt;
  return stored->rect;
}

std::vector<int> listColumnWidths(const std::optional<DialogGeometry>& stored, std::span<const ListColumn> columns,
                                  int listWidth) {
  std::vector<int> widths = defaultColumnWidths(columns, listWidth);
  if (!stored) return widths;
  for (std::size_t c = 0; c < widths.size() && c < stored->columnWidths.size(); ++c)
    if (plausibleWidth(stored->columnWidths[c])) widths[c] = stored->columnWidths[c];
  return widths;
}

DialogGeometry recordListGeometry(const std::optional<DialogGeometry>& previous, const ClosingListWindow& window,
                                  ScreenSize screen) {
  DialogGeometry record = previous.value_or(DialogGeometry{});
  if (!window.maximised && isUsableListRect(window.rect, screen)) {
    record.rect = window.rect;
    record.valid = 1;
  }
  for (std::size_t c = 0; c < record.columnWidths.size(); ++c)
    record.columnWidths[c] = c < window.columnWidths.size() ? window.columnWidths[c] : 0;
  return record;
}

}  // namespace meridax
