#pragma once
// What the composition dialog's board shows: the pieces of the board being composed, the fields of
// territory of its working mask (Kropki), and the cursor in the colour that will be put down. No
// markup, move markers or numbers: a composition belongs to no node yet.

#include "edit/compose_model.h"
#include "layout/board_scene.h"

namespace meridax {

// `game` gives the kind and size the composition was started from.
BoardScene composeScene(const SGridFrame& game, const ComposeModel& model);

}  // namespace meridax
