#pragma once
// The symmetries of a board's shape: 8 for a square board, 4 for a rectangle, 12 for the hexagon of
// Havannah, Unlur and Side Stitch, 4 for the rhombus of Hex.

#include <vector>

#include "model/game_kind.h"

namespace meridax {

// Where each cell of the width x width square goes (index x + y * width); cells off the board stay.
using SymmetryMap = std::vector<int>;

// Every symmetry of the board, the identity first, each one once.
std::vector<SymmetryMap> boardSymmetries(GameKind kind, int width, int height);

// The map that undoes `map`.
SymmetryMap inverseOf(const SymmetryMap& map);

}  // namespace meridax
