#include "app/tree_edit_commands.h"

#include "app/frame_win.h"

namespace meridax {

FrameWin& TreeEditCommands::frame() { return static_cast<FrameWin&>(*this); }

FrameCommandTable TreeEditCommands::commandTable() { return {}; }

}  // namespace meridax
