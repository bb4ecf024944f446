#include "app/posix_file_system.h"

#include "export/export_file.h"

#include <dirent.h>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <chrono>
#include <fstream>
#include <new>
#include <random>
#include <stdexcept>

namespace meridax {
namespace {

constexpr mode_t kNewFileMode = 0666;  // narrowed by the umask
constexpr mode_t kNewDirectoryMode = 0777;
constexpr std::size_t kCopyChunk = 64 * 1024;
constexpr std::size_t kProbeBytes = 512;
constexpr int kTempNameAttempts = 100;
constexpr mode_t kPrivateFileMode = 0600;

SystemError lastError() { return systemError(errno); }

FileTime fileTimeOf(const struct timespec& ts) {
  return FileTime(std::chrono::duration_cast<FileTime::duration>(std::chrono::seconds(ts.tv_sec) +
                                                                 std::chrono::nanoseconds(ts.tv_nsec)));
}

EntryType entryTypeOf(mode_t mode) {
  if (S_ISREG(mode)) return EntryType::File;
  if (S_ISDIR(mode)) return EntryType::Directory;
  return EntryType::Other;
}

// Writes all of `bytes`, retrying interrupted and partial writes.
WriteOutcome writeAll(int fd, std::string_view bytes) {
  WriteOutcome outcome;
  while (outcome.written < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + outcome.written, bytes.size() - outcome.written);
    if (n < 0) {
      if (errno == EINTR) continue;
      outcome.error = lastError();
      break;
    }
    if (n == 0) break;  // nothing more is accepted; the caller sees the short count
    outcome.written += static_cast<std::size_t>(n);
  }
  return outcome;
}

void report(const FsStepHook& hook, FsStep at) {
  if (hook) hook(at);
}

// fsync, then close; the first error wins.
std::optional<SystemError> syncAndClose(int fd, const FsStepHook& hook) {
  std::optional<SystemError> error;
  report(hook, FsStep::BeforeFileSync);
  if (::fsync(fd) != 0) error = lastError();
  report(hook, FsStep::AfterFileSync);
  if (::close(fd) != 0 && !error && errno != EINTR) error = lastError();
  return error;
}

// The directory that holds `path`.
std::string directoryOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

// Errors by which a file system says that it keeps no directory durable on request.
bool directorySyncUnsupported(int code) { return code == EINVAL || code == ENOTSUP; }

class PosixOutputFile : public OutputFile {
 public:
  PosixOutputFile(int fd, FsStepHook hook) : fd_(fd), hook_(std::move(hook)) {}
  ~PosixOutputFile() override {
    if (fd_ >= 0) ::close(fd_);
  }
  PosixOutputFile(const PosixOutputFile&) = delete;
  PosixOutputFile& operator=(const PosixOutputFile&) = delete;

  WriteOutcome write(std::string_view bytes) override {
    if (fd_ < 0) return WriteOutcome{0, systemError(EBADF)};
    WriteOutcome outcome = writeAll(fd_, bytes);
    report(hook_, FsStep::Written);
    return outcome;
  }

  std::optional<SystemError> close() override {
    if (fd_ < 0) return systemError(EBADF);
    const int fd = fd_;
    fd_ = -1;
    return syncAndClose(fd, hook_);
  }

