#pragma once
// The coordinates shown to the user: a letter and a number per kind of board.

#include <string>

#include "model/grid_frame.h"

namespace meridax {

struct DisplayCoordinate {
  char letter = 'a';
  int number = 0;
};

DisplayCoordinate displayCoordinate(const SGridFrame& game, int x, int y);
// "%c%d" with the letter upper-cased (Kropki letters keep their case).
std::string displayPoint(const SGridFrame& game, int x, int y);

}  // namespace meridax
