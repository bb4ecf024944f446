#include "app/context_menus.h"

#include "edit/bookmarks.h"
#include "edit/node_annotations.h"
#include "model/node_texts.h"
#include "rules/auto_labels.h"

namespace meridax {

namespace {

MenuItem item(std::string text, const char* command) { return MenuItem{std::move(text), command}; }

std::string toggleText(bool shown, const std::string& what) { return (shown ? "Hide " : "View ") + what; }

bool isGoBoard(const SGridFrame& game) { return game.kind() == GameKind::Go; }

// The toggles and position commands that a single point offers before the markup items.
void addPointItems(std::vector<MenuItem>& menu, const SGridFrame& game, const BoardMenuView& view) {
  menu.push_back(item(toggleText(view.markupShown, "SGF &Markup\tAlt+F5"), "CmViewMarkup"));
  menu.push_back(item(toggleText(view.cursorShown, "&Cursor\tAlt+F6"), "CmViewCursor"));
  if (game.kind() == GameKind::Othello) {
    menu.push_back(item(toggleText(view.availableShown, "&Search\tAlt+F7"), "CmViewSearch"));
    menu.push_back(item(toggleText(view.capturesShown, "&Highlighting\tAlt+F8"), "CmViewHighlighting"));
  }
  menu.push_back(item("&Customise\tCtrl+Alt+O", "CmCustomise"));
  if (isGoBoard(game))
    menu.push_back(item(toggleText(view.goCoordinatesShown, "Go &Co-ordinates\tShift+Ctrl+L"), "CmViewGoCoordinates"));
  const bool marked = isBookmarked(game, game.currentNode);
  menu.push_back(item(marked ? "Remove &Bookmark\tAlt+F2" : "Set &Bookmark\tAlt+F2", "CmBookmark"));
  if (game.currentNode != game.primaryNode)
    menu.push_back(item("Mark Current Position as &Primary\tAlt+F3", "CmSetPrimary"));
  menu.push_back(item("Place &ASCII to Clipboard", "GetASCII"));
  menu.push_back(item("Copy &SGF Text to Clipboard\tShift+Ctrl+W", "CmCopySGF"));
  menu.push_back(item("Navigate to &Played Node", "CmNavigatePlayed"));
  if (game.kind() == GameKind::Kropki) {
    menu.push_back(item("Create a region of black territory", "CmKropkiBlackTerritory"));
    menu.push_back(item("Create a region of white territory", "CmKropkiWhiteTerritory"));
    menu.push_back(item("Remove region of territory", "CmKropkiRemoveTerritory"));
  }
}

void addMarkupItems(std::vector<MenuItem>& menu, const SGridFrame& game, const BoardArea& area, bool single) {
  const GameNode* node = game.currentNode;
  const int x = area.x1, y = area.y1;
  if (node->hasMarkup()) {
    if (single) menu.push_back(item("Remove all &Markup from Board", "CmRemoveBoardMarkup"));
    if (!single || hasMarkupAt(game, node, x, y)) menu.push_back(item("Remove &Markup", "CmRemoveMarkup"));
    if (single && isGoBoard(game)) menu.push_back(item("Remove &Group Markup", "CmRemoveGroupMarkup"));
  }
  auto offered = [&](const char* identifier) { return !single || !hasPropertyAt(game, node, x, y, identifier); };
  if (single && isGoBoard(game) && offered("MA")) menu.push_back(item("Mark Connected &Group", "CmMarkGroup"));
  if (offered("MA")) menu.push_back(item("&Mark", "CmMarkArea"));
  if (offered("TR")) menu.push_back(item("Mark with &Triangle", "CmMarkTriangle"));
  if (offered("CR")) menu.push_back(item("Mark with &Circle", "CmMarkCircle"));
  if (isGoBoard(game) && offered("TB")) menu.push_back(item("Mark as &Black Territory", "CmMarkBlackTerritory"));
  if (isGoBoard(game) && offered("TW")) menu.push_back(item("Mark as &White Territory", "CmMarkWhiteTerritory"));
  if (offered("SQ")) menu.push_back(item("Mark with &Square", "CmMarkSquare"));
  if (single) menu.push_back(item("&Label", labelAt(game, node, x, y) ? "CmViewLabel" : "CmLabel"));
}

}  // namespace

bool hasBranchingAbove(const GameNode* node) {
  if (node == nullptr) return false;
  for (const GameNode* n = node->prev(); n != nullptr; n = n->prev())
    if (n->branching()) return true;
  return false;
}

std::vector<MenuItem> boardContextMenu(const SGridFrame& game, const BoardArea& area, const BoardMenuView& view) {
  std::vector<MenuItem> menu;
  if (game.currentNode == nullptr) return menu;
  const bool single = area.x1 == area.x2 && area.y1 == area.y2;
  if (single) addPointItems(menu, game, view);
  if (view.markupShown) addMarkupItems(menu, game, area, single);
  return menu;
}

std::vector<MenuItem> treeContextMenu(const SGridFrame& game, const GameNode* node, bool moveBox) {
  std::vector<MenuItem> menu;
  if (node == nullptr) return menu;
  if (node->hasName()) {
    menu.push_back(item("Remove &Node Name", "CmDeleteNodeNameAtNode"));
    menu.push_back(item("Edit &Node Name", "CmEditNodeNameAtNode"));
  } else {
    menu.push_back(item("Add &Node Name", "CmAddNodeNameAtNode"));
  }
  if (node->hasScore()) {
    menu.push_back(item("Remove SGF &Score", "CmDeleteScoreAtNode"));
    menu.push_back(item("Edit SGF &Score", "CmEditScoreAtNode"));
  } else {
    menu.push_back(item("Add SGF &Score", "CmAddScoreAtNode"));
  }
  if (moveBox) {
    if (node->hasComment()) menu.push_back(item("Remove &Comment", "CmRemoveCommentAtNode"));
    if (printDiagramAllowed(node))
      menu.push_back(node->printDiagram() ? item("Remove Print &Diagram", "CmRemovePrintDiagramAtNode")
                                          : item("Add a Print &Diagram", "CmAddPrintDiagramAtNode"));
    if (node != game.primaryNode) menu.push_back(item("Make &Primary", "CmSetPrimaryAtNode"));
    menu.push_back(item(isBookmarked(game, node) ? "Remove &Bookmark" : "Set &Bookmark", "CmBookmarkAtNode"));
    if (game.currentNode != game.endNode) menu.push_back(item("&Truncate", "CmTruncateAtNode"));
  }
  if (hasBranchingAbove(node)) menu.push_back(item("&Remove Branch", "CmDeleteBranchAtNode"));
  if (game.kind() == GameKind::Kropki && node->captureRecord())
    menu.push_back(item("Delete the &Kropki 'Stop'", "CmKropkiDeleteStop"));
  return menu;
}

}  // namespace meridax
