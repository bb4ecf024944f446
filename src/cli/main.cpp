// meridax-cli: the editor's reading, writing and diagrams from the command line.

#include <exception>
#include <iostream>
#include <string_view>

#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/run_command.h"

namespace meridax::cli {
namespace {

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
