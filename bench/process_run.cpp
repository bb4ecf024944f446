#include "process_run.h"

#include <fcntl.h>
#include <spawn.h>
#include <sys/resource.h>
#include <sys/wait.h>
#include <unistd.h>

#include <algorithm>
#include <chrono>

extern char** environ;

namespace meridax::bench {

namespace {

double seconds(const timeval& t) { return static_cast<double>(t.tv_sec) + static_cast<double>(t.tv_usec) * 1e-6; }

double median(std::vector<double> values) {
  std::sort(values.begin(), values.end());
  return values[values.size() / 2];
}

}  // namespace

std::optional<RunFigures> runOnce(const std::vector<std::string>& argv, const std::vector<int>& acceptedStatuses) {
  std::vector<char*> args;
  for (const std::string& a : argv) args.push_back(const_cast<char*>(a.c_str()));
  args.push_back(nullptr);
  posix_spawn_file_actions_t actions;
  posix_spawn_file_actions_init(&actions);
  posix_spawn_file_actions_addopen(&actions, STDOUT_FILENO, "/dev/null", O_WRONLY, 0);
  posix_spawn_file_actions_addopen(&actions, STDERR_FILENO, "/dev/null", O_WRONLY, 0);
  const auto start = std::chrono::steady_clock::now();
  pid_t pid = 0;
  const int spawned = posix_spawn(&pid, args[0], &actions, nullptr, args.data(), environ);
  posix_spawn_file_actions_destroy(&actions);
  if (spawned != 0) return std::nullopt;
  int status = 0;
  rusage usage{};
  if (::wait4(pid, &status, 0, &usage) != pid) return std::nullopt;
  const auto end = std::chrono::steady_clock::now();
  if (!WIFEXITED(status)) return std::nullopt;
  if (std::find(acceptedStatuses.begin(), acceptedStatuses.end(), WEXITSTATUS(status)) == acceptedStatuses.end())
    return std::nullopt;
  RunFigures f;
  f.seconds = std::chrono::duration<double>(end - start).count();
  f.cpuSeconds = seconds(usage.ru_utime) + seconds(usage.ru_stime);
  f.peakBytes = static_cast<double>(usage.ru_maxrss) * 1024.0;  // kilobytes on Linux
  return f;
}

std::optional<RunFigures> runMedian(const std::vector<std::string>& argv, const std::vector<int>& acceptedStatuses,
                                    int times) {
  std::vector<double> wall;
  std::vector<double> cpu;
  std::vector<double> peaks;
  for (int i = 0; i < times; ++i) {
    const std::optional<RunFigures> f = runOnce(argv, acceptedStatuses);
    if (!f) return std::nullopt;
    wall.push_back(f->seconds);
    cpu.push_back(f->cpuSeconds);
    peaks.push_back(f->peakBytes);
  }
  return RunFigures{median(wall), median(cpu), median(peaks)};
}

}  // namespace meridax::bench
