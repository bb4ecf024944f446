#pragma once
// Files that hold a person's text outside the person's own folders: error lists handed to an outside
// viewer and RTF documents written to the temporary folder to be opened at once. They are created new
// (never over an existing name, never through a link someone else left there), readable by their owner
// alone, and removed when the program no longer needs them.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/file_system.h"

namespace meridax {

// Creates `path` (which must not exist) with mode 0600 and writes `bytes` to it. On failure the system's
// error, and no file is left behind.
std::optional<SystemError> writeNewPrivateFile(const std::string& path, std::string_view bytes);

// The same for the first free name "<directory>/<stem>_<n>.<extension>", n from 1; the path written.
SysResult<std::string> writeNumberedPrivateFile(const std::string& directory, const std::string& stem,
                                                const std::string& extension, std::string_view bytes);

// Files to remove when the program ends (or when the owner goes).
class TemporaryFiles {
 public:
  TemporaryFiles() = default;
  TemporaryFiles(const TemporaryFiles&) = delete;
  TemporaryFiles& operator=(const TemporaryFiles&) = delete;
  ~TemporaryFiles() { removeAll(); }

  void add(std::string path) { paths_.push_back(std::move(path)); }
  // Removes every file added so far; those already gone are forgotten as well.
  void removeAll();
  const std::vector<std::string>& paths() const { return paths_; }

 private:
  std::vector<std::string> paths_;
};

// The files of this run of the program, removed when it exits.
TemporaryFiles& filesRemovedAtExit();

}  // namespace meridax
