#pragma once
// Bob Jenkins' lookup3 hash (hashlittle): the 32-bit hash that names diagram image files, so equal
// pictures get equal names on every machine.

#include <cstddef>
#include <cstdint>
#include <span>
#include <string_view>

namespace meridax {

// hashlittle over the bytes with the initial value; the same result on any byte order.
std::uint32_t hashlittle(std::span<const std::uint8_t> bytes, std::uint32_t initval);
std::uint32_t hashlittle(std::string_view text, std::uint32_t initval);

}  // namespace meridax
