#pragma once
// The texts of a position search: an area typed as two corners ("A1:G7"), and the move played next.

#include <optional>
#include <string>
#include <string_view>

#include "model/grid_frame.h"
#include "search/game_search.h"
#include "search/position_query.h"

namespace meridax {

// Two points as the board's coordinates show them, joined by ":", in either order and any case (Kropki
// letters keep theirs); nullopt when either is not a point of the board.
std::optional<SearchArea> parseArea(const SGridFrame& game, std::string_view text);

// "A1:G7" for the area, its corners as the coordinates show them.
std::string areaText(const SGridFrame& game, const SearchArea& area);

// "B Q16", "W pass", "B resign" ...: the colour's letter and the point as the coordinates of a board of
// the game's kind and size show it.
std::string nextMoveText(const SGridFrame& game, const NextMove& move);

// The query for the position of a node of a game: the whole board, or the pattern in `area`.
PositionQuery queryFor(const SGridFrame& game, const GameNode* node, std::optional<SearchArea> area);

}  // namespace meridax
