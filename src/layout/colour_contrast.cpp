#include "layout/colour_contrast.h"

#include <algorithm>
#include <cmath>

namespace meridax {

namespace {

constexpr ContrastColour kBlack = 0x000000;
constexpr ContrastColour kWhite = 0xFFFFFF;

// One channel of 0 ... 255 in linear light.
double linear(unsigned channel) {
  const double c = channel / 255.0;
  return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

}  // namespace

double relativeLuminance(ContrastColour colour) {
  const unsigned red = colour & 0xFF, green = (colour >> 8) & 0xFF, blue = (colour >> 16) & 0xFF;
  return 0.2126 * linear(red) + 0.7152 * linear(green) + 0.0722 * linear(blue);
}

double contrastRatio(ContrastColour a, ContrastColour b) {
  const double la = relativeLuminance(a), lb = relativeLuminance(b);
  return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ContrastColour markColourAgainst(ContrastColour othersFill, ContrastColour preferred) {
  if (contrastRatio(preferred, othersFill) >= kLeastMarkContrast) return preferred;
  return contrastRatio(kBlack, othersFill) >= contrastRatio(kWhite, othersFill) ? kBlack : kWhite;
}

}  // namespace meridax
