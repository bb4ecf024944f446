// meridax: the desktop editor. Opens the main window on the files named, or renders it offscreen into an
// image (--screenshot) after loading a file and playing a script of user actions.

#include <QApplication>
#include <QDir>
#include <QFile>
#include <algorithm>
#include <utility>
#include <iostream>
#include <memory>

#include "app/app_paths.h"
#include "app/memory_profile.h"
#include "app/outside_programs.h"
#include "app/posix_file_system.h"
#include "app/posix_process_port.h"
#include "app/script_runner.h"
#include "app/scripted_ports.h"
#include "app/settings_io.h"
#include "model/program_version.h"
#include "view/command_menus.h"
#include "view/dialog_gallery.h"
#include "view/launch_options.h"
#include "view/frame_dialogs.h"
#include "view/main_window.h"
#include "view/progress_dialog.h"
#include "view/qsettings_profile.h"
#include "view/qt_viewer.h"
#include "view/qt_ports.h"

#ifndef MERIDAX_BUILD_HELP_DIR
#define MERIDAX_BUILD_HELP_DIR ""
#endif
#ifndef MERIDAX_INSTALLED_HELP_DIR
#define MERIDAX_INSTALLED_HELP_DIR ""
#endif

namespace {

using namespace meridax;

constexpr int kExitUsage = 2;
constexpr int kExitScriptStopped = 3;
constexpr int kExitImageFailed = 4;

FrameEnvironment environment() {
  FrameEnvironment e;
  e.dataDirectory = dataDirectory();
  e.workingDirectory = QDir::currentPath().toStdString();
  e.programDirectory = QCoreApplication::applicationDirPath().toStdString();
  e.helpDirectory = helpDirectoryFor(MERIDAX_INSTALLED_HELP_DIR, MERIDAX_BUILD_HELP_DIR, kHelpFileName);
  return e;
}

std::unique_ptr<ProfilePort> openProfile(const LaunchOptions& options, bool screenshot) {
  if (options.profile) return std::make_unique<QSettingsProfile>(QString::fromStdString(*options.profile));
  // A screenshot starts from the built-in settings and leaves the user's profile alone.
  if (screenshot) return std::make_unique<MemoryProfile>();
  return std::make_unique<QSettingsProfile>();
}

int runEditor(const LaunchOptions& options) {
  std::unique_ptr<ProfilePort> profile = openProfile(options, false);
  PosixFileSystem files;
  PosixProcessPort processes;
  QtDialogs dialogs(nullptr);
  FramePorts ports;
  ports.messages = &dialogs;
  ports.dialogs = &dialogs;
  ports.files = &dialogs;
  ports.clipboard = &dialogs;
  ports.moveCorrection = &dialogs;
  ports.processes = &processes;
  QtProgress progress(nullptr);
  ports.progress = &progress;
  QtViewer viewer(nullptr);
  ports.viewer = &viewer;
  MainWindow window(MainWindowSetup{*profile, files, readAppSettings(*profile), environment(), ports});
  dialogs.setParentWidget(&window);
  progress.setParentWidget(&window);
  viewer.setParentWidget(&window);
  dialogs.setSettings(&window.frame().appSettings());
  window.frame().files().decideStartupFile(options.files);
  window.show();
  const int status = QApplication::exec();
  if (auto* settings = dynamic_cast<QSettingsProfile*>(profile.get()); settings != nullptr && !settings->sync())
    std::cerr << "meridax: the settings could not be written to " << settings->fileName().toStdString() << '\n';
  return status;
}

std::optional<std::string> readScript(const std::string& path) {
  QFile file(QString::fromStdString(path));
  if (!file.open(QIODevice::ReadOnly)) return std::nullopt;
  return file.readAll().toStdString();
}

// The lines that only queue answers (answer, input, choose, comments) at the head of a script, and the rest.
std::pair<std::string, std::string> splitLeadingAnswers(const std::string& script) {
  std::size_t at = 0;
  while (at < script.size()) {
    const std::size_t end = std::min(script.find('\n', at), script.size());
    const std::string line = script.substr(at, end - at);
    const std::size_t word = line.find_first_not_of(" \t\r");
    const std::string first = word == std::string::npos ? "" : line.substr(word, line.find_first_of(" \t\r", word) - word);
    const bool queues = first.empty() || first[0] == '#' || first == "answer" || first == "input" || first == "choose";
    if (!queues) break;
    at = end + 1;
  }
  at = std::min(at, script.size());
  return {script.substr(0, at), script.substr(at)};
}

int runScreenshot(const LaunchOptions& options) {
  std::optional<std::string> script;
  if (options.script && !(script = readScript(*options.script))) {
    std::cerr << "meridax: cannot read the script '" << *options.script << "'\n";
    return kExitUsage;
  }
  std::unique_ptr<ProfilePort> profile = openProfile(options, true);
  PosixFileSystem files;
  ScriptedPorts scripted([](const std::string& line) { std::cout << line << '\n'; });
  FramePorts ports = scripted.framePorts();
  ports.window = nullptr;
  QtDialogs desktopDialogs(nullptr);  // what a dialog asked for by --dialog shows through
  MainWindow window(MainWindowSetup{*profile, files, readAppSettings(*profile), environment(), ports});
  window.setMirror(&scripted);  // the script's print title and print status read the window's
  // The script answers the list and composition dialogs itself, as it does in meridax-cli run.
  window.frame().annotations().setPositionListPort(nullptr);
  window.frame().treeEdit().setComposeDialog(nullptr);
  window.resize(options.width, options.height);
  window.frame().files().decideStartupFile(options.files);
  // Answers at the head of the script are for the questions of loading FILE.
  const auto split = splitLeadingAnswers(script.value_or(""));
  const auto& answers = split.first;
  const auto& rest = split.second;
  if (!answers.empty()) (void)runScriptOn(window.frame(), scripted, answers, std::cout);
  window.show();
  QApplication::processEvents();  // the panes take their sizes, then the first paint reads FILE
  window.run([&] { window.frame().files().firstPaint(); });
  ScriptResult result;
  const WindowPrint windowPrint = [&window](std::string_view what) -> std::optional<std::string> {
    if (what == "menus") return "\n" + window.menus().listing();
    return std::nullopt;
  };
  if (!rest.empty())
    window.run([&] { result = runScriptOn(window.frame(), scripted, rest, std::cout, windowPrint); });
  window.dialogs().attach(window.frame());  // what is opened after the script is the real dialog
  QApplication::processEvents();
  QImage image = window.grab().toImage();
  if (options.dialog) {
    desktopDialogs.setParentWidget(&window);
    window.useDesktopDialogs(desktopDialogs);
    const auto shot = shootDialog(window, *options.dialog);
    if (const auto* error = std::get_if<std::string>(&shot)) {
      std::cerr << "meridax: " << *error << '\n';
      return kExitUsage;  // the line named no dialog
    }
    image = std::get<DialogShot>(shot).image;
  }
  if (!image.save(QString::fromStdString(*options.screenshot), "PNG")) {
    std::cerr << "meridax: cannot write the image '" << *options.screenshot << "'\n";
    return kExitImageFailed;
  }
  std::cout << "screenshot: " << *options.screenshot << '\n';
  if (result.status != kScriptOk) {
    std::cerr << "meridax: " << result.error << '\n';
    return kExitScriptStopped;
  }
  return 0;
}

}  // namespace

int main(int argc, char** argv) {
  const std::vector<std::string> args(argv + 1, argv + argc);
  const auto parsed = parseLaunchOptions(args);
  if (const auto* error = std::get_if<LaunchError>(&parsed)) {
    std::cerr << "meridax: " << error->text << '\n' << kLaunchUsage;
    return kExitUsage;
  }
  const LaunchOptions& options = std::get<LaunchOptions>(parsed);
  if (options.info == LaunchInfo::Help) {
    std::cout << kLaunchUsage << kLaunchHelp;
    return 0;
  }
  if (options.info == LaunchInfo::Version) {
    std::cout << kProgramName << ' ' << kProgramVersion << '\n';
    return 0;
  }
  // Screenshots need no display.
  if (options.screenshot && qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  QApplication app(argc, argv);
  QCoreApplication::setOrganizationName(QStringLiteral("quintelvar"));
  QCoreApplication::setApplicationName(QStringLiteral("Meridax"));
  return options.screenshot ? runScreenshot(options) : runEditor(options);
}
