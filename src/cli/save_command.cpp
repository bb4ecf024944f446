// meridax-cli save FILE -o OUT: the file loaded as the editor loads it and saved as the editor saves it.

#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"

namespace meridax::cli {

int runSave(const Arguments& args, const CommandStreams& io) {
  std::optional<FileToWrite> loaded = loadFileToWrite(args, "save", io.err, io.progress);
  if (!loaded) return kExitTrouble;
  LoadedFile& file = loaded->file;
  return saveCollection(file, loaded->output, file.held(), io.err, io.progress) ? kExitOk : kExitTrouble;
}

}  // namespace meridax::cli
