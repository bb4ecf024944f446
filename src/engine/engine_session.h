#pragma once
// An engine attached to a game: the GTP session, what the engine can do (its list_commands), and the
// board it holds, kept in step with a node of the game. Every request is asynchronous: its continuation
// runs when the answers have come. A fault of the session is reported once, through the fault sink; the
// continuations of the requests it cut short get a Fault reply and should only stop.

#include <functional>
#include <memory>
#include <optional>
#include <set>
#include <string>
#include <vector>

#include "engine/board_sync.h"
#include "engine/gtp_client.h"

namespace meridax {

class EngineSession {
 public:
  using FaultSink = std::function<void(const std::string& why)>;

  explicit EngineSession(EngineProcess& process, GtpClock clock = {});

  // Starts the engine of the entry and asks its name and commands; the reason in words when it cannot be
  // started. `ready` runs once the engine has answered (a Success reply, or why not).
  std::optional<std::string> attach(const EngineEntry& entry, GtpHandler ready);
  void detach();
  bool attached() const { return client_.running(); }
  const EngineEntry& entry() const { return entry_; }
  // The engine's own name and version ("GNU Go 3.8"), once it told them.
  const std::string& engineName() const { return engineName_; }
  // True when the engine listed the command.
  bool offers(const std::string& command) const { return commands_.contains(command); }

  // Brings the engine's board to the node: only the moves beyond what it holds when the node continues
  // the line it holds, the whole line otherwise. `then` gets Success, or the first refusal or the fault.
  void syncTo(const SGridFrame& game, const GameNode* node, GtpHandler then);
  // Forgets what the engine's board holds (the next sync sends the whole line).
  void forgetBoard() { synced_.clear(); }
  // The engine played a move of its own (genmove) that the game now holds too: the next sync need not send it.
  void noteMovePlayed(const std::string& playCommand) {
    if (!synced_.empty()) synced_.push_back(playCommand);
  }
  // A command of its own, queued after what is queued already.
  void send(const std::string& command, GtpHandler handler,
            std::chrono::milliseconds timeout = kGtpDefaultTimeout);

  void setFaultSink(FaultSink sink) { faultSink_ = std::move(sink); }
  void setLog(GtpClient::LogSink sink) { client_.setLog(std::move(sink)); }
  GtpClient& client() { return client_; }
  // Checks the time-out of the command under way (the window calls it from a timer).
  void tick() { client_.tick(); }
  // Lets time pass until no command waits: the command line and the tests.
  void settle() { client_.settle(); }
  bool busy() const { return client_.busy(); }

 private:
  GtpClient client_;
  EngineEntry entry_;
  std::string engineName_;
  std::set<std::string> commands_;
  std::vector<std::string> synced_;  // the sync commands the engine's board was brought up with
  FaultSink faultSink_;
};

}  // namespace meridax
