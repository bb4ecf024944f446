#include "app/annotation_commands.h"

#include "app/frame_win.h"

namespace meridax {

FrameWin& AnnotationCommands::frame() { return static_cast<FrameWin&>(*this); }

FrameCommandTable AnnotationCommands::commandTable() { return {}; }

}  // namespace meridax
