#pragma once
// Growing and pruning a game tree: appending nodes, the line handling shared by placements and
// special moves, and freeing chains of nodes.

#include "model/board_position.h"
#include "model/grid_frame.h"

namespace meridax {

// How many ancestors a placement may have without a snapshot before it takes one.
inline constexpr int kSnapshotSpacing = 32;

// Appends a node after the game's end node with the given parent, kind, colour and point; it becomes
// the end node and the tail of the current line. The position is stored as a snapshot when the node
// takes one. Throws AppError ("list_insert()", "Unable to find a free segment") when no slot can be had.
GameNode* list_insert(SGridFrame& game, GameNode* parent, const BoardPosition& position, Colour colour,
                      SpecialMoveKind kind, unsigned point, bool forceSnapshot);

// The node's position snapshot, unpacked; false when the node carries none.
bool readSnapshot(const SGridFrame& game, const GameNode* node, BoardPosition& out);

// Replaces the position stored on a node that carries a snapshot; false when it carries none.
bool rewriteSnapshot(SGridFrame& game, GameNode* node, const BoardPosition& position);

// The side line leaving `node` whose first node satisfies pred, or nullptr.
template <typename Pred>
SBranchDetails* findSideLine(const SGridFrame& game, const GameNode* node, Pred pred) {
  if (!node->branching()) return nullptr;
  for (SBranchDetails* line : game.variations.linesBelow(node))
    if (line->head != nullptr && line->head->prev() == node && pred(*line->head)) return line;
  return nullptr;
}

// Makes the side line the continuation of the current node: the current node's next becomes the
// line's head, the line record takes the old continuation, and the end node becomes the line's tail.
void exchangeWithContinuation(SGridFrame& game, SBranchDetails& line);

// Opens a line for a new child of the current node, which must have a child already. Editing: the
// old continuation moves into a new side-line record and the current node becomes the end node.
// Loading: a new record becomes the current line with no end node, and is filled by adoptNewLine.
SBranchDetails* openNewLine(SGridFrame& game, bool loading);
// Loading form, after the insertion: the record's head and tail are the new node, which hangs below
// the branching node with the next move number.
void adoptNewLine(SGridFrame& game, SBranchDetails& line, GameNode* branchingNode, GameNode* newNode);

// Frees the node, every node reached by next from it and every side line below them, with their index
// entries, bookmarks, quick slots and primary mark. Does not unlink the node from its parent.
void deleteChain(SGridFrame& game, GameNode* node);

// Frees every node of the game and empties its indexes.
void freeAllNodes(SGridFrame& game) noexcept;

// Checks the tree's invariants (links, move numbers, line records, index keys);
// returns an empty text when they hold, else what is wrong.
std::string validateTree(const SGridFrame& game);

}  // namespace meridax
