#include "app/run_log.h"

#include <cerrno>
#include <exception>
#include <ostream>

#include "model/text_format.h"

namespace meridax {

SLog::SLog() : SLog([] { return std::chrono::steady_clock::now(); }, [] { return std::chrono::system_clock::now(); }) {}

SLog::SLog(SteadyClock steady, WallClock wall) : steady_(std::move(steady)), wall_(std::move(wall)), start_(steady_()) {}

void SLog::add(std::string text) {
  const auto elapsed = std::chrono::duration_cast<std::chrono::milliseconds>(steady_() - start_);
  LogEntry entry{std::move(text), wall_(), static_cast<double>(elapsed.count()) * 0.001};
  if (stream_) *stream_ << formatText("%5.2f %s\n", entry.elapsedSeconds, entry.text.c_str());
  entries_.push_back(std::move(entry));
}

std::string SLog::fileText(LogOrder order) const {
  std::string text;
  auto append = [&text](const LogEntry& entry) { text += entry.text + "\r\n"; };
  if (order == LogOrder::OldestFirst) {
    for (const LogEntry& entry : entries_) append(entry);
  } else {
    for (auto it = entries_.rbegin(); it != entries_.rend(); ++it) append(*it);
  }
  return text;
}

std::optional<std::string> SLog::Print(const ShellPorts& ports, const std::string& directory, LogOrder order) {
  std::string base = directory;
  if (base.empty() || base.back() != '/') base += '/';
  const std::optional<std::string> path = uniqueFileName(ports, base + "LOG_", "LST");
  if (!path) return std::nullopt;

  std::string text;
  try {
    text = fileText(order);
  } catch (const std::exception&) {
    const SystemError error = systemError(ENOMEM);
    ports.messages.tell(UserMessage{"GlobalAlloc()", formatText("%s\nError Code is  %d", error.text.c_str(), error.code),
                                    MessageIcon::Error});
    return std::nullopt;
  }

  SysResult<std::unique_ptr<OutputFile>> file = ports.files.createFile(*path, CreateMode::New);
  if (!file.ok()) {
    ports.messages.tell(UserMessage{"CreateFile()",
                                    formatText("'%s'\n%s\nError Code is  %d", path->c_str(),
                                                    file.error().text.c_str(), file.error().code),
                                    MessageIcon::Error});
    return std::nullopt;
  }
  const bool written = WriteFromPointer(*file.value(), text.data(), text.size(), ports.messages) &&
                       closeOutputFile(*file.value(), *path, ports.messages);
  if (!written) {
    ports.files.remove(*path);  // no half-written log is left behind
    return std::nullopt;
  }
  add(formatText("File created:    %s", path->c_str()));
  ports.messages.tell(
      UserMessage{"SLog::mPrint()", formatText("File created\n\n%s", path->c_str()), MessageIcon::Information});
  return path;
}

}  // namespace meridax
