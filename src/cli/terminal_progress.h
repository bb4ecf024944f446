#pragma once
// The progress of long work shown on a terminal: one line on the error stream, rewritten in place, once
// the work has taken more than half a second, and wiped when it ends. Nothing is written when the error
// stream is not a terminal, so that pipes and log files get only the results.

#include <chrono>
#include <functional>
#include <memory>
#include <ostream>
#include <string>

#include "app/progress_port.h"

namespace meridax::cli {

class TerminalProgress : public ProgressPort {
 public:
  using Clock = std::chrono::steady_clock;
  // `now` gives the time (a test may pass its own clock).
  explicit TerminalProgress(std::ostream& out, std::function<Clock::time_point()> now = Clock::now);

  void begin(WorkKind kind, const std::string& file) override;
  bool advance(const WorkProgress& progress) override;  // never asks to stop: Ctrl+C does that
  void end() override;

 private:
  std::ostream& out_;
  std::function<Clock::time_point()> now_;
  WorkKind kind_ = WorkKind::Loading;
  std::string heading_;
  Clock::time_point started_{};
  Clock::time_point shown_{};
  std::size_t shownWidth_ = 0;  // characters of the line on the terminal; 0 when none is shown
};

// A TerminalProgress on the standard error when it is a terminal, else none.
std::unique_ptr<ProgressPort> progressOnTerminal();

}  // namespace meridax::cli
