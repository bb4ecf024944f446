#pragma once
// What a position search looks for, and its compiled form: every placement of the target (the board's
// symmetries, colours swapped, every place on the board) as a list of cells with the values they must hold.

#include <cstdint>
#include <optional>
#include <vector>

#include "model/board_position.h"
#include "model/game_kind.h"
#include "search/board_symmetries.h"

namespace meridax {

// A rectangle of cells, corners included.
struct SearchArea {
  int left = 0;
  int top = 0;
  int right = 0;
  int bottom = 0;
  friend bool operator==(const SearchArea&, const SearchArea&) = default;
};

struct PositionQuery {
  GameKind kind = GameKind::Go;
  int width = 19;
  int height = 19;
  BoardPosition position;          // the target
  std::optional<SearchArea> area;   // a pattern: the cells of the area; none: the whole board
  bool anywhere = false;           // the pattern moved anywhere on the board, else at its own place
  bool swapColours = false;        // the target with the colours swapped too
  bool symmetries = true;          // the board's symmetries of the target too
  bool allLines = false;           // every variation, else the main line of each game
};

// One placement of the target on a game's board.
struct QueryVariant {
  struct Cell {
    int index = 0;
    std::uint8_t value = 0;  // cell::kBlack, kWhite or kEmpty
  };
  std::vector<Cell> cells;  // stones first: they reject a position soonest
  int blackStones = 0;
  int whiteStones = 0;
  int symmetry = 0;  // into boardSymmetries(), 0 the identity
  bool swapped = false;
  int dx = 0;  // the shift after the symmetry (a pattern anywhere)
  int dy = 0;
};

class CompiledQuery {
 public:
  explicit CompiledQuery(const PositionQuery& query);

  const PositionQuery& query() const { return query_; }
  const std::vector<QueryVariant>& variants() const { return variants_; }
  bool wholeBoard() const { return !query_.area.has_value(); }
  // True when a game of this kind and size can hold the target.
  bool fits(GameKind kind, int width, int height) const;
  // The fewest stones a matching position has.
  int fewestStones() const { return fewestStones_; }

  // The first variant the position matches, or -1. black and white: the stones on the board, which
  // reject most positions of a whole-board search before a cell is looked at.
  int match(const BoardPosition& pos, int black, int white) const;

  // Where a cell of the game's board lies on the target's board under a variant; nullopt off the board.
  std::optional<int> toTarget(int variant, int x, int y) const;

 private:
  bool matches(const QueryVariant& v, const BoardPosition& pos) const;

  PositionQuery query_;
  std::vector<SymmetryMap> symmetries_;
  std::vector<SymmetryMap> inverses_;
  std::vector<QueryVariant> variants_;
  int fewestStones_ = 0;
};

// The naive form of a match, for checking: the position and the target compared cell by cell under every
// symmetry, colour and shift the query allows.
bool naiveMatch(const PositionQuery& query, const BoardPosition& pos);

}  // namespace meridax
