#include "cli/terminal_progress.h"

#include <unistd.h>

#include <algorithm>
#include <iostream>

#include "cli/cli_output.h"

namespace meridax::cli {
namespace {

// The line is written again at most this often.
constexpr std::chrono::milliseconds kRedrawInterval{100};

// The characters of a UTF-8 text, as the terminal counts columns for the texts written here.
std::size_t characters(const std::string& text) {
  std::size_t n = 0;
  for (char c : text)
    if ((static_cast<unsigned char>(c) & 0xc0) != 0x80) ++n;
  return n;
}

}  // namespace

TerminalProgress::TerminalProgress(std::ostream& out, std::function<Clock::time_point()> now)
    : out_(out), now_(std::move(now)) {}

void TerminalProgress::begin(WorkKind kind, const std::string& file) {
  kind_ = kind;
  heading_ = escapeField(progressHeading(kind, file));
  started_ = now_();
  shownWidth_ = 0;
}

bool TerminalProgress::advance(const WorkProgress& progress) {
  const Clock::time_point t = now_();
  if (t - started_ < kProgressDelay || (shownWidth_ != 0 && t - shown_ < kRedrawInterval)) return true;
  const std::string line = heading_ + ": " + progressDetails(kind_, progress);
  const std::size_t width = characters(line);
  out_ << '\r' << line;
  if (width < shownWidth_) out_ << std::string(shownWidth_ - width, ' ');
  out_.flush();
  shownWidth_ = std::max(width, shownWidth_);
  shown_ = t;
  return true;
}

void TerminalProgress::end() {
  if (shownWidth_ == 0) return;
  out_ << '\r' << std::string(shownWidth_, ' ') << '\r';
  out_.flush();
  shownWidth_ = 0;
}

std::unique_ptr<ProgressPort> progressOnTerminal() {
  if (::isatty(STDERR_FILENO) == 0) return nullptr;
  return std::make_unique<TerminalProgress>(std::cerr);
}

}  // namespace meridax::cli
