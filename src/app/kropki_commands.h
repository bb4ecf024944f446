#pragma once
// The Kropki field commands of the board and tree context menus: claim a region of territory for one
// player at the cursor, erase the field under the cursor, and drop every field of a node (its 'Stop').

#include "model/game_kind.h"

namespace meridax {

class FrameServices;

// Claims the region at the cursor for the colour and attaches it to the nearest move of that colour
// above; a refusal is shown in a message box and changes nothing.
void createKropkiTerritory(FrameServices& frame, Colour colour);
// Erases the field under the cursor from the nearest node at or above the current one that holds it.
void removeKropkiTerritory(FrameServices& frame);
// Removes every field of the node under the mouse in the game tree.
void deleteKropkiStop(FrameServices& frame);

// Whether the commands apply: a Kropki game, and for the 'Stop' a node under the mouse that carries fields.
bool kropkiFieldCommandsEnabled(FrameServices& frame);
bool kropkiStopEnabled(FrameServices& frame);

}  // namespace meridax
