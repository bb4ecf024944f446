#pragma once
// Moving the current position through the tree: up and down, start and end, branch nodes, neighbouring lines, the primary position, comment search, move numbers, branch ends and the quick slots.
// These are commands of the main frame: FrameWin inherits them, so each is a FrameWin method.

#include <string>

#include "app/frame_command.h"
#include "edit/branch_ends.h"
#include "edit/comment_search.h"
#include "edit/navigation.h"

namespace meridax {

class FrameWin;

// What the find dialog starts with.
struct FindDialogSeed {
  std::string text;  // the last search text
  bool matchCase = false;
};

// The modeless find dialog of the desktop. It searches downward unless told otherwise, hides the
// whole-word option, and hands every find-next request to FrameWin::FindNext.
class FindDialogPort {
 public:
  virtual ~FindDialogPort() = default;
  virtual void openFindDialog(const FindDialogSeed& seed) = 0;
};

// Quiet: only the node and its counters change; the caller redraws (the inject of SGF text).
enum class JumpMode { Redraw, Quiet };

// Where a left click in the game-tree pane landed.
enum class TreeClick { MoveBox, VariationLine };

class NavigationCommands {
 public:
  // The commands of this group for the frame's dispatch.
  static FrameCommandTable commandTable();

  // ---- The common step of every jump ----
  // Makes the node current: label entry is disarmed, counters and the Othello squares follow, the
  // cursor moves to the next move, and the panes and the status line are refreshed. Nothing happens
  // for the current node or nullptr.
  void jumpToNode(GameNode* target, JumpMode mode = JumpMode::Redraw);
  // Makes the node's line the current line when it is not (without marking the game), then jumps there.
  void jumpToLineOf(GameNode* target);
  // A left click in the game-tree pane on the node's box, or on the variation line that the node starts:
  // the variation first becomes the continuation of its branching node (the game is changed by it).
  // The node becomes the node under the mouse.
  void treeClick(GameNode* node, TreeClick where);
  // The node under the mouse (FrameWin::context), or nullptr when it is no longer a node of the current
  // game: deleted since, or left from another game.
  GameNode* nodeUnderMouse();
  // Empties the cached comment and branch-end lists; they are rebuilt on next use. Lists that no longer
  // match the current game are also rebuilt without this.
  void discardSearchLists();
  void setFindDialogPort(FindDialogPort* port) { findPort_ = port; }

  // ---- Commands ----
  void CmPreviousMove();        // 1194
  void CmUpEightMoves();        // 1196
  void CmNextMove();            // 1197
  void CmDownEightMoves();      // 1198
  void CmStartPosition();       // 1200
  void CmEndPosition();         // 1201
  void CmNextBranchNode();      // 1624
  void CmPreviousBranchNode();  // 1634
  void CmNeighbourBranch();     // 1410 (Backspace): the child lines rotate towards the end
  void CmNeighbourBranchBack(); // Shift+Backspace: towards the front
  void CmSetPrimary();          // 1636
  void CmGoToPrimary();         // 1638
  void CmSetPrimaryAtNode();    // 1802: the node under the mouse
  void CmCommentNext();         // 1404
  void CmCommentPrev();         // 1406
  void CmFindComment();         // 1757
  // One find-next request of the find dialog.
  void FindNext(const FindRequest& request);
  void CmMoveTo();              // 1360
  void CmBranchEndNext();       // 1734
  void CmBranchEndPrev();       // 1735
  void CmNavigatePlayed();      // 1778: the board point under the mouse
  void CmDeleteQuickSlots();    // 1508
  void CmQuickGo(int slot);     // Ctrl+digit
  void CmQuickStore(int slot);  // Ctrl+Shift+digit

 protected:
  NavigationCommands() = default;
  ~NavigationCommands() = default;

 private:
  FrameWin& frame();
  void rotateNeighbour(RotateDirection direction);
  void stepComment(SearchDirection direction, const char* caption);
  void cycleBranchEnds(CycleDirection direction);
  void setPrimary(GameNode* node);
  void markChanged();

  CommentCursor comments_;
  BranchEndCursor branchEnds_;
  FindDialogPort* findPort_ = nullptr;
  std::string lastSearch_;
  bool lastMatchCase_ = false;
};

}  // namespace meridax
