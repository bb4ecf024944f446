#include "rules/kropki_fields.h"

#include <algorithm>
#include <utility>

#include "model/board_position.h"

namespace meridax {

FieldOfTerritory::FieldOfTerritory(int width, std::vector<std::uint8_t> cells)
    : width_(width), cells_(std::move(cells)) {
  cells_.resize(static_cast<std::size_t>(width) * width, 0);
}

bool FieldOfTerritory::isEmpty() const {
  return std::all_of(cells_.begin(), cells_.end(), [](std::uint8_t v) { return v == 0; });
}

bool FieldOfTerritory::overlaps(const FieldOfTerritory& other) const {
  const std::size_t n = std::min(cells_.size(), other.cells_.size());
  for (std::size_t i = 0; i < n; ++i)
    if (cells_[i] != 0 && other.cells_[i] != 0) return true;
  return false;
}

void FieldOfTerritory::merge(const FieldOfTerritory& other) {
  const std::size_t n = std::min(cells_.size(), other.cells_.size());
  for (std::size_t i = 0; i < n; ++i) cells_[i] |= other.cells_[i];
}

std::string toDiagram(const FieldOfTerritory& mask) {
  static constexpr char kSymbols[] = {'.', 'X', 'O', '*'};
  std::string out;
  for (int y = 0; y < mask.width(); ++y) {
    for (int x = 0; x < mask.width(); ++x) {
      const std::uint8_t v = mask.at(x, y);
      out += v < 4 ? kSymbols[v] : '?';
    }
    out += '\n';
  }
  return out;
}

FieldOfTerritory fieldFromDiagram(const std::string& text) {
  const std::vector<std::string> rows = diagramRows(text);
  FieldOfTerritory mask(static_cast<int>(rows.size()));
  for (int y = 0; y < mask.width(); ++y)
    for (int x = 0; x < mask.width() && x < static_cast<int>(rows[y].size()); ++x) {
      switch (rows[y][x]) {
        case 'X': mask.set(x, y, cell::kBlack); break;
        case 'O': mask.set(x, y, cell::kWhite); break;
        case '*': mask.set(x, y, cell::kBlack | cell::kWhite); break;
        default: break;
      }
    }
  return mask;
}

}  // namespace meridax
