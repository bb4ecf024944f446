#pragma once
// The texts of the node-name and score dialogs as they are stored, and the print-diagram mark.

#include <string>
#include <string_view>

#include "model/grid_frame.h"

namespace meridax {

// A new name: tabs and line feeds become blanks, carriage returns are dropped.
std::string cleanedNewName(std::string_view text);
// An edited name: tabs, carriage returns and line feeds are dropped and blanks trimmed at both ends.
std::string cleanedEditedName(std::string_view text);

// A score text, read as a decimal integer up to the first character that is not part of one; a text
// that starts with no number gives 0, and values beyond the integer range stop at its ends.
int scoreFromText(std::string_view text);
// True when the score text holds anything besides blanks (an empty one removes the score).
bool isScoreGiven(std::string_view text);

// Swap-sides and swap-pieces nodes carry no print diagram.
bool printDiagramAllowed(const GameNode* node);

}  // namespace meridax
