#pragma once
// Points inside the properties kept unread with a node ("VW[aa:cc]AR[aa:bb]"), moved when the board is
// flipped or rotated. Only the general properties whose values are points in the game's own point form
// are moved: DD and VW (single points or rectangles) and AR and LN (two points joined by ":"). Every
// other kept property, a private one of another program above all, is left as it was read, because
// nothing says its values are points of this board.

#include <string>
#include <string_view>
#include <vector>

#include "sgf/sgf_points.h"

namespace meridax {

// The kept properties with the points of DD, VW, AR and LN moved by `map` (a cell map over the
// width x width square). A value that is not in the game's point form, or names a cell off the board,
// is kept as it stands. A rectangle whose cells no longer form one is written as its single points.
std::string transformKeptPropertyPoints(std::string_view raw, const PointGeometry& g, const std::vector<int>& map);

}  // namespace meridax
