#pragma once
// Board markup of one node, as its stored markup text holds it: marking an area or a group of stones,
// removing what stands at a point, and labels from the label dialog and from the keyboard.
// Inside the stored text a point is two characters, column + 33 and row + 33.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "edit/navigation.h"
#include "model/board_position.h"
#include "model/grid_frame.h"

namespace meridax {

enum class MarkupProperty { Mark, Triangle, Circle, Square, BlackTerritory, WhiteTerritory };

// "MA", "TR", "CR", "SQ", "TB" or "TW".
std::string_view markupIdentifier(MarkupProperty property);

// Stored markup texts longer than this are compacted when a point's markup is removed.
inline constexpr std::size_t kMarkupCompactionLength = 1000;

// Two corners of a rectangle on the board, in either order.
struct BoardArea {
  int x1 = 0, y1 = 0, x2 = 0, y2 = 0;
};

// The board points of the area, clipped to the board, with the points outside a hexagon board skipped:
// column by column from the left, top to bottom within a column.
std::vector<BoardSquare> areaSquares(const SGridFrame& game, const BoardArea& area);

// Blanks every value of the node's markup that names (x, y). When no value is left the text goes and
// the node's markup flag is cleared; a long text is compacted. Marks the game changed and returns true
// when anything was removed.
bool removeMarkupAt(SGridFrame& game, GameNode* node, int x, int y);
// Drops the node's whole markup text; false when it had none.
bool removeAllMarkupAt(SGridFrame& game, GameNode* node);

// Replaces any markup on the points of the area by the property; false when the area holds no point.
bool markArea(SGridFrame& game, GameNode* node, const BoardArea& area, MarkupProperty property);

// The stones orthogonally connected to the stone at (x, y), in row order; empty when no stone is there.
std::vector<BoardSquare> connectedGroup(const BoardPosition& position, int x, int y);
// Replaces any markup on the group's stones by one "MA" value per stone; false when there is no group.
bool markGroup(SGridFrame& game, GameNode* node, const std::vector<BoardSquare>& group);
// Removes the markup of every stone of the group; false when nothing was removed.
bool removeGroupMarkup(SGridFrame& game, GameNode* node, const std::vector<BoardSquare>& group);

// True when the node's markup has a value of that identifier at (x, y) ("MA" also finds the older "M",
// "LB" the older "L").
bool hasPropertyAt(const SGridFrame& game, const GameNode* node, int x, int y, std::string_view identifier);
// True when the node's markup has any value at (x, y).
bool hasMarkupAt(const SGridFrame& game, const GameNode* node, int x, int y);

// ---- Labels ----

// A label text as stored: "\", "]" and ":" each after a backslash, tabs and line feeds as blanks,
// carriage returns dropped.
std::string escapedLabelText(std::string_view text);
// The label at (x, y) as the person wrote it (escapes undone), if there is one.
std::optional<std::string> labelTextAt(const SGridFrame& game, const GameNode* node, int x, int y);
// The label dialog's answer: when it differs from the present label the markup at (x, y) is removed
// and the new label appended (an empty text leaves the point without markup). False when unchanged.
bool setLabelAt(SGridFrame& game, GameNode* node, int x, int y, std::string_view text);

// The characters that label entry from the keyboard takes: codes 65 to 91, 97 to 123 and 48 to 57.
bool isLabelKey(char c);
// Replaces the markup at (x, y) by a one-character label; false when the character is not a label key.
bool labelAtFromKey(SGridFrame& game, GameNode* node, int x, int y, char c);

}  // namespace meridax
