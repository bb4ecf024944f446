#include "collection/list_columns.h"

namespace meridax {

std::vector<int> defaultColumnWidths(std::span<const ListColumn> columns, int listWidth) {
  std::vector<int> widths;
  widths.reserve(columns.size());
  for (const ListColumn& c : columns) widths.push_back(listWidth * c.defaultShare / kColumnShareDenominator);
  return widths;
}

std::string rowNumberText(std::size_t row) { return std::to_string(row + 1); }

namespace {

bool isDigit(char c) { return c >= '0' && c <= '9'; }

char lowered(char c) { return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c; }

// The run of digits at `at`, without its leading zeros; `at` moves past the run.
std::string_view digitRun(std::string_view text, std::size_t& at) {
  const std::size_t start = at;
  while (at < text.size() && isDigit(text[at])) ++at;
  std::string_view run = text.substr(start, at - start);
  while (run.size() > 1 && run.front() == '0') run.remove_prefix(1);
  return run;
}

int sign(int v) { return (v > 0) - (v < 0); }

}  // namespace

int compareListCells(std::string_view a, std::string_view b) {
  std::size_t i = 0;
  std::size_t j = 0;
  while (i < a.size() && j < b.size()) {
    if (isDigit(a[i]) && isDigit(b[j])) {
      const std::string_view x = digitRun(a, i);
      const std::string_view y = digitRun(b, j);
      if (x.size() != y.size()) return x.size() < y.size() ? -1 : 1;
      if (const int c = x.compare(y); c != 0) return sign(c);
      continue;
    }
    const unsigned char x = static_cast<unsigned char>(lowered(a[i++]));
    const unsigned char y = static_cast<unsigned char>(lowered(b[j++]));
    if (x != y) return x < y ? -1 : 1;
  }
  if (i < a.size() || j < b.size()) return i < a.size() ? 1 : -1;
  return sign(a.compare(b));
}

}  // namespace meridax
