#pragma once
// printf-style formatting of the program's message texts, so that each text is written once with its own
// format string.

#include <string>

namespace meridax::apptext {

// The text that snprintf would produce for `format` and the arguments.
std::string format(const char* format, ...) __attribute__((format(printf, 1, 2)));

}  // namespace meridax::apptext
