#pragma once
// Files in and out of meridax-cli. A file is loaded as the editor loads it: read whole and cleaned, the
// first game read whole and every further game up to its root, each game's place in the text recorded
// for the save. Output files are written beside their target and then take its name.

#include <functional>
#include <memory>
#include <optional>
#include <ostream>
#include <string>

#include "app/collection_writer.h"
#include "app/file_system.h"
#include "app/progress_port.h"
#include "cli/commands.h"
#include "model/collection.h"
#include "sgf/sgf_error_list.h"

namespace meridax::cli {

struct LoadedFile {
  std::string path;
  std::string text;  // the cleaned file text the games were read from
  std::unique_ptr<Collection> games = std::make_unique<Collection>();
  const SGridFrame* markedGame = nullptr;  // the game that carried "XS"
  SErrorList errors;
  int stops = 0;  // failures that ended a reading early (each written to the error stream)

  // The text as the save holds it: a file that gave a single game keeps none.
  HeldFileText held() const;
};

// The whole file as it is on disk, or nullopt after writing to `err` why it cannot be read. Only regular
// files are read: a folder, a device or a pipe is refused at once, and so is a file larger than the
// memory available.
std::optional<std::string> readInputFile(const std::string& path, std::ostream& err);
// "cannot open 'x.sgf': No such file or directory": why the file gives no text.
std::string readFailureText(const std::string& path, const ReadFailure& failure);

// Reads and cleans the file and reads its games; the current game is the marked one, else the first.
// nullopt after writing to `err` why the file cannot be read.
// `progress` is told how the reading goes.
std::optional<LoadedFile> loadFile(const std::string& path, std::ostream& err, const ProgressCallback& progress = {});

// Builds the tree of a game that was read up to its root from the file text, keeping its flag byte.
// Reading errors go to `errors`; false when the reading stopped (the reason written to `err`).
bool buildTree(LoadedFile& file, SGridFrame& game, SErrorList& errors, std::ostream& err);

// Builds every tree that is not built yet; false when any reading stopped. `progress` is told after each game.
bool buildAllTrees(LoadedFile& file, SErrorList& errors, std::ostream& err, const ProgressCallback& progress = {});

// How far the work on the games of a file has come once game `index` (from 0) is done.
WorkProgress progressAfterGame(const LoadedFile& file, std::size_t index);

// "'%s'\n\nNo games were loaded.", escaped onto one line of the error stream.
void tellNoGames(const std::string& path, std::ostream& err);

// The commands that read FILE and write OUT ("FILE -o OUT"): the loaded file and the output path, or
// nullopt after writing the usage line of `command`, the reading failure or "No games were loaded." to `err`.
struct FileToWrite {
  LoadedFile file;
  std::string output;
};
std::optional<FileToWrite> loadFileToWrite(const Arguments& args, const char* command, std::ostream& err,
                                           ProgressPort* progress = nullptr);

// Writes the collection to `path` through writeFile, as the editor's save does (`held`: the loaded text
// the unchanged games are copied from), showing the progress of the writing.
bool saveCollection(LoadedFile& file, const std::string& path, const HeldFileText& held, std::ostream& err,
                    ProgressPort* progress);

// The text of rewrite: every game of the file, its tree built (buildAllTrees), written whole by the
// collection writer to `out`. False after telling `messages` why the writing failed.
bool writeRewrittenGames(LoadedFile& file, OutputFile& out, MessagePort& messages);

// Fills a new file in path's directory through `write`, then gives it path's name, so that a failed
// write leaves any file already at path untouched. False after telling `err`.
using FileFiller = std::function<bool(OutputFile& file, MessagePort& messages)>;
bool writeFile(const std::string& path, const FileFiller& write, std::ostream& err);

}  // namespace meridax::cli
