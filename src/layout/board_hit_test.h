#pragma once
// Pixel to board point, for every board shape.

#include <optional>

#include "layout/board_geometry.h"

namespace meridax {

// The board point under pixel (x, y), or nullopt. The pixel must lie in the board area and in the
// cells' rectangle, which reaches half a square further on boards whose points are crossings (the
// margin belongs to the edge points) and a square further for hexagonal cells (Hex also by its lean).
// Hexagonal rows split in the middle of their overlap; every column counts, the first one too; on a
// hexagon board a point outside the hexagon is no hit.
std::optional<BoardPoint> hitTest(const BoardGeometry& g, int x, int y);

}  // namespace meridax
