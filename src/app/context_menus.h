#pragma once
// The contents of the board and game-tree context menus, as data: the items in order, each with its
// text and the frame command it runs.

#include <string>
#include <vector>

#include "edit/markup_edit.h"
#include "model/grid_frame.h"

namespace meridax {

struct MenuItem {
  std::string text;
  std::string name;  // the handler name of the command

  friend bool operator==(const MenuItem&, const MenuItem&) = default;
};

// The display toggles of the frame that the board menu offers and whose state it shows.
struct BoardMenuView {
  bool markupShown = true;
  bool cursorShown = true;
  bool availableShown = true;  // Othello: the legal squares
  bool capturesShown = true;   // Othello: the pieces a move would turn
  bool goCoordinatesShown = false;
};

// The board menu after the right button went down at one corner of the area and came up at the other;
// a single point when both corners are the same.
std::vector<MenuItem> boardContextMenu(const SGridFrame& game, const BoardArea& area, const BoardMenuView& view);

// The tree menu for the node of a box or line of the game-tree pane; moveBox is false for the first
// node, which has no move box.
std::vector<MenuItem> treeContextMenu(const SGridFrame& game, const GameNode* node, bool moveBox);

// True when a branching node lies above the node (the node itself does not count).
bool hasBranchingAbove(const GameNode* node);

}  // namespace meridax
