#include "cli/cli_files.h"

#include "app/file_services.h"
#include "app/posix_file_system.h"
#include "app/text_format.h"
#include "cli/cli_output.h"
#include "cli/output_argument.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/text_decoding.h"

namespace meridax::cli {
namespace {

void tellStop(const AppError& message, std::ostream& err) {
  err << escapeField(message.caption()) << ": " << escapeField(message.text()) << '\n';
}

// Reads the games of the file text as the load does: the first whole, the others as far as their root.
void readGames(LoadedFile& file, std::ostream& err) {
  CollectionReadRequest request;
  request.filePath = file.path;
  request.trees = GameTrees::FirstOnly;
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

std::optional<LoadedFile> loadFile(const std::string& path, std::ostream& err) {
  PosixFileSystem files;
  StreamMessages messages(err);
  std::optional<std::string> bytes = Load_File(ShellPorts{files, messages}, path, kReloadOpenCaption);
  if (!bytes) return std::nullopt;
  LoadedFile file;
  file.path = path;
  file.text = prepareOwnedFileText(std::move(*bytes));
  readGames(file, err);
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

bool buildAllTrees(LoadedFile& file, SErrorList& errors, std::ostream& err) {
  bool complete = true;
  for (std::size_t i = 0; i < file.games->size(); ++i)
    complete = buildTree(file, file.games->game(i), errors, err) && complete;
  return complete;
}

void tellNoGames(const std::string& path, std::ostream& err) {
  err << escapeField(apptext::format("'%s'\n\nNo games were loaded.", path.c_str())) << '\n';
}

std::optional<FileToWrite> loadFileToWrite(const Arguments& args, const char* command, std::ostream& err) {
  const std::optional<InputAndOutput> paths = inputAndOutput(args);
  if (!paths) {
    err << "usage: meridax-cli " << command << " FILE -o OUT\n";
    return std::nullopt;
  }
  std::optional<LoadedFile> file = loadFile(paths->input, err);
  if (!file) return std::nullopt;
  if (file->games->empty()) {
    tellNoGames(paths->input, err);
    return std::nullopt;
  }
  return FileToWrite{std::move(*file), paths->output};
}

bool writeFile(const std::string& path, const FileFiller& write, std::ostream& err) {
  PosixFileSystem files;
  StreamMessages messages(err);
  const std::size_t slash = path.rfind('/');
  const std::string directory = slash == std::string::npos ? "." : slash == 0 ? "/" : path.substr(0, slash);
  const std::string name = slash == std::string::npos ? path : path.substr(slash + 1);
  SysResult<TempFile> temp = files.createTempFile(directory, name);
  if (!temp.ok()) {
    messages.tell(UserMessage{"CreateFile()", systemCallFailureText(directory, temp.error()), MessageIcon::Error});
    return false;
  }
  TempFile& out = temp.value();
  bool written = write(*out.file, messages) && closeOutputFile(*out.file, out.path, messages);
  if (written) {
    if (const std::optional<SystemError> error = files.rename(out.path, path)) {
      messages.tell(UserMessage{"MoveFile()", systemCallFailureText(path, *error), MessageIcon::Error});
      written = false;
    }
  }
  if (!written) files.remove(out.path);
  return written;
}

}  // namespace meridax::cli
