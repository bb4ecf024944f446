#include "model/packed_position.h"

#include <cstring>

namespace meridax {

void packPosition(const BoardPosition& pos, std::uint8_t* out) {
  const int n = pos.cellCount();
  std::memset(out, 0, snapshotSize(n));
  for (int i = 0; i < n; ++i) {
    std::uint8_t v = pos[i];
    if (v == cell::kAvailable) v = cell::kEmpty;
    out[i / 4] |= static_cast<std::uint8_t>((v & 3) << ((i % 4) * 2));
  }
}

void unpackPosition(const std::uint8_t* in, BoardPosition& pos) {
  const int n = pos.cellCount();
  for (int i = 0; i < n; ++i) pos[i] = static_cast<std::uint8_t>((in[i / 4] >> ((i % 4) * 2)) & 3);
}

}  // namespace meridax
