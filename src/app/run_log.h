#pragma once
// The run log: timed entries collected while the program runs, stored on request as a "LOG_" file.

#include <chrono>
#include <functional>
#include <iosfwd>
#include <optional>
#include <string>
#include <vector>

#include "app/file_services.h"

namespace meridax {

struct LogEntry {
  std::string text;
  std::chrono::system_clock::time_point timeOfDay;
  double elapsedSeconds = 0;  // since the log was started, to the millisecond
};

enum class LogOrder { OldestFirst, NewestFirst };

class SLog {
 public:
  using SteadyClock = std::function<std::chrono::steady_clock::time_point()>;
  using WallClock = std::function<std::chrono::system_clock::time_point()>;

  // A log started now.
  SLog();
  // A log that reads its times from the given clocks (started at the first reading of `steady`).
  SLog(SteadyClock steady, WallClock wall);

  // Entries added from now on are also printed to `stream` as "%5.2f %s\n"; nullptr detaches.
  void attach(std::ostream* stream) { stream_ = stream; }
  void add(std::string text);
  const std::vector<LogEntry>& entries() const { return entries_; }

  // Stores every entry, each followed by "\r\n", in a new file "<directory>/LOG_.LST" (or "LOG__0001.LST", ...).
  // On success the log gains the entry "File created:    <path>", the user is told, and the path is returned.
  std::optional<std::string> Print(const ShellPorts& ports, const std::string& directory, LogOrder order);

 private:
  std::string fileText(LogOrder order) const;

  SteadyClock steady_;
  WallClock wall_;
  std::chrono::steady_clock::time_point start_;
  std::vector<LogEntry> entries_;
  std::ostream* stream_ = nullptr;
};

}  // namespace meridax
