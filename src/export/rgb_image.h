#pragma once
// A 24-bit picture in memory: rows from the top, three bytes per pixel in the order red, green, blue,
// no row padding. Board diagrams are drawn into it and the image writers read from it.

#include <cstddef>
#include <cstdint>
#include <string>
#include <vector>

namespace meridax {

struct RgbImage {
  int width = 0;
  int height = 0;
  std::vector<std::uint8_t> pixels;  // width * height * 3 bytes

  RgbImage() = default;
  // A picture of the given size filled with one colour (0xRRGGBB).
  RgbImage(int w, int h, std::uint32_t fill = 0xFFFFFF);

  bool valid() const {
    return width > 0 && height > 0 && pixels.size() == static_cast<std::size_t>(width) * height * 3;
  }
  // The colour at (x, y) as 0xRRGGBB.
  std::uint32_t at(int x, int y) const {
    const std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
    return static_cast<std::uint32_t>(p[0]) << 16 | static_cast<std::uint32_t>(p[1]) << 8 | p[2];
  }
  void set(int x, int y, std::uint32_t rgb) {
    std::uint8_t* p = &pixels[(static_cast<std::size_t>(y) * width + x) * 3];
    p[0] = static_cast<std::uint8_t>(rgb >> 16);
    p[1] = static_cast<std::uint8_t>(rgb >> 8);
    p[2] = static_cast<std::uint8_t>(rgb);
  }
  friend bool operator==(const RgbImage&, const RgbImage&) = default;
};

// The first pixel where two pictures differ, as "(x, y) 0xRRGGBB vs 0xRRGGBB", or their sizes when
// those differ; empty when they are equal. For test failures and checks.
std::string firstDifference(const RgbImage& a, const RgbImage& b);

inline RgbImage::RgbImage(int w, int h, std::uint32_t fill)
    : width(w), height(h), pixels(static_cast<std::size_t>(w > 0 ? w : 0) * (h > 0 ? h : 0) * 3) {
  for (int y = 0; y < height; ++y)
    for (int x = 0; x < width; ++x) set(x, y, fill);
}

}  // namespace meridax
