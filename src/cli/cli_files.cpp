#include "cli/cli_files.h"

#include "app/file_services.h"
#include "app/posix_file_system.h"
#include "app/text_format.h"
#include "cli/cli_output.h"
#include "sgf/sgf_reader.h"
#include "sgf/text_decoding.h"

namespace meridax::cli {
namespace {

bool isLayoutBlank(char c) { return c == ' ' || c == '\t' || c == '\r' || c == '\n'; }

void tellStop(const SgfReadResult& result, std::ostream& err) {
  if (result.message) err << escapeField(result.message->caption()) << ": " << escapeField(result.message->text()) << '\n';
}

// Records on a game what the save needs to copy it back.
void recordPlace(SGridFrame& game, const SgfReadResult& result, int ordinal) {
  game.fileOrdinal = static_cast<std::uint32_t>(ordinal);
  game.textOffset = static_cast<std::uint32_t>(result.textStart);
  game.textLength = static_cast<std::uint32_t>(result.cursor - result.textStart);
  game.flags = game_flag::kUnchanged;
}

// Reads the games of the file text one after another, as the load does.
void readGames(LoadedFile& file, std::ostream& err) {
  std::size_t cursor = 0;
  for (int ordinal = 1;; ++ordinal) {
    while (cursor < file.text.size() && isLayoutBlank(file.text[cursor])) ++cursor;
    if (cursor >= file.text.size()) return;
    SgfReadRequest request;
    request.mode = file.games->empty() ? ReadMode::WholeGame : ReadMode::RootOnly;
    request.cursor = cursor;
    request.filePath = file.path;
    request.ordinal = ordinal;
    const SgfReadResult result = Do_FileSGF(*file.games, file.text, request, file.errors);
    if (result.game != nullptr) {
      recordPlace(*result.game, result, ordinal);
      if (result.selected && file.markedGame == nullptr) file.markedGame = result.game;
    }
    if (!result.goOn) {
      if (result.message) ++file.stops;
      tellStop(result, err);
      return;
    }
    if (result.cursor <= cursor) return;  // no progress: nothing more can be read
    cursor = result.cursor;
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
  const std::optional<std::string> bytes = Load_File(ShellPorts{files, messages}, path, kReloadOpenCaption);
  if (!bytes) return std::nullopt;
  LoadedFile file;
  file.path = path;
  file.text = prepareFileText(*bytes);
  readGames(file, err);
  if (file.markedGame != nullptr) file.games->setCurrent(file.games->indexOf(file.markedGame));
  else file.games->setCurrent(0);
  return file;
}

bool buildTree(LoadedFile& file, SGridFrame& game, SErrorList& errors, std::ostream& err) {
  if (game.treeLoaded) return true;
  const std::uint8_t flags = game.flags;
  SgfReadRequest request;
  request.mode = ReadMode::HeldTree;
  request.cursor = game.textOffset;
  request.filePath = file.path;
  request.ordinal = static_cast<int>(game.fileOrdinal);
  request.target = &game;
  const SgfReadResult result = Do_FileSGF(*file.games, file.text, request, errors);
  game.flags = flags;
  if (result.goOn) {
    game.treeLoaded = true;
    return true;
  }
  ++file.stops;
  tellStop(result, err);
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
