#include "model/packed_position.h"

#include <cstring>

namespace meridax {

// Two bits a cell, four cells a byte; an Othello cell marked available packs as empty (its low bits).
void packPosition(const BoardPosition& pos, std::uint8_t* out) {
  const std::uint8_t* cells = pos.cells().data();
  const std::size_t n = pos.cells().size();
  const std::size_t whole = n / 4;
  for (std::size_t b = 0; b < whole; ++b, cells += 4)
    out[b] = static_cast<std::uint8_t>((cells[0] & 3) | (cells[1] & 3) << 2 | (cells[2] & 3) << 4 | (cells[3] & 3) << 6);
  for (std::size_t b = whole; b < snapshotSize(static_cast<int>(n)); ++b) out[b] = 0;
  for (std::size_t i = 0; i < n % 4; ++i) out[whole] |= static_cast<std::uint8_t>((cells[i] & 3) << (i * 2));
}

void unpackPosition(const std::uint8_t* in, BoardPosition& pos) {
  std::uint8_t* cells = pos.cells().data();
  const std::size_t n = pos.cells().size();
  const std::size_t whole = n / 4;
  for (std::size_t b = 0; b < whole; ++b, cells += 4) {
    const std::uint8_t v = in[b];
    cells[0] = v & 3;
    cells[1] = (v >> 2) & 3;
    cells[2] = (v >> 4) & 3;
    cells[3] = (v >> 6) & 3;
  }
  for (std::size_t i = 0; i < n % 4; ++i) cells[i] = static_cast<std::uint8_t>((in[whole] >> (i * 2)) & 3);
}

}  // namespace meridax
