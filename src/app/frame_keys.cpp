#include "app/frame_keys.h"

#include <algorithm>
#include <array>
#include <cctype>
#include <iterator>


namespace meridax {

namespace {

struct KeyBinding {
  const char* key;      // canonical key name
  const char* command;  // handler name of the frame command
};

// Accelerators of the commands the frame carries out.
constexpr KeyBinding kKeyBindings[] = {
    {"Ctrl+O", "LoadSGF"},
    {"Ctrl+L", "ReLoad"},
    {"Ctrl+S", "CmSave"},
    {"Ctrl+A", "SaveAs"},
    {"Ctrl+X", "CmExportCurrentGame"},
    {"Ctrl+R", "CmSaveRTF"},
    {"Ctrl+Shift+W", "CmCopySGF"},
    {"Alt+F4", "OnClose"},
    {"Ctrl+Left", "CmPreviousGame"},
    {"Ctrl+Right", "CmNextGame"},
    {"Ctrl+PageUp", "CmUpEightGames"},
    {"Ctrl+PageDown", "CmDownEightGames"},
    {"Ctrl+Home", "CmFirstGame"},
    {"Ctrl+End", "CmLastGame"},
    {"Ctrl+T", "CmPass"},
    {"Ctrl+U", "CmSwapPieces"},
    // Navigation
    {"F11", "CmPreviousMove"},
    {"Alt+Left", "CmPreviousMove"},
    {"Alt+F11", "CmUpEightMoves"},
    {"F12", "CmNextMove"},
    {"Alt+Right", "CmNextMove"},
    {"Alt+F12", "CmDownEightMoves"},
    {"Home", "CmStartPosition"},
    {"End", "CmEndPosition"},
    {"PageDown", "CmNextBranchNode"},
    {"PageUp", "CmPreviousBranchNode"},
    {"Backspace", "CmNeighbourBranch"},
    {"Shift+Backspace", "CmNeighbourBranchBack"},
    {"Alt+F3", "CmSetPrimary"},
    {"F3", "CmGoToPrimary"},
    {"Ctrl+Alt+N", "CmCommentNext"},
    {"Ctrl+Alt+P", "CmCommentPrev"},
    {"Ctrl+Alt+C", "CmFindComment"},
    {"Ctrl+Alt+W", "CmMoveTo"},
    {"Ctrl+Alt+F", "CmBranchEndNext"},
    {"Ctrl+Alt+E", "CmBranchEndPrev"},
    {"Ctrl+0", "CmQuickGo0"}, {"Ctrl+1", "CmQuickGo1"}, {"Ctrl+2", "CmQuickGo2"}, {"Ctrl+3", "CmQuickGo3"},
    {"Ctrl+4", "CmQuickGo4"}, {"Ctrl+5", "CmQuickGo5"}, {"Ctrl+6", "CmQuickGo6"}, {"Ctrl+7", "CmQuickGo7"},
    {"Ctrl+8", "CmQuickGo8"}, {"Ctrl+9", "CmQuickGo9"},
    {"Ctrl+Shift+0", "CmQuickStore0"}, {"Ctrl+Shift+1", "CmQuickStore1"}, {"Ctrl+Shift+2", "CmQuickStore2"},
    {"Ctrl+Shift+3", "CmQuickStore3"}, {"Ctrl+Shift+4", "CmQuickStore4"}, {"Ctrl+Shift+5", "CmQuickStore5"},
    {"Ctrl+Shift+6", "CmQuickStore6"}, {"Ctrl+Shift+7", "CmQuickStore7"}, {"Ctrl+Shift+8", "CmQuickStore8"},
    {"Ctrl+Shift+9", "CmQuickStore9"},
    // Annotations
    {"Alt+F2", "CmBookmark"},
    {"F2", "CmBMDisplay"},
    {"Shift+F2", "CmNNDisplay"},
    {"Ctrl+D", "CmPrintDiagram"},
    // Tree editing
    {"Ctrl+Alt+T", "CmTruncate"},
    {"Ctrl+Alt+U", "CmTruncateDelete"},
    {"Ctrl+Alt+D", "CmDeleteBranch"},
    {"Ctrl+Alt+H", "CmRemoveHigherBranches"},
    {"Ctrl+Alt+L", "CmRemoveLowerBranches"},
    {"Ctrl+Alt+X", "CmRemoveNeighbours"},
    {"Ctrl+Shift+J", "CmInjectSGF"},
    {"Ctrl+C", "CmCompose"},
    {"Ctrl+Shift+P", "CmFlipBoard"},
    {"Ctrl+Shift+R", "CmRotateBoard"},
    // Collection lists and statistics
    {"F6", "CmCollectionList"},
    {"F7", "CmBranchStatistics"},
    {"F9", "CmGameDetails"},
    // The board's view
    {"Alt+F6", "CmViewCursor"},
    {"Alt+F5", "CmViewMarkup"},
    {"Alt+F8", "CmViewHighlighting"},
    {"Alt+F7", "CmViewSearch"},
    {"Ctrl+Shift+L", "CmViewGoCoordinates"},
    {"Ctrl+Shift+N", "CmNumbering"},
    {"Ctrl+Shift+Right", "CmIncreaseSize"},
    {"Ctrl+Shift+Left", "CmDecreaseSize"},
};

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
  const std::optional<std::string> key = canonicalKeyName(name);
  if (!key) return std::nullopt;
  for (const KeyBinding& b : kKeyBindings)
    if (*key == b.key) return std::string(b.command);
  return std::nullopt;
}

}  // namespace meridax
