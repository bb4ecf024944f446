#pragma once
// The command line of `meridax`:
//
//   meridax [--profile INI] [FILE...]
//   meridax --screenshot OUT.png [--size WxH] [--script FILE] [--dialog NAME] [--profile INI] [FILE]
//
// The first form opens the window; the second renders the window offscreen after loading FILE and playing
// the script, writes the image and exits. With --dialog the image is that of the dialog NAME opened then.

#include <optional>
#include <string>
#include <variant>
#include <vector>

namespace meridax {

struct LaunchOptions {
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
    "       meridax --screenshot OUT.png [--size WxH] [--script FILE] [--dialog NAME] [--profile INI] [FILE]\n";

std::variant<LaunchOptions, LaunchError> parseLaunchOptions(const std::vector<std::string>& args);

}  // namespace meridax
