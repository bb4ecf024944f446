#include "engine/posix_engine_process.h"

#include <fcntl.h>
#include <poll.h>
#include <signal.h>
#include <sys/socket.h>
#include <sys/wait.h>
#include <unistd.h>

#include <cerrno>
#include <cstring>

namespace meridax {

namespace {

// In the child: the errno of a failed step goes back through `report` and the child ends.
[[noreturn]] void childFails(int report) {
  const int error = errno;
  [[maybe_unused]] const ssize_t n = ::write(report, &error, sizeof error);
  _exit(127);
}

}  // namespace

std::string endDescription(int waitStatus) {
  if (WIFEXITED(waitStatus)) return "exited with status " + std::to_string(WEXITSTATUS(waitStatus));
  if (WIFSIGNALED(waitStatus)) {
    const int signal = WTERMSIG(waitStatus);
    return "was killed by signal " + std::to_string(signal) + " (" + strsignal(signal) + ")";
  }
  return "ended";
}

PosixEngineProcess::~PosixEngineProcess() { kill(); }

std::optional<std::string> PosixEngineProcess::start(const std::vector<std::string>& arguments,
                                                     const std::string& folder) {
  kill();
  if (arguments.empty() || arguments.front().empty()) return std::string("no program is named");
  int sockets[2];
  int report[2];
  if (::socketpair(AF_UNIX, SOCK_STREAM | SOCK_CLOEXEC, 0, sockets) != 0) return std::string(strerror(errno));
  if (::pipe2(report, O_CLOEXEC) != 0) {
    const int error = errno;
    ::close(sockets[0]);
    ::close(sockets[1]);
    return std::string(strerror(error));
  }
  std::vector<char*> argv;
  for (const std::string& a : arguments) argv.push_back(const_cast<char*>(a.c_str()));
  argv.push_back(nullptr);
  const pid_t pid = ::fork();
  if (pid == 0) {
    ::close(report[0]);
    const int nul = ::open("/dev/null", O_WRONLY);
    if (::dup2(sockets[1], 0) < 0 || ::dup2(sockets[1], 1) < 0 || (nul >= 0 && ::dup2(nul, 2) < 0))
      childFails(report[1]);
    if (!folder.empty() && ::chdir(folder.c_str()) != 0) childFails(report[1]);
    ::execvp(argv[0], argv.data());
    childFails(report[1]);
  }
  const int forkError = errno;
  ::close(sockets[1]);
  ::close(report[1]);
  if (pid < 0) {
    ::close(sockets[0]);
    ::close(report[0]);
    return std::string(strerror(forkError));
  }
  // The report pipe closes on a successful exec; a failed one sends its errno first.
  int childError = 0;
  ssize_t got = 0;
  do got = ::read(report[0], &childError, sizeof childError);
  while (got < 0 && errno == EINTR);
  ::close(report[0]);
  if (got == static_cast<ssize_t>(sizeof childError)) {
    ::close(sockets[0]);
    ::waitpid(pid, nullptr, 0);
    return std::string(strerror(childError));
  }
  pid_ = pid;
  fd_ = sockets[0];
  return std::nullopt;
}

void PosixEngineProcess::write(std::string_view bytes) {
  while (fd_ >= 0 && !bytes.empty()) {
    const ssize_t n = ::send(fd_, bytes.data(), bytes.size(), MSG_NOSIGNAL);
    if (n < 0 && errno == EINTR) continue;
    if (n <= 0) return;  // the engine ended; waitForEvents reports it
    bytes.remove_prefix(static_cast<std::size_t>(n));
  }
}

void PosixEngineProcess::kill() {
  if (pid_ > 0) {
    ::kill(pid_, SIGKILL);
    ::waitpid(pid_, nullptr, 0);
    pid_ = 0;
  }
  if (fd_ >= 0) ::close(fd_);
  fd_ = -1;
}

void PosixEngineProcess::reap() {
  int status = 0;
  pid_t r = 0;
  do r = ::waitpid(pid_, &status, 0);
  while (r < 0 && errno == EINTR);
  ::close(fd_);
  fd_ = -1;
  pid_ = 0;
  if (listener_ != nullptr) listener_->engineEnded(r > 0 ? endDescription(status) : std::string("ended"));
}

void PosixEngineProcess::waitForEvents(std::chrono::milliseconds most) {
  if (fd_ < 0) return;
  pollfd p{fd_, POLLIN, 0};
  const int ready = ::poll(&p, 1, static_cast<int>(most.count()));
  if (ready <= 0) return;
  char buffer[4096];
  const ssize_t n = ::recv(fd_, buffer, sizeof buffer, MSG_DONTWAIT);
  if (n > 0) {
    if (listener_ != nullptr) listener_->engineOutput(std::string_view(buffer, static_cast<std::size_t>(n)));
  } else if (n == 0 || (errno != EAGAIN && errno != EINTR)) {
    reap();
  }
}

}  // namespace meridax
