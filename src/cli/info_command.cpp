// meridax-cli info FILE: one line per game with the columns of the editor's games list.

#include "app/text_format.h"
#include "cli/cli_files.h"
#include "cli/cli_output.h"
#include "cli/commands.h"
#include "model/game_statistics.h"

namespace meridax::cli {
namespace {

// The "Type" column: the kind's short name; empty for kinds that have none.
std::string typeText(const SGridFrame& game) {
  switch (game.kind()) {
    case GameKind::Othello: return "RVR";
    case GameKind::Go:
      switch (game.variant()) {
        case GoVariant::Pente: return "Pente";
        case GoVariant::Connect6: return "Connect6";
        default: return "GO";
      }
    case GameKind::Hex: return "HEX";
    case GameKind::Unlur: return "UNL";
    case GameKind::Havannah: return "HVN";
    case GameKind::SideStitch: return "Side Stitch";
    case GameKind::Kropki: return "Kropki";
    default: return "";
  }
}

// The "SZ" column: the width, or width and height for Side Stitch and a Kropki rectangle.
std::string sizeText(const SGridFrame& game) {
  const bool twoNumbers = game.kind() == GameKind::SideStitch ||
                          (game.kind() == GameKind::Kropki && game.width() != game.height());
  if (twoNumbers) return apptext::format("%d:%d", game.width(), game.height());
  return std::to_string(game.width());
}

std::vector<std::string> rowOf(std::size_t row, const SGridFrame& game) {
  const SSGFDetails& d = game.details;
  const GameStatistics stats = computeStatistics(game);
  // "N" adds up the length of every branch, the first node included; "B" counts the branches.
  return {std::to_string(row),          d[DetailField::GameName], d[DetailField::Event],
          d[DetailField::Player1],      d[DetailField::Player2],  d[DetailField::Result],
          typeText(game),               sizeText(game),           d[DetailField::Handicap],
          std::to_string(stats.nodes),  std::to_string(stats.lines), d[DetailField::Date],
          d[DetailField::GameComment]};
}

}  // namespace

int runInfo(const Arguments& args, const CommandStreams& io) {
  if (args.size() != 1) {
    io.err << "usage: meridax-cli info FILE\n";
    return kExitTrouble;
  }
  std::optional<LoadedFile> file = loadFile(args[0], io.err);
  if (!file) return kExitTrouble;
  SErrorList ignored;  // reading errors are the business of "check"
  buildAllTrees(*file, ignored, io.err);
  for (std::size_t i = 0; i < file->games->size(); ++i) io.out << recordLine(rowOf(i + 1, file->games->game(i)));
  return kExitOk;
}

}  // namespace meridax::cli
