#pragma once
// The colour table of a GIF image: the distinct colours of the picture, most frequent first, at most
// 256 of them written; when there are 255 colours or more, every colour from the 255th on is drawn
// with the nearest of the first 254.

#include <cstdint>
#include <vector>

#include "export/rgb_image.h"

namespace meridax {

struct GifPalette {
  std::vector<std::uint32_t> colours;  // 0xRRGGBB, most frequent first (equal counts in order of appearance)
  std::vector<std::uint32_t> counts;   // the pixel count of each colour
  int tableBits = 2;                   // 2 up to 4 colours, 3 up to 8, ... 8 above 128
  std::vector<std::uint8_t> indices;   // the palette index of every pixel, rows from the top

  // The written table: 2^tableBits entries, the first min(colours, 256) colours, then white.
  std::vector<std::uint32_t> table() const;
};

// The largest number of colours kept as they are when an image holds more than 254.
inline constexpr std::size_t kKeptColours = 254;

// Builds the palette of a valid picture.
GifPalette buildGifPalette(const RgbImage& image);

// The rows of an interlaced GIF in the order they are stored: 0, 8, 16, ...; 4, 12, ...; 2, 6, ...; 1, 3, ...
std::vector<int> interlacedRowOrder(int height);

}  // namespace meridax
