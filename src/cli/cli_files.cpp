#include "cli/cli_files.h"

#include <algorithm>

#include "app/file_services.h"
#include "app/posix_file_system.h"
#include "cli/cli_output.h"
#include "cli/output_argument.h"
#include "export/export_file.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/text_decoding.h"

namespace meridax::cli {
namespace {

void tellStop(const AppError& message, std::ostream& err) { err << cliMessage(message.caption() + ": " + message.text()); }

// Reads the games of the file text as the load does: the first whole, the others as far as their root.
void readGames(LoadedFile& file, std::ostream& err, const ProgressCallback& progress) {
  CollectionReadRequest request;
  request.filePath = file.path;
  request.trees = GameTrees::FirstOnly;
  request.progress = progress;
  const CollectionReadResult result = readCollectionText(*file.games, file.text, request, file.errors);
  file.markedGame = result.selectedGame;
  if (result.message) {
    ++file.stops;
    tellStop(*result.message, err);
  }
}

}  // namespace

HeldFileText LoadedFile::held() const {
  HeldFileText h;
  if (games->size() > 1) h.text = std::string_view(text);
  h.markedGame = markedGame;
  return h;
}

// "cannot open 'x.sgf': No such file or directory": why the file gives no text.
std::string readFailureText(const std::string& path, const ReadFailure& failure) {
  const std::string quoted = "'" + path + "'";
  switch (failure.step) {
    case ReadStep::Open: return "cannot open " + quoted + ": " + failure.error.text;
    case ReadStep::Memory: return "cannot read " + quoted + ": larger than the memory available";
    case ReadStep::NotAFile: return "cannot read " + quoted + ": not a regular file (a device, a pipe or a socket)";
    case ReadStep::Size:
    case ReadStep::Read: break;
  }
  return "cannot read " + quoted + ": " + failure.error.text;
}

std::optional<std::string> readInputFile(const std::string& path, std::ostream& err) {
  PosixFileSystem files;
  std::string bytes;
  if (const std::optional<ReadFailure> failure = files.readWholeFile(path, bytes)) {
    err << cliMessage(readFailureText(path, *failure));
    return std::nullopt;
  }
  return bytes;
}

std::optional<LoadedFile> loadFile(const std::string& path, std::ostream& err, const ProgressCallback& progress) {
  std::optional<std::string> read = readInputFile(path, err);
  if (!read) return std::nullopt;
  std::string bytes = std::move(*read);
  if (bytes.empty()) {
    err << cliMessage("cannot read '" + path + "': the file is empty");
    return std::nullopt;
  }
  LoadedFile file;
  file.path = path;
  file.text = prepareOwnedFileText(std::move(bytes));
  readGames(file, err, progress);
  if (file.markedGame != nullptr) file.games->setCurrent(file.games->indexOf(file.markedGame));
  else file.games->setCurrent(0);
  return file;
}

bool buildTree(LoadedFile& file, SGridFrame& game, SErrorList& errors, std::ostream& err) {
  if (game.treeLoaded) return true;
  const std::optional<AppError> message = buildHeldTree(*file.games, game, file.text, file.path, {}, errors);
  if (!message) return true;
  ++file.stops;
  tellStop(*message, err);
  return false;
}

bool buildAllTrees(LoadedFile& file, SErrorList& errors, std::ostream& err, const ProgressCallback& progress) {
  bool complete = true;
  for (std::size_t i = 0; i < file.games->size(); ++i) {
    complete = buildTree(file, file.games->game(i), errors, err) && complete;
    goOn(progress, progressAfterGame(file, i));
  }
  return complete;
}

WorkProgress progressAfterGame(const LoadedFile& file, std::size_t index) {
  const SGridFrame& game = file.games->game(index);
  const std::size_t end = std::min<std::size_t>(std::size_t{game.textOffset} + game.textLength, file.text.size());
  return WorkProgress{index + 1, file.games->size(), end, file.text.size()};
}

void tellNoGames(const std::string& path, std::ostream& err) {
  err << cliMessage("'" + path + "': No games were loaded.");
}

std::optional<FileToWrite> loadFileToWrite(const Arguments& args, const char* command, std::ostream& err,
                                           ProgressPort* progress) {
  const std::optional<InputAndOutput> paths = inputAndOutput(args);
  if (!paths) {
    err << "usage: meridax-cli " << command << " FILE -o OUT\n";
    return std::nullopt;
  }
  std::optional<LoadedFile> file;
  {
    ProgressScope shown(progress, WorkKind::Loading, paths->input);
    file = loadFile(paths->input, err, shown.callback());
  }
  if (!file) return std::nullopt;
  if (file->games->readableCount() == 0) {
    tellNoGames(paths->input, err);
    return std::nullopt;
  }
  return FileToWrite{std::move(*file), paths->output};
}

bool saveCollection(LoadedFile& file, const std::string& path, const HeldFileText& held, std::ostream& err,
                    ProgressPort* progress) {
  ProgressScope shown(progress, WorkKind::Saving, path);
  SaveOptions options;
  options.buildTree = [&](SGridFrame& game) { return buildTree(file, game, file.errors, err); };
  options.progress = shown.callback();
  return writeFile(
      path, [&](OutputFile& out, MessagePort& messages) { return Save_File(out, messages, *file.games, held, options).has_value(); },
      err);
}

bool writeFile(const std::string& path, const FileFiller& write, std::ostream& err) {
  PosixFileSystem files;
  StreamMessages messages(err);
  const auto cannotWrite = [&](const SystemError& error) { err << cliMessage("cannot write '" + path + "': " + error.text); };
  // A symbolic link stays: the file it leads to is replaced, in its own folder.
  const SysResult<std::string> linked = files.linkedFile(path);
  if (!linked.ok()) {
    cannotWrite(linked.error());
    return false;
  }
  const std::string& target = linked.value();
  SysResult<TempFile> temp = files.createTempFile(folderOf(target), namePartOf(target));
  if (!temp.ok()) {
    cannotWrite(temp.error());
    return false;
  }
  TempFile& out = temp.value();
  bool written = write(*out.file, messages);
  if (written) {
    const SysResult<FileStatus> old = files.status(target);
    files.setPermissions(out.path, old.ok() ? old.value().permissions : files.newFilePermissions());
    if (const std::optional<SystemError> error = out.file->close()) {
      cannotWrite(*error);
      written = false;
    } else if (const std::optional<SystemError> moved = files.rename(out.path, target)) {
      cannotWrite(*moved);
      written = false;
    }
  }
  if (!written) files.remove(out.path);
  return written;
}

}  // namespace meridax::cli