 private:
  int fd_;
  FsStepHook hook_;
};

std::string randomSuffix() {
  static constexpr char kLetters[] = "abcdefghijklmnopqrstuvwxyzABCDEFGHIJKLMNOPQRSTUVWXYZ0123456789";
  static std::mt19937 engine{std::random_device{}()};
  std::uniform_int_distribution<std::size_t> pick(0, sizeof kLetters - 2);
  std::string suffix(6, 'x');
  for (char& c : suffix) c = kLetters[pick(engine)];
  return suffix;
}

// The memory the system can still give without swapping ("MemAvailable"), or the free pages when it does
// not say; nullopt when neither is known.
std::optional<std::uint64_t> availableMemory() {
  std::ifstream info("/proc/meminfo");
  std::string key;
  std::uint64_t kilobytes = 0;
  std::string unit;
  while (info >> key >> kilobytes >> unit) {
    if (key == "MemAvailable:") return kilobytes * 1024;
  }
  const long pages = ::sysconf(_SC_AVPHYS_PAGES);
  const long pageSize = ::sysconf(_SC_PAGESIZE);
  if (pages > 0 && pageSize > 0) return static_cast<std::uint64_t>(pages) * static_cast<std::uint64_t>(pageSize);
  return std::nullopt;
}

// Reads `fd` to its end into `out`, starting with room for `expected` bytes.
std::optional<ReadFailure> readToEnd(int fd, std::size_t expected, std::string& out) {
  try {
    out.assign(expected > 0 ? expected : kCopyChunk, '\0');
  } catch (const std::exception&) {
    return ReadFailure{ReadStep::Memory, systemError(ENOMEM)};
  }
  std::size_t total = 0;
  for (;;) {
    if (total == out.size()) {
      // The file may have grown since its size was taken: a small probe read tells, so that a buffer
      // already holding the whole file is not copied into a larger one merely to meet its end.
      char probe[kProbeBytes];
      const ssize_t more = ::read(fd, probe, sizeof probe);
      if (more < 0) {
        if (errno == EINTR) continue;
        return ReadFailure{ReadStep::Read, lastError()};
      }
      if (more == 0) break;
      try {
        out.append(probe, static_cast<std::size_t>(more));
        out.resize(out.size() + kCopyChunk);
      } catch (const std::exception&) {
        return ReadFailure{ReadStep::Memory, systemError(ENOMEM)};
      }
      total += static_cast<std::size_t>(more);
      continue;
    }
    const ssize_t n = ::read(fd, out.data() + total, out.size() - total);
    if (n < 0) {
      if (errno == EINTR) continue;
      return ReadFailure{ReadStep::Read, lastError()};
    }
    if (n == 0) break;
    total += static_cast<std::size_t>(n);
  }
  out.resize(total);
  return std::nullopt;
}

std::optional<SystemError> copyContents(int from, int to, const FsStepHook& hook) {
  std::string buffer(kCopyChunk, '\0');
  for (;;) {
    const ssize_t n = ::read(from, buffer.data(), buffer.size());
    if (n < 0) {
      if (errno == EINTR) continue;
      return lastError();
    }
    if (n == 0) return std::nullopt;
    const WriteOutcome outcome = writeAll(to, std::string_view(buffer.data(), static_cast<std::size_t>(n)));
    report(hook, FsStep::Written);
    if (outcome.error) return outcome.error;
    if (outcome.written != static_cast<std::size_t>(n)) return systemError(EIO);
  }
}

}  // namespace

SysResult<FileStatus> PosixFileSystem::status(const std::string& path) {
  struct stat st {};
  if (::stat(path.c_str(), &st) != 0) return lastError();
  FileStatus status;
  status.type = entryTypeOf(st.st_mode);
  status.size = static_cast<std::uint64_t>(st.st_size);
  status.modified = fileTimeOf(st.st_mtim);
  status.permissions = static_cast<unsigned>(st.st_mode & 0777);
  status.device = static_cast<std::uint64_t>(st.st_dev);
  status.inode = static_cast<std::uint64_t>(st.st_ino);
  status.writeProtected = (st.st_mode & 0222) == 0 ||
                          (::access(path.c_str(), W_OK) != 0 && (errno == EACCES || errno == EROFS));
  return status;
}

