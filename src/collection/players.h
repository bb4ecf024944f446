#pragma once
// The players of a collection: for every name that plays in it, the games played, the games still
// unfinished and the games won, ordered byte by byte by name (a name that begins another comes first).

#include <array>
#include <cstddef>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "collection/list_columns.h"
#include "model/collection.h"

namespace meridax {

struct SPlayer {
  std::string name;
  int played = 0;
  int unfinished = 0;  // played games whose result is empty
  int wins = 0;

  friend bool operator==(const SPlayer&, const SPlayer&) = default;
};

// Whether a game's tree holds a swap-sides node: the players then hold the other colours.
using SwapSidesTest = std::function<bool(const SGridFrame&)>;

// Whether any node of the game's tree, on any line, is a swap-sides move.
bool containsSwapSides(const SGridFrame& game);

// The games played by the first and by the second player that count as won. A game whose two names
// are equal creates its player's entry but counts nothing; a game without names is passed over.
std::vector<SPlayer> playerStatistics(const Collection& collection, const SwapSidesTest& swapped = containsSwapSides);

// Whether the result credits the first player (`first`) or the second with the win.
bool creditsWin(const std::string& result, bool first, bool whiteFirst, bool swapped);

// The "Score" column: wins divided by finished games, with two decimals; empty when no game is finished.
std::string scoreText(const SPlayer& player);

enum class PlayersColumn : int { Row = 0, Player, Played, Score, Unfinished };
inline constexpr int kPlayersColumnCount = 13;  // the last eight are left empty
extern const std::array<ListColumn, kPlayersColumnCount> kPlayersColumns;

inline constexpr char kPlayersListCaption[] = "Players Statistics";

class PlayersList {
 public:
  void fill(const Collection& collection, const SwapSidesTest& swapped = containsSwapSides);

  std::size_t size() const { return players_.size(); }
  bool empty() const { return players_.empty(); }
  const SPlayer& player(std::size_t row) const { return players_.at(row); }
  // The name as shown: decoded by the character set of the first game that names the player.
  const std::string& shownName(std::size_t row) const { return shownNames_.at(row); }
  // Column from 0 to kPlayersColumnCount - 1.
  std::string cell(std::size_t row, int column) const;
  // The row of the player with this name, as stored or as shown.
  std::optional<std::size_t> rowOf(const std::string& name) const;

 private:
  std::vector<SPlayer> players_;
  std::vector<std::string> shownNames_;
};

}  // namespace meridax
