// meridax-cli rewrite FILE -o OUT: every game read whole and written by the SGF writer.

#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"

namespace meridax::cli {

bool writeRewrittenGames(LoadedFile& file, OutputFile& out, MessagePort& messages) {
  // Without a held text the collection writer writes every game whole.
  HeldFileText noText;
  noText.markedGame = file.markedGame;
  return Save_File(out, messages, *file.games, noText, {}).has_value();
}

int runRewrite(const Arguments& args, const CommandStreams& io) {
  std::optional<FileToWrite> loaded = loadFileToWrite(args, "rewrite", io.err, io.progress);
  if (!loaded) return kExitTrouble;
  LoadedFile& file = loaded->file;
  {
    ProgressScope shown(io.progress, WorkKind::Checking, file.path);
    buildAllTrees(file, file.errors, io.err, shown.callback());
  }
  // Without a held text the collection writer writes every game whole.
  HeldFileText noText;
  noText.markedGame = file.markedGame;
  return saveCollection(file, loaded->output, noText, io.err, io.progress) ? kExitOk : kExitTrouble;
}

}  // namespace meridax::cli
