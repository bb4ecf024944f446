#include "view/qt_engine_process.h"

#include <QFileInfo>
#include <cstring>

#include "view/qt_text.h"

namespace meridax {

QtEngineProcess::QtEngineProcess(std::function<void(const std::function<void()>&)> runAction, QObject* parent)
    : QObject(parent), runAction_(std::move(runAction)) {}

QtEngineProcess::~QtEngineProcess() { kill(); }

std::optional<std::string> QtEngineProcess::start(const std::vector<std::string>& arguments,
                                                  const std::string& folder) {
  kill();
  if (arguments.empty() || arguments.front().empty()) return std::string("no program is named");
  if (!folder.empty() && !QFileInfo(toQt(folder)).isDir()) return std::string(std::strerror(ENOENT));
  process_ = new QProcess(this);
  process_->setProcessChannelMode(QProcess::SeparateChannels);
  process_->setStandardErrorFile(QProcess::nullDevice());
  if (!folder.empty()) process_->setWorkingDirectory(toQt(folder));
  QStringList rest;
  for (std::size_t i = 1; i < arguments.size(); ++i) rest << toQt(arguments[i]);
  process_->start(toQt(arguments.front()), rest);
  // Starting takes a moment only; a program that cannot be started is said at once.
  if (!process_->waitForStarted(5000)) {
    const std::string why = process_->error() == QProcess::FailedToStart && !QFileInfo::exists(toQt(arguments.front()))
                                ? std::string(std::strerror(ENOENT))
                                : fromQt(process_->errorString());
    delete process_;
    process_ = nullptr;
    return why;
  }
  connect(process_, &QProcess::readyReadStandardOutput, this, &QtEngineProcess::readOutput);
  connect(process_, &QProcess::finished, this, &QtEngineProcess::ended);
  return std::nullopt;
}

void QtEngineProcess::write(std::string_view bytes) {
  if (running()) process_->write(bytes.data(), static_cast<qint64>(bytes.size()));
}

void QtEngineProcess::kill() {
  if (process_ == nullptr) return;
  process_->disconnect(this);
  process_->kill();
  process_->waitForFinished(2000);
  process_->deleteLater();
  process_ = nullptr;
}

bool QtEngineProcess::running() const { return process_ != nullptr && process_->state() == QProcess::Running; }

qint64 QtEngineProcess::processId() const { return running() ? process_->processId() : 0; }

void QtEngineProcess::waitForEvents(std::chrono::milliseconds most) {
  if (running()) process_->waitForReadyRead(static_cast<int>(most.count()));
}

void QtEngineProcess::readOutput() {
  if (process_ == nullptr) return;
  const QByteArray bytes = process_->readAllStandardOutput();
  if (bytes.isEmpty() || listener_ == nullptr) return;
  runAction_([&] { listener_->engineOutput(std::string_view(bytes.constData(), static_cast<std::size_t>(bytes.size()))); });
}

void QtEngineProcess::ended(int exitCode, QProcess::ExitStatus status) {
  // What was written before the end still counts.
  readOutput();
  if (process_ == nullptr) return;
  process_->disconnect(this);
  process_->deleteLater();
  process_ = nullptr;
  const std::string why = status == QProcess::CrashExit
                              ? "was killed by signal " + std::to_string(exitCode) + " (" + strsignal(exitCode) + ")"
                              : "exited with status " + std::to_string(exitCode);
  if (listener_ != nullptr) runAction_([&] { listener_->engineEnded(why); });
}

}  // namespace meridax
