#pragma once
// Making and erasing Kropki fields on a position: the region a player claims from a selected point,
// and the removal of one connected field from a mask.

#include <optional>
#include <string>

#include "model/board_position.h"
#include "model/game_kind.h"
#include "rules/kropki_fields.h"
#include "rules/placement.h"

namespace meridax {

inline constexpr char kCreateFieldCaption[] = "Create a Field of Territory";
inline constexpr char kDeleteFieldCaption[] = "Delete a Field of Territory";
// The composition dialog's answer to erasing at a point that lies in no field.
inline constexpr char kNotInTerritoryText[] =
    "Invalid selection.\r\nThe selected square does not form part of a territory.";

enum class RegionFailure : std::uint8_t { None, TouchesEdge, OverlapsOpponent, EnclosesNoOpponent };

struct RegionResult {
  std::optional<FieldOfTerritory> field;  // the claimed field, on success
  RegionFailure failure = RegionFailure::None;
  std::string message;  // the failure text for the user (caption kCreateFieldCaption); empty when quiet

  bool ok() const { return field.has_value(); }
};

// The text of a failure for colour c, e.g. "...Area touches the edge of the board."; empty for None.
std::string regionFailureText(RegionFailure failure, Colour c);

// Grows the region of colour c from the selected point (x, y) through empty cells and opponent dots,
// bounded by c's own dots and by cells of the opponent's territory. Fails when the region reaches a
// cell off the board, meets the opponent's territory, or encloses no opponent dot. Quiet play leaves
// the message empty. `territory` is the territory map of the current node.
RegionResult buildRegion(const BoardPosition& pos, const TerritoryMap& territory, int x, int y, Colour c,
                         PlayMode mode);

// Erases the 4-connected cells that share a colour bit with the selected cell, clearing only those
// bits, so a cell held by both colours keeps the other one. False when (x, y) lies in no field.
bool eraseFieldAt(FieldOfTerritory& mask, int x, int y);

}  // namespace meridax
