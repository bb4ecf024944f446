#pragma once
// The file system as the application shell sees it: whole-file reads, files written in one piece, renames,
// links, directory listings and times. Every operation says how it failed instead of throwing, so that each
// step of a save can be reported and, in tests, made to fail on purpose.

#include <chrono>
#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <utility>
#include <variant>
#include <vector>

#include "app/user_ports.h"

namespace meridax {

using FileTime = std::chrono::system_clock::time_point;

// A value or the system error that prevented it.
template <class T>
class SysResult {
 public:
  SysResult(T value) : state_(std::move(value)) {}
  SysResult(SystemError error) : state_(std::move(error)) {}

  bool ok() const { return state_.index() == 0; }
  T& value() { return std::get<0>(state_); }
  const T& value() const { return std::get<0>(state_); }
  const SystemError& error() const { return std::get<1>(state_); }

 private:
  std::variant<T, SystemError> state_;
};

enum class EntryType { File, Directory, Other };

struct FileStatus {
  EntryType type = EntryType::Other;
  std::uint64_t size = 0;
  FileTime modified{};
  unsigned permissions = 0;      // the rwx bits of the mode
  bool writeProtected = false;   // no write permission bit is set, or the file cannot be opened for writing
  std::uint64_t device = 0;      // with the inode, which file this is (a rename over it gives another)
  std::uint64_t inode = 0;
};

struct DirectoryEntry {
  std::string name;  // file name only
  EntryType type = EntryType::Other;
  std::uint64_t size = 0;
  FileTime modified{};
};

// The step of a whole-file read that failed.
// NotAFile: a device, a pipe or a socket, which are never read (a pipe could block for ever, a device never
// end); a folder fails to open (EISDIR). Memory: also a file larger than the memory available.
enum class ReadStep { Open, Size, Memory, Read, NotAFile };
struct ReadFailure {
  ReadStep step = ReadStep::Open;
  SystemError error;
};

struct WriteOutcome {
  std::size_t written = 0;
  std::optional<SystemError> error;  // set when the write stopped on an error (written may be > 0)
};

// A file open for writing. Closing makes its contents durable; a file destroyed without close() is closed
// without that guarantee.
class OutputFile {
 public:
  virtual ~OutputFile() = default;
  virtual WriteOutcome write(std::string_view bytes) = 0;
  virtual std::optional<SystemError> close() = 0;
};

enum class CreateMode {
  New,     // fails when the file exists
  Always,  // creates or truncates
};

struct TempFile {
  std::string path;
  std::unique_ptr<OutputFile> file;
};

class FileSystem {
 public:
  virtual ~FileSystem() = default;

  // Status of the entry a path names (links followed); an error with code ENOENT when nothing is there.
  virtual SysResult<FileStatus> status(const std::string& path) = 0;
  // The whole file; `out` is replaced. nullopt on success.
  virtual std::optional<ReadFailure> readWholeFile(const std::string& path, std::string& out) = 0;
  virtual SysResult<std::unique_ptr<OutputFile>> createFile(const std::string& path, CreateMode mode) = 0;
  // A new empty file with a fresh name "<directory>/<prefix>_XXXXXX.tmp", open for writing, readable by its
  // owner only; a prefix too long for the folder's names is cut short.
  virtual SysResult<TempFile> createTempFile(const std::string& directory, const std::string& prefix) = 0;
  // The file a path finally names, symbolic links followed; the path itself when it is no link.
  virtual SysResult<std::string> linkedFile(const std::string& path) = 0;
  // The permission bits a new file gets from the umask.
  virtual unsigned newFilePermissions() = 0;
  // Atomically replaces `to` when it exists; both must be on one file system.
  virtual std::optional<SystemError> rename(const std::string& from, const std::string& to) = 0;
  // A second name for an existing file; fails when `to` exists.
  virtual std::optional<SystemError> hardLink(const std::string& from, const std::string& to) = 0;
  // A durable copy of `from` under the new name `to`; fails when `to` exists, leaves no partial copy.
  virtual std::optional<SystemError> copyFile(const std::string& from, const std::string& to) = 0;
  virtual std::optional<SystemError> remove(const std::string& path) = 0;
  virtual std::optional<SystemError> createDirectory(const std::string& path) = 0;
  virtual SysResult<std::vector<DirectoryEntry>> listDirectory(const std::string& directory) = 0;
  // Sets the last-write (and access) time; nullopt `time` means now.
  virtual std::optional<SystemError> setModifiedTime(const std::string& path, std::optional<FileTime> time) = 0;
  virtual std::optional<SystemError> setPermissions(const std::string& path, unsigned permissions) = 0;
};

}  // namespace meridax
