// The command registry: each command once, its accelerators bound once and matching its menu text, and the
// frame's dispatch of commands that the window or a later part carries out.

#include "app/command_registry.h"

#include <gtest/gtest.h>

#include <map>
#include <set>

#include "app/frame_keys.h"
#include "app/frame_test_support.h"

namespace meridax::testing {
namespace {

std::string acceleratorOfMenuText(const char* text) {
  const std::string_view t = text;
  const std::size_t tab = t.find('\t');
  return tab == std::string_view::npos ? std::string() : std::string(t.substr(tab + 1));
}

TEST(CommandRegistry, IdentifiersAndNames_EachBelongToOneCommand) {
  std::set<int> ids;
  std::set<std::string> names;
  for (const FrameCommand* c : allCommands()) {
    EXPECT_FALSE(std::string(c->name).empty());
    EXPECT_TRUE(names.insert(c->name).second) << c->name << " is listed twice";
    if (c->id != 0) {
      EXPECT_TRUE(ids.insert(c->id).second) << c->name << " shares identifier " << c->id;
    }
  }
}

TEST(CommandRegistry, Accelerators_AreCanonicalAndBoundOnce) {
  std::map<std::string, std::string> owner;
  for (const FrameCommand* c : allCommands())
    for (const std::string& key : commandKeys(*c)) {
      EXPECT_EQ(canonicalKeyName(key), key) << c->name;
      const auto [it, fresh] = owner.emplace(key, c->name);
      EXPECT_TRUE(fresh) << key << " runs both " << it->second << " and " << c->name;
    }
}

// The accelerator a menu text shows after its tab is one the command answers to. The keys of the list
// windows are their own (list_menus.h).
TEST(CommandRegistry, MenuTextAccelerators_AreKeysOfTheCommand) {
  for (const FrameCommand* c : allCommands()) {
    if (c->group == CommandGroup::Lists) continue;
    const std::string shown = acceleratorOfMenuText(c->menuText);
    if (shown.empty()) continue;
    const std::optional<std::string> key = canonicalKeyName(shown);
    ASSERT_TRUE(key) << c->name << ": " << shown;
    const std::vector<std::string> keys = commandKeys(*c);
    EXPECT_NE(std::find(keys.begin(), keys.end(), *key), keys.end()) << c->name << " shows " << shown;
  }
}

TEST(CommandRegistry, Routes_FrameCommandsHaveAnActionAndTheOthersNone) {
  for (const FrameCommand* c : allCommands()) {
    if (c->route == CommandRoute::Frame) {
      EXPECT_NE(c->run, nullptr) << c->name;
    } else {
      EXPECT_EQ(c->run, nullptr) << c->name << " runs through the command port";
    }
  }
}

TEST(CommandRegistry, ToolTips_SplitIntoPromptAndShortForm) {
  const FrameCommand* previous = findCommand("CmPreviousMove");
  ASSERT_NE(previous, nullptr);
  EXPECT_EQ(tipPrompt(*previous), "Previous move");
  EXPECT_EQ(tipShort(*previous), "Previous Position");
  const FrameCommand* upEight = findCommand("CmUpEightMoves");
  EXPECT_EQ(tipPrompt(*upEight), "Go up eight moves");
  EXPECT_EQ(tipShort(*upEight), "");
  for (const FrameCommand* c : allCommands()) {
    if (std::string_view(c->tip).find('\n') != std::string_view::npos) {
      EXPECT_FALSE(tipPrompt(*c).empty() || tipShort(*c).empty()) << c->name;
    }
  }
}

struct KeyCase {
  const char* key;
  const char* command;  // empty: the key runs none
};

class AcceleratorTest : public ::testing::TestWithParam<KeyCase> {};

TEST_P(AcceleratorTest, RunsItsCommand) {
  const std::optional<std::string> command = commandForKey(GetParam().key);
  EXPECT_EQ(command.value_or(""), GetParam().command);
}

const KeyCase kKeyCases[] = {
    {"F11", "CmPreviousMove"},          {"alt+left", "CmPreviousMove"},     {"Alt+Right", "CmNextMove"},
    {"Shift+Ctrl+P", "CmFlipBoard"},    {"Ctrl+Shift+J", "CmInjectSGF"},    {"Ctrl+Shift+7", "CmQuickStore7"},
    {"Ctrl+7", "CmQuickGo7"},           {"Alt+F6", "CmViewCursor"},         {"Alt+PageDown", "CmTreePageDown"},
    {"Ctrl+Alt+O", "CmCustomise"},      {"F1", "CmHelp"},                   {"Ctrl+R", "CmSaveRTF"},
    {"Ctrl+Q", ""},                     {"Ctrl+Ctrl+T", ""},                {"Hyper+T", ""},
};

INSTANTIATE_TEST_SUITE_P(Keys, AcceleratorTest, ::testing::ValuesIn(kKeyCases));

class CommandDispatchTest : public FrameTest {};

TEST_F(CommandDispatchTest, WindowAndLaterCommands_GoToTheCommandPort) {
  EXPECT_TRUE(frame().runCommand("CmCustomise"));
  EXPECT_TRUE(frame().runCommand("CmTreeTop"));
  EXPECT_TRUE(frame().runCommand("CmGamesSite"));
  EXPECT_EQ(ports.takeLines(),
            (std::vector<std::string>{"(window) CmCustomise", "(window) CmTreeTop", "(later) CmGamesSite"}));
}

TEST_F(CommandDispatchTest, DisabledCommand_ReachesNeitherTheFrameNorThePort) {
  // The Othello highlights do not apply to Go; the other games' commands of a one-game collection.
  EXPECT_FALSE(frame().commandEnabled(*frame().findCommand("CmViewHighlighting")));
  EXPECT_TRUE(frame().runCommand("CmViewHighlighting"));
  EXPECT_EQ(frame().frameSettings().displayCaptures, 1);
  EXPECT_TRUE(frame().runCommand("CmCollDelete"));
  EXPECT_EQ(frame().collection().size(), 1u);
  EXPECT_TRUE(ports.takeLines().empty()) << "no question was asked";
}

struct ToggleCase {
  const char* command;
  const char* shownText;  // the menu text while shown
};

class ViewToggleTest : public FrameTest, public ::testing::WithParamInterface<ToggleCase> {};

TEST_P(ViewToggleTest, FlipsItsCheckMarkAndItsMenuText) {
  const ToggleCase& c = GetParam();
  const FrameCommand& command = *frame().findCommand(c.command);
  if (!frame().commandEnabled(command)) {
    ports.queueInput("Othello / Reversi");  // the Othello toggles need an Othello game
    frame().files().CmNewGameOfType();
  }
  const bool before = frame().commandChecked(command);
  ASSERT_TRUE(frame().runCommand(c.command));
  EXPECT_EQ(frame().commandChecked(command), !before);
  const std::string text = frame().commandMenuText(command);
  EXPECT_EQ(text.substr(0, 5), before ? "View " : "Hide ");
  EXPECT_EQ(text.substr(5), std::string(c.shownText).substr(5));
  ASSERT_TRUE(frame().runCommand(c.command));
  EXPECT_EQ(frame().commandChecked(command), before);
}

const ToggleCase kToggleCases[] = {
    {"CmViewCursor", "Hide &Cursor\tAlt+F6"},
    {"CmViewMarkup", "Hide SGF &Markup\tAlt+F5"},
    {"CmViewHighlighting", "Hide &Highlighting\tAlt+F8"},
    {"CmViewSearch", "Hide &Search\tAlt+F7"},
    {"CmViewGoCoordinates", "Hide Go &Co-ordinates\tShift+Ctrl+L"},
};

INSTANTIATE_TEST_SUITE_P(Options, ViewToggleTest, ::testing::ValuesIn(kToggleCases),
                         [](const auto& info) { return std::string(info.param.command); });

TEST_F(CommandDispatchTest, HidingTheCursor_EmptiesItsStatusField) {
  frame().refreshStatus();
  const std::string shown = ports.status(StatusField::Cursor);
  ASSERT_TRUE(frame().runCommand("CmViewCursor"));
  EXPECT_NE(ports.status(StatusField::Cursor), shown);
  ASSERT_TRUE(frame().runCommand("CmViewCursor"));
  EXPECT_EQ(ports.status(StatusField::Cursor), shown);
}

}  // namespace
}  // namespace meridax::testing
