#pragma once
// An engine process for the window: a QProcess whose output and end reach the engine session through the
// event loop, each inside an action of the window, so the window never waits for the engine.

#include <QObject>
#include <QProcess>
#include <functional>

#include "engine/engine_process.h"

namespace meridax {

class QtEngineProcess : public QObject, public EngineProcess {
  Q_OBJECT

 public:
  // `runAction` wraps each report of the process (an action of the window: refreshed afterwards).
  explicit QtEngineProcess(std::function<void(const std::function<void()>&)> runAction, QObject* parent = nullptr);
  ~QtEngineProcess() override;

  std::optional<std::string> start(const std::vector<std::string>& arguments, const std::string& folder) override;
  void write(std::string_view bytes) override;
  void kill() override;
  bool running() const override;
  void waitForEvents(std::chrono::milliseconds most) override;
  // The engine's process id while it runs (0 otherwise).
  qint64 processId() const;

 private:
  void readOutput();
  void ended(int exitCode, QProcess::ExitStatus status);

  std::function<void(const std::function<void()>&)> runAction_;
  QProcess* process_ = nullptr;
};

}  // namespace meridax
