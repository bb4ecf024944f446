#include "app/posix_process_port.h"

#include <filesystem>

#include <fcntl.h>
#include <signal.h>
#include <sys/stat.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstdlib>

extern char** environ;

namespace meridax {
namespace {

constexpr int kExecFailedStatus = 127;
constexpr char kDefaultSearchPath[] = "/usr/local/bin:/usr/bin:/bin";

bool isExecutableFile(const std::string& path) {
  struct stat st {};
  return ::stat(path.c_str(), &st) == 0 && S_ISREG(st.st_mode) && ::access(path.c_str(), X_OK) == 0;
}

// Runs in the grandchild, after fork: only async-signal-safe calls until exec.
[[noreturn]] void execGrandchild(const char* path, char* const* argv, int devNull, int reportFd) {
  sigset_t none;
  sigemptyset(&none);
  sigprocmask(SIG_SETMASK, &none, nullptr);
  if (devNull >= 0) ::dup2(devNull, STDIN_FILENO);
  ::execve(path, argv, environ);
  const int error = errno;
  [[maybe_unused]] const ssize_t n = ::write(reportFd, &error, sizeof error);
  ::_exit(kExecFailedStatus);
}

// The errno the started program's exec reported through the pipe, or 0 when exec succeeded (the pipe closed).
int readExecError(int fd) {
  int error = 0;
  std::size_t got = 0;
  auto* bytes = reinterpret_cast<char*>(&error);
  while (got < sizeof error) {
    const ssize_t n = ::read(fd, bytes + got, sizeof error - got);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) break;
    got += static_cast<std::size_t>(n);
  }
  return got == sizeof error ? error : 0;
}

// The program is started by a short-lived child in a new session, so it is re-parented at once and the
// editor never has to wait for it; a pipe closed on exec tells whether the exec succeeded. Returns an errno
// value, 0 once the program runs.
int spawnDetached(const char* path, char* const* argv) {
  int report[2];
  if (::pipe2(report, O_CLOEXEC) != 0) return errno;
  const int devNull = ::open("/dev/null", O_RDWR | O_CLOEXEC);
  const pid_t child = ::fork();
  if (child == 0) {
    ::setsid();
    const pid_t grandchild = ::fork();
    if (grandchild == 0) execGrandchild(path, argv, devNull, report[1]);
    if (grandchild < 0) {
      const int error = errno;
      [[maybe_unused]] const ssize_t n = ::write(report[1], &error, sizeof error);
    }
    ::_exit(0);
  }
  const int forkError = child < 0 ? errno : 0;
  ::close(report[1]);
  if (devNull >= 0) ::close(devNull);
  if (child > 0) {
    while (::waitpid(child, nullptr, 0) < 0 && errno == EINTR) {
    }
  }
  const int execError = child > 0 ? readExecError(report[0]) : 0;
  ::close(report[0]);
  return forkError != 0 ? forkError : execError;
}

}  // namespace

std::string findExecutable(const std::string& program, const std::string& searchPath) {
  if (program.empty()) return {};
  if (program.find('/') != std::string::npos) return program;
  std::size_t start = 0;
  while (start <= searchPath.size()) {
    std::size_t end = searchPath.find(':', start);
    if (end == std::string::npos) end = searchPath.size();
    // An empty entry of the search path is the working directory.
    const std::filesystem::path directory(end > start ? searchPath.substr(start, end - start) : std::string("."));
    const std::string candidate = (directory / program).string();
    if (isExecutableFile(candidate)) return candidate;
    start = end + 1;
  }
  return {};
}

std::optional<SystemError> PosixProcessPort::startDetached(const std::string& program,
                                                           const std::vector<std::string>& arguments) {
  const char* pathVariable = std::getenv("PATH");
  const std::string path = findExecutable(program, pathVariable ? pathVariable : kDefaultSearchPath);
  if (path.empty()) return systemError(ENOENT);

  // Everything the child needs is prepared here: after fork only async-signal-safe calls are made.
  std::vector<std::string> words{program};
  words.insert(words.end(), arguments.begin(), arguments.end());
  std::vector<char*> argv;
  for (std::string& word : words) argv.push_back(word.data());
  argv.push_back(nullptr);

  if (const int error = spawnDetached(path.c_str(), argv.data())) return systemError(error);
  return std::nullopt;
}

std::optional<SystemError> PosixProcessPort::openDocument(const std::string& pathOrUrl) {
  return startDetached(opener_, {pathOrUrl});
}

}  // namespace meridax
