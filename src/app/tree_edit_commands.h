#pragma once
// Changing the tree: truncating, deleting and promoting lines, bulk removal of annotations, injected SGF text and composed positions.
// A part of the main frame (FrameWin::treeEdit()) that reaches the frame only through FrameServices.

#include <functional>
#include <optional>

#include "app/frame_services.h"
#include "edit/bulk_removal.h"
#include "edit/compose_apply.h"
#include "edit/compose_model.h"
#include "edit/flip_rotate.h"

namespace meridax {

enum class BranchScope;

// The board composition dialog's window. It draws the model and feeds it the person's mouse and key
// events; OK calls `accept`, and the window closes when accept returns true, or on Cancel.
class ComposeDialogPort {
 public:
  virtual ~ComposeDialogPort() = default;
  virtual void run(ComposeModel& model, const std::function<bool()>& accept) = 0;
  // The "Composition Options" question of OK, when the window asks it itself; nullopt leaves it to the
  // frame's list dialog.
  virtual std::optional<ComposeChoice> askComposeChoice() { return std::nullopt; }
};

class TreeEditCommands {
 public:
  explicit TreeEditCommands(FrameServices& frame) : frame_(frame) {}
  TreeEditCommands(const TreeEditCommands&) = delete;
  TreeEditCommands& operator=(const TreeEditCommands&) = delete;

  // ---- Truncating and deleting lines ----
  void CmTruncate();  // everything below the current node
  void CmTruncateAtNode();  // everything below the node under the mouse
  void CmTruncateDelete();  // the last move of the line, at the end node
  void CmDeleteBranch();  // the branch of the current node
  void CmDeleteBranchAtNode();  // the branch of the node under the mouse
  void CmRemoveHigherBranches();
  void CmRemoveLowerBranches();
  void CmRemoveNeighbours();

  // ---- Bulk removal ----
  void CmRemoveAllMarks();
  void CmRemoveAllComments();
  void CmRemoveAllV();
  void CmRemoveAllN();

  // ---- Injected text, composition, flip and rotate ----
  void CmInjectSGF();
  void CmCompose();
  void CmFlipBoard();
  void CmRotateBoard();

  // The composition dialog's window, when there is one. Without it, composing accepts the current
  // position unchanged at once (scripts reach the choice of new game or modification that way).
  void setComposeDialog(ComposeDialogPort* dialog) { composeDialog_ = dialog; }
  // OK in the composition dialog: the empty-composition check, the "Composition Options" choice and
  // the new game or modification. True when the dialog closes.
  bool composeAccept(const ComposeModel& model);
  // The dialog's "Copy ASCII Text to Clipboard".
  void composeCopyAscii(const ComposeModel& model);

  // ---- Enabled states, for the menus ----
  bool truncateEnabled();
  bool truncateDeleteEnabled();
  bool deleteBranchEnabled();
  bool deleteBranchAtNodeEnabled();
  bool neighboursEnabled();
  bool removeAllEnabled(AnnotationKind kind);
  bool injectEnabled();
  bool transformEnabled(BoardTransform transform);

 private:
  FrameServices& frame() { return frame_; }
  bool ask(const std::string& caption, const std::string& text);
  void tell(const std::string& caption, const std::string& text);
  void redraw(int what);
  // The node under the mouse when it is still a node of the current game.
  GameNode* contextNode();
  // The common step after a change to the tree: game and document changed, cached lists stale.
  void treeEdited();
  // Goes to the node as navigation does: counters, cursor square, status line.
  void enterNode(GameNode* node);
  void truncateAt(GameNode* node);
  void deleteBranchOf(GameNode* node);
  void removeBranching(BranchScope scope);
  void removeAll(AnnotationKind kind);
  void transform(BoardTransform transform);
  ComposeChoice askComposeChoice();
  void composeNewGame(const Composition& composition);
  void composeModification(const Composition& composition);

  FrameServices& frame_;
  ComposeDialogPort* composeDialog_ = nullptr;
};

}  // namespace meridax
