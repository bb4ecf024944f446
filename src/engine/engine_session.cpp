#include "engine/engine_session.h"

#include <algorithm>

namespace meridax {

EngineSession::EngineSession(EngineProcess& process, GtpClock clock) : client_(process, std::move(clock)) {
  client_.setFaultSink([this](const std::string& why) {
    synced_.clear();
    commands_.clear();
    if (faultSink_) faultSink_(why);
  });
}

std::optional<std::string> EngineSession::attach(const EngineEntry& entry, GtpHandler ready) {
  detach();
  const std::optional<std::vector<std::string>> words = splitCommandLine(entry.commandLine);
  if (!words || words->empty()) return std::string("its command line names no program");
  if (std::optional<std::string> error = client_.start(*words, entry.folder)) return error;
  entry_ = entry;
  client_.send("name", [this](const GtpReply& r) {
    if (r.ok()) engineName_ = r.text;
  });
  client_.send("version", [this](const GtpReply& r) {
    if (r.ok() && !r.text.empty()) engineName_ += (engineName_.empty() ? "" : " ") + r.text;
  });
  client_.send("list_commands", [this, ready = std::move(ready)](const GtpReply& r) {
    if (r.ok()) {
      std::size_t start = 0;
      while (start <= r.text.size()) {
        const std::size_t end = std::min(r.text.find('\n', start), r.text.size());
        if (end > start) commands_.insert(r.text.substr(start, end - start));
        start = end + 1;
      }
    }
    if (ready) ready(r);
  });
  return std::nullopt;
}

void EngineSession::detach() {
  client_.stop();
  commands_.clear();
  synced_.clear();
  engineName_.clear();
}

void EngineSession::syncTo(const SGridFrame& game, const GameNode* node, GtpHandler then) {
  const std::optional<std::vector<std::string>> wanted =
      boardSyncCommands(game, node, BoardSyncOptions{offers("set_free_handicap")});
  if (!wanted) {
    if (then) then(GtpReply{GtpOutcome::Failure, engineGameFault(game).value_or("")});
    return;
  }
  const bool continues = !synced_.empty() && synced_.size() <= wanted->size() &&
                         std::equal(synced_.begin(), synced_.end(), wanted->begin());
  const std::size_t from = continues ? synced_.size() : 0;
  synced_ = *wanted;
  if (from == wanted->size()) {
    if (then) then(GtpReply{GtpOutcome::Success, {}});
    return;
  }
  // The first refusal is what `then` gets; after it the board the engine holds is unknown.
  auto refusal = std::make_shared<std::optional<GtpReply>>();
  for (std::size_t i = from; i < wanted->size(); ++i) {
    const bool last = i + 1 == wanted->size();
    client_.send((*wanted)[i], [this, refusal, last, then](const GtpReply& r) {
      if (!r.ok() && !*refusal) {
        *refusal = r;
        synced_.clear();
      }
      if (last && then) then(*refusal ? **refusal : r);
    });
  }
}

void EngineSession::send(const std::string& command, GtpHandler handler, std::chrono::milliseconds timeout) {
  client_.send(command, std::move(handler), timeout);
}

}  // namespace meridax
