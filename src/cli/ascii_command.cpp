// meridax-cli ascii FILE [--game N] [--move M]: the ASCII diagram of a position on a game's current line.

#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/position_choice.h"
#include "export/ascii_diagram.h"

namespace meridax::cli {
namespace {

struct AsciiRequest {
  std::string path;
  std::optional<int> game;  // from 1; the file's current game when absent
  std::optional<int> move;  // a move number; the game's current node when absent
};

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
  const std::optional<ChosenPosition> chosen = choosePosition(*file, request->game, request->move, io.err);
  if (!chosen) return kExitTrouble;
  const SGridFrame& game = *chosen->game;
  const GameNode* node = chosen->node;
  io.out << withLineFeeds(asciiDiagramOfNode(game, node));
  return kExitOk;
}

}  // namespace meridax::cli
