// meridax-cli find FILE|DIR... --position SGF [--game N] [--move M] [--area A1:G7] [--anywhere]
// [--swap-colours] [--all-lines] [--no-symmetry]: the games that reach a position or a pattern.

#include "app/posix_file_system.h"
#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "cli/position_choice.h"
#include "search/file_search.h"
#include "search/game_files.h"
#include "search/search_texts.h"

namespace meridax::cli {
namespace {

struct FindRequest {
  std::vector<std::string> places;
  std::string positionFile;
  std::optional<int> game;
  std::optional<int> move;
  std::optional<std::string> area;
  bool anywhere = false;
  bool swapColours = false;
  bool allLines = false;
  bool symmetries = true;
};

std::optional<FindRequest> parse(const Arguments& args) {
  FindRequest r;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--position" || a == "--game" || a == "--move" || a == "--area";
    if (takesValue && i + 1 == args.size()) return std::nullopt;
    if (a == "--position") r.positionFile = args[++i];
    else if (a == "--area") r.area = args[++i];
    else if (a == "--game" || a == "--move") {
      const std::optional<int> value = wholeNumber(args[++i]);
      if (!value) return std::nullopt;
      (a == "--game" ? r.game : r.move) = value;
    } else if (a == "--anywhere") r.anywhere = true;
    else if (a == "--swap-colours") r.swapColours = true;
    else if (a == "--all-lines") r.allLines = true;
    else if (a == "--no-symmetry") r.symmetries = false;
    else if (a.starts_with("--")) return std::nullopt;
    else r.places.push_back(a);
  }
  if (r.places.empty() || r.positionFile.empty()) return std::nullopt;
  return r;
}

}  // namespace

int runFind(const Arguments& args, const CommandStreams& io) {
  const std::optional<FindRequest> request = parse(args);
  if (!request) {
    io.err << "usage: meridax-cli find FILE|DIR... --position SGF [--game N] [--move M] [--area A1:G7] "
              "[--anywhere] [--swap-colours] [--all-lines] [--no-symmetry]\n";
    return kExitTrouble;
  }
  std::optional<LoadedFile> target = loadFile(request->positionFile, io.err);
  if (!target) return kExitTrouble;
  const std::optional<ChosenPosition> chosen = choosePosition(*target, request->game, request->move, io.err);
  if (!chosen) return kExitTrouble;
  std::optional<SearchArea> area;
  if (request->area) {
    area = parseArea(*chosen->game, *request->area);
    if (!area) {
      io.err << cliMessage("'" + *request->area + "' is not an area of the board: two points joined by ':'");
      return kExitTrouble;
    }
  }
  PositionQuery query = queryFor(*chosen->game, chosen->node, area);
  query.anywhere = request->anywhere;
  query.swapColours = request->swapColours;
  query.allLines = request->allLines;
  query.symmetries = request->symmetries;
  const CompiledQuery compiled(query);

  SearchRequest search;
  search.paths = gameFilesUnder(request->places);
  search.readFile = [](const std::string& path, std::string& bytes) {
    PosixFileSystem files;
    const std::optional<ReadFailure> failure = files.readWholeFile(path, bytes);
    return failure ? readFailureText(path, *failure) : std::string();
  };
  const SearchOutcome outcome = searchFiles(compiled, search);
  for (const std::string& problem : outcome.unreadable) io.err << cliMessage(problem);
  for (const GameHit& hit : outcome.hits)
    for (const PositionMatch& m : hit.matches)
      io.out << recordLine({search.paths[hit.file], std::to_string(hit.game), std::to_string(m.moveNumber),
                            m.next ? nextMoveText(*chosen->game, *m.next) : std::string()});
  return outcome.unreadable.empty() ? kExitOk : kExitTrouble;
}

}  // namespace meridax::cli
