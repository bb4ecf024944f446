#pragma once
// A cheap test of a Go game's text before its tree is built: every stone on a Go board was put there
// by a move or set-up value naming its point, so a game whose text names not every stone point of some
// placement of the target cannot reach it. Values are taken as points loosely (blanks, line breaks and
// backslashes dropped, any property), which can only let more games through, never fewer.

#include <string_view>

#include "search/position_query.h"

namespace meridax {

// False only when no game with this text can reach the target; plain Go games only.
bool goTextMayHold(const CompiledQuery& query, std::string_view gameText);

}  // namespace meridax
