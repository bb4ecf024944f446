#pragma once
// Numbers in property values as the reader takes them, shared with the writer so that what it writes
// reads back as the same number.

#include <cstddef>
#include <string_view>

namespace meridax {

// The largest number decimalValue gives; longer digit runs saturate here.
inline constexpr int kDecimalCeiling = 1000000000;

// A decimal integer as atoi reads it (leading blanks, a sign, digits), saturating; 0 when there is none.
// `end`, when given, receives the offset just after the digits.
int decimalValue(std::string_view s, std::size_t* end = nullptr);

// The handicap stones of a Go game's HA value: its decimal value, at most 9; 0 below 2.
int goHandicapStones(std::string_view value);

}  // namespace meridax
