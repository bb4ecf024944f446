#pragma once
// Board markup read from SGF (MA, TR, CR, SQ, SL, LB, M, L, and TB and TW on Go boards) in the form it
// is stored in: the identifier, then for each cell "[" and two characters (column + 33, row + 33) and
// "]"; a label adds ":" and its text.

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_kind.h"
#include "sgf/sgf_points.h"

namespace meridax {

// True for the markup identifiers of the kind (TB and TW are markup on Go boards only).
bool isMarkupIdentifier(std::string_view id, GameKind kind);

struct MarkupReading {
  std::string text;                     // empty when no cell of the board was named
  std::vector<std::size_t> unreadable;  // indexes of values that hold no point at all
};

// Reads every value of one markup property. In values CR and LF are dropped and tabs become blanks;
// label texts keep their escapes as written. Rectangles give every cell; cells outside the square
// are dropped, and one property names at most width x width cells. SL is stored as SQ.
MarkupReading readMarkup(const PointGeometry& g, std::string_view id, const std::vector<std::string_view>& values);

}  // namespace meridax
