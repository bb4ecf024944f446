// meridax-cli: the editor's reading, writing and diagrams from the command line.

#include <cstdio>
#include <new>
#include <exception>
#include <iostream>
#include <memory>

#include "cli/cli_output.h"
#include "cli/command_table.h"
#include "cli/terminal_progress.h"

#ifdef MERIDAX_CLI_BOARD_IMAGES
#include <QGuiApplication>

#include "view/board_images.h"
#endif

namespace meridax::cli {
namespace {

// The board painter, started on first use without a display; null when built without the Qt layer.
BoardImagePort* boardImages() {
#ifdef MERIDAX_CLI_BOARD_IMAGES
  static int argc = 1;
  static char name[] = "meridax-cli";
  static char* argv[] = {name, nullptr};
  if (QGuiApplication::instance() == nullptr) {
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
    // Never destroyed: tearing Qt down among the objects of static duration at exit is not safe.
    new QGuiApplication(argc, argv);
  }
  static const AppSettings settings;
  static QtBoardImages images(settings);
  return &images;
#else
  return nullptr;
#endif
}

}  // namespace
}  // namespace meridax::cli

int main(int argc, char** argv) {
  using namespace meridax::cli;
  std::ios::sync_with_stdio(false);
  try {
    const std::unique_ptr<meridax::ProgressPort> progress = progressOnTerminal();
    const int status =
        dispatch(Arguments(argv + 1, argv + argc), CommandStreams{std::cout, std::cerr, progress.get()}, boardImages);
    std::cout.flush();
    return std::cout ? status : kExitTrouble;
  } catch (const std::bad_alloc&) {
    // Files are written under a temporary name and renamed only when complete: none was replaced.
    std::fputs("meridax-cli: not enough memory for this file; no file was replaced\n", stderr);
    return kExitTrouble;
  } catch (const std::exception& e) {
    std::cerr << cliMessage(e.what());
    return kExitTrouble;
  }
}
