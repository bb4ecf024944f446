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

struct NamedPoints {
  PointSet black;  // named by B and AB values
  PointSet white;  // named by W and AW values
};

bool isUpper(char c) { return c >= 'A' && c <= 'Z'; }

// Identifiers are read as the reader reads them: their capitals only ("AddBlack" is "AB"); a value with
// no identifier before it belongs to the one before.
NamedPoints namedPoints(std::string_view text) {
  NamedPoints points;
  PointSet* target = nullptr;
  char id[3] = {0, 0, 0};
  std::size_t idLength = 0;
  bool idFresh = false;
  char value[8];
  std::size_t i = 0;
  while (i < text.size()) {
    const char c = text[i++];
    if (c != '[') {
      if (isUpper(c)) {
        if (!idFresh) idLength = 0;
        idFresh = true;
        if (idLength < sizeof id) id[idLength] = c;
        ++idLength;
      } else if (c == ';' || c == '(' || c == ')') {
        idFresh = false;
        idLength = 0;
        target = nullptr;
      }
      continue;
    }
    if (idFresh) {
      const std::string_view name(id, std::min(idLength, sizeof id));
      target = idLength > 2 ? nullptr
               : (name == "B" || name == "AB") ? &points.black
               : (name == "W" || name == "AW") ? &points.white
                                               : nullptr;
      idFresh = false;
    }
    std::size_t n = 0;  // kept characters, counted past the buffer for long values
    while (i < text.size() && text[i] != ']') {
      char v = text[i++];
      if (v == '\\') {
        if (i >= text.size()) break;
        v = text[i++];
      }
      if (v == ' ' || v == '\t' || v == '\r' || v == '\n') continue;
      if (n < sizeof value) value[n] = v;
      ++n;
    }
    ++i;  // the closing bracket
    if (target != nullptr && n <= sizeof value) addValue(value, n, *target);
  }
  return points;
}

}  // namespace

bool goTextMayHold(const CompiledQuery& query, std::string_view gameText) {
  const int width = query.query().width;
  if (width > kLetters) return true;
  const NamedPoints points = namedPoints(gameText);
  for (const QueryVariant& v : query.variants()) {
    bool all = true;
    for (const QueryVariant::Cell& c : v.cells) {
      if (!isPiece(c.value)) break;  // stones come first
      const PointSet& named = c.value == cell::kBlack ? points.black : points.white;
      if (!named.test(static_cast<std::size_t>(c.index % width + c.index / width * kLetters))) {
        all = false;
        break;
      }
    }
    if (all) return true;
  }
  return false;
}

}  // namespace meridax
