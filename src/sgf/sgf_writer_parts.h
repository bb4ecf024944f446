#pragma once
// Pieces shared by the files of the SGF writer.

#include <string>

#include "model/grid_frame.h"
#include "sgf/sgf_points.h"
#include "sgf/sgf_writer.h"

namespace meridax::sgf_writer {

inline constexpr char kLineEnd[] = "\r\n";
inline constexpr int kMovesPerLine = 16;  // a further move starts a new output line

// The Kropki field outlines of colour c stored at the node, each beginning with "."; empty when none.
std::string kropkiOutlines(const SGridFrame& game, const GameNode* node, Colour c);

// True when the root header written for the game makes a reader give White the first move (a handicap).
bool headerGivesWhiteTheMove(const SGridFrame& game);

// "XB[%d]" or "XB[%d:%s]" for the node's bookmarks (further bookmarks of the same node as further
// values); empty when the node has none.
std::string bookmarkProperty(const SGridFrame& game, const GameNode* node);

// The node's quick-navigation slot, or -1.
int quickSlotOf(const SGridFrame& game, const GameNode* node);

// The markup of the node in SGF form (empty when it has none left to write).
std::string nodeMarkupText(const SGridFrame& game, const GameNode* node);

// Appends the node's move: a compose node's setup, a special move or a placement; `counter` counts
// the moves on the output line and is set to kMovesPerLine by anything that should end the line.
void writeNodeMove(const SGridFrame& game, const GameNode* node, const WriteGameOptions& options, std::string& out,
                   int& counter);

// Appends the node's bookmark, primary mark, quick slot, score, name, markup, print-diagram mark,
// current-node mark and comment, each on a new line.
void writeNodeAnnotations(const SGridFrame& game, const GameNode* node, std::string& out, int& counter);

}  // namespace meridax::sgf_writer
