// The commands that scroll the game-tree pane: its lines and page height are the window's.

#include "app/command_ids.h"
#include "app/command_registry.h"
#include "app/frame_win.h"

namespace meridax {

namespace {

namespace id = command_id;
using G = CommandGroup;
using R = CommandRoute;

const FrameCommand kTreePaneCommands[] = {
    {.id = id::kTreeLineUp, .name = "CmTreeLineUp", .group = G::TreePane, .menuText = "Scroll Up One &Line", .keys = "Alt+Up",
     .tip = "Scroll the game tree window up one line", .route = R::Window},
    {.id = id::kTreeLineDown, .name = "CmTreeLineDown", .group = G::TreePane, .menuText = "Scroll Down One L&ine", .keys = "Alt+Down",
     .tip = "Scroll the game tree window down one line", .route = R::Window},
    {.id = id::kTreePageUp, .name = "CmTreePageUp", .group = G::TreePane, .menuText = "Scroll Up One &Page", .keys = "Alt+PageUp",
     .tip = "Scroll the game tree window up one page", .route = R::Window},
    {.id = id::kTreePageDown, .name = "CmTreePageDown", .group = G::TreePane, .menuText = "Scroll Down One P&age", .keys = "Alt+PageDown",
     .tip = "Scroll the game tree window down one page", .route = R::Window},
    {.id = id::kTreeTop, .name = "CmTreeTop", .group = G::TreePane, .menuText = "Scroll to the &Top", .keys = "Alt+Home",
     .tip = "Scroll the game tree window to top", .route = R::Window},
    {.id = id::kTreeBottom, .name = "CmTreeBottom", .group = G::TreePane, .menuText = "Scroll to the &Bottom", .keys = "Alt+End",
     .tip = "Scroll the game tree window to bottom", .route = R::Window},
};

}  // namespace

FrameCommandTable treePaneCommandTable() { return kTreePaneCommands; }

}  // namespace meridax
