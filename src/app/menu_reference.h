#pragma once
// The manual's reference of the menus, made from the command registry so that it cannot drift from the
// program: one section per menu in the order of the menu bar, one row per command with its menu text,
// its accelerators, what it does (its tool tip) and the name scripts give it.

#include <string>

#include "app/frame_command.h"

namespace meridax {

// The title of a group's menu as the menu bar shows it, without the mnemonic ("Navigate").
std::string menuTitle(CommandGroup group);

// The reference in Markdown.
std::string menuReferenceMarkdown();

}  // namespace meridax
