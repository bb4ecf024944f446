// meridax-cli save FILE -o OUT: the file loaded as the editor loads it and saved as the editor saves it.

#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/output_argument.h"

namespace meridax::cli {

int runSave(const Arguments& args, const CommandStreams& io) {
  const std::optional<InputAndOutput> paths = inputAndOutput(args);
  if (!paths) {
    io.err << "usage: meridax-cli save FILE -o OUT\n";
    return kExitTrouble;
  }
  std::optional<LoadedFile> file = loadFile(paths->input, io.err);
  if (!file) return kExitTrouble;
  if (file->games->empty()) {
    tellNoGames(paths->input, io.err);
    return kExitTrouble;
  }
  const HeldFileText held = file->held();
  SaveOptions options;
  options.buildTree = [&](SGridFrame& game) { return buildTree(*file, game, file->errors, io.err); };
  const bool saved = writeFile(
      paths->output,
      [&](OutputFile& out, MessagePort& messages) {
        return Save_File(out, messages, *file->games, held, options).has_value();
      },
      io.err);
  return saved ? kExitOk : kExitTrouble;
}

}  // namespace meridax::cli
