#pragma once
// Standard Base64 (RFC 4648 alphabet, '=' padding) for the records kept in the settings profile.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meridax {

using Bytes = std::vector<std::uint8_t>;

std::string base64Encode(const Bytes& bytes);

// The bytes of a Base64 text; blanks and line breaks are skipped, padding may be left out.
// nullopt for any other character, padding inside the text, or a length that no encoding produces.
std::optional<Bytes> base64Decode(std::string_view text);

}  // namespace meridax
