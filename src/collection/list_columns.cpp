#include "collection/list_columns.h"

namespace meridax {

std::vector<int> defaultColumnWidths(std::span<const ListColumn> columns, int listWidth) {
  std::vector<int> widths;
  widths.reserve(columns.size());
  for (const ListColumn& c : columns) widths.push_back(listWidth * c.defaultShare / kColumnShareDenominator);
  return widths;
}

std::string rowNumberText(std::size_t row) { return std::to_string(row + 1); }

}  // namespace meridax
