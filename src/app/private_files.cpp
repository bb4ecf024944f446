#include "app/private_files.h"

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

#include <cerrno>

namespace meridax {
namespace {

constexpr mode_t kPrivateMode = 0600;
constexpr int kMostNumbers = 100000;  // names tried before giving up

std::optional<SystemError> writeAllTo(int fd, std::string_view bytes) {
  std::size_t done = 0;
  while (done < bytes.size()) {
    const ssize_t n = ::write(fd, bytes.data() + done, bytes.size() - done);
    if (n < 0 && errno == EINTR) continue;
    if (n < 0) return systemError(errno);
    done += static_cast<std::size_t>(n);
  }
  return std::nullopt;
}

}  // namespace

std::optional<SystemError> writeNewPrivateFile(const std::string& path, std::string_view bytes) {
  // O_EXCL with O_CREAT also refuses a symbolic link at the name, dangling or not.
  const int fd = ::open(path.c_str(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, kPrivateMode);
  if (fd < 0) return systemError(errno);
  std::optional<SystemError> error = writeAllTo(fd, bytes);
  if (::close(fd) != 0 && !error) error = systemError(errno);
  if (error) ::unlink(path.c_str());
  return error;
}

SysResult<std::string> writeNumberedPrivateFile(const std::string& directory, const std::string& stem,
                                                const std::string& extension, std::string_view bytes) {
  const std::string base = (directory.empty() || directory.back() == '/' ? directory : directory + "/") + stem + "_";
  std::string path;
  for (int n = 1; n <= kMostNumbers; ++n) {
    path = base + std::to_string(n) + "." + extension;
    const std::optional<SystemError> error = writeNewPrivateFile(path, bytes);
    if (!error) return path;
    if (error->code != EEXIST) return *error;
  }
  return systemError(EEXIST);
}

void TemporaryFiles::removeAll() {
  for (const std::string& path : paths_) ::unlink(path.c_str());
  paths_.clear();
}

TemporaryFiles& filesRemovedAtExit() {
  static TemporaryFiles files;
  return files;
}

}  // namespace meridax
