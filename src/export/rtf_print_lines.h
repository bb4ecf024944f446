#pragma once
// The print lines of a game: the moves of the line it follows in rows of four, its variations in
// brackets, its comments and the positions to draw, in document order. Each line has a kind and refers
// to the node it was made for.

#include <cstdint>
#include <string>
#include <vector>

#include "export/rtf_options.h"
#include "model/grid_frame.h"

namespace meridax {

enum class PrintLineKind : std::uint8_t {
  Variation = 0x82,
  MainLine = 0x83,
  Comment = 0x84,  // a comment line, a node name, a score or a handicap note
  Diagram = 0x85,  // the position after the line's node
};

struct PrintLine {
  PrintLineKind kind = PrintLineKind::MainLine;
  std::string text;  // the game's own text, not yet escaped; moves are separated by tabs in main-line rows
  const GameNode* node = nullptr;
  friend bool operator==(const PrintLine&, const PrintLine&) = default;
};

// The most lines of one comment that are printed.
inline constexpr int kMaxCommentLines = 255;

// The text of a move: the colour letter ("B"/"W", "V"/"H" for Hex and Onyx) with the point ("BD4"),
// "+" after an Othello move that is followed by the same side; special moves "B(p)", "W(r)", "B(f)",
// "W(ss)", "B(sp)"; a composed position "_cp_".
std::string printMoveText(const SGridFrame& game, const GameNode& node);

// The print lines of the game under the options.
std::vector<PrintLine> buildPrintLines(const SGridFrame& game, const RtfExportOptions& options);

}  // namespace meridax
