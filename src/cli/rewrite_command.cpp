// meridax-cli rewrite FILE -o OUT: every game read whole and written by the SGF writer.

#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/output_argument.h"

namespace meridax::cli {

int runRewrite(const Arguments& args, const CommandStreams& io) {
  const std::optional<InputAndOutput> paths = inputAndOutput(args);
  if (!paths) {
    io.err << "usage: meridax-cli rewrite FILE -o OUT\n";
    return kExitTrouble;
  }
  std::optional<LoadedFile> file = loadFile(paths->input, io.err);
  if (!file) return kExitTrouble;
  if (file->games->empty()) {
    tellNoGames(paths->input, io.err);
    return kExitTrouble;
  }
  buildAllTrees(*file, file->errors, io.err);
  // Without a held text the collection writer writes every game whole.
  HeldFileText noText;
  noText.markedGame = file->markedGame;
  const bool saved = writeFile(
      paths->output,
      [&](OutputFile& out, MessagePort& messages) {
        return Save_File(out, messages, *file->games, noText, {}).has_value();
      },
      io.err);
  return saved ? kExitOk : kExitTrouble;
}

}  // namespace meridax::cli
