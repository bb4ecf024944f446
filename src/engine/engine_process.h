#pragma once
// The port through which an engine program runs: started with a command line and a working folder, written
// to a line at a time, its output and its end handed to a listener. The port never makes its caller wait,
// except in waitForEvents, which the command line and the tests call to let time pass.

#include <chrono>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace meridax {

// An engine as the preferences list it.
struct EngineEntry {
  std::string name;         // "GNU Go"
  std::string commandLine;  // "/usr/games/gnugo --mode gtp --level 1"
  std::string folder;       // working folder; empty: the program's own
  friend bool operator==(const EngineEntry&, const EngineEntry&) = default;
};

class EngineProcessListener {
 public:
  virtual ~EngineProcessListener() = default;
  // Output of the engine, in pieces of any size.
  virtual void engineOutput(std::string_view bytes) = 0;
  // The engine ended (exited, was killed or crashed); `why` says how, in words for the person.
  virtual void engineEnded(const std::string& why) = 0;
};

class EngineProcess {
 public:
  virtual ~EngineProcess() = default;
  void setListener(EngineProcessListener* listener) { listener_ = listener; }
  // Starts the program of `arguments` (the first word names it) in `folder` (empty: the current one); the
  // reason in words when it cannot be started (not found, not executable, no such folder).
  virtual std::optional<std::string> start(const std::vector<std::string>& arguments, const std::string& folder) = 0;
  // Writes to the engine's input; a write to an engine that ended is dropped (its end is reported).
  virtual void write(std::string_view bytes) = 0;
  // Ends the engine at once; no end is reported for it.
  virtual void kill() = 0;
  virtual bool running() const = 0;
  // Lets up to `most` pass until output or an end comes, and reports what came.
  virtual void waitForEvents(std::chrono::milliseconds most) = 0;

 protected:
  EngineProcessListener* listener_ = nullptr;
};

// Makes a process for one engine; each attached game has its own. Empty: no engine can run.
using EngineProcessMaker = std::function<std::unique_ptr<EngineProcess>()>;

}  // namespace meridax
