// meridax-cli info FILE: one line per game with the columns of the editor's games list.

#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "collection/games_list.h"

namespace meridax::cli {

int runInfo(const Arguments& args, const CommandStreams& io) {
  if (args.size() != 1) {
    io.err << "usage: meridax-cli info FILE\n";
    return kExitTrouble;
  }
  std::optional<LoadedFile> file = loadFile(args[0], io.err);
  if (!file) return kExitTrouble;
  SErrorList ignored;  // reading errors are the business of "check"
  buildAllTrees(*file, ignored, io.err);
  for (std::size_t i = 0; i < file->games->size(); ++i) io.out << recordLine(gamesListRow(file->games->game(i), i));
  return kExitOk;
}

}  // namespace meridax::cli
