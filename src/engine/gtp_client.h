#pragma once
// The controller's side of a GTP session: commands are queued with ids and written one at a time, each
// answer is matched to its command, and each command has a time-out. A fault (the engine ends, a command
// gets no answer in time, or the engine writes what is not an answer) ends the session: the engine is
// killed and every command still waiting is told of the fault, so a caller never waits for an answer that
// cannot come. The client never waits itself: output reaches it through the process port's listener, and
// tick() checks the time-out.
//
//   GtpClient gtp(process);
//   gtp.start(words, folder);                       // the reason in words when it cannot start
//   gtp.send("genmove B", [](const GtpReply& r) { ... });
//   gtp.settle();                                   // command line and tests: until every answer came

#include <chrono>
#include <deque>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "engine/engine_process.h"
#include "engine/gtp_protocol.h"

namespace meridax {

enum class GtpOutcome {
  Success,   // "=": text holds the answer
  Failure,   // "?": text holds the engine's reason
  Fault,     // no answer will come: text says why (the session has ended)
};

struct GtpReply {
  GtpOutcome outcome = GtpOutcome::Fault;
  std::string text;
  bool ok() const { return outcome == GtpOutcome::Success; }
};

using GtpHandler = std::function<void(const GtpReply&)>;
using GtpClock = std::function<std::chrono::steady_clock::time_point()>;

inline constexpr std::chrono::milliseconds kGtpDefaultTimeout{30000};

class GtpClient : private EngineProcessListener {
 public:
  // What the log shows: a command written, an answer read, or a fault.
  enum class LogKind { Sent, Received, Fault };
  using LogSink = std::function<void(LogKind, const std::string&)>;

  explicit GtpClient(EngineProcess& process, GtpClock clock = {});
  ~GtpClient() override;
  GtpClient(const GtpClient&) = delete;
  GtpClient& operator=(const GtpClient&) = delete;

  // Starts the engine; the reason in words when it cannot be started. A running engine is stopped first.
  std::optional<std::string> start(const std::vector<std::string>& arguments, const std::string& folder);
  // Asks the engine to quit and ends it; commands still waiting get a fault and no handler runs later.
  void stop();
  bool running() const { return process_.running() && !fault_; }
  // Why the session ended, when a fault ended it.
  const std::optional<std::string>& fault() const { return fault_; }

  // Queues a command; `handler` runs once with its outcome (right away with a fault when no engine runs).
  // The time-out counts from the moment the command is written.
  void send(std::string command, GtpHandler handler, std::chrono::milliseconds timeout = kGtpDefaultTimeout);
  // True while a command waits for its answer.
  bool busy() const { return !queue_.empty(); }
  // Ends the session with a fault when the command in flight has waited past its time-out.
  void tick();
  // Lets time pass through the process port until no command waits: for the command line and tests.
  void settle();

  void setLog(LogSink sink) { log_ = std::move(sink); }
  // Told once why the session ended, after the handlers of the commands it cut short.
  void setFaultSink(std::function<void(const std::string&)> sink) { faultSink_ = std::move(sink); }

 private:
  struct Pending {
    int id = 0;
    std::string command;
    GtpHandler handler;
    std::chrono::milliseconds timeout{};
    std::optional<std::chrono::steady_clock::time_point> deadline;  // set once written
  };

  void engineOutput(std::string_view bytes) override;
  void engineEnded(const std::string& why) override;
  void writeNext();
  void answer(const GtpAnswer& answer);
  void failAll(const std::string& why, bool killEngine);
  void logLine(LogKind kind, const std::string& text);

  EngineProcess& process_;
  GtpClock clock_;
  GtpAnswerReader reader_;
  std::deque<Pending> queue_;
  std::optional<std::string> fault_;
  LogSink log_;
  std::function<void(const std::string&)> faultSink_;
  int nextId_ = 1;
};

}  // namespace meridax
