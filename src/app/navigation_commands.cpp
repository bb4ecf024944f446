#include "app/navigation_commands.h"

#include <initializer_list>

#include "model/text_format.h"
#include "app/command_ids.h"
#include "edit/quick_slots.h"
#include "rules/navigation_step.h"

namespace meridax {

namespace {

namespace id = command_id;

// The move-to dialog takes any number a 16-bit field holds; negative numbers then do nothing.
inline constexpr int kMoveToMinimum = -32767;
inline constexpr int kMoveToMaximum = 32767;

inline constexpr char kNoComments[] = "No comments were found in the game tree";

void redraw(FrameServices& f, std::initializer_list<Redraw> parts) {
  int what = 0;
  for (Redraw r : parts) what |= static_cast<int>(r);
  f.redraw(static_cast<Redraw>(what));
}

void tell(FrameServices& f, const char* caption, const std::string& text) { f.tell(caption, text); }

}  // namespace

// ---- The common step ----

void NavigationCommands::jumpToNode(GameNode* target, JumpMode mode) {
  FrameServices& f = frame();
  SGridFrame& g = f.game();
  if (target == nullptr || target == g.currentNode) return;
  f.cancelLabelEntry();
  goToNode(g, target);
  if (mode == JumpMode::Quiet) return;
  if (const std::optional<BoardSquare> square = nextMoveSquare(g, target)) {
    g.cursorX = square->x;
    g.cursorY = square->y;
  }
  f.setMarkedArea(MarkedArea{g.cursorX, g.cursorY, g.cursorX, g.cursorY});
  redraw(f, {Redraw::Board, Redraw::Tree, Redraw::Comment});
  f.refreshStatus();
}

void NavigationCommands::jumpToLineOf(GameNode* target) {
  SGridFrame& g = frame().game();
  if (target == nullptr) return;
  if (!isOnCurrentLine(g, target) && selectLineOf(g, target)) redraw(frame(), {Redraw::Layout, Redraw::Tree});
  jumpToNode(target);
}

void NavigationCommands::treeClick(GameNode* node, TreeClick where) {
  FrameServices& f = frame();
  const ActionScope action(f);
  SGridFrame& g = f.game();
  if (!isNodeOfGame(g, node)) return;
  if (where == TreeClick::VariationLine && node->prev() != nullptr) {
    for (SBranchDetails* line : g.variations.linesBelow(node->prev())) {
      if (line->head != node) continue;
      if (promoteSideLine(g, *line)) {
        markChanged();
        redraw(f, {Redraw::Layout, Redraw::Tree});
      }
      break;
    }
  }
  jumpToLineOf(node);
  f.setContextNode(node);
}

void NavigationCommands::discardSearchLists() {
  comments_.discard();
  branchEnds_.discard();
}

void NavigationCommands::markChanged() {
  frame().game().markTreeChanged();
  frame().markFileModified();
}

// ---- Up, down, start, end, branch nodes ----

void NavigationCommands::CmPreviousMove() { jumpToNode(upTarget(frame().game(), 1)); }
void NavigationCommands::CmUpEightMoves() { jumpToNode(upTarget(frame().game(), 8)); }
void NavigationCommands::CmNextMove() { jumpToNode(downTarget(frame().game(), 1)); }
void NavigationCommands::CmDownEightMoves() { jumpToNode(downTarget(frame().game(), 8)); }
void NavigationCommands::CmStartPosition() { jumpToNode(frame().game().firstNode); }
void NavigationCommands::CmEndPosition() { jumpToNode(frame().game().endNode); }
void NavigationCommands::CmNextBranchNode() { jumpToNode(nextBranchNodeTarget(frame().game())); }
void NavigationCommands::CmPreviousBranchNode() { jumpToNode(previousBranchNodeTarget(frame().game())); }

// ---- Neighbouring branch ----

void NavigationCommands::CmNeighbourBranch() { rotateNeighbour(RotateDirection::Forward); }
void NavigationCommands::CmNeighbourBranchBack() { rotateNeighbour(RotateDirection::Backward); }

void NavigationCommands::rotateNeighbour(RotateDirection direction) {
  GameNode* target = rotateToNeighbouringBranch(frame().game(), direction);
  if (target == nullptr) return;
  markChanged();
  redraw(frame(), {Redraw::Layout, Redraw::Tree});
  jumpToNode(target);
}

// ---- Primary position ----

void NavigationCommands::CmSetPrimary() { setPrimary(frame().game().currentNode); }
void NavigationCommands::CmSetPrimaryAtNode() { setPrimary(frame().nodeUnderMouse()); }

void NavigationCommands::setPrimary(GameNode* node) {
  SGridFrame& g = frame().game();
  if (node == nullptr || node == g.primaryNode) return;
  g.primaryNode = node;
  markChanged();
  redraw(frame(), {Redraw::Tree});
}

void NavigationCommands::CmGoToPrimary() {
  GameNode* primary = frame().game().primaryNode;
  if (primary == nullptr) {
    tell(frame(), "CmGoToPrimary()", "No position in the game tree is marked as the primary position");
    return;
  }
  jumpToLineOf(primary);
}

// ---- Comments ----

void NavigationCommands::CmCommentNext() { stepComment(SearchDirection::Down, "CmCommentNext()"); }
void NavigationCommands::CmCommentPrev() { stepComment(SearchDirection::Up, "CmCommentPrev()"); }

void NavigationCommands::stepComment(SearchDirection direction, const char* caption) {
  GameNode* target = stepToComment(comments_, frame().game(), direction);
  if (comments_.entries().empty()) {
    tell(frame(), caption, kNoComments);
    return;
  }
  jumpToLineOf(target);
}

void NavigationCommands::CmFindComment() {
  if (findPort_ != nullptr) {
    findPort_->openFindDialog(FindDialogSeed{lastSearch_, lastMatchCase_});
    return;
  }
  // Without the modeless dialog (scripts): one downward search for the text asked for.
  const std::optional<std::string> text = frame().ports().dialogs->askText("Find", "Find what:", lastSearch_);
  if (text) FindNext(FindRequest{*text, lastMatchCase_, SearchDirection::Down});
}

void NavigationCommands::FindNext(const FindRequest& request) {
  lastSearch_ = request.text;
  lastMatchCase_ = request.matchCase;
  const FindOutcome outcome = findInComments(comments_, frame().game(), request);
  switch (outcome.result) {
    case FindResult::NothingAsked: return;
    case FindResult::NoComments: tell(frame(), "FindNext()", kNoComments); return;
    case FindResult::Found: jumpToLineOf(outcome.node); return;
    case FindResult::OnlyCurrent:
    case FindResult::NotFound: tell(frame(), "FindNext()", findReportText(request, outcome)); return;
  }
}

// ---- Move number, branch ends, played node ----

void NavigationCommands::CmMoveTo() {
  SGridFrame& g = frame().game();
  const std::optional<int> number = frame().ports().dialogs->askNumber(
      " Move To", "Move number", kMoveToMinimum, kMoveToMaximum, static_cast<int>(g.currentNode->moveNumber()));
  if (!number || *number < 0) return;
  GameNode* target = numberedNodeTarget(g, *number);
  if (target == nullptr) {
    tell(frame(), "CmMoveTo()", formatText("Number %d could not be found.", *number));
    return;
  }
  jumpToNode(target);
}

void NavigationCommands::CmBranchEndNext() { cycleBranchEnds(CycleDirection::Forward); }
void NavigationCommands::CmBranchEndPrev() { cycleBranchEnds(CycleDirection::Backward); }

void NavigationCommands::cycleBranchEnds(CycleDirection direction) {
  jumpToLineOf(branchEnds_.cycle(frame().game(), direction));
}

void NavigationCommands::CmNavigatePlayed() {
  const ContextTarget& at = frame().context();
  GameNode* target = playedNodeTarget(frame().game(), at.x, at.y);
  if (target == nullptr) {
    tell(frame(), "CmNavigatePlayed()", "No move could be found.");
    return;
  }
  jumpToNode(target);
}

// ---- Quick slots ----

void NavigationCommands::CmDeleteQuickSlots() {
  if (!clearQuickSlots(frame().game())) return;
  markChanged();
  redraw(frame(), {Redraw::Board, Redraw::Tree});
}

void NavigationCommands::CmQuickGo(int slot) {
  SGridFrame& g = frame().game();
  GameNode* node = quickSlotNode(g, slot);
  if (node != nullptr && node != g.currentNode) jumpToLineOf(node);
}

void NavigationCommands::CmQuickStore(int slot) {
  if (!storeInQuickSlot(frame().game(), frame().game().currentNode, slot)) return;
  markChanged();
  redraw(frame(), {Redraw::Board, Redraw::Tree});
}

}  // namespace meridax
