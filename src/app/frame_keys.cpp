#include "app/frame_keys.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>

#include "app/command_registry.h"

namespace meridax {

namespace {

constexpr const char* kNamedKeys[] = {
    "F1",   "F2",    "F3",  "F4",   "F5",     "F6",       "F7",     "F8",     "F9",     "F10",       "F11",
    "F12",  "Left",  "Right", "Up", "Down",   "Home",     "End",    "PageUp", "PageDown", "Return", "Escape",
    "Tab",  "Space", "Delete", "Insert", "Backspace",
};

constexpr std::array<const char*, 3> kModifiers = {"Ctrl", "Alt", "Shift"};

bool sameWord(std::string_view a, std::string_view b) {
  return a.size() == b.size() && std::equal(a.begin(), a.end(), b.begin(), [](char x, char y) {
           return std::tolower(static_cast<unsigned char>(x)) == std::tolower(static_cast<unsigned char>(y));
         });
}

// The canonical spelling of a key word without modifiers.
std::optional<std::string> keyWord(std::string_view word) {
  if (word.size() == 1 && std::isalnum(static_cast<unsigned char>(word[0])))
    return std::string(1, static_cast<char>(std::toupper(static_cast<unsigned char>(word[0]))));
  for (const char* k : kNamedKeys)
    if (sameWord(word, k)) return std::string(k);
  return std::nullopt;
}

}  // namespace

std::optional<std::string> canonicalKeyName(std::string_view name) {
  std::array<bool, kModifiers.size()> held{};
  for (;;) {
    const std::size_t plus = name.find('+');
    if (plus == std::string_view::npos) break;
    const std::string_view part = name.substr(0, plus);
    const auto m = std::find_if(kModifiers.begin(), kModifiers.end(), [&](const char* mod) { return sameWord(part, mod); });
    if (m == kModifiers.end()) return std::nullopt;
    bool& seen = held[static_cast<std::size_t>(std::distance(kModifiers.begin(), m))];
    if (seen) return std::nullopt;
    seen = true;
    name.remove_prefix(plus + 1);
  }
  const std::optional<std::string> key = keyWord(name);
  if (!key) return std::nullopt;
  std::string canonical;
  for (std::size_t i = 0; i < kModifiers.size(); ++i)
    if (held[i]) canonical += std::string(kModifiers[i]) + "+";
  return canonical + *key;
}

std::optional<std::string> commandForKey(std::string_view name) {
  const FrameCommand* command = acceleratorCommand(name);
  if (command == nullptr) return std::nullopt;
  return std::string(command->name);
}

}  // namespace meridax
