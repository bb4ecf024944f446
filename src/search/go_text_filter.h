#pragma once
// A cheap test of a Go game's text before its tree is built: every stone on a Go board was put there
// by a move or set-up value of its colour (B or AB, W or AW) naming its point, so a game whose text does
// not name every stone of some placement of the target in its colour cannot reach it. Values are taken
// as points loosely (blanks, line breaks and backslashes dropped), which can only let more games
// through, never fewer.

#include <string_view>

#include "search/position_query.h"

namespace meridax {

// False only when no game with this text can reach the target; plain Go games only.
bool goTextMayHold(const CompiledQuery& query, std::string_view gameText);

}  // namespace meridax
