#include "export/rgb_image.h"

#include "model/text_format.h"

namespace meridax {

std::string firstDifference(const RgbImage& a, const RgbImage& b) {
  if (a.width != b.width || a.height != b.height)
    return formatText("size %dx%d vs %dx%d", a.width, a.height, b.width, b.height);
  for (int y = 0; y < a.height; ++y)
    for (int x = 0; x < a.width; ++x)
      if (a.at(x, y) != b.at(x, y)) return formatText("(%d, %d) 0x%06X vs 0x%06X", x, y, a.at(x, y), b.at(x, y));
  return "";
}

}  // namespace meridax
