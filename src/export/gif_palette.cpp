#include "export/gif_palette.h"

#include <algorithm>
#include <limits>
#include <numeric>
#include <unordered_map>

namespace meridax {
namespace {

int tableBitsFor(std::size_t colours) {
  int bits = 2;
  while (bits < 8 && colours > (std::size_t{1} << bits)) ++bits;
  return bits;
}

long squaredDistance(std::uint32_t a, std::uint32_t b) {
  long sum = 0;
  for (int shift = 0; shift < 24; shift += 8) {
    const long d = static_cast<long>((a >> shift) & 0xFF) - static_cast<long>((b >> shift) & 0xFF);
    sum += d * d;
  }
  return sum;
}

// The nearest of the kept colours (the first best wins).
std::uint8_t nearestKept(const std::vector<std::uint32_t>& colours, std::uint32_t colour) {
  std::size_t best = 0;
  long bestDistance = std::numeric_limits<long>::max();
  for (std::size_t i = 0; i < kKeptColours; ++i) {
    const long d = squaredDistance(colours[i], colour);
    if (d < bestDistance) {
      bestDistance = d;
      best = i;
    }
  }
  return static_cast<std::uint8_t>(best);
}

}  // namespace

std::vector<std::uint32_t> GifPalette::table() const {
  std::vector<std::uint32_t> entries(std::size_t{1} << tableBits, 0xFFFFFF);
  std::copy_n(colours.begin(), std::min(colours.size(), entries.size()), entries.begin());
  return entries;
}

GifPalette buildGifPalette(const RgbImage& image) {
  // Distinct colours in order of first appearance, with their counts.
  std::unordered_map<std::uint32_t, std::size_t> seen;
  std::vector<std::uint32_t> found;
  std::vector<std::uint32_t> counts;
  std::vector<std::size_t> pixelColour(static_cast<std::size_t>(image.width) * image.height);
  for (int y = 0; y < image.height; ++y)
    for (int x = 0; x < image.width; ++x) {
      const std::uint32_t rgb = image.at(x, y);
      auto [it, added] = seen.try_emplace(rgb, found.size());
      if (added) {
        found.push_back(rgb);
        counts.push_back(0);
      }
      ++counts[it->second];
      pixelColour[static_cast<std::size_t>(y) * image.width + x] = it->second;
    }

  std::vector<std::size_t> order(found.size());
  std::iota(order.begin(), order.end(), 0);
  std::stable_sort(order.begin(), order.end(), [&](std::size_t a, std::size_t b) { return counts[a] > counts[b]; });

  GifPalette palette;
  palette.tableBits = tableBitsFor(found.size());
  std::vector<std::uint8_t> indexOfFound(found.size());
  for (std::size_t rank = 0; rank < order.size(); ++rank) {
    palette.colours.push_back(found[order[rank]]);
    palette.counts.push_back(counts[order[rank]]);
  }
  const bool crowded = found.size() > kKeptColours;
  for (std::size_t rank = 0; rank < order.size(); ++rank)
    indexOfFound[order[rank]] = crowded && rank >= kKeptColours ? nearestKept(palette.colours, palette.colours[rank])
                                                                : static_cast<std::uint8_t>(rank);
  palette.indices.reserve(pixelColour.size());
  for (const std::size_t f : pixelColour) palette.indices.push_back(indexOfFound[f]);
  return palette;
}

std::vector<int> interlacedRowOrder(int height) {
  std::vector<int> rows;
  rows.reserve(static_cast<std::size_t>(std::max(height, 0)));
  constexpr int kStart[] = {0, 4, 2, 1};
  constexpr int kStep[] = {8, 8, 4, 2};
  for (int pass = 0; pass < 4; ++pass)
    for (int y = kStart[pass]; y < height; y += kStep[pass]) rows.push_back(y);
  return rows;
}

}  // namespace meridax
