#include "view/launch_options.h"

#include <charconv>

namespace meridax {

namespace {

std::optional<int> dimension(std::string_view text) {
  int value = 0;
  const auto [end, ec] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (ec != std::errc() || end != text.data() + text.size() || value < 200 || value > 8000) return std::nullopt;
  return value;
}

bool parseSize(const std::string& text, LaunchOptions& options) {
  const std::size_t x = text.find('x');
  if (x == std::string::npos) return false;
  const std::optional<int> w = dimension(std::string_view(text).substr(0, x));
  const std::optional<int> h = dimension(std::string_view(text).substr(x + 1));
  if (!w || !h) return false;
  options.width = *w;
  options.height = *h;
  return true;
}

}  // namespace

std::variant<LaunchOptions, LaunchError> parseLaunchOptions(const std::vector<std::string>& args) {
  LaunchOptions options;
  for (const std::string& a : args) {
    if (a == "--help" || a == "-h") options.info = LaunchInfo::Help;
    else if (a == "--version") options.info = LaunchInfo::Version;
    if (options.info != LaunchInfo::None) return options;
  }
  bool sizeGiven = false;
  for (std::size_t i = 0; i < args.size(); ++i) {
    const std::string& a = args[i];
    const bool takesValue = a == "--screenshot" || a == "--size" || a == "--script" || a == "--profile" || a == "--dialog";
    if (takesValue && i + 1 >= args.size()) return LaunchError{a + " needs a value"};
    if (a == "--screenshot") options.screenshot = args[++i];
    else if (a == "--script") options.script = args[++i];
    else if (a == "--profile") options.profile = args[++i];
    else if (a == "--dialog") options.dialog = args[++i];
    else if (a == "--size") {
      if (!parseSize(args[++i], options)) return LaunchError{"--size needs WIDTHxHEIGHT, each 200 to 8000"};
      sizeGiven = true;
    } else if (a.size() > 1 && a[0] == '-' && a != "-") return LaunchError{"unknown option " + a};
    else options.files.push_back(a);
  }
  if (!options.screenshot && (options.script || options.dialog || sizeGiven))
    return LaunchError{"--size, --script and --dialog belong to --screenshot"};
  if (options.screenshot && options.files.size() > 1) return LaunchError{"--screenshot takes one file"};
  return options;
}

}  // namespace meridax
