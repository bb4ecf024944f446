#pragma once
// The SGF text of one game: the root header with the game information and the program's own root
// marks, then the moves with their annotations, with or without the side lines.

#include <optional>
#include <string>

#include "model/grid_frame.h"
#include "rules/placement.h"

namespace meridax {

struct WriteGameOptions {
  const GameNode* start = nullptr;  // the game's first node when null
  bool withHeader = true;           // the root header before the nodes and ")\r\n\r\n" after them
  bool withSideLines = true;        // side lines in parentheses; otherwise only the line from start
  bool isCurrentGame = false;       // the game is the collection's current game: "XS[]"
  // Stone correction: this node's move is written at replacementPoint instead of its own.
  const GameNode* replacedNode = nullptr;
  BoardPoint replacementPoint;
};

// Appends the game's SGF text to out. The first node is never written as a node (the header holds
// it). False, with out unchanged, when the tree cannot be walked (a freed node, a loop in its links).
bool WriteGameText(const SGridFrame& game, std::string& out, const WriteGameOptions& options = {});

// Appends the root header: "(;", the game information, the first node's marks, setup, markup and
// comment, and an empty line. Also used alone to regenerate the header of a game whose nodes are
// copied from the file text.
void writeRootHeader(const SGridFrame& game, std::string& out, bool isCurrentGame);

// The GM value of a kind: "1" Go (with Pente and Connect6), "2" Othello, "11" Hex, "4000" Unlur,
// "4100" Havannah, "40" Kropki; empty for the others.
const char* gameKindIdentifier(GameKind kind);

// The setup properties of a node: for the first node its whole position, for a compose node the cells
// that differ from its parent's position; with Kropki fields and the side to move. Empty when there
// is nothing to set up.
std::string setupText(const SGridFrame& game, const GameNode* node);

// The whole game with one move's point replaced, for stone correction: header and side lines
// included, no selected-game mark (the reloaded copy joins the collection beside the game). nullopt when node is not a placement of the game below its first node, or the point lies
// outside the board square.
std::optional<std::string> writeGameWithCorrectedMove(const SGridFrame& game, const GameNode* node,
                                                      BoardPoint newPoint);

}  // namespace meridax
