// meridax-cli check FILE...: every game's tree is built and every reading error reported.

#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "model/game_tree.h"

namespace meridax::cli {
namespace {

// The entries of the list that report errors: the file's name heads the list as an entry of its own.
std::size_t errorCount(const LoadedFile& file) {
  std::size_t count = 0;
  for (const std::string& text : file.errors.texts())
    if (text != "\r\n" + file.path) ++count;
  return count + file.errors.unlistedCount() + static_cast<std::size_t>(file.stops);
}

}  // namespace

int runCheck(const Arguments& args, const CommandStreams& io) {
  if (args.empty()) {
    io.err << "usage: meridax-cli check FILE...\n";
    return kExitTrouble;
  }
  std::size_t games = 0;
  std::size_t errors = 0;
  bool unreadable = false;
  for (const std::string& path : args) {
    ProgressScope shown(io.progress, WorkKind::Checking, path);
    const ProgressCallback progress = shown.callback();
    std::optional<LoadedFile> file = loadFile(path, io.err, progress);
    if (!file) {
      unreadable = true;
      continue;
    }
    // The errors of the load and of every tree built afterwards, as the error file holds them. Each
    // tree is freed once built: a check needs one game at a time.
    for (std::size_t i = 0; i < file->games->size(); ++i) {
      SGridFrame& game = file->games->game(i);
      buildTree(*file, game, file->errors, io.err);
      freeAllNodes(game);
      goOn(progress, progressAfterGame(*file, i));
    }
    // The entries quote the file's bytes: a broken or binary file must not send control codes to a terminal.
    if (!file->errors.empty()) io.out << terminalText(file->errors.joined()) << '\n';
    games += file->games->readableCount();
    errors += errorCount(*file);
  }
  io.out << games << " games, " << errors << " errors\n";
  if (unreadable) return kExitTrouble;
  return errors == 0 ? kExitOk : kExitErrorsFound;
}

}  // namespace meridax::cli
