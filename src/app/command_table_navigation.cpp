// The navigation commands: moving through the tree, the primary position, comments, move numbers, branch
// ends and the quick slots.

#include "app/command_ids.h"
#include "app/command_registry.h"
#include "app/frame_win.h"
#include "edit/quick_slots.h"

namespace meridax {

namespace {

namespace id = command_id;
using G = CommandGroup;
using P = CommandPlace;

bool hasComments(FrameWin& f) { return !f.game().comments.empty(); }

template <int Slot>
void quickGo(FrameWin& f) { f.navigation().CmQuickGo(Slot); }
template <int Slot>
void quickStore(FrameWin& f) { f.navigation().CmQuickStore(Slot); }

#define MERIDAX_QUICK_SLOT(d)                                                                     \
  {.name = "CmQuickGo" #d, .group = G::Navigation, .menuText = "Go to Quick Slot &" #d,           \
   .keys = "Ctrl+" #d, .run = quickGo<d>},                                                        \
  {.name = "CmQuickStore" #d, .group = G::Navigation, .menuText = "Store in Quick Slot &" #d,     \
   .keys = "Ctrl+Shift+" #d, .run = quickStore<d>}

const FrameCommand kCommands[] = {
    {.id = id::kPreviousMove, .name = "CmPreviousMove", .group = G::Navigation, .menuText = "&Previous Move", .keys = "F11, Alt+Left",
     .tip = "Previous move\nPrevious Position", .run = [](FrameWin& f) { f.navigation().CmPreviousMove(); }},
    {.id = id::kUpEightMoves, .name = "CmUpEightMoves", .group = G::Navigation, .menuText = "&Up Eight Moves", .keys = "Alt+F11",
     .tip = "Go up eight moves", .run = [](FrameWin& f) { f.navigation().CmUpEightMoves(); }},
    {.id = id::kNextMove, .name = "CmNextMove", .group = G::Navigation, .menuText = "&Next Move", .keys = "F12, Alt+Right",
     .tip = "Next move\nNext Position", .run = [](FrameWin& f) { f.navigation().CmNextMove(); }},
    {.id = id::kDownEightMoves, .name = "CmDownEightMoves", .group = G::Navigation, .menuText = "&Down Eight Moves", .keys = "Alt+F12",
     .tip = "Go down eight moves", .run = [](FrameWin& f) { f.navigation().CmDownEightMoves(); }},
    {.id = id::kStartPosition, .name = "CmStartPosition", .group = G::Navigation, .menuText = "&Start Position", .keys = "Home",
     .tip = "Move to the start of the game\nStart Position", .run = [](FrameWin& f) { f.navigation().CmStartPosition(); }},
    {.id = id::kEndPosition, .name = "CmEndPosition", .group = G::Navigation, .menuText = "&End Position", .keys = "End",
     .tip = "Move to the end of the game\nEnd Position", .run = [](FrameWin& f) { f.navigation().CmEndPosition(); }},
    {.id = id::kNextBranchNode, .name = "CmNextBranchNode", .group = G::Navigation, .menuText = "Next &Branch Node", .keys = "PageDown",
     .tip = "Move down to the next branch node", .run = [](FrameWin& f) { f.navigation().CmNextBranchNode(); }},
    {.id = id::kPreviousBranchNode, .name = "CmPreviousBranchNode", .group = G::Navigation, .menuText = "Previous B&ranch Node", .keys = "PageUp",
     .tip = "Move up to the previous branch node", .run = [](FrameWin& f) { f.navigation().CmPreviousBranchNode(); }},
    {.id = id::kNeighbourBranch, .name = "CmNeighbourBranch", .group = G::Navigation, .menuText = "Neig&hbouring Branch", .keys = "Backspace",
     .tip = "Navigate to the neighbouring branch", .run = [](FrameWin& f) { f.navigation().CmNeighbourBranch(); }},
    {.name = "CmNeighbourBranchBack", .group = G::Navigation, .menuText = "Neighbouring Branch, the &Other Way", .keys = "Shift+Backspace",
     .run = [](FrameWin& f) { f.navigation().CmNeighbourBranchBack(); }},
    {.id = id::kSetPrimary, .name = "CmSetPrimary", .group = G::Navigation,
     .menuText = "Mark Current Position as &Primary\tAlt+F3", .keys = "Alt+F3",
     .tip = "Make the current position the primary position\nSet Primary Position",
     .run = [](FrameWin& f) { f.navigation().CmSetPrimary(); }},
    {.id = id::kGoToPrimary, .name = "CmGoToPrimary", .group = G::Navigation, .menuText = "&Go to Primary Position", .keys = "F3",
     .tip = "Navigate to the primary position\nGo to Primary Position", .run = [](FrameWin& f) { f.navigation().CmGoToPrimary(); }},
    {.id = id::kSetPrimaryAtNode, .name = "CmSetPrimaryAtNode", .group = G::Navigation, .menuText = "Make &Primary",
     .tip = "Make the position the primary position", .place = P::TreeMenu, .run = [](FrameWin& f) { f.navigation().CmSetPrimaryAtNode(); },
     .enabled = [](FrameWin& f) { return f.nodeUnderMouse() != nullptr; }},
    {.id = id::kCommentNext, .name = "CmCommentNext", .group = G::Navigation, .menuText = "Next &Comment", .keys = "Ctrl+Alt+N",
     .tip = "Search for the next position with a comment", .run = [](FrameWin& f) { f.navigation().CmCommentNext(); },
     .enabled = hasComments},
    {.id = id::kCommentPrevious, .name = "CmCommentPrev", .group = G::Navigation, .menuText = "Previous Co&mment", .keys = "Ctrl+Alt+P",
     .tip = "Search for the previous position with a comment", .run = [](FrameWin& f) { f.navigation().CmCommentPrev(); },
     .enabled = hasComments},
    {.id = id::kFindComment, .name = "CmFindComment", .group = G::Navigation, .menuText = "&Find Comment", .keys = "Ctrl+Alt+C",
     .tip = "Search the game tree for a comment string\nFind Comment", .run = [](FrameWin& f) { f.navigation().CmFindComment(); },
     .enabled = hasComments},
    {.id = id::kMoveTo, .name = "CmMoveTo", .group = G::Navigation, .menuText = "Go to Move &Number", .keys = "Ctrl+Alt+W",
     .tip = "Navigate to a particular move number", .run = [](FrameWin& f) { f.navigation().CmMoveTo(); }},
    {.id = id::kBranchEndNext, .name = "CmBranchEndNext", .group = G::Navigation, .menuText = "Next Branch En&d", .keys = "Ctrl+Alt+F",
     .tip = "Cycle through the branch end positions ( forward direction )",
     .run = [](FrameWin& f) { f.navigation().CmBranchEndNext(); }},
    {.id = id::kBranchEndPrevious, .name = "CmBranchEndPrev", .group = G::Navigation, .menuText = "Previous Branch End", .keys = "Ctrl+Alt+E",
     .tip = "Cycle through the branch end positions ( backward direction )",
     .run = [](FrameWin& f) { f.navigation().CmBranchEndPrev(); }},
    {.id = id::kNavigatePlayed, .name = "CmNavigatePlayed", .group = G::Navigation,
     .menuText = "Navigate to &Played Node", .tip = "Navigate to the move played on the node indicated by mouse",
     .place = P::BoardMenu, .run = [](FrameWin& f) { f.navigation().CmNavigatePlayed(); }},
    {.id = id::kDeleteQuickSlots, .name = "CmDeleteQuickSlots", .group = G::Navigation, .menuText = "Delete All &Quick Slots",
     .tip = "Delete all the stored quick navigation positions", .run = [](FrameWin& f) { f.navigation().CmDeleteQuickSlots(); },
     .enabled = [](FrameWin& f) { return anyQuickSlotFilled(f.game()); }},
    MERIDAX_QUICK_SLOT(0), MERIDAX_QUICK_SLOT(1), MERIDAX_QUICK_SLOT(2), MERIDAX_QUICK_SLOT(3),
    MERIDAX_QUICK_SLOT(4), MERIDAX_QUICK_SLOT(5), MERIDAX_QUICK_SLOT(6), MERIDAX_QUICK_SLOT(7),
    MERIDAX_QUICK_SLOT(8), MERIDAX_QUICK_SLOT(9),
};

#undef MERIDAX_QUICK_SLOT

}  // namespace

FrameCommandTable navigationCommandTable() { return kCommands; }

}  // namespace meridax
