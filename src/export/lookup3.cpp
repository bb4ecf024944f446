#include "export/lookup3.h"

namespace meridax {
namespace {

constexpr std::uint32_t rot(std::uint32_t x, int k) { return (x << k) | (x >> (32 - k)); }

void mix(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c) {
  a -= c; a ^= rot(c, 4);  c += b;
  b -= a; b ^= rot(a, 6);  a += c;
  c -= b; c ^= rot(b, 8);  b += a;
  a -= c; a ^= rot(c, 16); c += b;
  b -= a; b ^= rot(a, 19); a += c;
  c -= b; c ^= rot(b, 4);  b += a;
}

void finalMix(std::uint32_t& a, std::uint32_t& b, std::uint32_t& c) {
  c ^= b; c -= rot(b, 14);
  a ^= c; a -= rot(c, 11);
  b ^= a; b -= rot(a, 25);
  c ^= b; c -= rot(b, 16);
  a ^= c; a -= rot(c, 4);
  b ^= a; b -= rot(a, 14);
  c ^= b; c -= rot(b, 24);
}

// Up to four bytes from `k`, the first in the lowest bits.
std::uint32_t littleWord(const std::uint8_t* k, std::size_t count) {
  std::uint32_t w = 0;
  for (std::size_t i = 0; i < count; ++i) w |= static_cast<std::uint32_t>(k[i]) << (8 * i);
  return w;
}

}  // namespace

std::uint32_t hashlittle(std::span<const std::uint8_t> bytes, std::uint32_t initval) {
  std::size_t length = bytes.size();
  std::uint32_t a = 0xdeadbeef + static_cast<std::uint32_t>(length) + initval;
  std::uint32_t b = a;
  std::uint32_t c = a;
  const std::uint8_t* k = bytes.data();
  while (length > 12) {
    a += littleWord(k, 4);
    b += littleWord(k + 4, 4);
    c += littleWord(k + 8, 4);
    mix(a, b, c);
    length -= 12;
    k += 12;
  }
  if (length == 0) return c;  // the last block is empty only for an empty key
  a += littleWord(k, length < 4 ? length : 4);
  if (length > 4) b += littleWord(k + 4, length < 8 ? length - 4 : 4);
  if (length > 8) c += littleWord(k + 8, length - 8);
  finalMix(a, b, c);
  return c;
}

std::uint32_t hashlittle(std::string_view text, std::uint32_t initval) {
  return hashlittle(std::span(reinterpret_cast<const std::uint8_t*>(text.data()), text.size()), initval);
}

}  // namespace meridax
