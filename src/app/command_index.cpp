#include "app/command_index.h"

#include <algorithm>
#include <cctype>
#include <map>
#include <set>
#include <utility>
#include <vector>

#include "app/command_registry.h"
#include "app/memory_profile.h"
#include "app/menu_reference.h"
#include "app/recent_files.h"
#include "app/settings_io.h"
#include "app/settings_values.h"

namespace meridax {
namespace {

// Settings are written without a window: nothing to tell.
class SilentMessages : public MessagePort {
 public:
  void tell(const UserMessage&) override {}
  bool askYesNo(const std::string&, const std::string&) override { return true; }
  Answer askYesNoCancel(const std::string&, const std::string&) override { return Answer::Yes; }
};

std::string withoutMnemonic(std::string text) {
  if (const std::size_t tab = text.find('\t'); tab != std::string::npos) text.erase(tab);
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '&' && i + 1 < text.size()) ++i;
    out += text[i];
  }
  return out;
}

std::string itemText(const FrameCommand& c) {
  const std::string menu = withoutMnemonic(c.menuText);
  return menu.empty() ? tipShort(c) : menu;
}

std::string anchorOf(const std::string& title) {
  std::string out;
  for (char ch : title) out += static_cast<char>(std::tolower(static_cast<unsigned char>(ch)));
  return out;
}

std::string escaped(const std::string& text) {
  std::string out;
  for (char ch : text) {
    if (ch == '|' || ch == '*' || ch == '_' || ch == '<' || ch == '[' || ch == '`') out += '\\';
    out += ch;
  }
  return out;
}

bool alphabetically(const std::string& a, const std::string& b) {
  return std::lexicographical_compare(a.begin(), a.end(), b.begin(), b.end(), [](char x, char y) {
    return std::tolower(static_cast<unsigned char>(x)) < std::tolower(static_cast<unsigned char>(y));
  });
}

std::string commandsSection() {
  std::vector<std::pair<std::string, std::string>> rows;
  for (const FrameCommand* c : allCommands()) {
    const std::string text = itemText(*c);
    if (text.empty()) continue;
    const std::string menu = menuTitle(c->group);
    std::string keys;
    for (const std::string& key : commandKeys(*c)) keys += (keys.empty() ? "" : ", ") + ("<kbd>" + key + "</kbd>");
    rows.emplace_back(text, "| " + escaped(text) + " | [" + menu + "](menus.md#" + anchorOf(menu) + ") | " + keys + " |\n");
  }
  std::stable_sort(rows.begin(), rows.end(), [](const auto& a, const auto& b) { return alphabetically(a.first, b.first); });
  std::string out = "## Commands\n\n| Command | Menu | Keys |\n|---|---|---|\n";
  for (const auto& row : rows) out += row.second;
  return out;
}

std::string keysSection() {
  std::multimap<std::string, std::string, decltype(&alphabetically)> byKey(&alphabetically);
  for (const FrameCommand* c : allCommands())
    for (const std::string& key : commandKeys(*c)) byKey.emplace(key, itemText(*c).empty() ? c->name : itemText(*c));
  std::string out = "## Keys\n\n| Key | Command |\n|---|---|\n";
  for (const auto& [key, text] : byKey) out += "| <kbd>" + key + "</kbd> | " + escaped(text) + " |\n";
  return out;
}

// Every section and key the editor writes to its profile, taken from the text of a profile written with
// the first-run values.
std::string settingsSection() {
  MemoryProfile profile;
  SilentMessages silent;
  WriteToINI(profile, AppSettings{}, RecentFileList{}, silent);
  writeFrameSettings(profile, FrameSettings{}, silent);
  std::map<std::string, std::set<std::string, decltype(&alphabetically)>> keys;
  std::string section;
  const std::string text = profile.toIniText();
  for (std::size_t at = 0; at < text.size();) {
    std::size_t end = text.find('\n', at);
    if (end == std::string::npos) end = text.size();
    std::string line = text.substr(at, end - at);
    if (!line.empty() && line.back() == '\r') line.pop_back();
    at = end + 1;
    if (line.size() > 2 && line.front() == '[' && line.back() == ']') section = line.substr(1, line.size() - 2);
    else if (const std::size_t eq = line.find('='); eq != std::string::npos && !section.empty())
      keys.try_emplace(section, &alphabetically).first->second.insert(line.substr(0, eq));
  }
  std::string out = "## Settings\n\nThe keys of the settings file (`~/.config/quintelvar/Meridax.ini`), by section; "
                    "the [preferences](preferences.md) edit most of them.\n\n| Setting | Section |\n|---|---|\n";
  for (const auto& [name, inSection] : keys)
    for (const std::string& key : inSection) out += "| " + escaped(key) + " | " + escaped(name) + " |\n";
  return out;
}

}  // namespace

std::string commandIndexMarkdown() {
  return "# Index\n\nEvery command of the menus, every key and every setting, in alphabetical order. The "
         "[menus](menus.md) tell what each command does.\n\n" +
         commandsSection() + "\n" + keysSection() + "\n" + settingsSection();
}

}  // namespace meridax
