#pragma once
// What a file was when this program last read or wrote it, so that a save can tell whether someone else
// (another program, or a second Meridax) has changed it since: its size, time, identity and a hash of its
// bytes. The cheap marks are compared first; the bytes are read again only when those all agree, which
// catches a change made within the file system's time resolution.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/file_system.h"

namespace meridax {

struct FileStamp {
  std::uint64_t size = 0;
  FileTime modified{};
  std::uint64_t device = 0;
  std::uint64_t inode = 0;
  std::uint64_t hash = 0;
};

// A 64-bit FNV-1a hash of the bytes.
std::uint64_t contentHash(std::string_view bytes);

// The stamp of the file at `path` whose bytes have the hash `hash`; nullopt when its status cannot be read.
std::optional<FileStamp> stampOf(FileSystem& files, const std::string& path, std::uint64_t hash);

enum class DiskState {
  Unchanged,
  Changed,  // changed, replaced, or no longer readable
  Missing,  // deleted or moved away
};

// How the file at `path` compares with the stamp taken when it was last read or written.
DiskState compareWithDisk(FileSystem& files, const std::string& path, const FileStamp& stamp);

// An output file that passes its bytes on and keeps their hash, for the stamp of a file being written.
class HashingOutputFile : public OutputFile {
 public:
  explicit HashingOutputFile(OutputFile& inner) : inner_(inner) {}
  WriteOutcome write(std::string_view bytes) override;
  std::optional<SystemError> close() override { return inner_.close(); }
  std::uint64_t hash() const { return hash_; }

 private:
  OutputFile& inner_;
  std::uint64_t hash_ = contentHash({});
};

}  // namespace meridax