std::optional<ReadFailure> PosixFileSystem::readWholeFile(const std::string& path, std::string& out) {
  // Opened without waiting, so that a pipe with no writer is refused at once instead of blocking.
  const int fd = ::open(path.c_str(), O_RDONLY | O_NONBLOCK | O_CLOEXEC);
  if (fd < 0) return ReadFailure{ReadStep::Open, lastError()};
  struct stat st {};
  std::optional<ReadFailure> failure;
  if (::fstat(fd, &st) != 0) {
    failure = ReadFailure{ReadStep::Size, lastError()};
  } else if (S_ISDIR(st.st_mode)) {
    failure = ReadFailure{ReadStep::Open, systemError(EISDIR)};  // a directory opens here but is no file
  } else if (!S_ISREG(st.st_mode)) {
    failure = ReadFailure{ReadStep::NotAFile, systemError(EINVAL)};
  } else if (const std::optional<std::uint64_t> memory = availableMemory();
             memory && static_cast<std::uint64_t>(st.st_size) > *memory) {
    failure = ReadFailure{ReadStep::Memory, systemError(ENOMEM)};
  } else {
    ::fcntl(fd, F_SETFL, ::fcntl(fd, F_GETFL) & ~O_NONBLOCK);
    failure = readToEnd(fd, static_cast<std::size_t>(st.st_size), out);
  }
  ::close(fd);
  return failure;
}

SysResult<std::unique_ptr<OutputFile>> PosixFileSystem::createFile(const std::string& path, CreateMode mode) {
  const int flags = O_WRONLY | O_CREAT | O_CLOEXEC | (mode == CreateMode::New ? O_EXCL : O_TRUNC);
  const int fd = ::open(path.c_str(), flags, kNewFileMode);
  if (fd < 0) return lastError();
  return std::unique_ptr<OutputFile>(std::make_unique<PosixOutputFile>(fd, stepHook_));
}

SysResult<TempFile> PosixFileSystem::createTempFile(const std::string& directory, const std::string& prefix) {
  const std::size_t limit = fileNameLimit(directory);
  for (int attempt = 0; attempt < kTempNameAttempts; ++attempt) {
    std::string path = directory + "/" + fittingName(prefix, "_" + randomSuffix() + ".tmp", limit);
    const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateFileMode);
    if (fd >= 0) return TempFile{std::move(path), std::make_unique<PosixOutputFile>(fd, stepHook_)};
    if (errno != EEXIST) return lastError();
  }
  return systemError(EEXIST);
}

SysResult<std::string> PosixFileSystem::linkedFile(const std::string& path) {
  std::variant<std::string, std::error_code> found = meridax::linkedFile(path);
  if (const auto* error = std::get_if<std::error_code>(&found)) return systemError(error->value());
  return std::get<std::string>(std::move(found));
}

unsigned PosixFileSystem::newFilePermissions() { return meridax::newFilePermissions(); }

// The file's own name is made durable before it replaces `to`, and the replacement after it, so that a
// crash never finds `to` pointing at a file whose contents or name were still only in memory.
std::optional<SystemError> PosixFileSystem::rename(const std::string& from, const std::string& to) {
  if (auto error = syncDirectoryOf(from)) return error;
  step(FsStep::BeforeRename);
  if (::rename(from.c_str(), to.c_str()) != 0) return lastError();
  step(FsStep::AfterRename);
  if (auto error = syncDirectoryOf(to)) return error;
  if (directoryOf(from) != directoryOf(to)) return syncDirectoryOf(from);
  return std::nullopt;
}

std::optional<SystemError> PosixFileSystem::hardLink(const std::string& from, const std::string& to) {
  step(FsStep::BeforeLink);
  if (::link(from.c_str(), to.c_str()) != 0) return lastError();
  step(FsStep::AfterLink);
  return syncDirectoryOf(to);
}

