#pragma once
// Tool bar icons: the freedesktop icon theme's icon for a command where the desktop has one, else one of
// the style's own, else a small drawn badge with the command's initials, so every button shows something.

#include <QIcon>

#include "app/frame_command.h"

class QStyle;

namespace meridax {

QIcon commandIcon(const FrameCommand& command, QStyle* style);

}  // namespace meridax
