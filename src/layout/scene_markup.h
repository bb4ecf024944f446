#pragma once
// The node's stored markup as symbols and labels of the board scene.

#include "layout/board_scene.h"

namespace meridax {

// Adds the node's markup values whose point lies on the board: "MA" (and the older "M"), "TR", "CR",
// "SQ"; "TB" and "TW" on Go boards and Kropki; "LB" labels and the older "L" letters "a", "b", ...
// A symbol or label on a piece is left out where a move number is shown. The scene's cells and
// numbers must be filled first.
void addMarkup(BoardScene& scene, const SGridFrame& game, const GameNode* node);

// A label text for display: escapes undone, carriage returns, line feeds and tabs removed.
std::string displayedLabel(std::string_view stored);

}  // namespace meridax
