#include "sgf/sgf_numbers.h"

#include <algorithm>

namespace meridax {

namespace {

constexpr int kMaxGoHandicap = 9;
constexpr int kMinGoHandicap = 2;

}  // namespace

int decimalValue(std::string_view s, std::size_t* end) {
  std::size_t at = 0;
  while (at < s.size() && (s[at] == ' ' || s[at] == '\t')) ++at;
  bool negative = false;
  if (at < s.size() && (s[at] == '-' || s[at] == '+')) negative = s[at++] == '-';
  long v = 0;
  while (at < s.size() && s[at] >= '0' && s[at] <= '9') v = std::min<long>(kDecimalCeiling, v * 10 + (s[at++] - '0'));
  if (end != nullptr) *end = at;
  return static_cast<int>(negative ? -v : v);
}

int goHandicapStones(std::string_view value) {
  const int stones = std::min(decimalValue(value), kMaxGoHandicap);
  return stones < kMinGoHandicap ? 0 : stones;
}

}  // namespace meridax
