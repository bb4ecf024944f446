// The manual's menu reference is made from the command registry: every command appears in the section
// of its menu, and every key the reference lists runs the command of its row.

#include <gtest/gtest.h>

#include <map>
#include <regex>
#include <sstream>

#include "app/command_registry.h"
#include "app/command_index.h"
#include "app/menu_reference.h"

namespace meridax {
namespace {

struct Row {
  std::string menu;
  std::vector<std::string> keys;
};

// The rows of the reference by the command name of their last cell.
std::map<std::string, Row> rowsByName(const std::string& reference) {
  std::map<std::string, Row> rows;
  std::istringstream lines(reference);
  std::string line, menu;
  const std::regex name("\\| `([A-Za-z0-9_]+)` \\|$");
  const std::regex key("<kbd>([^<]+)</kbd>");
  for (std::smatch m; std::getline(lines, line);) {
    if (line.rfind("## ", 0) == 0) menu = line.substr(3);
    if (!std::regex_search(line, m, name)) continue;
    Row row{menu, {}};
    for (std::sregex_iterator k(line.begin(), line.end(), key), end; k != end; ++k) row.keys.push_back((*k)[1]);
    EXPECT_TRUE(rows.emplace(m[1], row).second) << "listed twice: " << m[1];
  }
  return rows;
}

TEST(MenuReference, EveryRegistryCommand_InItsMenuWithEveryKey) {
  const std::map<std::string, Row> rows = rowsByName(menuReferenceMarkdown());
  EXPECT_EQ(rows.size(), allCommands().size());
  for (const FrameCommand* c : allCommands()) {
    const auto row = rows.find(c->name);
    ASSERT_NE(row, rows.end()) << c->name << " is missing from the reference";
    EXPECT_EQ(row->second.menu, menuTitle(c->group)) << c->name;
    EXPECT_EQ(row->second.keys, commandKeys(*c)) << c->name;
  }
}

TEST(MenuReference, EveryKeyListed_RunsTheCommandOfItsRow) {
  for (const auto& [name, row] : rowsByName(menuReferenceMarkdown())) {
    for (const std::string& key : row.keys) {
      const FrameCommand* runs = acceleratorCommand(key);
      ASSERT_NE(runs, nullptr) << key << " of " << name << " is no accelerator";
      EXPECT_EQ(std::string(runs->name), name) << key;
    }
  }
}

TEST(MenuReference, MenuTextsReadWithoutMarksAndTablesStayWhole) {
  const std::string reference = menuReferenceMarkdown();
  EXPECT_NE(reference.find("| Load File | <kbd>Ctrl+O</kbd> |"), std::string::npos) << reference.substr(0, 2000);
  std::istringstream lines(reference);
  std::string line;
  while (std::getline(lines, line)) {
    if (line.empty() || line[0] != '|') continue;
    // A cell never breaks the table: every row has the four cells of its heading.
    std::size_t bars = 0;
    for (std::size_t i = 0; i < line.size(); ++i)
      if (line[i] == '|' && (i == 0 || line[i - 1] != '\\')) ++bars;
    EXPECT_EQ(bars, 5u) << line;
    // Only a command no menu offers goes without a text.
    std::smatch name;
    if (line.rfind("| — |", 0) == 0 && std::regex_search(line, name, std::regex("`([A-Za-z0-9_]+)` \\|$"))) {
      const FrameCommand* c = findCommand(name[1].str());
      ASSERT_NE(c, nullptr) << line;
      EXPECT_TRUE(c->group == CommandGroup::Lists && c->menuText[0] == '\0') << c->name << " has no text";
      EXPECT_FALSE(inMenuBar(*c)) << c->name << " has no text";
    }
  }
}

// The index lists every key once a command, and the settings the editor writes, whatever section they are in.
TEST(CommandIndex, ListsEveryKeyAndTheSettingsOfEverySection) {
  const std::string index = commandIndexMarkdown();
  for (const FrameCommand* c : allCommands())
    for (const std::string& key : commandKeys(*c))
      EXPECT_NE(index.find("| <kbd>" + key + "</kbd> |"), std::string::npos) << key << " of " << c->name;
  for (const char* row : {"| Backup Files | Settings |", "| RTF PNG Diagrams | Settings |", "| Default Game | Application |"})
    EXPECT_NE(index.find(row), std::string::npos) << row;
  EXPECT_LT(index.find("## Commands"), index.find("| Load File | [File](menus.md#file) | <kbd>Ctrl+O</kbd> |"));
}

}  // namespace
}  // namespace meridax
