#include "app/size_tables.h"

#include <algorithm>

#include "app/profile_values.h"

namespace meridax {

SizeFamily sizeFamilyOf(GameKind kind) {
  if (kind == GameKind::Othello) return SizeFamily::Othello;
  if (kind == GameKind::Hex) return SizeFamily::Hex;
  if (kind == GameKind::Kropki) return SizeFamily::Kropki;
  if (isHexagonBoard(kind)) return SizeFamily::HexagonBoard;
  return SizeFamily::GoBoard;
}

const char* sizeTableKey(SizeFamily family) {
  switch (family) {
    case SizeFamily::GoBoard: return "SizeGGO";
    case SizeFamily::Othello: return "SizeRVR";
    case SizeFamily::HexagonBoard: return "SizeUNL";
    case SizeFamily::Hex: return "SizeHXE";
    case SizeFamily::Kropki: return "SizeKRP";
  }
  return "SizeGGO";
}

SquareSizeTable defaultSquareSizes() {
  SquareSizeTable table;
  table.fill(kDefaultSquareSize);
  return table;
}

SquareSizeTable parseSquareSizes(std::string_view text) {
  SquareSizeTable table = defaultSquareSizes();
  if (text == kNullRecord) return table;
  const std::size_t count = std::min(text.size(), table.size());
  for (std::size_t i = 0; i < count; ++i) {
    const int code = static_cast<unsigned char>(text[i]);
    // Rounded down to even first, so that every code of 70 or less lands on the smallest size.
    table[i] = std::clamp((code - kSquareSizeCodeOffset) & ~1, kMinSquareSize, kMaxSquareSize);
  }
  return table;
}

std::string squareSizesText(const SquareSizeTable& table) {
  std::string text;
  for (const int size : table) {
    text += static_cast<char>(std::clamp(size, kMinSquareSize, kMaxSquareSize) + kSquareSizeCodeOffset);
  }
  return text;
}

int squareSizeFor(const SquareSizeTable& table, int boardWidth) {
  if (boardWidth < 1 || boardWidth > kSizeTableEntries) return kDefaultSquareSize;
  return table[static_cast<std::size_t>(boardWidth - 1)];
}

}  // namespace meridax
