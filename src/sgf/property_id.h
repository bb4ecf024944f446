#pragma once
// Property identifiers of up to four letters as one number, so that looking one up in a list is a
// few integer comparisons.

#include <cstdint>
#include <string_view>

namespace meridax {

// The letters packed one per byte; identifiers longer than four letters share their first four's code.
constexpr std::uint32_t propertyCode(std::string_view id) {
  std::uint32_t code = 0;
  for (std::size_t i = 0; i < id.size() && i < 4; ++i) code = code << 8 | static_cast<unsigned char>(id[i]);
  return code;
}

}  // namespace meridax
