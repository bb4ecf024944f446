#pragma once
// The manual's index: every menu command, every key and every setting of the profile, each in alphabetical
// order, made from the command registry and the settings writers so that it cannot drift from the program.

#include <string>

namespace meridax {

// The index page in Markdown; its command rows link to the sections of the menu reference (menus.md).
std::string commandIndexMarkdown();

}  // namespace meridax
