#include "app/tree_edit_commands.h"

#include "edit/branch_removal.h"
#include "edit/compose_apply.h"
#include "edit/inject.h"
#include "edit/navigation.h"
#include "edit/truncate.h"
#include "export/ascii_diagram.h"
#include "rules/navigation_step.h"

namespace meridax {

namespace {

constexpr int kBoard = static_cast<int>(Redraw::Board);
constexpr int kTree = static_cast<int>(Redraw::Tree);
constexpr int kComment = static_cast<int>(Redraw::Comment);
constexpr int kLayout = static_cast<int>(Redraw::Layout);
constexpr int kAll = static_cast<int>(Redraw::All);

constexpr int kComposeChoiceCount = 3;


}  // namespace

// ---- Shared steps ----

bool TreeEditCommands::ask(const std::string& caption, const std::string& text) {
  return frame().ports().messages->askYesNo(caption, text);
}

void TreeEditCommands::tell(const std::string& caption, const std::string& text) {
  frame().ports().messages->tell({caption, text, MessageIcon::Information});
}

void TreeEditCommands::redraw(int what) {
  frame().redraw(static_cast<Redraw>(what));
}

GameNode* TreeEditCommands::contextNode() { return frame().nodeUnderMouse(); }

void TreeEditCommands::treeEdited() {
  SGridFrame& g = frame().game();
  g.markTreeChanged();
  g.invalidateStatistics();
  frame().markFileModified();
  // Lists of line ends and comments cached by navigation may name nodes that are gone.
  frame().discardSearchLists();
  // A node under the mouse may have been freed with its line.
  if (frame().nodeUnderMouse() == nullptr) frame().setContextNode(nullptr);
}

void TreeEditCommands::enterNode(GameNode* node) {
  // The edit may have made the node current already, or freed the node that was: the jump of
  // navigation would not see a change, so its steps are taken here.
  FrameServices& f = frame();
  SGridFrame& g = f.game();
  f.cancelLabelEntry();
  goToNode(g, node);
  if (const std::optional<BoardSquare> square = nextMoveSquare(g, node)) {
    g.cursorX = square->x;
    g.cursorY = square->y;
  }
  f.setMarkedArea(MarkedArea{g.cursorX, g.cursorY, g.cursorX, g.cursorY});
  f.refreshStatus();
}

// ---- Enabled states ----

bool TreeEditCommands::truncateEnabled() {
  const SGridFrame& g = frame().game();
  return g.currentNode != g.endNode;
}

bool TreeEditCommands::truncateDeleteEnabled() {
  const SGridFrame& g = frame().game();
  return g.currentNode == g.endNode && g.currentNode->prev() != nullptr;
}

bool TreeEditCommands::deleteBranchEnabled() { return branchingAbove(frame().game().currentNode).found(); }

bool TreeEditCommands::deleteBranchAtNodeEnabled() {
  GameNode* node = contextNode();
  return node != nullptr && branchingAbove(node).found();
}

bool TreeEditCommands::neighboursEnabled() {
  const GameNode* parent = frame().game().currentNode->prev();
  return parent != nullptr && parent->branching();
}

bool TreeEditCommands::removeAllEnabled(AnnotationKind kind) {
  if (kind == AnnotationKind::Markup && frame().frameSettings().viewMarkup == 0) return false;
  return countAnnotations(frame().game(), kind) > 0;
}

bool TreeEditCommands::injectEnabled() { return frame().game().kind() != GameKind::Othello; }

bool TreeEditCommands::transformEnabled(BoardTransform transform) {
  const SGridFrame& g = frame().game();
  return cellMap(g.kind(), g.width(), g.height(), transform, TransformUse::WholeGame).has_value();
}

// ---- Truncating and deleting lines ----

void TreeEditCommands::CmTruncate() {
  if (truncateEnabled()) truncateAt(frame().game().currentNode);
}

void TreeEditCommands::CmTruncateAtNode() {
  if (GameNode* node = contextNode()) truncateAt(node);
}

void TreeEditCommands::truncateAt(GameNode* node) {
  SGridFrame& g = frame().game();
  if (!ask(kTruncateCaption, truncationQuestion(truncationLoss(g, node)))) return;
  const bool moved = node != g.currentNode;
  frame().jumpToLineOf(node);
  if (!meridax::truncateAt(g, node)) return;
  treeEdited();
  enterNode(node);
  const FrameSettings& view = frame().frameSettings();
  const bool markers = view.viewPlaced != 0 || view.viewLast != 0;
  redraw(kTree | kLayout | (markers || moved ? kBoard : 0));
}

void TreeEditCommands::CmTruncateDelete() {
  SGridFrame& g = frame().game();
  GameNode* parent = truncateAndDeleteMove(g);
  if (parent == nullptr) return;
  treeEdited();
  enterNode(parent);
  redraw(kAll);
}

void TreeEditCommands::CmDeleteBranch() { deleteBranchOf(frame().game().currentNode); }

void TreeEditCommands::CmDeleteBranchAtNode() {
  if (GameNode* node = contextNode()) deleteBranchOf(node);
}

void TreeEditCommands::deleteBranchOf(GameNode* node) {
  SGridFrame& g = frame().game();
  const BranchDeletionPlan plan = planBranchDeletion(g, node);
  if (!plan.possible() || !ask(kDeleteBranchCaption, plan.question())) return;
  const bool atCurrent = plan.branch.branching == g.currentNode;
  GameNode* goTo = deleteBranch(g, plan);
  treeEdited();
  if (goTo != nullptr) {
    enterNode(goTo);
    redraw(kAll);
    return;
  }
  frame().refreshStatus();
  redraw(kTree | kLayout | (atCurrent ? kBoard : 0));
}

void TreeEditCommands::CmRemoveHigherBranches() { removeBranching(BranchScope::Higher); }
void TreeEditCommands::CmRemoveLowerBranches() { removeBranching(BranchScope::Lower); }

void TreeEditCommands::CmRemoveNeighbours() {
  if (neighboursEnabled()) removeBranching(BranchScope::Neighbours);
}

void TreeEditCommands::removeBranching(BranchScope scope) {
  SGridFrame& g = frame().game();
  const EditNotice question = branchingRemovalQuestion(scope, branchingRemovalLoss(g, scope));
  if (!ask(question.caption, question.text)) return;
  const bool currentBranched = g.currentNode->branching();
  if (meridax::removeBranching(g, scope) == 0) return;
  treeEdited();
  frame().refreshStatus();
  redraw(kTree | kLayout | (currentBranched ? kBoard : 0));
}

// ---- Bulk removal ----

void TreeEditCommands::CmRemoveAllMarks() { removeAll(AnnotationKind::Markup); }
void TreeEditCommands::CmRemoveAllComments() { removeAll(AnnotationKind::Comments); }
void TreeEditCommands::CmRemoveAllV() { removeAll(AnnotationKind::Scores); }
void TreeEditCommands::CmRemoveAllN() { removeAll(AnnotationKind::Names); }

void TreeEditCommands::removeAll(AnnotationKind kind) {
  SGridFrame& g = frame().game();
  if (countAnnotations(g, kind) == 0) {
    if (const std::optional<EditNotice> none = nothingToRemoveNotice(kind)) tell(none->caption, none->text);
    return;
  }
  const EditNotice question = removalQuestion(kind);
  if (!ask(question.caption, question.text)) return;
  const bool currentHadMarkup = g.currentNode->hasMarkup();
  const int removed = removeAllAnnotations(g, kind);
  treeEdited();
  switch (kind) {
    case AnnotationKind::Markup: redraw(currentHadMarkup ? kBoard : 0); break;
    case AnnotationKind::Comments: redraw(kTree | kComment); break;
    case AnnotationKind::Scores: frame().refreshStatus(); break;
    case AnnotationKind::Names: frame().refreshStatus(); redraw(kTree); break;
  }
  const EditNotice report = removalReport(kind, removed);
  tell(report.caption, report.text);
}

// ---- Injected text ----

void TreeEditCommands::CmInjectSGF() {
  if (!injectEnabled()) return;
  const std::optional<std::string> text = frame().ports().dialogs->askText(kInjectDialogCaption, "", "");
  if (!text || text->empty()) return;
  const InjectOutcome outcome =
      injectSgf(frame().collection(), frame().game(), *text, frame().readerSettings(), frame().errorList());
  treeEdited();
  frame().refreshStatus();
  redraw(kAll);
  if (outcome.message)
    frame().ports().messages->tell({outcome.message->caption(), outcome.message->text(), MessageIcon::Warning});
  if (outcome.read) tell(kInjectCaption, kInjectedText);
  frame().showErrors();
}

// ---- Composition ----

void TreeEditCommands::CmCompose() {
  ComposeModel model(frame().game());
  if (composeDialog_ != nullptr) composeDialog_->run(model, [this, &model] { return composeAccept(model); });
  else composeAccept(model);
}

ComposeChoice TreeEditCommands::askComposeChoice() {
  if (composeDialog_ != nullptr)
    if (const std::optional<ComposeChoice> asked = composeDialog_->askComposeChoice()) return *asked;
  const std::optional<int> chosen = frame().ports().dialogs->chooseFromList(
      kComposeOptionsCaption, composeChoiceTexts(), static_cast<int>(ComposeChoice::ReturnToDialog));
  if (!chosen || *chosen < 0 || *chosen >= kComposeChoiceCount) return ComposeChoice::ReturnToDialog;
  return static_cast<ComposeChoice>(*chosen);
}

bool TreeEditCommands::composeAccept(const ComposeModel& model) {
  if (const std::optional<EditNotice> empty = emptyCompositionNotice(model)) {
    frame().ports().messages->tell({empty->caption, empty->text, MessageIcon::Warning});
    return false;
  }
  const ComposeChoice choice = askComposeChoice();
  if (choice == ComposeChoice::ReturnToDialog) return false;
  try {
    if (choice == ComposeChoice::NewGame) composeNewGame(model.composition());
    else composeModification(model.composition());
  } catch (const AppError& e) {
    frame().ports().messages->tell({e.caption(), e.text(), MessageIcon::Error});
  }
  return true;
}

void TreeEditCommands::composeNewGame(const Composition& composition) {
  const ComposeOutcome outcome = meridax::composeNewGame(frame().collection(), composition);
  frame().markFileModified();
  frame().discardSearchLists();
  frame().setContextNode(nullptr);
  frame().refreshTitle();
  frame().refreshStatus();
  if (!outcome.statusText.empty()) frame().notice(outcome.statusText);
  redraw(kAll);
}

void TreeEditCommands::composeModification(const Composition& composition) {
  SGridFrame& g = frame().game();
  PlayContext ctx{g, g.cursorX, g.cursorY, false, frame().playOptions(), &frame()};
  const ComposeOutcome outcome = meridax::composeModification(ctx, composition);
  if (outcome.notice) {
    tell(outcome.notice->caption, outcome.notice->text);
    return;
  }
  if (outcome.node == nullptr) return;
  treeEdited();
  frame().refreshStatus();
  if (!outcome.statusText.empty()) frame().notice(outcome.statusText);
  redraw(kAll);
}

void TreeEditCommands::composeCopyAscii(const ComposeModel& model) {
  frame().ports().clipboard->setText(asciiDiagram(frame().game(), model.board(), model.colour()));
  tell(kAsciiCopiedCaptionCompose, kAsciiCopiedText);
}

// ---- Flip and rotate ----

void TreeEditCommands::CmFlipBoard() { transform(BoardTransform::Flip); }
void TreeEditCommands::CmRotateBoard() { transform(BoardTransform::Rotate); }

void TreeEditCommands::transform(BoardTransform transform) {
  SGridFrame& g = frame().game();
  if (!transformGame(g, transform)) return;
  treeEdited();
  frame().refreshStatus();
  redraw(kAll);
}

}  // namespace meridax
