#pragma once
// Two bits per cell, four cells to a byte, the first cell of each group in the two lowest bits.
// The availability mark 11 is stored as 3 (empty).

#include <cstddef>
#include <cstdint>

#include "model/board_position.h"

namespace meridax {

// P: cells / 4 rounded down, plus one unless the cell count is a multiple of 8
// (16 bytes on 8 x 8, 91 on 19 x 19, 507 on 45 x 45).
constexpr std::size_t snapshotSize(int cellCount) {
  const auto n = static_cast<std::size_t>(cellCount);
  return n / 4 + (n % 8 == 0 ? 0 : 1);
}

// Writes snapshotSize(pos.cellCount()) bytes to out.
void packPosition(const BoardPosition& pos, std::uint8_t* out);
// Fills every cell of pos (whose width is already set) from the packed bytes.
void unpackPosition(const std::uint8_t* in, BoardPosition& pos);

}  // namespace meridax
