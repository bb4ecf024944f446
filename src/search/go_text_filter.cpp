#include "search/go_text_filter.h"

#include <bitset>

namespace meridax {

namespace {

constexpr int kLetters = 52;
using PointSet = std::bitset<kLetters * kLetters>;

int letterOf(char c) {
  if (c >= 'a' && c <= 'z') return c - 'a';
  if (c >= 'A' && c <= 'Z') return c - 'A' + 26;
  return -1;
}

// A value of two letters names a point; "ab:cd" a rectangle of them.
void addValue(const char* v, std::size_t n, PointSet& points) {
  if (n == 2) {
    const int x = letterOf(v[0]);
    const int y = letterOf(v[1]);
    if (x >= 0 && y >= 0) points.set(static_cast<std::size_t>(x + y * kLetters));
  } else if (n == 5 && v[2] == ':') {
    int x0 = letterOf(v[0]), y0 = letterOf(v[1]), x1 = letterOf(v[3]), y1 = letterOf(v[4]);
    if (x0 < 0 || y0 < 0 || x1 < 0 || y1 < 0) return;
    if (x0 > x1) std::swap(x0, x1);
    if (y0 > y1) std::swap(y0, y1);
    for (int y = y0; y <= y1; ++y)
      for (int x = x0; x <= x1; ++x) points.set(static_cast<std::size_t>(x + y * kLetters));
  }
}

PointSet namedPoints(std::string_view text) {
  PointSet points;
  char value[8];
  std::size_t i = 0;
  while (i < text.size()) {
    if (text[i++] != '[') continue;
    std::size_t n = 0;  // kept characters, counted past the buffer for long values
    while (i < text.size() && text[i] != ']') {
      char c = text[i++];
      if (c == '\\') {
        if (i >= text.size()) break;
        c = text[i++];
      }
      if (c == ' ' || c == '\t' || c == '\r' || c == '\n') continue;
      if (n < sizeof value) value[n] = c;
      ++n;
    }
    ++i;  // the closing bracket
    if (n <= sizeof value) addValue(value, n, points);
  }
  return points;
}

}  // namespace

bool goTextMayHold(const CompiledQuery& query, std::string_view gameText) {
  const int width = query.query().width;
  if (width > kLetters) return true;
  const PointSet points = namedPoints(gameText);
  for (const QueryVariant& v : query.variants()) {
    bool all = true;
    for (const QueryVariant::Cell& c : v.cells) {
      if (!isPiece(c.value)) break;  // stones come first
      if (!points.test(static_cast<std::size_t>(c.index % width + c.index / width * kLetters))) {
        all = false;
        break;
      }
    }
    if (all) return true;
  }
  return false;
}

}  // namespace meridax
