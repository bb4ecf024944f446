#include "edit/context_menus.h"

#include "edit/bookmarks.h"
#include "edit/frame_command_ids.h"
#include "edit/node_annotations.h"
#include "model/node_texts.h"
#include "rules/auto_labels.h"

namespace meridax {

namespace {

namespace id = command_id;

MenuItem item(std::string text, int commandId) { return MenuItem{std::move(text), commandId, {}}; }
MenuItem named(std::string text, std::string name) { return MenuItem{std::move(text), 0, std::move(name)}; }

std::string toggleText(bool shown, const std::string& what) { return (shown ? "Hide " : "View ") + what; }

bool isGoBoard(const SGridFrame& game) { return game.kind() == GameKind::Go; }

// The toggles and position commands that a single point offers before the markup items.
void addPointItems(std::vector<MenuItem>& menu, const SGridFrame& game, const BoardMenuView& view) {
  menu.push_back(item(toggleText(view.markupShown, "SGF &Markup\tAlt+F5"), id::kViewMarkup));
  menu.push_back(item(toggleText(view.cursorShown, "&Cursor\tAlt+F6"), id::kViewCursor));
  if (game.kind() == GameKind::Othello) {
    menu.push_back(item(toggleText(view.availableShown, "&Search\tAlt+F7"), id::kViewSearch));
    menu.push_back(item(toggleText(view.capturesShown, "&Highlighting\tAlt+F8"), id::kViewHighlighting));
  }
  menu.push_back(named("&Customise\tCtrl+Alt+O", "CmCustomise"));
  if (isGoBoard(game))
    menu.push_back(item(toggleText(view.goCoordinatesShown, "Go &Co-ordinates\tShift+Ctrl+L"), id::kViewGoCoordinates));
  const bool marked = isBookmarked(game, game.currentNode);
  menu.push_back(item(marked ? "Remove &Bookmark\tAlt+F2" : "Set &Bookmark\tAlt+F2", id::kBookmark));
  if (game.currentNode != game.primaryNode)
    menu.push_back(item("Mark Current Position as &Primary\tAlt+F3", id::kSetPrimary));
  menu.push_back(named("Place &ASCII to Clipboard", "CmASCII"));
  menu.push_back(named("Copy &SGF Text to Clipboard\tShift+Ctrl+W", "GetSGF"));
  menu.push_back(item("Navigate to &Played Node", id::kNavigatePlayed));
  if (game.kind() == GameKind::Kropki) {
    menu.push_back(item("Create a region of black territory", id::kKropkiBlackTerritory));
    menu.push_back(item("Create a region of white territory", id::kKropkiWhiteTerritory));
    menu.push_back(item("Remove region of territory", id::kKropkiRemoveTerritory));
  }
}

void addMarkupItems(std::vector<MenuItem>& menu, const SGridFrame& game, const BoardArea& area, bool single) {
  const GameNode* node = game.currentNode;
  const int x = area.x1, y = area.y1;
  if (node->hasMarkup()) {
    if (single) menu.push_back(item("Remove all &Markup from Board", id::kRemoveBoardMarkup));
    if (!single || hasMarkupAt(game, node, x, y)) menu.push_back(item("Remove &Markup", id::kRemoveMarkup));
    if (single && isGoBoard(game)) menu.push_back(item("Remove &Group Markup", id::kRemoveGroupMarkup));
  }
  auto offered = [&](const char* identifier) { return !single || !hasPropertyAt(game, node, x, y, identifier); };
  if (single && isGoBoard(game) && offered("MA")) menu.push_back(item("Mark Connected &Group", id::kMarkGroup));
  if (offered("MA")) menu.push_back(item("&Mark", id::kMarkArea));
  if (offered("TR")) menu.push_back(item("Mark with &Triangle", id::kMarkTriangle));
  if (offered("CR")) menu.push_back(item("Mark with &Circle", id::kMarkCircle));
  if (isGoBoard(game) && offered("TB")) menu.push_back(item("Mark as &Black Territory", id::kMarkBlackTerritory));
  if (isGoBoard(game) && offered("TW")) menu.push_back(item("Mark as &White Territory", id::kMarkWhiteTerritory));
  if (offered("SQ")) menu.push_back(item("Mark with &Square", id::kMarkSquare));
  if (single) menu.push_back(item("&Label", labelAt(game, node, x, y) ? id::kViewLabel : id::kLabel));
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
    menu.push_back(item("Remove &Node Name", id::kDeleteNodeNameAtNode));
    menu.push_back(item("Edit &Node Name", id::kEditNodeNameAtNode));
  } else {
    menu.push_back(item("Add &Node Name", id::kAddNodeNameAtNode));
  }
  if (node->hasScore()) {
    menu.push_back(item("Remove SGF &Score", id::kDeleteScoreAtNode));
    menu.push_back(item("Edit SGF &Score", id::kEditScoreAtNode));
  } else {
    menu.push_back(item("Add SGF &Score", id::kAddScoreAtNode));
  }
  if (moveBox) {
    if (node->hasComment()) menu.push_back(item("Remove &Comment", id::kRemoveCommentAtNode));
    if (printDiagramAllowed(node))
      menu.push_back(node->printDiagram() ? item("Remove Print &Diagram", id::kRemovePrintDiagramAtNode)
                                          : item("Add a Print &Diagram", id::kAddPrintDiagramAtNode));
    if (node != game.primaryNode) menu.push_back(item("Make &Primary", id::kSetPrimaryAtNode));
    menu.push_back(item(isBookmarked(game, node) ? "Remove &Bookmark" : "Set &Bookmark", id::kBookmarkAtNode));
    if (game.currentNode != game.endNode) menu.push_back(item("&Truncate", id::kTruncateAtNode));
  }
  if (hasBranchingAbove(node)) menu.push_back(item("&Remove Branch", id::kDeleteBranchAtNode));
  if (game.kind() == GameKind::Kropki && node->captureRecord())
    menu.push_back(item("Delete the &Kropki 'Stop'", id::kKropkiDeleteStop));
  return menu;
}

}  // namespace meridax
