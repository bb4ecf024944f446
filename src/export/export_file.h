#pragma once
// Writing a finished file in one piece: the bytes go to a temporary file beside the target, which then
// takes the target's name, so a reader never sees half a file and a failed write leaves the old one.
// The helpers below are shared with every other writer of user files: a name that follows symbolic
// links to the file they lead to, temporary names that fit the folder, and the permissions a file gets.

#include <cstddef>
#include <optional>
#include <system_error>
#include <string>
#include <string_view>
#include <variant>

namespace meridax {

// A message for the user: the caption of the box and its text.
struct ExportMessage {
  std::string caption;
  std::string text;
  friend bool operator==(const ExportMessage&, const ExportMessage&) = default;
};
using ExportFailure = ExportMessage;

// Writes the bytes to `path` through a temporary file and a rename. On failure returns the system's
// error (nothing is left behind, and an existing file at `path` is unchanged). A path that is a symbolic
// link keeps the link: the file it leads to is replaced, in its own folder. The new file has the
// permissions of the file it replaces, or those the umask leaves for a new one; until it is complete it
// can be read by its owner only.
std::optional<std::error_code> writeFileWhole(const std::string& path, std::string_view bytes);

// The file `path` finally names: every symbolic link on the way followed (a relative link read from the
// link's own folder), the path itself when it is no link. A missing final file is no error (a save
// creates it); a chain of more than 40 links is (ELOOP), and so is a link in a shared sticky folder (such
// as /tmp) that belongs neither to us nor to the folder's owner, which the system would not follow either
// (EACCES).
std::variant<std::string, std::error_code> linkedFile(const std::string& path);

// The longest file name (in bytes) the folder accepts; 255 when the system does not say.
std::size_t fileNameLimit(const std::string& directory);

// `name` followed by `suffix`, with `name` cut short (never inside a UTF-8 character) so that the whole
// fits in `limit` bytes.
std::string fittingName(std::string_view name, std::string_view suffix, std::size_t limit);

// The permission bits a new file gets from the umask: 0666 without its bits.
unsigned newFilePermissions();

// The folder part of a path ("." for a bare name) and the name part.
std::string folderOf(const std::string& path);
std::string namePartOf(const std::string& path);

}  // namespace meridax
