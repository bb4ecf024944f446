#pragma once
// Annotations of positions: bookmarks, node names, scores, print diagrams, comments removed from the tree,
// markup and labels, and the contents of the board and tree context menus.
// A part of the main frame (FrameWin::annotations()) that reaches the frame only through FrameServices.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/context_menus.h"
#include "app/frame_services.h"
#include "edit/bookmarks.h"
#include "edit/markup_edit.h"
#include "model/move_annotations.h"

namespace meridax {

// How the list dialog of bookmarks or node names was closed.
struct PositionListClose {
  bool accepted = false;                   // OK rather than Cancel
  std::optional<std::size_t> selectedRow;  // the row selected on OK
};

// The list dialog of the desktop: it shows the model's rows, and renames or deletes rows through the
// model as the person does it.
class PositionListPort {
 public:
  virtual ~PositionListPort() = default;
  virtual PositionListClose showPositionList(PositionListModel& model) = 0;
};

class AnnotationCommands {
 public:
  explicit AnnotationCommands(FrameServices& frame) : frame_(frame) {}
  AnnotationCommands(const AnnotationCommands&) = delete;
  AnnotationCommands& operator=(const AnnotationCommands&) = delete;

  void setPositionListPort(PositionListPort* port) { listPort_ = port; }

  // ---- The mouse and keys of the board and the tree ----
  // The right button went down on board point (x1, y1) and came up on (x2, y2): the marked area and the
  // point under the mouse are set (a single point also takes the cursor) and the menu is returned.
  std::vector<MenuItem> boardContextAt(int x1, int y1, int x2, int y2);
  // The right button went down and up on the node's box: it becomes the node under the mouse.
  std::vector<MenuItem> treeContextAt(GameNode* node);
  // A key on the board: "Insert", "Delete" or one typed character. Insert arms label entry (cursor and
  // markup shown), Delete removes the markup at the cursor; an armed entry takes a label character;
  // otherwise C, S, T and X mark the cursor square. False when the key means nothing here.
  bool boardKey(std::string_view key);
  void cancelLabelEntry() { labelArmed_ = false; }
  bool labelEntryArmed() const { return labelArmed_; }

  // Check marks of the two automatic-label options.
  bool autoLabelBranchesOn();
  bool autoLabelMovesOn();

  // ---- Commands ----
  void CmBookmark();
  void CmBookmarkAtNode();
  void CmBMDisplay();
  void CmBMDeleteAll();
  void CmNNDisplay();
  void CmNodeName();  // edit, or add when the current node has no name
  void CmAddNodeNameAtNode();
  void CmEditNodeNameAtNode();
  void CmDeleteNodeNameAtNode();
  void CmScore();
  void CmAddScoreAtNode();
  void CmEditScoreAtNode();
  void CmDeleteScoreAtNode();
  void CmPrintDiagram();
  void CmAddPrintDiagramAtNode();
  void CmRemovePrintDiagramAtNode();
  void CmRemoveCommentAtNode();
  // The move and position annotations of the current node; choosing the one it has removes it.
  void CmMoveAnnotation(MoveAnnotation a);
  void CmPositionAnnotation(PositionAnnotation a);
  void CmHotspot();
  void CmMarkArea(MarkupProperty property);  // on the marked area
  void CmMarkGroup();
  void CmRemoveGroupMarkup();
  void CmLabel();  // add or view the label at the cursor
  void CmRemoveMarkup();  // on the marked area
  void CmRemoveBoardMarkup();
  void CmAutoLabelBranches();
  void CmAutoLabelMoves();

 private:
  FrameServices& frame() { return frame_; }
  void markChanged();
  void toggleBookmark(GameNode* node);
  void showPositionList(PositionListKind kind, const char* caption, const char* nothingText);
  PositionListClose choosePositionRow(PositionListModel& model);
  void addName(GameNode* node);
  void editName(GameNode* node);
  void deleteName(GameNode* node);
  void editScore(GameNode* node);
  void deleteScore(GameNode* node);
  void setPrintDiagram(GameNode* node, bool on);
  void annotationChanged();
  void removeMarkupOn(const std::vector<BoardSquare>& squares);
  std::vector<BoardSquare> groupAtMarkedCorner();
  bool markAtCursor(char key);

  FrameServices& frame_;
  PositionListPort* listPort_ = nullptr;
  bool labelArmed_ = false;
};

}  // namespace meridax
