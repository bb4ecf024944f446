#pragma once
// Writing a finished file in one piece: the bytes go to a temporary file beside the target, which then
// takes the target's name, so a reader never sees half a file and a failed write leaves the old one.

#include <optional>
#include <system_error>
#include <string>
#include <string_view>

namespace meridax {

// A message for the user: the caption of the box and its text.
struct ExportMessage {
  std::string caption;
  std::string text;
  friend bool operator==(const ExportMessage&, const ExportMessage&) = default;
};
using ExportFailure = ExportMessage;

// Writes the bytes to `path` through a temporary file and a rename. On failure returns the system's
// error (nothing is left behind, and an existing file at `path` is unchanged).
std::optional<std::error_code> writeFileWhole(const std::string& path, std::string_view bytes);

}  // namespace meridax
