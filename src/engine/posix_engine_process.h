#pragma once
// An engine process on POSIX: the program's input and output are one end of a socket pair (a write to an
// engine that ended fails quietly instead of raising SIGPIPE), its errors go to /dev/null. Output is read
// only in waitForEvents, so a command-line session or a test decides when time passes.

#include "engine/engine_process.h"

#include <sys/types.h>

namespace meridax {

class PosixEngineProcess : public EngineProcess {
 public:
  PosixEngineProcess() = default;
  ~PosixEngineProcess() override;
  PosixEngineProcess(const PosixEngineProcess&) = delete;
  PosixEngineProcess& operator=(const PosixEngineProcess&) = delete;

  std::optional<std::string> start(const std::vector<std::string>& arguments, const std::string& folder) override;
  void write(std::string_view bytes) override;
  void kill() override;
  bool running() const override { return pid_ > 0; }
  void waitForEvents(std::chrono::milliseconds most) override;
  // The engine's process id while it runs (0 otherwise), for tests that end it from outside.
  pid_t pid() const { return pid_; }

 private:
  void reap();

  pid_t pid_ = 0;
  int fd_ = -1;
};

// "exited with status 3", "was killed by signal 9 (Killed)": how a process ended, from its wait status.
std::string endDescription(int waitStatus);

}  // namespace meridax
