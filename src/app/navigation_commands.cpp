#include "app/navigation_commands.h"

#include "app/frame_win.h"

namespace meridax {

FrameWin& NavigationCommands::frame() { return static_cast<FrameWin&>(*this); }

FrameCommandTable NavigationCommands::commandTable() { return {}; }

}  // namespace meridax
