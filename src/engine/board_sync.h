#pragma once
// The commands that bring an engine's board to a node of a game: the board size, an empty board, the komi,
// the stones of the starting position (or of the last composed position on the way), then one "play" for
// each move of the line down to the node.

#include <optional>
#include <string>
#include <vector>

#include "model/grid_frame.h"

namespace meridax {

struct BoardSyncOptions {
  bool freeHandicap = false;  // the engine offers set_free_handicap
};

// The commands in order; nullopt when the game is not one an engine can play (see engineGameFault).
std::optional<std::vector<std::string>> boardSyncCommands(const SGridFrame& game, const GameNode* node,
                                                          const BoardSyncOptions& options);

// Why an engine cannot play this game ("Engines play plain Go only"), or nullopt when it can.
std::optional<std::string> engineGameFault(const SGridFrame& game);

// The komi the game's "KM" gives, as GTP writes it ("6.5"); "0" when it gives none or none readable.
std::string gtpKomi(const std::string& komiText);

}  // namespace meridax
