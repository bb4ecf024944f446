#include "collection/players.h"

#include "model/character_set.h"
#include "model/text_format.h"

#include <map>

namespace meridax {

const std::array<ListColumn, kPlayersColumnCount> kPlayersColumns = {{
    {"", ColumnAlign::Right, 2},
    {"Player", ColumnAlign::Left, 8},
    {"Played", ColumnAlign::Right, 5},
    {"Score", ColumnAlign::Right, 5},
    {"Unfinished", ColumnAlign::Right, 5},
    {"", ColumnAlign::Right, 1},
    {"", ColumnAlign::Right, 1},
    {"", ColumnAlign::Right, 1},
    {"", ColumnAlign::Right, 1},
    {"", ColumnAlign::Right, 1},
    {"", ColumnAlign::Right, 1},
    {"", ColumnAlign::Right, 1},
    {"", ColumnAlign::Right, 1},
}};

bool containsSwapSides(const SGridFrame& game) {
  bool found = false;
  game.variations.forEach([&](const GameNode*, const SBranchDetails& line) {
    for (const GameNode* n = line.head; n != nullptr && !found; n = n->next())
      found = n->kind() == SpecialMoveKind::SwapSides;
  });
  return found;
}

bool creditsWin(const std::string& result, bool first, bool whiteFirst, bool swapped) {
  // The colour the player holds at the end: player 1 moves first, a swap exchanges the colours.
  const bool holdsWhite = (first == whiteFirst) != swapped;
  const char winner = result.empty() ? '\0' : result.front();
  if (winner == (holdsWhite ? 'W' : 'B')) return true;
  return !swapped && result.starts_with(first ? "P1" : "P2");
}

namespace {

void count(SPlayer& player, const std::string& result, bool won) {
  ++player.played;
  if (result.empty()) ++player.unfinished;
  if (won) ++player.wins;
}

}  // namespace

std::vector<SPlayer> playerStatistics(const Collection& collection, const SwapSidesTest& swapped) {
  std::map<std::string, SPlayer> byName;  // std::string orders its bytes as unsigned characters
  auto entry = [&](const std::string& name) -> SPlayer& {
    SPlayer& p = byName[name];
    p.name = name;
    return p;
  };
  for (std::size_t i = 0; i < collection.size(); ++i) {
    const SGridFrame& g = collection.game(i);
    const std::string& p1 = g.details[DetailField::Player1];
    const std::string& p2 = g.details[DetailField::Player2];
    if (g.isUnread() || (p1.empty() && p2.empty())) continue;
    SPlayer& first = entry(p1);
    if (p1 == p2) continue;
    SPlayer& second = entry(p2);
    const std::string& result = g.details[DetailField::Result];
    const bool swap = swapped && swapped(g);
    count(first, result, creditsWin(result, true, g.isWhiteFirst(), swap));
    count(second, result, creditsWin(result, false, g.isWhiteFirst(), swap));
  }
  std::vector<SPlayer> players;
  players.reserve(byName.size());
  for (auto& [name, p] : byName) players.push_back(std::move(p));
  return players;
}

std::string scoreText(const SPlayer& player) {
  if (player.unfinished >= player.played) return {};
  return formatText("%0.2f", static_cast<double>(player.wins) / static_cast<double>(player.played - player.unfinished));
}

void PlayersList::fill(const Collection& collection, const SwapSidesTest& swapped) {
  players_ = playerStatistics(collection, swapped);
  std::map<std::string, std::string> shown;
  for (std::size_t i = 0; i < collection.size(); ++i) {
    const SGridFrame& g = collection.game(i);
    for (DetailField f : {DetailField::Player1, DetailField::Player2}) {
      const std::string& name = g.details[f];
      if (!shown.contains(name)) shown.emplace(name, gameTextToUtf8(g, name));
    }
  }
  shownNames_.clear();
  shownNames_.reserve(players_.size());
  for (const SPlayer& p : players_) shownNames_.push_back(shown[p.name]);
}

std::string PlayersList::cell(std::size_t row, int column) const {
  const SPlayer& p = player(row);
  switch (static_cast<PlayersColumn>(column)) {
    case PlayersColumn::Row: return rowNumberText(row);
    case PlayersColumn::Player: return shownName(row);
    case PlayersColumn::Played: return std::to_string(p.played);
    case PlayersColumn::Score: return scoreText(p);
    case PlayersColumn::Unfinished: return std::to_string(p.unfinished);
  }
  return {};
}

std::optional<std::size_t> PlayersList::rowOf(const std::string& name) const {
  for (std::size_t i = 0; i < players_.size(); ++i)
    if (players_[i].name == name) return i;
  for (std::size_t i = 0; i < shownNames_.size(); ++i)
    if (shownNames_[i] == name) return i;
  return std::nullopt;
}

}  // namespace meridax
