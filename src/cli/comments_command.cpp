// meridax-cli comments FILE [--game N]: every comment of the games, one line each, in UTF-8 whatever the
// character set of the game, so that a collection's comments can be searched with grep.

#include <vector>

#include "app/move_box_text.h"
#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/position_choice.h"
#include "model/node_texts.h"
#include "model/character_set.h"

namespace meridax::cli {
namespace {

struct CommentsRequest {
  std::string path;
  std::optional<int> game;  // from 1; every game when absent
};

std::optional<CommentsRequest> parse(const Arguments& args) {
  CommentsRequest request;
  for (std::size_t i = 0; i < args.size(); ++i) {
    if (args[i] == "--game") {
      if (i + 1 == args.size() || !(request.game = wholeNumber(args[++i]))) return std::nullopt;
    } else if (request.path.empty()) {
      request.path = args[i];
    } else {
      return std::nullopt;
    }
  }
  if (request.path.empty()) return std::nullopt;
  return request;
}

// The game's comments in the order of the tree: a line, then the side lines below each of its nodes.
// A stack of lines to visit, so that a deep tree cannot exhaust the call stack.
void printComments(const SGridFrame& game, int number, std::ostream& out) {
  std::vector<const GameNode*> heads{game.firstNode};
  while (!heads.empty()) {
    const GameNode* n = heads.back();
    heads.pop_back();
    std::vector<const GameNode*> below;
    for (unsigned walked = 0; n != nullptr && walked <= GameNode::kMaxMoveNumber; n = n->next(), ++walked) {
      if (n->hasComment())
        out << recordLine({std::to_string(number), std::to_string(n->moveNumber()), moveBoxText(game, n),
                           gameTextToUtf8(game, commentOf(game, n))});
      if (!n->branching()) continue;
      for (const SBranchDetails* line : game.variations.linesBelow(n))
        if (line->head != nullptr) below.push_back(line->head);
    }
    heads.insert(heads.end(), below.rbegin(), below.rend());
  }
}

}  // namespace

int runComments(const Arguments& args, const CommandStreams& io) {
  const std::optional<CommentsRequest> request = parse(args);
  if (!request) {
    io.err << "usage: meridax-cli comments FILE [--game N]\n";
    return kExitTrouble;
  }
  std::optional<LoadedFile> file = loadFile(request->path, io.err);
  if (!file) return kExitTrouble;
  Collection& games = *file->games;
  if (request->game && (*request->game < 1 || static_cast<std::size_t>(*request->game) > games.size())) {
    io.err << cliMessage("There is no game " + std::to_string(*request->game) + " in the file; it holds " +
                         std::to_string(games.size()) + ".");
    return kExitTrouble;
  }
  SErrorList ignored;  // reading errors are the business of "check"
  for (std::size_t i = 0; i < games.size(); ++i) {
    if (request->game && static_cast<std::size_t>(*request->game) != i + 1) continue;
    SGridFrame& game = games.game(i);
    if (!buildTree(*file, game, ignored, io.err)) return kExitTrouble;
    printComments(game, static_cast<int>(i) + 1, io.out);
  }
  return kExitOk;
}

}  // namespace meridax::cli
