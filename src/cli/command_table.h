#pragma once
// The commands of meridax-cli by name, with their usage and help texts, and the dispatch of a command
// line: `meridax-cli COMMAND ARGUMENTS`, `--help`, `--version`, `COMMAND --help`.

#include <functional>
#include <span>
#include <string_view>

#include "cli/commands.h"

namespace meridax::cli {

struct CliCommand {
  std::string_view name;
  std::string_view synopsis;  // "check FILE..."
  std::string_view summary;   // one line for the list of commands
  std::string_view help;      // what `COMMAND --help` adds below the synopsis
  int (*run)(const Arguments& args, const CommandStreams& io, BoardImagePort* images);
};

std::span<const CliCommand> cliCommands();
const CliCommand* findCliCommand(std::string_view name);

// Runs the command line (without the program name). `images` gives the board painter on first use (it
// may give null where the program was built without the Qt layer). Returns the exit status.
int dispatch(const Arguments& all, const CommandStreams& io, const std::function<BoardImagePort*()>& images);

}  // namespace meridax::cli
