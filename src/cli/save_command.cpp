// meridax-cli save FILE -o OUT: the file loaded as the editor loads it and saved as the editor saves it.

#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"

namespace meridax::cli {

int runSave(const Arguments& args, const CommandStreams& io) {
  std::optional<FileToWrite> loaded = loadFileToWrite(args, "save", io.err);
  if (!loaded) return kExitTrouble;
  LoadedFile* file = &loaded->file;
  const HeldFileText held = file->held();
  SaveOptions options;
  options.buildTree = [&](SGridFrame& game) { return buildTree(*file, game, file->errors, io.err); };
  const bool saved = writeFile(
      loaded->output,
      [&](OutputFile& out, MessagePort& messages) {
        return Save_File(out, messages, *file->games, held, options).has_value();
      },
      io.err);
  return saved ? kExitOk : kExitTrouble;
}

}  // namespace meridax::cli
