#pragma once
// The territory map of a Kropki node: the fields of the node and of its ancestors merged by bitwise OR,
// up to and including the first compose node met on the way up.

#include <cstdint>
#include <vector>

#include "model/grid_frame.h"

namespace meridax {

// One byte per cell: 0 outside every field, else the owners' colour values ORed (1, 2 or 3).
std::vector<std::uint8_t> kropkiTerritoryMap(const SGridFrame& game, const GameNode* node);

}  // namespace meridax
