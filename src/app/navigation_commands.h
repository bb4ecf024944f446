#pragma once
// Moving the current position through the tree: up and down, start and end, branch nodes, neighbouring lines, the primary position, comment search, move numbers, branch ends and the quick slots.
// A part of the main frame (FrameWin::navigation()) that reaches the frame only through FrameServices.

#include <string>

#include "app/frame_services.h"
#include "edit/branch_ends.h"
#include "edit/comment_search.h"
#include "edit/navigation.h"

namespace meridax {

// What the find dialog starts with.
struct FindDialogSeed {
  std::string text;  // the last search text
  bool matchCase = false;
};

// The modeless find dialog of the desktop. It searches downward unless told otherwise, hides the
// whole-word option, and hands every find-next request to NavigationCommands::FindNext.
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
  explicit NavigationCommands(FrameServices& frame) : frame_(frame) {}
  NavigationCommands(const NavigationCommands&) = delete;
  NavigationCommands& operator=(const NavigationCommands&) = delete;

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
  // Empties the cached comment and branch-end lists; they are rebuilt on next use. Lists that no longer
  // match the current game are also rebuilt without this.
  void discardSearchLists();
  void setFindDialogPort(FindDialogPort* port) { findPort_ = port; }

  // ---- Commands ----
  void CmPreviousMove();
  void CmUpEightMoves();
  void CmNextMove();
  void CmDownEightMoves();
  void CmStartPosition();
  void CmEndPosition();
  void CmNextBranchNode();
  void CmPreviousBranchNode();
  void CmNeighbourBranch();      // the child lines rotate towards the end
  void CmNeighbourBranchBack();  // towards the front
  void CmSetPrimary();
  void CmGoToPrimary();
  void CmSetPrimaryAtNode();  // the node under the mouse
  void CmCommentNext();
  void CmCommentPrev();
  void CmFindComment();
  // One find-next request of the find dialog.
  void FindNext(const FindRequest& request);
  void CmMoveTo();
  void CmBranchEndNext();
  void CmBranchEndPrev();
  void CmNavigatePlayed();  // the board point under the mouse
  void CmDeleteQuickSlots();
  void CmQuickGo(int slot);
  void CmQuickStore(int slot);

 private:
  FrameServices& frame() { return frame_; }
  void rotateNeighbour(RotateDirection direction);
  void stepComment(SearchDirection direction, const char* caption);
  void cycleBranchEnds(CycleDirection direction);
  void setPrimary(GameNode* node);
  void markChanged();

  FrameServices& frame_;
  CommentCursor comments_;
  BranchEndCursor branchEnds_;
  FindDialogPort* findPort_ = nullptr;
  std::string lastSearch_;
  bool lastMatchCase_ = false;
};

}  // namespace meridax
