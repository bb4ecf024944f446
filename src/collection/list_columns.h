#pragma once
// The columns of the report-style lists of games and players: header, alignment and the width a column
// takes when no widths are stored.

#include <span>
#include <string>
#include <vector>

namespace meridax {

enum class ColumnAlign { Left, Right };

struct ListColumn {
  const char* header;
  ColumnAlign align;
  int defaultShare;  // in 32nds of the list's width
};

inline constexpr int kColumnShareDenominator = 32;

// The widths of the columns for a list `listWidth` pixels wide, when none are stored.
std::vector<int> defaultColumnWidths(std::span<const ListColumn> columns, int listWidth);

// The row number column: rows count from 1.
std::string rowNumberText(std::size_t row);

}  // namespace meridax
