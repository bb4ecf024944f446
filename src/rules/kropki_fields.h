#pragma once
// Kropki fields of territory: one byte per cell of the width x width position array, 0 outside any
// field, otherwise the owner's colour value. The masks of a node and of its ancestors are merged by
// bitwise OR into the node's territory map, so a merged cell can hold 1, 2 or 3.

#include <cstdint>
#include <string>
#include <vector>

#include "model/game_kind.h"

namespace meridax {

class FieldOfTerritory {
 public:
  FieldOfTerritory() = default;
  // Every cell outside any field.
  explicit FieldOfTerritory(int width) : width_(width), cells_(static_cast<std::size_t>(width) * width, 0) {}
  // Adopts a stored mask; missing cells are outside any field and surplus bytes are dropped.
  FieldOfTerritory(int width, std::vector<std::uint8_t> cells);

  int width() const { return width_; }
  int cellCount() const { return static_cast<int>(cells_.size()); }
  bool inSquare(int x, int y) const { return x >= 0 && y >= 0 && x < width_ && y < width_; }
  int index(int x, int y) const { return x + y * width_; }

  std::uint8_t at(int x, int y) const { return cells_[static_cast<std::size_t>(index(x, y))]; }
  void set(int x, int y, std::uint8_t v) { cells_[static_cast<std::size_t>(index(x, y))] = v; }
  // The value at (x, y), or 0 for a point outside the square.
  std::uint8_t valueAt(int x, int y) const { return inSquare(x, y) ? at(x, y) : 0; }

  const std::vector<std::uint8_t>& cells() const { return cells_; }

  // True when no cell belongs to a field.
  bool isEmpty() const;
  // True when some cell is set in both masks.
  bool overlaps(const FieldOfTerritory& other) const;
  // Ors the other mask into this one, cell by cell (cells beyond either mask are left alone).
  void merge(const FieldOfTerritory& other);

  friend bool operator==(const FieldOfTerritory&, const FieldOfTerritory&) = default;

 private:
  int width_ = 0;
  std::vector<std::uint8_t> cells_;
};

// The merged masks of a node and its ancestors.
using TerritoryMap = FieldOfTerritory;

// True when the map value v holds territory of colour c.
constexpr bool isTerritoryOf(std::uint8_t v, Colour c) { return (v & cellOf(c)) != 0; }

// Rows of characters for tests and diagnostics: '.' no field, 'X' black, 'O' white, '*' both.
std::string toDiagram(const FieldOfTerritory& mask);
// Reads the rows written by toDiagram (blanks are ignored); any other character is outside any field.
FieldOfTerritory fieldFromDiagram(const std::string& text);

}  // namespace meridax
