#include "export/export_file.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>
#include <climits>
#include <fstream>
#include <random>

#include "model/text_format.h"

namespace meridax {
namespace {

std::string folderOfPath(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

constexpr int kMaxLinks = 40;
constexpr int kTempNameAttempts = 100;
constexpr std::size_t kDefaultNameLimit = 255;
constexpr mode_t kPrivateMode = 0600;

std::error_code lastError() { return std::error_code(errno != 0 ? errno : EIO, std::generic_category()); }

std::string randomTag() {
  std::random_device device;
  std::uniform_int_distribution<unsigned> digits(0, 0xFFFFFF);
  return formatText(".%06x~", digits(device));
}

// The process's umask, read without changing it (the system offers no other way that is safe with threads).
std::optional<unsigned> umaskFromProc() {
  std::ifstream status("/proc/self/status");
  std::string line;
  while (std::getline(status, line)) {
    if (!line.starts_with("Umask:")) continue;
    try {
      return static_cast<unsigned>(std::stoul(line.substr(6), nullptr, 8)) & 0777u;
    } catch (const std::exception&) {
      return std::nullopt;
    }
  }
  return std::nullopt;
}

bool writeAll(int fd, std::string_view bytes) {
  while (!bytes.empty()) {
    const ssize_t n = ::write(fd, bytes.data(), bytes.size());
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) {
      if (n == 0) errno = EIO;
      return false;
    }
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
  return true;
}

// The kernel's own rule for links in shared folders (protected_symlinks), kept when links are followed by
// hand: in a sticky folder anyone may write to, only a link of our own or of the folder's owner is followed,
// so that nobody can plant a link there that turns a write into a write of one of our files.
bool mayFollow(const std::string& link, const struct stat& linkStatus) {
  struct stat folder {};
  if (::stat(folderOfPath(link).c_str(), &folder) != 0) return false;
  const bool shared = (folder.st_mode & S_ISVTX) != 0 && (folder.st_mode & S_IWOTH) != 0;
  return !shared || linkStatus.st_uid == ::geteuid() || linkStatus.st_uid == folder.st_uid;
}

}  // namespace

std::string folderOf(const std::string& path) { return folderOfPath(path); }

std::string namePartOf(const std::string& path) {
  const std::size_t slash = path.rfind('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

std::variant<std::string, std::error_code> linkedFile(const std::string& path) {
  std::string current = path;
  for (int links = 0; links <= kMaxLinks; ++links) {
    struct stat st {};
    if (::lstat(current.c_str(), &st) != 0 || !S_ISLNK(st.st_mode)) return current;  // missing: a new file
    if (!mayFollow(current, st)) return std::error_code(EACCES, std::generic_category());
    std::string target(static_cast<std::size_t>(st.st_size > 0 ? st.st_size : PATH_MAX) + 1, '\0');
    const ssize_t n = ::readlink(current.c_str(), target.data(), target.size());
    if (n < 0) return lastError();
    target.resize(static_cast<std::size_t>(n));
    if (target.empty()) return std::error_code(ENOENT, std::generic_category());
    current = target.front() == '/' ? target : folderOf(current) + "/" + target;
  }
  return std::error_code(ELOOP, std::generic_category());
}

std::size_t fileNameLimit(const std::string& directory) {
  const long limit = ::pathconf(directory.c_str(), _PC_NAME_MAX);
  return limit > 0 ? static_cast<std::size_t>(limit) : kDefaultNameLimit;
}

std::string fittingName(std::string_view name, std::string_view suffix, std::size_t limit) {
  std::size_t room = limit > suffix.size() ? limit - suffix.size() : 0;
  if (room < name.size()) {
    while (room > 0 && (static_cast<unsigned char>(name[room]) & 0xC0) == 0x80) --room;
    name = name.substr(0, room);
  }
  std::string fitted(name);
  fitted += suffix;
  return fitted;
}

unsigned newFilePermissions() {
  if (const std::optional<unsigned> mask = umaskFromProc()) return 0666u & ~*mask;
  const mode_t mask = ::umask(022);  // no /proc: read it by setting it back at once
  ::umask(mask);
  return 0666u & ~static_cast<unsigned>(mask);
}

std::optional<std::error_code> writeFileWhole(const std::string& path, std::string_view bytes) {
  std::variant<std::string, std::error_code> resolved = linkedFile(path);
  if (const auto* error = std::get_if<std::error_code>(&resolved)) return *error;
  const std::string target = std::get<std::string>(std::move(resolved));
  const std::string folder = folderOf(target);
  const std::string name = namePartOf(target);
  const std::size_t limit = fileNameLimit(folder);

  std::string temporary;
  int fd = -1;
  for (int attempt = 0; attempt < kTempNameAttempts && fd < 0; ++attempt) {
    temporary = folder + "/" + fittingName(name, randomTag(), limit);
    fd = ::open(temporary.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_CLOEXEC, kPrivateMode);
    if (fd < 0 && errno != EEXIST) return lastError();
  }
  if (fd < 0) return std::error_code(EEXIST, std::generic_category());

  struct stat old {};
  const mode_t mode = ::stat(target.c_str(), &old) == 0 ? (old.st_mode & 0777) : newFilePermissions();
  std::optional<std::error_code> failure;
  if (!writeAll(fd, bytes) || ::fchmod(fd, mode) != 0 || ::fsync(fd) != 0) failure = lastError();
  if (::close(fd) != 0 && !failure && errno != EINTR) failure = lastError();
  if (!failure && ::rename(temporary.c_str(), target.c_str()) != 0) failure = lastError();
  if (failure) ::unlink(temporary.c_str());
  return failure;
}

}  // namespace meridax
