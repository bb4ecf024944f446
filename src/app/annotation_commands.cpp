// Bookmarks, node names, scores, print diagrams and comments of single positions, and the command table.

#include "app/annotation_commands.h"

#include "app/command_ids.h"
#include "app/typed_text.h"
#include "edit/node_annotations.h"
#include "model/node_texts.h"

namespace meridax {

namespace {

namespace id = command_id;

void redraw(FrameServices& f, Redraw what) { f.redraw(what); }

void tell(FrameServices& f, const char* caption, const std::string& text) { f.tell(caption, text); }

GameNode* current(FrameServices& f) { return f.game().currentNode; }

}  // namespace

void AnnotationCommands::markChanged() {
  SGridFrame& g = frame().game();
  g.markTreeChanged();
  g.invalidateStatistics();
  frame().markFileModified();
}

// ---- Bookmarks ----

void AnnotationCommands::CmBookmark() { toggleBookmark(current(frame())); }
void AnnotationCommands::CmBookmarkAtNode() { toggleBookmark(frame().nodeUnderMouse()); }

void AnnotationCommands::toggleBookmark(GameNode* node) {
  SGridFrame& g = frame().game();
  if (node == nullptr) return;
  if (removeBookmarksOf(g, node) == 0) {
    std::string name;
    if (frame().appSettings().bookmarkNames) {
      const std::optional<std::string> asked = frame().ports().dialogs->askText(" Bookmark Name", "Name", "");
      if (!asked) return;
      name = textForStoring(frame(), g, *asked);
    }
    appendBookmark(g, node, std::move(name));
  }
  markChanged();
  redraw(frame(), Redraw::Tree);
}

void AnnotationCommands::CmBMDeleteAll() {
  SGridFrame& g = frame().game();
  if (g.bookmarks.empty()) {
    tell(frame(), "CmBMDeleteAll()", "No bookmarks were found in the current game");
    return;
  }
  if (!frame().ports().messages->askYesNo(
          "CmBMDeleteAll()", "Warning.\nAbout to delete all bookmarks from the current game.\n\nDo you wish to continue?"))
    return;
  const int count = deleteAllBookmarks(g);
  markChanged();
  redraw(frame(), Redraw::Tree);
  tell(frame(), "RemoveBookmarks()", bookmarksDeletedText(count));
}

void AnnotationCommands::CmBMDisplay() {
  showPositionList(PositionListKind::Bookmarks, "CmBMDisplay()", "There are no bookmarks in the game tree");
}

void AnnotationCommands::CmNNDisplay() {
  showPositionList(PositionListKind::NodeNames, "CmNNDisplay()", "There are no named positions in the game tree");
}

void AnnotationCommands::showPositionList(PositionListKind kind, const char* caption, const char* nothingText) {
  FrameServices& f = frame();
  PositionListModel model(f.game(), kind);
  model.setTypedTextStore([&f](const std::string& typed) { return textForStoring(f, f.game(), typed); });
  if (model.rowCount() == 0) {
    tell(f, caption, nothingText);
    return;
  }
  const PositionListClose close = listPort_ != nullptr ? listPort_->showPositionList(model) : choosePositionRow(model);
  // Renames are stored at once too, so any change (not only a changed count) must reach the file.
  if (model.changed()) markChanged();
  GameNode* chosen = close.accepted && close.selectedRow ? model.node(*close.selectedRow) : nullptr;
  if (chosen != nullptr && chosen != f.game().currentNode) f.jumpToLineOf(chosen);
  else if (model.changed()) redraw(f, Redraw::All);
}

PositionListClose AnnotationCommands::choosePositionRow(PositionListModel& model) {
  // Without the list dialog (scripts): a plain list of "move<TAB>name" rows to choose from.
  std::vector<std::string> rows;
  for (std::size_t i = 0; i < model.rowCount(); ++i) rows.push_back(model.moveText(i) + "\t" + model.name(i));
  const std::optional<int> chosen = frame().ports().dialogs->chooseFromList(model.title(), rows, 0);
  if (!chosen || *chosen < 0) return {};
  return PositionListClose{true, static_cast<std::size_t>(*chosen)};
}

// ---- Node names ----

void AnnotationCommands::CmNodeName() {
  GameNode* node = current(frame());
  if (node->hasName()) editName(node);
  else addName(node);
}

void AnnotationCommands::CmAddNodeNameAtNode() { addName(frame().nodeUnderMouse()); }
void AnnotationCommands::CmEditNodeNameAtNode() { editName(frame().nodeUnderMouse()); }
void AnnotationCommands::CmDeleteNodeNameAtNode() { deleteName(frame().nodeUnderMouse()); }

void AnnotationCommands::addName(GameNode* node) {
  if (node == nullptr) return;
  SGridFrame& g = frame().game();
  const std::optional<std::string> asked = frame().ports().dialogs->askText(" SGF Node Name", "Node name", "");
  if (!asked) return;
  const std::string name = textForStoring(frame(), g, cleanedNewName(*asked));
  if (name.find_first_not_of(" \t") == std::string::npos) {
    if (g.names.empty()) tell(frame(), "FrameWin::AddN()", "Node name is empty");
    return;
  }
  setName(g, node, name);
  markChanged();
  redraw(frame(), Redraw::Tree);
}

void AnnotationCommands::editName(GameNode* node) {
  if (node == nullptr) return;
  SGridFrame& g = frame().game();
  const std::string before = textForEditing(g, nameOf(g, node));
  const std::optional<std::string> asked = frame().ports().dialogs->askText(" SGF Node Name", "Node name", before);
  if (!asked) return;
  const std::string edited = cleanedEditedName(*asked);
  if (edited == before) return;
  const std::string name = textForStoring(frame(), g, edited);
  if (name == before) return;
  setName(g, node, name);
  markChanged();
  redraw(frame(), Redraw::Tree);
}

void AnnotationCommands::deleteName(GameNode* node) {
  if (node == nullptr || !node->hasName()) return;
  setName(frame().game(), node, "");
  markChanged();
  redraw(frame(), Redraw::Tree);
}

// ---- Scores ----

void AnnotationCommands::CmScore() { editScore(current(frame())); }
void AnnotationCommands::CmAddScoreAtNode() { editScore(frame().nodeUnderMouse()); }
void AnnotationCommands::CmEditScoreAtNode() { editScore(frame().nodeUnderMouse()); }
void AnnotationCommands::CmDeleteScoreAtNode() { deleteScore(frame().nodeUnderMouse()); }

void AnnotationCommands::editScore(GameNode* node) {
  if (node == nullptr) return;
  SGridFrame& g = frame().game();
  const std::optional<int> before = scoreOf(g, node);
  const std::optional<std::string> asked = frame().ports().dialogs->askText(
      " SGF Score", "Score", before ? std::to_string(*before) : std::string());
  if (!asked) return;
  const std::optional<int> after = isScoreGiven(*asked) ? std::optional<int>(scoreFromText(*asked)) : std::nullopt;
  if (after == before) return;
  if (after) setScore(g, node, *after);
  else removeScore(g, node);
  markChanged();
  redraw(frame(), Redraw::Tree);
  if (node == g.currentNode) frame().refreshStatus();
}

void AnnotationCommands::deleteScore(GameNode* node) {
  if (node == nullptr || !node->hasScore()) return;
  SGridFrame& g = frame().game();
  removeScore(g, node);
  markChanged();
  redraw(frame(), Redraw::Tree);
  if (node == g.currentNode) frame().refreshStatus();
}

// ---- Print diagrams and comments ----

void AnnotationCommands::CmPrintDiagram() {
  GameNode* node = current(frame());
  setPrintDiagram(node, !node->printDiagram());
}

void AnnotationCommands::CmAddPrintDiagramAtNode() { setPrintDiagram(frame().nodeUnderMouse(), true); }
void AnnotationCommands::CmRemovePrintDiagramAtNode() { setPrintDiagram(frame().nodeUnderMouse(), false); }

void AnnotationCommands::setPrintDiagram(GameNode* node, bool on) {
  if (node == nullptr || node->printDiagram() == on || (on && !printDiagramAllowed(node))) return;
  node->setPrintDiagram(on);
  markChanged();
  redraw(frame(), Redraw::Tree);
}

// ---- Move and position annotations ----

void AnnotationCommands::CmMoveAnnotation(MoveAnnotation a) {
  SGridFrame& g = frame().game();
  if (g.currentNode == g.firstNode) return;  // the first node holds no move
  const MoveAnnotation now = annotationsOf(g, g.currentNode).move;
  if (setMoveAnnotation(g, g.currentNode, now == a ? MoveAnnotation::None : a)) annotationChanged();
}

void AnnotationCommands::CmPositionAnnotation(PositionAnnotation a) {
  SGridFrame& g = frame().game();
  const PositionAnnotation now = annotationsOf(g, g.currentNode).position;
  if (setPositionAnnotation(g, g.currentNode, now == a ? PositionAnnotation::None : a)) annotationChanged();
}

void AnnotationCommands::CmHotspot() {
  SGridFrame& g = frame().game();
  if (setHotspot(g, g.currentNode, !annotationsOf(g, g.currentNode).hotspot)) annotationChanged();
}

void AnnotationCommands::annotationChanged() {
  markChanged();
  redraw(frame(), Redraw::All);
  frame().refreshStatus();
}

void AnnotationCommands::CmRemoveCommentAtNode() {
  GameNode* node = frame().nodeUnderMouse();
  if (node == nullptr || !node->hasComment()) return;
  SGridFrame& g = frame().game();
  setComment(g, node, "");
  markChanged();
  redraw(frame(), node == g.currentNode ? static_cast<Redraw>(static_cast<int>(Redraw::Tree) |
                                                              static_cast<int>(Redraw::Comment))
                                        : Redraw::Tree);
}

// ---- Automatic labels ----

bool AnnotationCommands::autoLabelBranchesOn() { return frame().frameSettings().autoLabelBranches; }
bool AnnotationCommands::autoLabelMovesOn() { return frame().frameSettings().autoLabelMoves; }

void AnnotationCommands::CmAutoLabelBranches() {
  bool& on = frame().frameSettings().autoLabelBranches;
  on = !on;
}

void AnnotationCommands::CmAutoLabelMoves() {
  bool& on = frame().frameSettings().autoLabelMoves;
  on = !on;
}

}  // namespace meridax
