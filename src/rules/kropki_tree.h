#pragma once
// Kropki fields held by the game tree: each node that carries fields keeps one merged mask in the
// game's field index and has its capture flag set (shown to the user as a Kropki 'Stop'). A field
// applies to its node and every node below it, up to the next compose node.

#include <string>

#include "model/board_position.h"
#include "model/grid_frame.h"
#include "rules/kropki_fields.h"

namespace meridax {

// Caption of the messages of the delete command on the board (the composition dialog has its own).
inline constexpr char kDeleteTreeFieldCaption[] = "Delete the Field of Territory";

// What a field command did: the tree changed (and the game is marked changed), or a message says why not.
struct KropkiEdit {
  bool changed = false;
  std::string message;  // for a message box; empty when there is nothing to show
  std::string caption;
};

// The territory map of a node: its fields and those of its ancestors, up to and including the first
// compose node met on the way up.
TerritoryMap territoryMap(const SGridFrame& game, const GameNode* node);

// The fields stored at the node, or an empty mask when it carries none.
FieldOfTerritory fieldsAt(const SGridFrame& game, const GameNode* node);

// Ors the field into the node's stored mask, storing a copy and setting the capture flag when the
// node has none. An empty field is not attached. Does not mark the game changed (the SGF reader
// attaches fields while loading).
void attachField(SGridFrame& game, GameNode* node, const FieldOfTerritory& field);

// The user command: claims the region of colour c at (x, y) on the current node's position and
// attaches it to the nearest node above that carries c's colour, unless it clashes with a field of
// that node or one below it.
KropkiEdit createField(SGridFrame& game, const BoardPosition& current, int x, int y, Colour c);

// The user command: erases the field at (x, y) from the nearest node at or above the current node,
// up to the first compose node, whose fields cover the point.
KropkiEdit deleteField(SGridFrame& game, int x, int y);

// Removes every field of the node and clears its capture flag; false when it carried none.
bool deleteNodeFields(SGridFrame& game, GameNode* node);

}  // namespace meridax
