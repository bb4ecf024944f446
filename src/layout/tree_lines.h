#pragma once
// The line model of the game-tree pane: the current line of the current game as rows of move boxes,
// interleaved with lines for node names and scores, comments, position markers and the variations that
// leave the line. Built once per change of the tree, the current line or an annotation, then reused for
// painting, scrolling and hit testing.

#include <cstdint>
#include <string>
#include <vector>

#include "model/grid_frame.h"

namespace meridax {

// The line types, numbered as the pane has always numbered them.
enum class TreeLineType : std::uint8_t {
  Empty = 0,
  OtherMoves = 130,  // a row of move boxes in the other modes of the model
  Moves = 131,       // a row of move boxes of the current line
  Text = 132,        // a node name and score, or one comment line
  Markers = 133,     // the position markers of a node
  Variation = 135,   // one variation leaving the current line
};

// One box of a move row. Columns count from 1.
struct TreeBox {
  int column = 1;
  std::string text;
  GameNode* node = nullptr;
};

struct TreeLine {
  TreeLineType type = TreeLineType::Empty;
  GameNode* node = nullptr;     // the first node of a row or variation; the node of a text or marker line
  std::vector<TreeBox> boxes;   // a row's boxes; a variation line's one box
  std::string text;             // a text line's text (UTF-8); the rest of a variation line after its box
  std::vector<std::string> markers;  // the labels of a marker line
};

struct TreeLineOptions {
  int columns = 4;  // boxes per row: 4, or 6 with "Do 6Moves"
};

inline constexpr std::size_t kTreeCommentBytes = 250;  // what a comment line shows of the comment
inline constexpr int kVariationBoxWidth = 4;           // a variation's first box is padded to this many characters

// Builds the lines of the game's current line, starting at its first node.
std::vector<TreeLine> buildTreeLines(const SGridFrame& game, const TreeLineOptions& options);
// The same for the line that passes through `through` (a node of the game, perhaps on a side line) and
// goes on along its continuations; the tree is not changed. The current line when `through` is null;
// no lines when it is not a node of the game.
std::vector<TreeLine> buildTreeLinesThrough(const SGridFrame& game, GameNode* through,
                                            const TreeLineOptions& options);

// The line that holds the node's move box, or -1 when no row holds it.
int lineOfMove(const std::vector<TreeLine>& lines, const GameNode* node);
// The marker line of the node, or -1.
int markerLineOf(const std::vector<TreeLine>& lines, const GameNode* node);

// The lines as text, one a line, for tests and diagnostics: a row as its boxes at their character
// columns, a text line as its text, a marker line as its labels, a variation line as its box and rest.
std::string treeLinesText(const std::vector<TreeLine>& lines);

}  // namespace meridax
