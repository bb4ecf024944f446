#pragma once
// The texts of the four status-bar fields and of the window title, computed from the game and the collection.

#include <cstddef>
#include <string>

#include "model/grid_frame.h"

namespace meridax {

std::string sideToMoveField(const SGridFrame& game);                // StatusField::SideToMove
std::string kindField(const SGridFrame& game);                      // StatusField::Kind
std::string cursorField(const SGridFrame& game, bool cursorShown);  // StatusField::Cursor
std::string moveField(const SGridFrame& game);                      // StatusField::Move

// A message's text on one status-bar line: each run of line ends becomes two blanks.
std::string statusLineOf(const std::string& text);

// The kind's name in the window title ("Go", "Pente", ...); empty for kinds without one.
std::string kindTitleName(const SGridFrame& game);

// fileName: the file of the collection, or empty when it has none. position counts from 1.
std::string windowTitle(const SGridFrame& game, const std::string& fileName, std::size_t position, std::size_t count);

}  // namespace meridax
