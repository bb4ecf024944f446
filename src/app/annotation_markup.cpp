// Markup and labels on the board of the current node, the keys of the board that make them, and the
// board and tree context menus.

#include <utility>

#include "app/annotation_commands.h"
#include "app/typed_text.h"
#include "model/text_format.h"
#include "edit/navigation.h"
#include "rules/position_at.h"

namespace meridax {

namespace {

void redrawBoard(FrameServices& f) { f.redraw(Redraw::Board); }

BoardArea areaOf(const MarkedArea& m) { return BoardArea{m.x1, m.y1, m.x2, m.y2}; }

bool markupShown(FrameServices& f) { return f.frameSettings().viewMarkup != 0; }

std::optional<MarkupProperty> propertyForKey(char key) {
  switch (key) {
    case 'C': case 'c': return MarkupProperty::Circle;
    case 'S': case 's': return MarkupProperty::Square;
    case 'T': case 't': return MarkupProperty::Triangle;
    case 'X': case 'x': return MarkupProperty::Mark;
    default: return std::nullopt;
  }
}

}  // namespace

// ---- Markup on the marked area ----

void AnnotationCommands::CmMarkArea(MarkupProperty property) {
  FrameServices& f = frame();
  SGridFrame& g = f.game();
  if (!markArea(g, g.currentNode, areaOf(f.markedArea()), property)) return;
  markChanged();
  redrawBoard(f);
}

std::vector<BoardSquare> AnnotationCommands::groupAtMarkedCorner() {
  SGridFrame& g = frame().game();
  return connectedGroup(currentPosition(g), frame().markedArea().x1, frame().markedArea().y1);
}

void AnnotationCommands::CmMarkGroup() {
  SGridFrame& g = frame().game();
  if (!markGroup(g, g.currentNode, groupAtMarkedCorner())) return;
  markChanged();
  redrawBoard(frame());
}

void AnnotationCommands::CmRemoveGroupMarkup() { removeMarkupOn(groupAtMarkedCorner()); }

void AnnotationCommands::CmRemoveMarkup() {
  removeMarkupOn(areaSquares(frame().game(), areaOf(frame().markedArea())));
}

void AnnotationCommands::removeMarkupOn(const std::vector<BoardSquare>& squares) {
  SGridFrame& g = frame().game();
  bool removed = false;
  for (const BoardSquare& s : squares) removed = removeMarkupAt(g, g.currentNode, s.x, s.y) || removed;
  if (!removed) return;
  markChanged();
  redrawBoard(frame());
}

void AnnotationCommands::CmRemoveBoardMarkup() {
  SGridFrame& g = frame().game();
  if (!removeAllMarkupAt(g, g.currentNode)) {
    frame().ports().messages->tell(
        UserMessage{"CmRemoveBoardMarkup()", "No SGF markup on the game board", MessageIcon::Information});
    return;
  }
  markChanged();
  redrawBoard(frame());
}

// ---- Labels ----

void AnnotationCommands::CmLabel() {
  SGridFrame& g = frame().game();
  const int x = g.cursorX, y = g.cursorY;
  if (!isOnBoard(g.kind(), g.width(), g.height(), x, y)) return;
  const std::string before = textForEditing(g, labelTextAt(g, g.currentNode, x, y).value_or(std::string()));
  const std::optional<std::string> asked = frame().ports().dialogs->askText(" SGF Label", "Label", before);
  if (!asked || *asked == before) return;
  if (!setLabelAt(g, g.currentNode, x, y, textForStoring(frame(), g, *asked))) return;
  markChanged();
  redrawBoard(frame());
}

bool AnnotationCommands::boardKey(std::string_view key) {
  FrameServices& f = frame();
  const ActionScope action(f);
  SGridFrame& g = f.game();
  const bool armed = std::exchange(labelArmed_, false);
  const bool entryShown = f.cursorShown() && markupShown(f);
  if (key == "Insert") {
    labelArmed_ = entryShown;
    return entryShown;
  }
  if (key == "Delete") {
    if (!entryShown) return false;
    removeMarkupOn({BoardSquare{g.cursorX, g.cursorY}});
    return true;
  }
  if (key.size() != 1 || !isOnBoard(g.kind(), g.width(), g.height(), g.cursorX, g.cursorY)) return false;
  if (armed) {
    if (!labelAtFromKey(g, g.currentNode, g.cursorX, g.cursorY, key[0])) return true;
    markChanged();
    redrawBoard(f);
    return true;
  }
  return markAtCursor(key[0]);
}

bool AnnotationCommands::markAtCursor(char key) {
  FrameServices& f = frame();
  SGridFrame& g = f.game();
  const std::optional<MarkupProperty> property = propertyForKey(key);
  if (!property || g.kind() == GameKind::Othello) return false;
  const BoardArea cursor{g.cursorX, g.cursorY, g.cursorX, g.cursorY};
  if (markArea(g, g.currentNode, cursor, *property)) {
    markChanged();
    redrawBoard(f);
  }
  return true;
}

// ---- Context menus ----

std::vector<MenuItem> AnnotationCommands::boardContextAt(int x1, int y1, int x2, int y2) {
  FrameServices& f = frame();
  const ActionScope action(f);
  SGridFrame& g = f.game();
  cancelLabelEntry();
  f.setMarkedArea(MarkedArea{x1, y1, x2, y2});
  f.setContextPoint(x1, y1);
  const bool single = x1 == x2 && y1 == y2;
  if (single && isOnBoard(g.kind(), g.width(), g.height(), x1, y1)) {
    g.cursorX = x1;
    g.cursorY = y1;
    f.refreshStatus();
  } else if (!single) {
    const int count = static_cast<int>(areaSquares(g, areaOf(f.markedArea())).size());
    f.notice(formatText("Selected area = %d", count));
  }
  BoardMenuView view;
  view.markupShown = markupShown(f);
  view.cursorShown = f.cursorShown();
  view.availableShown = f.frameSettings().doSearch != 0;
  view.capturesShown = f.frameSettings().displayCaptures != 0;
  view.goCoordinatesShown = f.frameSettings().goLetters;
  return boardContextMenu(g, areaOf(f.markedArea()), view);
}

std::vector<MenuItem> AnnotationCommands::treeContextAt(GameNode* node) {
  FrameServices& f = frame();
  const ActionScope action(f);
  f.setContextNode(isNodeOfGame(f.game(), node) ? node : nullptr);
  return treeContextMenu(f.game(), f.context().node, f.context().node != f.game().firstNode);
}

}  // namespace meridax
