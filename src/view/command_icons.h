#pragma once
// The pictures of the commands and the buttons of the two tool bars. A picture is the desktop icon theme's
// where a freedesktop name says what the command does, else one drawn for this program (an SVG compiled in
// under ":/icons"), which also stands in where the desktop has no theme. SVGs keep them sharp at any scale.

#include <QIcon>
#include <span>

#include "app/frame_command.h"

namespace meridax {

enum class ToolBarPlace {
  None,        // a picture for the menu only
  Toolbar,     // the application bar: files, the collection, edits, annotations, exports, help
  Navigation,  // the navigation bar: games, moves, special moves
};

struct CommandPicture {
  const char* command;  // the handler name
  const char* theme;    // a freedesktop icon name; nullptr where none says what the command does
  const char* drawn;    // the file under ":/icons" without ".svg"
  ToolBarPlace bar;
};

// Every picture, the tool bar buttons in the order the bars show them.
std::span<const CommandPicture> commandPictures();

// The picture of a command; nullptr when it has none.
const CommandPicture* commandPicture(const FrameCommand& command);

// The command's icon: the theme's where it has one, else the drawn one; a null icon for a command without a
// picture.
QIcon commandIcon(const FrameCommand& command);

// The drawn icon alone, as it shows where no theme is installed.
QIcon drawnIcon(const CommandPicture& picture);

}  // namespace meridax
