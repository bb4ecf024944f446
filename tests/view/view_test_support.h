#pragma once
// The widget tests' application and main window: offscreen, with ports answering from queues so that no
// dialog blocks, a profile in memory and files in a temporary folder.

#include <gtest/gtest.h>

#include <QApplication>
#include <QFile>
#include <QTemporaryDir>
#include <memory>
#include <string>

#include "app/memory_profile.h"
#include "app/posix_file_system.h"
#include "app/scripted_ports.h"
#include "app/settings_io.h"
#include "view/main_window.h"

namespace meridax::view_testing {

// One application for the whole test program, on the offscreen platform. It is never destroyed: tearing
// Qt down among the other objects of static duration at exit is not safe.
inline QApplication& application() {
  static int argc = 1;
  static char name[] = "view_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  return *app;
}

class WindowTest : public ::testing::Test {
 protected:
  WindowTest() { application(); }

  // A main window over `profile` whose questions are answered from the scripted ports' queues.
  // A window over `profile`, at a fixed size unless it is to keep its stored placement.
  std::unique_ptr<MainWindow> makeWindow(MemoryProfile& profile, bool fixedSize = true) {
    FramePorts ports = scripted.framePorts();
    ports.window = nullptr;
    auto window = std::make_unique<MainWindow>(MainWindowSetup{profile, files, readAppSettings(profile), environment(), ports});
    if (fixedSize) window->resize(900, 640);
    window->show();
    QApplication::processEvents();
    return window;
  }

  // Backups and diagram images go below the temporary folder, never to a folder other test programs share.
  FrameEnvironment environment() const {
    FrameEnvironment environment;
    environment.dataDirectory = dir.filePath("data").toStdString();
    return environment;
  }

  // Writes an SGF file into the temporary folder and returns its path.
  std::string writeFile(const std::string& name, const std::string& text) {
    const QString path = dir.filePath(QString::fromStdString(name));
    QFile file(path);
    EXPECT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(text.data(), static_cast<qint64>(text.size()));
    return path.toStdString();
  }

  std::string readFile(const std::string& path) {
    QFile file(QString::fromStdString(path));
    EXPECT_TRUE(file.open(QIODevice::ReadOnly));
    return file.readAll().toStdString();
  }

  QTemporaryDir dir;
  PosixFileSystem files;
  ScriptedPorts scripted;
  MemoryProfile profile;
};

}  // namespace meridax::view_testing
