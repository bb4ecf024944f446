#include "sgf/game_body_skip.h"

#include <utility>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace meridax {
namespace {

// The walk over the bytes that matter; each step takes one of them.
struct BodyWalk {
  std::size_t depth = 0;
  bool inValue = false;
  std::size_t valueOpen = 0;
  bool afterClose = false;  // the last bracket outside values was ")"
  int nodes = 0;
  int sideLines = 0;

  // True when the byte at `at` ends the body: a ")" at depth 0 outside values.
  bool step(char c, std::size_t at) {
    if (inValue) {
      if (c == ']') inValue = false;
      return false;
    }
    if (c != '[' && c != ';' && c != '(' && c != ')') return false;  // blanks and identifiers between
    const bool closed = std::exchange(afterClose, c == ')');
    if (c == '[') {
      inValue = true;
      valueOpen = at;
    } else if (c == ';') {
      ++nodes;
    } else if (c == '(') {
      ++depth;
      sideLines += closed ? 1 : 0;
    } else if (c == ')') {
      if (depth == 0) return true;
      --depth;
    }
    return false;
  }

  BodyStop stop(std::size_t at, BodyEnd end) const { return {at, end, nodes, sideLines}; }
};

}  // namespace

BodyStop skipGameBody(std::string_view text, std::size_t from, std::size_t depth) {
  const char* bytes = text.data();
  const std::size_t size = text.size();
  BodyWalk walk;
  walk.depth = depth;
  bool escaped = false;  // the byte at `i` is escaped by a backslash in a value
  std::size_t i = from;
#if defined(__SSE2__)
  const __m128i open = _mm_set1_epi8('[');
  const __m128i close = _mm_set1_epi8(']');
  const __m128i left = _mm_set1_epi8('(');
  const __m128i right = _mm_set1_epi8(')');
  const __m128i backslash = _mm_set1_epi8('\\');
  const __m128i semicolon = _mm_set1_epi8(';');
  for (; i + 16 <= size; i += 16) {
    const __m128i v = _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes + i));
    const __m128i hits = _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, open), _mm_cmpeq_epi8(v, close)),
                                      _mm_or_si128(_mm_or_si128(_mm_cmpeq_epi8(v, left), _mm_cmpeq_epi8(v, right)),
                                                   _mm_or_si128(_mm_cmpeq_epi8(v, backslash),
                                                                _mm_cmpeq_epi8(v, semicolon))));
    auto mask = static_cast<std::uint32_t>(_mm_movemask_epi8(hits));
    if (escaped) mask &= ~1u;
    escaped = false;
    while (mask != 0) {
      const auto bit = static_cast<unsigned>(__builtin_ctz(mask));
      mask &= mask - 1;
      const char c = bytes[i + bit];
      if (c == '\\') {
        if (!walk.inValue) continue;
        if (bit == 15) escaped = true;
        else mask &= ~(1u << (bit + 1));
        continue;
      }
      if (walk.step(c, i + bit)) return walk.stop(i + bit, BodyEnd::GameClose);
    }
  }
#endif
  for (; i < size; ++i) {
    if (escaped) {
      escaped = false;
      continue;
    }
    const char c = bytes[i];
    if (c == '\\') {
      escaped = walk.inValue;
      continue;
    }
    if (walk.step(c, i)) return walk.stop(i, BodyEnd::GameClose);
  }
  if (walk.inValue) return walk.stop(walk.valueOpen, BodyEnd::UnclosedValue);
  return walk.stop(size, BodyEnd::EndOfText);
}

}  // namespace meridax
