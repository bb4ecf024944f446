#pragma once
// Annotations of positions: bookmarks, node names, scores, print diagrams, comments removed from the tree,
// markup and labels, and the contents of the board and tree context menus.
// These are commands of the main frame: FrameWin inherits them, so each is a FrameWin method.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "app/frame_command.h"
#include "edit/bookmarks.h"
#include "edit/context_menus.h"
#include "edit/markup_edit.h"

namespace meridax {

class FrameWin;

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
  // The commands of this group for the frame's dispatch.
  static FrameCommandTable commandTable();

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
  void CmBookmark();                 // 1768
  void CmBookmarkAtNode();           // 1804
  void CmBMDisplay();                // 1770
  void CmBMDeleteAll();              // 1772
  void CmNNDisplay();                // 1774
  void CmNodeName();                 // 1512: edit, or add when the current node has no name
  void CmAddNodeNameAtNode();        // 1799
  void CmEditNodeNameAtNode();       // 1794
  void CmDeleteNodeNameAtNode();     // 1797
  void CmScore();                    // 1510
  void CmAddScoreAtNode();           // 1808
  void CmEditScoreAtNode();          // 1806
  void CmDeleteScoreAtNode();        // 1807
  void CmPrintDiagram();             // 1480
  void CmAddPrintDiagramAtNode();    // 1795
  void CmRemovePrintDiagramAtNode(); // 1796
  void CmRemoveCommentAtNode();      // 1798
  void CmMarkArea(MarkupProperty property);  // 1740 to 1745 on the marked area
  void CmMarkGroup();                // 1748
  void CmRemoveGroupMarkup();        // 1750
  void CmLabel();                    // 1746 and 1747, at the cursor
  void CmRemoveMarkup();             // 1739 on the marked area
  void CmRemoveBoardMarkup();        // 1760
  void CmAutoLabelBranches();        // 1518
  void CmAutoLabelMoves();           // 1520

 protected:
  AnnotationCommands() = default;
  ~AnnotationCommands() = default;

 private:
  FrameWin& frame();
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
  void removeMarkupOn(const std::vector<BoardSquare>& squares);
  std::vector<BoardSquare> groupAtMarkedCorner();
  bool markAtCursor(char key);

  PositionListPort* listPort_ = nullptr;
  bool labelArmed_ = false;
};

}  // namespace meridax
