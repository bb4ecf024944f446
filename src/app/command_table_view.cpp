// The board pane's view commands: the toggles of what the board shows, the numbering and the square size.

#include "app/command_ids.h"
#include "app/command_registry.h"
#include "app/frame_win.h"

namespace meridax {

namespace {

namespace id = command_id;
using G = CommandGroup;

const FrameCommand kCommands[] = {
    {.id = id::kViewCursor, .name = "CmViewCursor", .group = G::View, .menuText = "View &Cursor\tAlt+F6", .keys = "Alt+F6",
     .run = [](FrameWin& f) { f.view().CmViewCursor(); },
     .checked = [](FrameWin& f) { return f.view().cursorShown(); },
     .text = [](FrameWin& f) { return f.view().cursorText(); }},
    {.id = id::kViewMarkup, .name = "CmViewMarkup", .group = G::View, .menuText = "View SGF &Markup\tAlt+F5", .keys = "Alt+F5",
     .run = [](FrameWin& f) { f.view().CmViewMarkup(); },
     .checked = [](FrameWin& f) { return f.view().markupShown(); },
     .text = [](FrameWin& f) { return f.view().markupText(); }},
    {.id = id::kViewHighlighting, .name = "CmViewHighlighting", .group = G::View, .menuText = "View &Highlighting\tAlt+F8", .keys = "Alt+F8",
     .run = [](FrameWin& f) { f.view().CmViewHighlighting(); },
     .enabled = [](FrameWin& f) { return f.view().othelloTogglesEnabled(); },
     .checked = [](FrameWin& f) { return f.view().highlightingShown(); },
     .text = [](FrameWin& f) { return f.view().highlightingText(); }},
    {.id = id::kViewSearch, .name = "CmViewSearch", .group = G::View, .menuText = "View &Search\tAlt+F7", .keys = "Alt+F7",
     .run = [](FrameWin& f) { f.view().CmViewSearch(); },
     .enabled = [](FrameWin& f) { return f.view().othelloTogglesEnabled(); },
     .checked = [](FrameWin& f) { return f.view().searchShown(); },
     .text = [](FrameWin& f) { return f.view().searchText(); }},
    {.id = id::kViewGoCoordinates, .name = "CmViewGoCoordinates", .group = G::View, .menuText = "View Go &Co-ordinates\tShift+Ctrl+L", .keys = "Ctrl+Shift+L",
     .run = [](FrameWin& f) { f.view().CmViewGoCoordinates(); },
     .enabled = [](FrameWin& f) { return f.view().goCoordinatesEnabled(); },
     .checked = [](FrameWin& f) { return f.view().goCoordinatesShown(); },
     .text = [](FrameWin& f) { return f.view().goCoordinatesText(); }},
    {.name = "CmFitBoard", .group = G::View, .menuText = "&Fit the Board to the Window",
     .tip = "Fit the board to the window: its squares follow the size of the board area",
     .run = [](FrameWin& f) { f.view().CmFitBoard(); },
     .checked = [](FrameWin& f) { return f.view().boardFitted(); }},
    {.id = id::kNumbering, .name = "CmNumbering", .group = G::View, .menuText = "Show Piece &Numbering", .keys = "Ctrl+Shift+N",
     .tip = "Cycle through the piece numbering options\nShow Piece Numbering",
     .run = [](FrameWin& f) { f.view().CmNumbering(); },
     .enabled = [](FrameWin& f) { return f.view().numberingEnabled(); }},
    {.id = id::kIncreaseSize, .name = "CmIncreaseSize", .group = G::View, .menuText = "&Increase the Board Size", .keys = "Ctrl+Shift+Right",
     .tip = "Increase the board size", .run = [](FrameWin& f) { f.view().CmIncreaseSize(); }},
    {.id = id::kDecreaseSize, .name = "CmDecreaseSize", .group = G::View, .menuText = "&Decrease the Board Size", .keys = "Ctrl+Shift+Left",
     .tip = "Decrease the board size", .run = [](FrameWin& f) { f.view().CmDecreaseSize(); }},
};

}  // namespace

FrameCommandTable viewCommandTable() { return kCommands; }

}  // namespace meridax
