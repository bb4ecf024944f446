// meridax-cli: the editor's reading, writing and diagrams from the command line.

#include <exception>
#include <iostream>
#include <string_view>

#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/run_command.h"

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

int runImageCommand(const Arguments& args, const CommandStreams& io) { return runImage(args, io, boardImages()); }
int runRtfCommand(const Arguments& args, const CommandStreams& io) { return runRtf(args, io, boardImages()); }

struct Command {
  std::string_view name;
  std::string_view synopsis;
  int (*run)(const Arguments&, const CommandStreams&);
};

constexpr Command kCommands[] = {
    {"info", "info FILE                           one line per game: the games-list columns", runInfo},
    {"check", "check FILE...                       every reading error, then \"N games, M errors\"", runCheck},
    {"save", "save FILE -o OUT                    load and save as the editor does", runSave},
    {"rewrite", "rewrite FILE -o OUT                 every game written anew by the SGF writer", runRewrite},
    {"moves", "moves FILE                          the current line of every game", runMoves},
    {"ascii", "ascii FILE [--game N] [--move M]    the ASCII diagram of a position", runAscii},
    {"image", "image FILE [--game N] [--move M] [--square S] [--bw] [--no-markup] -o OUT.{gif,bmp,png,svg}\n"
              "                                      the picture of a position as the board pane draws it",
     runImageCommand},
    {"rtf", "rtf FILE [--game N] [--options INI] [--images DIR] -o OUT.rtf\n"
            "                                      the RTF document of a game with its diagrams",
     runRtfCommand},
    {"run", "run SCRIPT [--profile FILE]         a script of user actions; its transcript", runScriptCommand},
};

void printUsage(std::ostream& out) {
  out << "usage: meridax-cli COMMAND ARGUMENTS\n\ncommands:\n";
  for (const Command& c : kCommands) out << "  " << c.synopsis << '\n';
  out << "\nFields are separated by tabs; inside a field \\\\, \\r, \\n and \\t stand for a backslash,\n"
         "CR, LF and tab. Exit status: 0 success, 1 check found errors, 2 a file could not be read or\n"
         "written, or the arguments were wrong.\n";
}

int dispatch(const Arguments& all) {
  if (all.empty()) {
    printUsage(std::cerr);
    return kExitTrouble;
  }
  if (all[0] == "--help" || all[0] == "-h" || all[0] == "help") {
    printUsage(std::cout);
    return kExitOk;
  }
  const Arguments rest(all.begin() + 1, all.end());
  for (const Command& c : kCommands)
    if (c.name == all[0]) return c.run(rest, CommandStreams{std::cout, std::cerr});
  std::cerr << "meridax-cli: unknown command '" << escapeField(all[0]) << "'\n";
  printUsage(std::cerr);
  return kExitTrouble;
}

}  // namespace
}  // namespace meridax::cli

int main(int argc, char** argv) {
  using namespace meridax::cli;
  std::ios::sync_with_stdio(false);
  try {
    const int status = dispatch(Arguments(argv + 1, argv + argc));
    std::cout.flush();
    return std::cout ? status : kExitTrouble;
  } catch (const std::exception& e) {
    std::cerr << "meridax-cli: " << escapeField(e.what()) << '\n';
    return kExitTrouble;
  }
}
