#include "app/file_stamp.h"

#include <cerrno>

namespace meridax {
namespace {

constexpr std::uint64_t kFnvOffset = 14695981039346656037ull;
constexpr std::uint64_t kFnvPrime = 1099511628211ull;

std::uint64_t hashOn(std::uint64_t hash, std::string_view bytes) {
  for (const char c : bytes) {
    hash ^= static_cast<unsigned char>(c);
    hash *= kFnvPrime;
  }
  return hash;
}

}  // namespace

std::uint64_t contentHash(std::string_view bytes) { return hashOn(kFnvOffset, bytes); }

std::optional<FileStamp> stampOf(FileSystem& files, const std::string& path, std::uint64_t hash) {
  const SysResult<FileStatus> status = files.status(path);
  if (!status.ok()) return std::nullopt;
  const FileStatus& s = status.value();
  return FileStamp{s.size, s.modified, s.device, s.inode, hash};
}

DiskState compareWithDisk(FileSystem& files, const std::string& path, const FileStamp& stamp) {
  const SysResult<FileStatus> status = files.status(path);
  if (!status.ok()) return status.error().code == ENOENT ? DiskState::Missing : DiskState::Changed;
  const FileStatus& s = status.value();
  if (s.size != stamp.size || s.modified != stamp.modified || s.device != stamp.device || s.inode != stamp.inode)
    return DiskState::Changed;
  std::string contents;
  if (files.readWholeFile(path, contents)) return DiskState::Changed;
  return contentHash(contents) == stamp.hash ? DiskState::Unchanged : DiskState::Changed;
}

WriteOutcome HashingOutputFile::write(std::string_view bytes) {
  const WriteOutcome outcome = inner_.write(bytes);
  hash_ = hashOn(hash_, bytes.substr(0, outcome.written));
  return outcome;
}

}  // namespace meridax