std::optional<SystemError> PosixFileSystem::copyFile(const std::string& from, const std::string& to) {
  step(FsStep::BeforeLink);
  const int in = ::open(from.c_str(), O_RDONLY | O_CLOEXEC);
  if (in < 0) return lastError();
  struct stat st {};
  const mode_t mode = ::fstat(in, &st) == 0 ? (st.st_mode & 0777) : kNewFileMode;
  const int out = ::open(to.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, mode);
  if (out < 0) {
    const SystemError error = lastError();
    ::close(in);
    return error;
  }
  std::optional<SystemError> error = copyContents(in, out, stepHook_);
  ::close(in);
  const std::optional<SystemError> closeError = syncAndClose(out, stepHook_);
  if (!error) error = closeError;
  if (error) {
    ::unlink(to.c_str());
    return error;
  }
  step(FsStep::AfterLink);
  return syncDirectoryOf(to);  // the copy is whole; on an error here it stays, as a hard link would
}

std::optional<SystemError> PosixFileSystem::syncDirectoryOf(const std::string& path) {
  step(FsStep::BeforeDirectorySync);
  std::optional<SystemError> error = syncDirectory(directoryOf(path));
  step(FsStep::AfterDirectorySync);
  return error;
}

std::optional<SystemError> PosixFileSystem::syncDirectory(const std::string& directory) {
  const int fd = ::open(directory.c_str(), O_RDONLY | O_DIRECTORY | O_CLOEXEC);
  // A directory the user may write to but not read cannot be synced by us; the save must not fail for it.
  if (fd < 0) return errno == EACCES ? std::nullopt : std::optional<SystemError>(lastError());
  std::optional<SystemError> error;
  if (::fsync(fd) != 0 && !directorySyncUnsupported(errno)) error = lastError();
  ::close(fd);
  return error;
}

std::optional<SystemError> PosixFileSystem::remove(const std::string& path) {
  if (::unlink(path.c_str()) != 0) return lastError();
  return std::nullopt;
}

std::optional<SystemError> PosixFileSystem::createDirectory(const std::string& path) {
  if (::mkdir(path.c_str(), kNewDirectoryMode) != 0) return lastError();
  return std::nullopt;
}

SysResult<std::vector<DirectoryEntry>> PosixFileSystem::listDirectory(const std::string& directory) {
  DIR* dir = ::opendir(directory.c_str());
  if (!dir) return lastError();
  std::vector<DirectoryEntry> entries;
  errno = 0;
  while (const struct dirent* found = ::readdir(dir)) {
    const std::string name = found->d_name;
    if (name == "." || name == "..") continue;
    struct stat st {};
    if (::fstatat(::dirfd(dir), name.c_str(), &st, AT_SYMLINK_NOFOLLOW) != 0) continue;  // vanished meanwhile
    entries.push_back(DirectoryEntry{name, entryTypeOf(st.st_mode), static_cast<std::uint64_t>(st.st_size),
                                     fileTimeOf(st.st_mtim)});
    errno = 0;
  }
  const int readError = errno;
  ::closedir(dir);
  if (readError != 0) return systemError(readError);
  return entries;
}

std::optional<SystemError> PosixFileSystem::setModifiedTime(const std::string& path,
                                                            std::optional<FileTime> time) {
  struct timespec times[2] = {};
  if (time) {
    const auto sinceEpoch = std::chrono::duration_cast<std::chrono::nanoseconds>(time->time_since_epoch());
    times[0].tv_sec = static_cast<time_t>(sinceEpoch.count() / 1'000'000'000);
    times[0].tv_nsec = static_cast<long>(sinceEpoch.count() % 1'000'000'000);
    if (times[0].tv_nsec < 0) {
      times[0].tv_nsec += 1'000'000'000;
      times[0].tv_sec -= 1;
    }
  } else {
    times[0].tv_nsec = UTIME_NOW;
  }
  times[1] = times[0];
  if (::utimensat(AT_FDCWD, path.c_str(), times, 0) != 0) return lastError();
  return std::nullopt;
}

std::optional<SystemError> PosixFileSystem::setPermissions(const std::string& path, unsigned permissions) {
  if (::chmod(path.c_str(), static_cast<mode_t>(permissions & 0777)) != 0) return lastError();
  return std::nullopt;
}

}  // namespace meridax
