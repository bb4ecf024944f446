#include "engine/gtp_client.h"

#include <algorithm>
#include <cstdio>

namespace meridax {

GtpClient::GtpClient(EngineProcess& process, GtpClock clock) : process_(process), clock_(std::move(clock)) {
  if (!clock_) clock_ = [] { return std::chrono::steady_clock::now(); };
  process_.setListener(this);
}

GtpClient::~GtpClient() {
  queue_.clear();
  process_.kill();
  process_.setListener(nullptr);
}

std::optional<std::string> GtpClient::start(const std::vector<std::string>& arguments, const std::string& folder) {
  stop();
  fault_.reset();
  reader_ = GtpAnswerReader();
  return process_.start(arguments, folder);
}

void GtpClient::stop() {
  std::deque<Pending> dropped;
  dropped.swap(queue_);
  if (process_.running()) {
    logLine(LogKind::Sent, "quit");
    process_.write(gtpCommandLine(nextId_++, "quit"));
    process_.kill();
  }
}

void GtpClient::send(std::string command, GtpHandler handler, std::chrono::milliseconds timeout) {
  if (!running()) {
    const std::string why = fault_.value_or("no engine is attached");
    if (handler) handler(GtpReply{GtpOutcome::Fault, why});
    return;
  }
  queue_.push_back(Pending{nextId_++, std::move(command), std::move(handler), timeout, std::nullopt});
  if (queue_.size() == 1) writeNext();
}

void GtpClient::writeNext() {
  if (queue_.empty() || queue_.front().deadline) return;
  Pending& p = queue_.front();
  p.deadline = clock_() + p.timeout;
  logLine(LogKind::Sent, p.command);
  process_.write(gtpCommandLine(p.id, p.command));
}

void GtpClient::tick() {
  if (queue_.empty() || !queue_.front().deadline || clock_() < *queue_.front().deadline) return;
  const auto seconds = std::chrono::duration_cast<std::chrono::duration<double>>(queue_.front().timeout).count();
  char text[32];
  std::snprintf(text, sizeof text, "%g", seconds);
  failAll("the engine gave no answer to \"" + queue_.front().command + "\" within " + text + " seconds", true);
}

void GtpClient::settle() {
  while (busy()) {
    tick();
    if (!busy()) break;
    const auto left = std::chrono::duration_cast<std::chrono::milliseconds>(*queue_.front().deadline - clock_());
    process_.waitForEvents(std::clamp(left, std::chrono::milliseconds(1), std::chrono::milliseconds(200)));
  }
}

void GtpClient::engineOutput(std::string_view bytes) {
  reader_.feed(bytes);
  while (std::optional<GtpAnswer> a = reader_.next()) {
    if (fault_) return;
    answer(*a);
  }
}

void GtpClient::answer(const GtpAnswer& a) {
  logLine(LogKind::Received, a.wellFormed ? std::string(a.success ? "=" : "?") + (a.text.empty() ? "" : " " + a.text)
                                          : a.text);
  if (queue_.empty() || !queue_.front().deadline) {
    failAll("the engine answered a command it was not given: \"" + a.text + "\"", true);
    return;
  }
  if (!a.wellFormed) {
    failAll("the engine's answer to \"" + queue_.front().command + "\" is not a GTP answer: \"" + a.text + "\"", true);
    return;
  }
  if (a.id && *a.id != queue_.front().id) {
    failAll("the engine answered command " + std::to_string(*a.id) + " when command " +
                std::to_string(queue_.front().id) + " was due",
            true);
    return;
  }
  Pending done = std::move(queue_.front());
  queue_.pop_front();
  writeNext();
  if (done.handler) done.handler(GtpReply{a.success ? GtpOutcome::Success : GtpOutcome::Failure, a.text});
}

void GtpClient::engineEnded(const std::string& why) {
  failAll("the engine " + why, false);
}

void GtpClient::failAll(const std::string& why, bool killEngine) {
  if (fault_) return;
  fault_ = why;
  logLine(LogKind::Fault, why);
  if (killEngine) process_.kill();
  std::deque<Pending> failed;
  failed.swap(queue_);
  for (Pending& p : failed)
    if (p.handler) p.handler(GtpReply{GtpOutcome::Fault, why});
  if (faultSink_) faultSink_(why);
}

void GtpClient::logLine(LogKind kind, const std::string& text) {
  if (log_) log_(kind, text);
}

}  // namespace meridax
