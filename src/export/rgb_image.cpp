#include "export/rgb_image.h"

#include <cstdio>

namespace meridax {

std::string firstDifference(const RgbImage& a, const RgbImage& b) {
  char text[96];
  if (a.width != b.width || a.height != b.height) {
    std::snprintf(text, sizeof text, "size %dx%d vs %dx%d", a.width, a.height, b.width, b.height);
    return text;
  }
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (a.at(x, y) != b.at(x, y)) {
        std::snprintf(text, sizeof text, "(%d, %d) 0x%06X vs 0x%06X", x, y, a.at(x, y), b.at(x, y));
        return text;
      }
  return "";
}

}  // namespace meridax
