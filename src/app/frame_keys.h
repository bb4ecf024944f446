#pragma once
// Key names as the menus write them ("Ctrl+Left", "Ctrl+Alt+T", "F12", "Return"), and the frame command
// an accelerator runs. The accelerators themselves are entries of the command registry.

#include <optional>
#include <string>
#include <string_view>

namespace meridax {

// The canonical form of a key name: modifiers in the order Ctrl, Alt, Shift, each once, then the key
// ("alt+ctrl+left" gives "Ctrl+Alt+Left"); single letters upper-cased. nullopt when the name is not a
// key: an unknown key word, a repeated modifier, or no key after the modifiers.
std::optional<std::string> canonicalKeyName(std::string_view name);

// The handler name of the frame command the key runs (for FrameWin::runCommand); nullopt when the key
// is not a key or no command is bound to it.
std::optional<std::string> commandForKey(std::string_view name);

}  // namespace meridax
