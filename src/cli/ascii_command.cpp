// meridax-cli ascii FILE [--game N] [--move M]: the ASCII diagram of a position on a game's current line.

#include <charconv>

#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "export/ascii_diagram.h"

namespace meridax::cli {
namespace {

struct AsciiRequest {
  std::string path;
  std::optional<int> game;  // from 1; the file's current game when absent
  std::optional<int> move;  // a move number; the game's current node when absent
};

std::optional<int> wholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

std::optional<AsciiRequest> parse(const Arguments& args) {
  AsciiRequest request;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const bool option = args[i] == "--game" || args[i] == "--move";
    if (option) {
      if (i + 1 == args.size()) return std::nullopt;
      std::optional<int> value = wholeNumber(args[++i]);
      if (!value) return std::nullopt;
      (args[i - 1] == "--game" ? request.game : request.move) = value;
    } else if (request.path.empty()) {
      request.path = args[i];
    } else {
      return std::nullopt;
    }
  }
  if (request.path.empty()) return std::nullopt;
  return request;
}

// The node of the current line with that move number, or nullptr.
const GameNode* nodeOnCurrentLine(const SGridFrame& game, int move) {
  unsigned walked = 0;
  for (const GameNode* n = game.firstNode; n != nullptr && walked <= GameNode::kMaxMoveNumber; n = n->next(), ++walked)
    if (static_cast<int>(n->moveNumber()) == move) return n;
  return nullptr;
}

// The diagram with the line ends of this system.
std::string withLineFeeds(const std::string& text) {
  std::string out;
  for (char c : text)
    if (c != '\r') out += c;
  return out;
}

}  // namespace

int runAscii(const Arguments& args, const CommandStreams& io) {
  const std::optional<AsciiRequest> request = parse(args);
  if (!request) {
    io.err << "usage: meridax-cli ascii FILE [--game N] [--move M]\n";
    return kExitTrouble;
  }
  std::optional<LoadedFile> file = loadFile(request->path, io.err);
  if (!file) return kExitTrouble;
  Collection& games = *file->games;
  if (games.empty()) {
    tellNoGames(request->path, io.err);
    return kExitTrouble;
  }
  const std::size_t index = request->game ? static_cast<std::size_t>(*request->game) - 1 : games.currentIndex();
  if (request->game && (*request->game < 1 || index >= games.size())) {
    io.err << "There is no game " << *request->game << " in the file; it holds " << games.size() << ".\n";
    return kExitTrouble;
  }
  SGridFrame& game = games.game(index);
  buildTree(*file, game, file->errors, io.err);
  const GameNode* node = request->move ? nodeOnCurrentLine(game, *request->move) : game.currentNode;
  if (node == nullptr) {
    io.err << "There is no move " << *request->move << " on the current line of game " << index + 1 << ".\n";
    return kExitTrouble;
  }
  io.out << withLineFeeds(asciiDiagramOfNode(game, node));
  return kExitOk;
}

}  // namespace meridax::cli
