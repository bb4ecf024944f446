#pragma once
// The command line of `meridax`:
//
//   meridax [--profile INI] [FILE...]
//   meridax --screenshot OUT.png [--size WxH] [--script FILE] [--dialog NAME] [--profile INI] [FILE]
//   meridax --help | --version
//
// The first form opens the window; the second renders the window offscreen after loading FILE and playing
// the script, writes the image and exits. With --dialog the image is that of the dialog NAME opened then.
// --help and --version print their text and exit, whatever else the line holds.

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace meridax {

// What the line asks for besides the window: only a text printed.
enum class LaunchInfo { None, Help, Version };

struct LaunchOptions {
  LaunchInfo info = LaunchInfo::None;
  std::vector<std::string> files;
  std::optional<std::string> profile;     // an INI file in place of the user's profile
  std::optional<std::string> screenshot;  // where the image goes
  std::optional<std::string> script;
  std::optional<std::string> dialog;      // a command's handler name or a gallery name (view/dialog_gallery.h)
  int width = 1024;
  int height = 720;
};

struct LaunchError {
  std::string text;
};

inline constexpr char kLaunchUsage[] =
    "usage: meridax [--profile INI] [FILE...]\n"
    "       meridax --screenshot OUT.png [--size WxH] [--script FILE] [--dialog NAME] [--profile INI] [FILE]\n"
    "       meridax --help | --version\n";

// --help: the usage and what each option does.
inline constexpr char kLaunchHelp[] =
    "\n"
    "Meridax, an editor of SGF game records. The first FILE is loaded once the window shows.\n"
    "\n"
    "  --profile INI        read and write the settings of INI instead of the user's settings\n"
    "  --screenshot OUT.png draw the window offscreen after loading FILE, write it as a PNG picture and exit\n"
    "  --size WxH           the size of the screenshot in pixels (default 1024x720)\n"
    "  --script FILE        before the screenshot, play the actions of FILE, one a line\n"
    "  --dialog NAME        the screenshot shows the dialog NAME (a command's handler name) instead\n"
    "  --help               print this text and exit\n"
    "  --version            print the version and exit\n"
    "\n"
    "Exit status: 0 on success; 2 for a wrong command line (an unknown option or dialog name) or an unreadable\n"
    "script; 3 when a script stopped; 4 when the screenshot could not be written.\n";

std::variant<LaunchOptions, LaunchError> parseLaunchOptions(const std::vector<std::string>& args);

}  // namespace meridax
