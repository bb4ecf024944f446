#include "app/command_registry.h"

#include <vector>

#include "app/frame_keys.h"

namespace meridax {

namespace {

std::vector<const FrameCommand*> gatherCommands() {
  const FrameCommandTable tables[] = {fileCommandTable(),     collectionCommandTable(), listCommandTable(),
                                      navigationCommandTable(), moveCommandTable(),     treeEditCommandTable(),
                                      annotationCommandTable(), viewCommandTable(),     treePaneCommandTable(),
                                      exportCommandTable(),     engineCommandTable(),     shellCommandTable()};
  std::vector<const FrameCommand*> all;
  for (const FrameCommandTable& table : tables)
    for (const FrameCommand& c : table) all.push_back(&c);
  return all;
}

}  // namespace

std::span<const FrameCommand* const> allCommands() {
  static const std::vector<const FrameCommand*> commands = gatherCommands();
  return commands;
}

const FrameCommand* findCommand(int id) {
  if (id == 0) return nullptr;
  for (const FrameCommand* c : allCommands())
    if (c->id == id) return c;
  return nullptr;
}

const FrameCommand* findCommand(std::string_view name) {
  for (const FrameCommand* c : allCommands())
    if (name == c->name) return c;
  return nullptr;
}

std::vector<std::string> commandKeys(const FrameCommand& command) {
  std::vector<std::string> keys;
  std::string_view rest = command.keys;
  while (!rest.empty()) {
    const std::size_t comma = rest.find(", ");
    keys.emplace_back(rest.substr(0, comma));
    rest.remove_prefix(comma == std::string_view::npos ? rest.size() : comma + 2);
  }
  return keys;
}

const FrameCommand* acceleratorCommand(std::string_view keyName) {
  const std::optional<std::string> key = canonicalKeyName(keyName);
  if (!key) return nullptr;
  for (const FrameCommand* c : allCommands())
    for (const std::string& k : commandKeys(*c))
      if (k == *key) return c;
  return nullptr;
}

std::string tipPrompt(const FrameCommand& command) {
  const std::string_view tip = command.tip;
  return std::string(tip.substr(0, tip.find('\n')));
}

std::string tipShort(const FrameCommand& command) {
  const std::string_view tip = command.tip;
  const std::size_t newline = tip.find('\n');
  return newline == std::string_view::npos ? std::string() : std::string(tip.substr(newline + 1));
}

bool inMenuBar(const FrameCommand& command) {
  return command.group != CommandGroup::Lists && command.place == CommandPlace::MenuBar;
}

std::string submenuTitle(const FrameCommand& command) {
  const std::string_view name = command.name;
  if (name.starts_with("CmQuickGo")) return "Go to &Quick Slot";
  if (name.starts_with("CmQuickStore")) return "S&tore in Quick Slot";
  return {};
}

std::string readableMenuText(std::string_view menuText) {
  const std::string_view text = menuText.substr(0, menuText.find('\t'));
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

}  // namespace meridax
