#pragma once
// Plain-text pictures of a board position: a lettered and numbered grid for square boards, a slanted
// rhombus for Hex and a staggered hexagon for Havannah, Unlur and Side Stitch. Lines end with CR LF;
// the side to move, when given, follows the last row as "    ( B )" or "    ( W )".

#include <cstdint>
#include <optional>
#include <span>
#include <string>

#include "model/board_position.h"
#include "model/game_kind.h"

namespace meridax {

class SGridFrame;
class GameNode;

// The confirmation shown once a diagram is on the clipboard, and the captions of its two callers.
inline constexpr char kAsciiCopiedText[] = "ASCII text has been copied to the Windows Clipboard";
inline constexpr char kAsciiCopiedCaptionMain[] = "GetASCII()";
inline constexpr char kAsciiCopiedCaptionCompose[] = "CmASCII()";

// The letter of column `index` (from 0): "A" onward; Othello advances plainly, every other kind skips
// "I" and "i" and runs "A".."Z", "a".."z" and round again.
char diagramColumnLetter(GameKind kind, int index);

// The grid of a square board. Cells are read row by row with a row length of max(columns, rows);
// cells past the end of `cells` are drawn as off the board. Rows are numbered from the top down to 1,
// except Othello, numbered from 1 at the top.
std::string squareDiagram(GameKind kind, int columns, int rows, std::span<const std::uint8_t> cells,
                          std::optional<Colour> sideToMove);

// The slanted rhombus of Hex (kind Hex) or the staggered hexagon (every other kind, width 2n - 1).
std::string hexagonalDiagram(GameKind kind, int width, std::span<const std::uint8_t> cells,
                             std::optional<Colour> sideToMove);

// The diagram of a position of the game, by the shape of its board.
std::string asciiDiagram(const SGridFrame& game, const BoardPosition& position, std::optional<Colour> sideToMove);

// The diagram of a node's position with the side to move taken from its black-next bit.
std::string asciiDiagramOfNode(const SGridFrame& game, const GameNode* node);

}  // namespace meridax
