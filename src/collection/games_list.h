#pragma once
// The games list: one row per game of the collection with its game information and the size of its tree.
// Rows refer to the games themselves; cell texts are made when a view asks for them. A list opened for
// some players shows only the games they took part in.

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "collection/list_columns.h"
#include "model/collection.h"

namespace meridax {

enum class GamesColumn : int {
  Row = 0,
  Name,
  Event,
  Player1,
  Player2,
  Result,
  Type,
  Size,
  Handicap,
  Nodes,     // "N"
  Branches,  // "B"
  Date,
  Comment,
};

inline constexpr int kGamesColumnCount = 13;
inline constexpr char kGamesListCaption[] = "Collection Details";
inline constexpr char kPlayerGamesCaption[] = "Player Games";  // the games list shown for some players
extern const std::array<ListColumn, kGamesColumnCount> kGamesColumns;

// The "Type" column: "RVR", "GO", "Pente", "Connect6", "HEX", "UNL", "HVN", "Side Stitch", "Kropki";
// empty for the other kinds.
std::string gameTypeText(const SGridFrame& game);
// The "SZ" column: the width; "width:height" for Side Stitch and for a Kropki rectangle.
std::string boardSizeText(const SGridFrame& game);
// The text of one cell of the row of `game` at `row` (from 0). "N" and "B" stay empty while the game's
// tree has not been read from the file: what its unread tree holds says nothing about the game.
std::string gamesListCell(const SGridFrame& game, std::size_t row, GamesColumn column);
// Every cell of a row, in column order.
std::vector<std::string> gamesListRow(const SGridFrame& game, std::size_t row);

// Whether player 1 or player 2 of the game bears exactly one of the names.
bool takesPartIn(const SGridFrame& game, const std::vector<std::string>& names);

class GamesList {
 public:
  // Fills the rows with every game in collection order, or with the games of the filter's players.
  void fill(Collection& collection, std::optional<std::vector<std::string>> playerFilter = std::nullopt);

  std::size_t size() const { return rows_.size(); }
  bool empty() const { return rows_.empty(); }
  SGridFrame& game(std::size_t row) const { return *rows_.at(row).game; }
  std::string cell(std::size_t row, GamesColumn column) const { return gamesListCell(game(row), row, column); }
  // The row showing the game; nullopt when it is not listed.
  std::optional<std::size_t> rowOf(const SGridFrame* game) const;
  const std::optional<std::vector<std::string>>& playerFilter() const { return filter_; }

  // Drops the rows of these games (which have left the collection), keeping the others in order.
  void dropGames(const std::vector<const SGridFrame*>& games);
  // Drops the rows of games that are no longer in the collection, without touching them, even when a new
  // game took the place of one in memory; true when any went.
  bool dropGamesNotIn(const Collection& collection);
  // Exchanges a row with the one below it.
  void exchangeWithNext(std::size_t row);

 private:
  struct Row {
    SGridFrame* game;
    std::uint32_t serial;  // tells the game from a later one at the same address
  };
  std::vector<Row> rows_;
  std::optional<std::vector<std::string>> filter_;
};

}  // namespace meridax
