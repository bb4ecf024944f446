// The commands that change the tree and annotate positions.

#include "app/command_ids.h"
#include "app/command_registry.h"
#include "app/frame_win.h"
#include "edit/bookmarks.h"
#include "model/move_annotations.h"
#include "edit/node_annotations.h"
#include "model/node_texts.h"

namespace meridax {

namespace {

namespace id = command_id;
using G = CommandGroup;
using P = CommandPlace;

GameNode* current(FrameWin& f) { return f.game().currentNode; }
bool hasContextNode(FrameWin& f) { return f.nodeUnderMouse() != nullptr; }
bool markupShown(FrameWin& f) { return f.frameSettings().viewMarkup != 0; }
bool goBoardMarkup(FrameWin& f) { return markupShown(f) && f.game().kind() == GameKind::Go; }
bool goBoard(FrameWin& f) { return f.game().kind() == GameKind::Go; }

template <MoveAnnotation A>
void runMoveAnnotation(FrameWin& f) { f.annotations().CmMoveAnnotation(A); }
template <MoveAnnotation A>
bool hasMoveAnnotation(FrameWin& f) { return annotationsOf(f.game(), current(f)).move == A; }
bool holdsMove(FrameWin& f) { return current(f) != f.game().firstNode; }
template <PositionAnnotation A>
void runPositionAnnotation(FrameWin& f) { f.annotations().CmPositionAnnotation(A); }
template <PositionAnnotation A>
bool hasPositionAnnotation(FrameWin& f) { return annotationsOf(f.game(), current(f)).position == A; }

const FrameCommand kTreeEditCommands[] = {
    {.id = id::kUndo, .name = "CmUndo", .group = G::TreeEdit, .menuText = "&Undo\tCtrl+Z", .keys = "Ctrl+Z",
     .tip = "Undo the last change\nUndo", .run = [](FrameWin& f) { f.CmUndo(); },
     .enabled = [](FrameWin& f) { return f.canUndo() && !f.lists().listOpen(); },
     .text = [](FrameWin& f) { return f.undoMenuText(); }},
    {.id = id::kRedo, .name = "CmRedo", .group = G::TreeEdit, .menuText = "&Redo\tCtrl+Y", .keys = "Ctrl+Y, Ctrl+Shift+Z",
     .tip = "Redo the change last undone\nRedo", .run = [](FrameWin& f) { f.CmRedo(); },
     .enabled = [](FrameWin& f) { return f.canRedo() && !f.lists().listOpen(); },
     .text = [](FrameWin& f) { return f.redoMenuText(); }},
    {.id = id::kTruncate, .name = "CmTruncate", .group = G::TreeEdit, .menuText = "&Truncate at Current Position", .keys = "Ctrl+Alt+T",
     .tip = "Truncate the line of play at the current position", .run = [](FrameWin& f) { f.treeEdit().CmTruncate(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().truncateEnabled(); }},
    {.id = id::kTruncateAtNode, .name = "CmTruncateAtNode", .group = G::TreeEdit, .menuText = "&Truncate",
     .tip = "Truncate at the selected move", .place = P::TreeMenu, .run = [](FrameWin& f) { f.treeEdit().CmTruncateAtNode(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().truncateEnabled() && f.nodeUnderMouse() != nullptr; }},
    {.id = id::kTruncateDelete, .name = "CmTruncateDelete", .group = G::TreeEdit, .menuText = "Truncate and &Delete Move", .keys = "Ctrl+Alt+U",
     .tip = "Truncate the line of play at the current position, and delete the move",
     .run = [](FrameWin& f) { f.treeEdit().CmTruncateDelete(); }, .enabled = [](FrameWin& f) { return f.treeEdit().truncateDeleteEnabled(); }},
    {.id = id::kDeleteBranch, .name = "CmDeleteBranch", .group = G::TreeEdit, .menuText = "Remove Current &Branch", .keys = "Ctrl+Alt+D",
     .tip = "Remove the current branch from the game tree", .run = [](FrameWin& f) { f.treeEdit().CmDeleteBranch(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().deleteBranchEnabled(); }},
    {.id = id::kDeleteBranchAtNode, .name = "CmDeleteBranchAtNode", .group = G::TreeEdit,
     .menuText = "&Remove Branch", .tip = "Delete the selected branch",
     .place = P::TreeMenu, .run = [](FrameWin& f) { f.treeEdit().CmDeleteBranchAtNode(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().deleteBranchAtNodeEnabled(); }},
    {.id = id::kRemoveHigherBranches, .name = "CmRemoveHigherBranches", .group = G::TreeEdit, .menuText = "Remove &Higher Branches", .keys = "Ctrl+Alt+H",
     .tip = "Keep the current branch.  Remove all branches higher up in the game tree",
     .run = [](FrameWin& f) { f.treeEdit().CmRemoveHigherBranches(); }},
    {.id = id::kRemoveLowerBranches, .name = "CmRemoveLowerBranches", .group = G::TreeEdit, .menuText = "Remove &Lower Branches", .keys = "Ctrl+Alt+L",
     .tip = "Remove all branches lower down in the game tree", .run = [](FrameWin& f) { f.treeEdit().CmRemoveLowerBranches(); }},
    {.id = id::kRemoveNeighbours, .name = "CmRemoveNeighbours", .group = G::TreeEdit, .menuText = "Remove &Neighbouring Branches", .keys = "Ctrl+Alt+X",
     .tip = "Remove all neighbouring branches", .run = [](FrameWin& f) { f.treeEdit().CmRemoveNeighbours(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().neighboursEnabled(); }},
    {.id = id::kRemoveAllMarks, .name = "CmRemoveAllMarks", .group = G::TreeEdit, .menuText = "Remove All SGF &Markup",
     .tip = "Remove all SGF markup from the game tree", .run = [](FrameWin& f) { f.treeEdit().CmRemoveAllMarks(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().removeAllEnabled(AnnotationKind::Markup); }},
    {.id = id::kRemoveAllComments, .name = "CmRemoveAllComments", .group = G::TreeEdit, .menuText = "Remove All &Comments",
     .tip = "Remove all comments from the game tree", .run = [](FrameWin& f) { f.treeEdit().CmRemoveAllComments(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().removeAllEnabled(AnnotationKind::Comments); }},
    {.id = id::kRemoveAllScores, .name = "CmRemoveAllV", .group = G::TreeEdit, .menuText = "Remove All SGF &Scores",
     .tip = "Remove all SGF scores from the game tree", .run = [](FrameWin& f) { f.treeEdit().CmRemoveAllV(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().removeAllEnabled(AnnotationKind::Scores); }},
    {.id = id::kRemoveAllNodeNames, .name = "CmRemoveAllN", .group = G::TreeEdit, .menuText = "Remove All SGF Node N&ames",
     .tip = "Remove all SGF node names from the game tree", .run = [](FrameWin& f) { f.treeEdit().CmRemoveAllN(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().removeAllEnabled(AnnotationKind::Names); }},
    {.id = id::kInjectSgf, .name = "CmInjectSGF", .group = G::TreeEdit, .menuText = "&Inject SGF at Current Position", .keys = "Ctrl+Shift+J",
     .tip = "Inject SGF to current game position", .run = [](FrameWin& f) { f.treeEdit().CmInjectSGF(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().injectEnabled(); }},
    {.id = id::kCompose, .name = "CmCompose", .group = G::TreeEdit, .menuText = "C&ompose Position", .keys = "Ctrl+C",
     .tip = "Compose / modify a game position\nCompose", .run = [](FrameWin& f) { f.treeEdit().CmCompose(); }},
    {.id = id::kFlipBoard, .name = "CmFlipBoard", .group = G::TreeEdit, .menuText = "&Flip Board\tShift+Ctrl+P", .keys = "Ctrl+Shift+P",
     .run = [](FrameWin& f) { f.treeEdit().CmFlipBoard(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().transformEnabled(BoardTransform::Flip); },
     .text = [](FrameWin& f) -> std::string {
       return isHexagonBoard(f.game().kind()) ? "&Mirror Board\tShift+Ctrl+P" : "&Flip Board\tShift+Ctrl+P";
     }},
    {.id = id::kRotateBoard, .name = "CmRotateBoard", .group = G::TreeEdit, .menuText = "&Rotate Board\tShift+Ctrl+R", .keys = "Ctrl+Shift+R",
     .tip = "Rotate the board\nRotate", .run = [](FrameWin& f) { f.treeEdit().CmRotateBoard(); },
     .enabled = [](FrameWin& f) { return f.treeEdit().transformEnabled(BoardTransform::Rotate); }},
};

const FrameCommand kAnnotationCommands[] = {
    {.id = id::kBookmark, .name = "CmBookmark", .group = G::Annotation, .menuText = "Set &Bookmark\tAlt+F2", .keys = "Alt+F2",
     .tip = "Set / remove bookmark for the current position\nSet / Unset Bookmark",
     .run = [](FrameWin& f) { f.annotations().CmBookmark(); },
     .text = [](FrameWin& f) -> std::string {
       return isBookmarked(f.game(), current(f)) ? "Remove &Bookmark\tAlt+F2" : "Set &Bookmark\tAlt+F2";
     }},
    {.id = id::kBookmarkAtNode, .name = "CmBookmarkAtNode", .group = G::Annotation, .menuText = "Set &Bookmark",
     .tip = "Set / remove bookmark for the position", .place = P::TreeMenu, .run = [](FrameWin& f) { f.annotations().CmBookmarkAtNode(); },
     .enabled = hasContextNode},
    {.id = id::kBookmarkList, .name = "CmBMDisplay", .group = G::Annotation, .menuText = "&Bookmark Details\tF2",
     .keys = "F2", .tip = "Display a list of the bookmarked positions\nBookmarks",
     .run = [](FrameWin& f) { f.annotations().CmBMDisplay(); }},
    {.id = id::kDeleteAllBookmarks, .name = "CmBMDeleteAll", .group = G::Annotation, .menuText = "Delete All Bookmar&ks",
     .tip = "Delete all bookmarks in the game tree", .run = [](FrameWin& f) { f.annotations().CmBMDeleteAll(); },
     .enabled = [](FrameWin& f) { return !f.game().bookmarks.empty(); }},
    {.id = id::kNodeNameList, .name = "CmNNDisplay", .group = G::Annotation, .menuText = "&Node Name Details\tShift+F2", .keys = "Shift+F2",
     .tip = "Display a list of named positions\nNode Names", .run = [](FrameWin& f) { f.annotations().CmNNDisplay(); }},
    {.id = id::kNodeName, .name = "CmNodeName", .group = G::Annotation, .menuText = "Add SGF Node Name", .tip = "Edit the SGF node name\nSGF Node Name",
     .run = [](FrameWin& f) { f.annotations().CmNodeName(); },
     .text = [](FrameWin& f) -> std::string {
       return current(f)->hasName() ? "Edit SGF Node Name" : "Add SGF Node Name";
     }},
    {.id = id::kAddNodeNameAtNode, .name = "CmAddNodeNameAtNode", .group = G::Annotation,
     .menuText = "Add &Node Name", .tip = "Add an SGF node name", .place = P::TreeMenu, .run = [](FrameWin& f) { f.annotations().CmAddNodeNameAtNode(); },
     .enabled = hasContextNode},
    {.id = id::kEditNodeNameAtNode, .name = "CmEditNodeNameAtNode", .group = G::Annotation,
     .menuText = "Edit &Node Name", .tip = "Edit the SGF node name",
     .place = P::TreeMenu, .run = [](FrameWin& f) { f.annotations().CmEditNodeNameAtNode(); }, .enabled = hasContextNode},
    {.id = id::kDeleteNodeNameAtNode, .name = "CmDeleteNodeNameAtNode", .group = G::Annotation,
     .menuText = "Remove &Node Name", .tip = "Delete the SGF node name",
     .place = P::TreeMenu, .run = [](FrameWin& f) { f.annotations().CmDeleteNodeNameAtNode(); }, .enabled = hasContextNode},
    {.id = id::kScore, .name = "CmScore", .group = G::Annotation, .menuText = "Add SGF Score", .tip = "Edit the SGF score\nSGF Score",
     .run = [](FrameWin& f) { f.annotations().CmScore(); },
     .text = [](FrameWin& f) -> std::string { return current(f)->hasScore() ? "Edit SGF Score" : "Add SGF Score"; }},
    {.id = id::kAddScoreAtNode, .name = "CmAddScoreAtNode", .group = G::Annotation, .menuText = "Add SGF &Score",
     .tip = "Add an SGF score value", .place = P::TreeMenu, .run = [](FrameWin& f) { f.annotations().CmAddScoreAtNode(); }, .enabled = hasContextNode},
    {.id = id::kEditScoreAtNode, .name = "CmEditScoreAtNode", .group = G::Annotation, .menuText = "Edit SGF &Score",
     .tip = "Edit the SGF score", .place = P::TreeMenu, .run = [](FrameWin& f) { f.annotations().CmEditScoreAtNode(); }, .enabled = hasContextNode},
    {.id = id::kDeleteScoreAtNode, .name = "CmDeleteScoreAtNode", .group = G::Annotation,
     .menuText = "Remove SGF &Score", .tip = "Delete the SGF score",
     .place = P::TreeMenu, .run = [](FrameWin& f) { f.annotations().CmDeleteScoreAtNode(); }, .enabled = hasContextNode},
    {.id = id::kPrintDiagram, .name = "CmPrintDiagram", .group = G::Annotation, .menuText = "Add a Print &Diagram\tCtrl+D", .keys = "Ctrl+D",
     .tip = "Include print diagram of the current position", .run = [](FrameWin& f) { f.annotations().CmPrintDiagram(); },
     .enabled = [](FrameWin& f) { return printDiagramAllowed(current(f)); },
     .text = [](FrameWin& f) -> std::string {
       return current(f)->printDiagram() ? "Remove Print &Diagram\tCtrl+D" : "Add a Print &Diagram\tCtrl+D";
     }},
    {.id = id::kAddPrintDiagramAtNode, .name = "CmAddPrintDiagramAtNode", .group = G::Annotation,
     .menuText = "Add a Print &Diagram", .tip = "Add a print diagram",
     .place = P::TreeMenu, .run = [](FrameWin& f) { f.annotations().CmAddPrintDiagramAtNode(); },
     .enabled = [](FrameWin& f) { return printDiagramAllowed(f.nodeUnderMouse()); }},
    {.id = id::kRemovePrintDiagramAtNode, .name = "CmRemovePrintDiagramAtNode", .group = G::Annotation,
     .menuText = "Remove Print &Diagram", .tip = "Remove the print diagram",
     .place = P::TreeMenu, .run = [](FrameWin& f) { f.annotations().CmRemovePrintDiagramAtNode(); }, .enabled = hasContextNode},
    {.name = "CmGoodMove", .group = G::Annotation, .menuText = "&Good Move (!)", .tip = "Mark the move as good",
     .run = runMoveAnnotation<MoveAnnotation::Good>, .enabled = holdsMove,
     .checked = hasMoveAnnotation<MoveAnnotation::Good>},
    {.name = "CmVeryGoodMove", .group = G::Annotation, .menuText = "&Very Good Move (!!)", .tip = "Mark the move as very good",
     .run = runMoveAnnotation<MoveAnnotation::VeryGood>, .enabled = holdsMove,
     .checked = hasMoveAnnotation<MoveAnnotation::VeryGood>},
    {.name = "CmBadMove", .group = G::Annotation, .menuText = "&Bad Move (?)", .tip = "Mark the move as bad",
     .run = runMoveAnnotation<MoveAnnotation::Bad>, .enabled = holdsMove,
     .checked = hasMoveAnnotation<MoveAnnotation::Bad>},
    {.name = "CmVeryBadMove", .group = G::Annotation, .menuText = "V&ery Bad Move (?\?)", .tip = "Mark the move as very bad",
     .run = runMoveAnnotation<MoveAnnotation::VeryBad>, .enabled = holdsMove,
     .checked = hasMoveAnnotation<MoveAnnotation::VeryBad>},
    {.name = "CmDoubtfulMove", .group = G::Annotation, .menuText = "D&oubtful Move (?!)", .tip = "Mark the move as doubtful",
     .run = runMoveAnnotation<MoveAnnotation::Doubtful>, .enabled = holdsMove,
     .checked = hasMoveAnnotation<MoveAnnotation::Doubtful>},
    {.name = "CmInterestingMove", .group = G::Annotation, .menuText = "&Interesting Move (!?)", .tip = "Mark the move as interesting",
     .run = runMoveAnnotation<MoveAnnotation::Interesting>, .enabled = holdsMove,
     .checked = hasMoveAnnotation<MoveAnnotation::Interesting>},
    {.name = "CmGoodForBlack", .group = G::Annotation, .menuText = "Good for B&lack", .tip = "Mark the position as good for Black",
     .run = runPositionAnnotation<PositionAnnotation::GoodForBlack>, .checked = hasPositionAnnotation<PositionAnnotation::GoodForBlack>},
    {.name = "CmGoodForWhite", .group = G::Annotation, .menuText = "Good for W&hite", .tip = "Mark the position as good for White",
     .run = runPositionAnnotation<PositionAnnotation::GoodForWhite>, .checked = hasPositionAnnotation<PositionAnnotation::GoodForWhite>},
    {.name = "CmEvenPosition", .group = G::Annotation, .menuText = "Even Positio&n", .tip = "Mark the position as even",
     .run = runPositionAnnotation<PositionAnnotation::Even>, .checked = hasPositionAnnotation<PositionAnnotation::Even>},
    {.name = "CmUnclearPosition", .group = G::Annotation, .menuText = "&Unclear Position", .tip = "Mark the position as unclear",
     .run = runPositionAnnotation<PositionAnnotation::Unclear>, .checked = hasPositionAnnotation<PositionAnnotation::Unclear>},
    {.name = "CmHotspot", .group = G::Annotation, .menuText = "Hots&pot", .tip = "Mark the position as a hotspot",
     .run = [](FrameWin& f) { f.annotations().CmHotspot(); },
     .checked = [](FrameWin& f) { return annotationsOf(f.game(), current(f)).hotspot; }},
    {.id = id::kRemoveCommentAtNode, .name = "CmRemoveCommentAtNode", .group = G::Annotation,
     .menuText = "Remove &Comment", .tip = "Remove the comment", .place = P::TreeMenu, .run = [](FrameWin& f) { f.annotations().CmRemoveCommentAtNode(); },
     .enabled = hasContextNode},
    {.id = id::kMarkArea, .name = "CmMarkArea", .group = G::Annotation, .menuText = "&Mark", .tip = "Mark",
     .run = [](FrameWin& f) { f.annotations().CmMarkArea(MarkupProperty::Mark); }, .enabled = markupShown},
    {.id = id::kMarkTriangle, .name = "CmMarkTriangle", .group = G::Annotation, .menuText = "Mark with &Triangle",
     .tip = "Mark with a triangle", .run = [](FrameWin& f) { f.annotations().CmMarkArea(MarkupProperty::Triangle); },
     .enabled = markupShown},
    {.id = id::kMarkCircle, .name = "CmMarkCircle", .group = G::Annotation, .menuText = "Mark with &Circle",
     .tip = "Mark with a circle", .run = [](FrameWin& f) { f.annotations().CmMarkArea(MarkupProperty::Circle); },
     .enabled = markupShown},
    {.id = id::kMarkSquare, .name = "CmMarkSquare", .group = G::Annotation, .menuText = "Mark with &Square",
     .tip = "Mark with a square", .run = [](FrameWin& f) { f.annotations().CmMarkArea(MarkupProperty::Square); },
     .enabled = markupShown},
    {.id = id::kMarkBlackTerritory, .name = "CmMarkBlackTerritory", .group = G::Annotation,
     .menuText = "Mark as &Black Territory", .tip = "Mark as black territory",
     .run = [](FrameWin& f) { f.annotations().CmMarkArea(MarkupProperty::BlackTerritory); }, .enabled = goBoardMarkup},
    {.id = id::kMarkWhiteTerritory, .name = "CmMarkWhiteTerritory", .group = G::Annotation,
     .menuText = "Mark as &White Territory", .tip = "Mark as white territory",
     .run = [](FrameWin& f) { f.annotations().CmMarkArea(MarkupProperty::WhiteTerritory); }, .enabled = goBoardMarkup},
    {.id = id::kMarkGroup, .name = "CmMarkGroup", .group = G::Annotation, .menuText = "Mark Connected &Group",
     .tip = "Mark connected group", .run = [](FrameWin& f) { f.annotations().CmMarkGroup(); }, .enabled = goBoardMarkup},
    {.id = id::kRemoveGroupMarkup, .name = "CmRemoveGroupMarkup", .group = G::Annotation,
     .menuText = "Remove &Group Markup", .tip = "Remove SGF markup for connected group",
     .run = [](FrameWin& f) { f.annotations().CmRemoveGroupMarkup(); }, .enabled = goBoardMarkup},
    {.id = id::kLabel, .name = "CmLabel", .group = G::Annotation, .menuText = "&Label", .tip = "Label",
     .run = [](FrameWin& f) { f.annotations().CmLabel(); }, .enabled = markupShown},
    {.id = id::kViewLabel, .name = "CmViewLabel", .group = G::Annotation, .menuText = "&Label",
     .tip = "View label text", .place = P::BoardMenu, .run = [](FrameWin& f) { f.annotations().CmLabel(); }, .enabled = markupShown},
    {.id = id::kRemoveMarkup, .name = "CmRemoveMarkup", .group = G::Annotation, .menuText = "Remove &Markup",
     .tip = "Remove SGF markup", .run = [](FrameWin& f) { f.annotations().CmRemoveMarkup(); }, .enabled = markupShown},
    {.id = id::kRemoveBoardMarkup, .name = "CmRemoveBoardMarkup", .group = G::Annotation,
     .menuText = "Remove all &Markup from Board", .tip = "Remove all SGF markup from the current board position",
     .run = [](FrameWin& f) { f.annotations().CmRemoveBoardMarkup(); }, .enabled = markupShown},
    {.id = id::kAutoLabelBranches, .name = "CmAutoLabelBranches", .group = G::Annotation, .menuText = "Automatically Label Branc&hes",
     .tip = "Automatically label whenever a branch is created", .run = [](FrameWin& f) { f.annotations().CmAutoLabelBranches(); },
     .enabled = goBoard, .checked = [](FrameWin& f) { return f.annotations().autoLabelBranchesOn(); }},
    {.id = id::kAutoLabelMoves, .name = "CmAutoLabelMoves", .group = G::Annotation, .menuText = "Automatically Label Mo&ves",
     .tip = "Automatically label whenever a move is made", .run = [](FrameWin& f) { f.annotations().CmAutoLabelMoves(); },
     .enabled = goBoard, .checked = [](FrameWin& f) { return f.annotations().autoLabelMovesOn(); }},
};

}  // namespace

FrameCommandTable treeEditCommandTable() { return kTreeEditCommands; }
FrameCommandTable annotationCommandTable() { return kAnnotationCommands; }

}  // namespace meridax
