#include "collection/games_list.h"

#include "model/character_set.h"

#include <algorithm>
#include <unordered_map>
#include <utility>

#include "model/game_statistics.h"

namespace meridax {

const std::array<ListColumn, kGamesColumnCount> kGamesColumns = {{
    {"", ColumnAlign::Left, 2},
    {"Name", ColumnAlign::Left, 2},
    {"Event", ColumnAlign::Left, 3},
    {"Player 1", ColumnAlign::Left, 3},
    {"Player 2", ColumnAlign::Left, 3},
    {"Result", ColumnAlign::Left, 3},
    {"Type", ColumnAlign::Right, 3},
    {"SZ", ColumnAlign::Right, 1},
    {"HA", ColumnAlign::Right, 1},
    {"N", ColumnAlign::Right, 1},
    {"B", ColumnAlign::Right, 1},
    {"Date", ColumnAlign::Left, 3},
    {"Comment", ColumnAlign::Left, 1},
}};

std::string gameTypeText(const SGridFrame& game) {
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

std::string boardSizeText(const SGridFrame& game) {
  const bool twoNumbers = game.kind() == GameKind::SideStitch ||
                          (game.kind() == GameKind::Kropki && game.width() != game.height());
  if (twoNumbers) return std::to_string(game.width()) + ":" + std::to_string(game.height());
  return std::to_string(game.width());
}

namespace {

// Counted afresh: moves added by play do not invalidate the statistics kept with the game. A game not
// opened yet shows what was counted in its text when the file was read; nothing when none was counted.
std::string treeCount(const SGridFrame& game, int GameStatistics::*count, int SGridFrame::*textCount) {
  if (!game.treeLoaded) return game.*textCount > 0 ? std::to_string(game.*textCount) : std::string();
  return std::to_string(computeStatistics(game).*count);
}

}  // namespace

namespace {

// A game kept unread shows its row number, the kind "?" and, as its name, why it was not read.
std::string unreadGameCell(const SGridFrame& game, std::size_t row, GamesColumn column) {
  switch (column) {
    case GamesColumn::Row: return rowNumberText(row);
    case GamesColumn::Name: return game.unread->reason;
    case GamesColumn::Type: return "?";
    default: return {};
  }
}

}  // namespace

std::string gamesListCell(const SGridFrame& game, std::size_t row, GamesColumn column) {
  if (game.isUnread()) return unreadGameCell(game, row, column);
  const SSGFDetails& d = game.details;
  switch (column) {
    case GamesColumn::Row: return rowNumberText(row);
    case GamesColumn::Name: return gameTextToUtf8(game, d[DetailField::GameName]);
    case GamesColumn::Event: return gameTextToUtf8(game, d[DetailField::Event]);
    case GamesColumn::Player1: return gameTextToUtf8(game, d[DetailField::Player1]);
    case GamesColumn::Player2: return gameTextToUtf8(game, d[DetailField::Player2]);
    case GamesColumn::Result: return gameTextToUtf8(game, d[DetailField::Result]);
    case GamesColumn::Type: return gameTypeText(game);
    case GamesColumn::Size: return boardSizeText(game);
    case GamesColumn::Handicap: return d[DetailField::Handicap];
    case GamesColumn::Nodes: return treeCount(game, &GameStatistics::nodes, &SGridFrame::textNodes);
    case GamesColumn::Branches: return treeCount(game, &GameStatistics::lines, &SGridFrame::textLines);
    case GamesColumn::Date: return gameTextToUtf8(game, d[DetailField::Date]);
    case GamesColumn::Comment: return gameTextToUtf8(game, d[DetailField::GameComment]);
  }
  return {};
}

std::vector<std::string> gamesListRow(const SGridFrame& game, std::size_t row) {
  std::vector<std::string> cells;
  cells.reserve(kGamesColumnCount);
  for (int c = 0; c < kGamesColumnCount; ++c) cells.push_back(gamesListCell(game, row, static_cast<GamesColumn>(c)));
  return cells;
}

bool takesPartIn(const SGridFrame& game, const std::vector<std::string>& names) {
  if (game.isUnread()) return false;
  const std::string& p1 = game.details[DetailField::Player1];
  const std::string& p2 = game.details[DetailField::Player2];
  return std::any_of(names.begin(), names.end(), [&](const std::string& n) { return n == p1 || n == p2; });
}

void GamesList::fill(Collection& collection, std::optional<std::vector<std::string>> playerFilter) {
  filter_ = std::move(playerFilter);
  rows_.clear();
  for (std::size_t i = 0; i < collection.size(); ++i) {
    SGridFrame& g = collection.game(i);
    if (!filter_ || takesPartIn(g, *filter_)) rows_.push_back(Row{&g, g.serial()});
  }
}

std::optional<std::size_t> GamesList::rowOf(const SGridFrame* game) const {
  const auto it = std::find_if(rows_.begin(), rows_.end(), [&](const Row& r) { return r.game == game; });
  if (it == rows_.end()) return std::nullopt;
  return static_cast<std::size_t>(it - rows_.begin());
}

void GamesList::dropGames(const std::vector<const SGridFrame*>& games) {
  std::erase_if(rows_, [&](const Row& r) { return std::find(games.begin(), games.end(), r.game) != games.end(); });
}

bool GamesList::dropGamesNotIn(const Collection& collection) {
  std::unordered_map<const SGridFrame*, std::uint32_t> present;  // game and serial
  for (std::size_t i = 0; i < collection.size(); ++i) present.emplace(&collection.game(i), collection.game(i).serial());
  return std::erase_if(rows_, [&](const Row& r) {
           const auto it = present.find(r.game);
           return it == present.end() || it->second != r.serial;
         }) > 0;
}

void GamesList::exchangeWithNext(std::size_t row) {
  if (row + 1 < rows_.size()) std::swap(rows_[row], rows_[row + 1]);
}

}  // namespace meridax
