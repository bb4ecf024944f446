#pragma once
// Game texts inside an RTF document: the characters that RTF gives a meaning are escaped, so that a
// brace or a backslash in a comment cannot change the document's structure.

#include <string>
#include <string_view>

namespace meridax {

// `\`, `{` and `}` get a backslash; a tab becomes "\tab "; line ends and other control characters are
// dropped; every character beyond ASCII becomes "\uN?" (N the signed 16-bit UTF-16 unit, two units for
// characters beyond the first plane). The text is read as UTF-8; a byte that is not part of a valid
// UTF-8 sequence is taken as the Latin-1 character of that value.
std::string rtfEscape(std::string_view text);

// A path inside a field instruction in double quotes: each backslash becomes four (two for the field,
// doubled again for RTF), a double quote "\\\"", braces and non-ASCII characters as rtfEscape.
std::string rtfFieldPath(std::string_view path);

// The Unicode characters of a UTF-8 text, with invalid bytes read as Latin-1.
std::u32string decodeUtf8Leniently(std::string_view text);

}  // namespace meridax
