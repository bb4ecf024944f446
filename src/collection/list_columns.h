#pragma once
// The columns of the report-style lists of games and players: header, alignment and the width a column
// takes when no widths are stored.

#include <span>
#include <string>
#include <string_view>
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

// The order of two cell texts when a list is sorted by a column: runs of digits compare by their value
// (so "9" comes before "10" and "9:7" before "19"), letters without regard to case, and an empty cell
// first. Texts that differ only in case or leading zeros are ordered by their bytes. Negative, zero or
// positive, like strcmp.
int compareListCells(std::string_view a, std::string_view b);

}  // namespace meridax
