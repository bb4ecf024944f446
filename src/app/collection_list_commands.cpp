#include "app/collection_list_commands.h"

#include "app/frame_win.h"

namespace meridax {

FrameWin& CollectionListCommands::frame() { return static_cast<FrameWin&>(*this); }

FrameCommandTable CollectionListCommands::commandTable() { return {}; }

}  // namespace meridax
