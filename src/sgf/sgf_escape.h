#pragma once
// Escaping of SGF text values on output.

#include <string>
#include <string_view>

namespace meridax {

// Text values (comments, names, root texts, bookmark names): a backslash before every "\" and "]".
std::string escapeText(std::string_view text);
// Label texts of "LB": as escapeText, and ":" escaped too.
std::string escapeLabel(std::string_view text);
// A text kept with its escapes as written in the file: every backslash is dropped and the character
// after it kept (a trailing lone backslash is dropped).
std::string unescapeStored(std::string_view text);

}  // namespace meridax
