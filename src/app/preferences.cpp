#include "app/preferences.h"

#include "app/frame_win.h"
#include "app/settings_io.h"
#include "model/text_format.h"

namespace meridax {
namespace {

struct NamedColour {
  const char* key;
  ColourRef AttributeColours::*member;
};
constexpr NamedColour kColours[] = {
    {"Grid Colour", &AttributeColours::grid},
    {"Border Colour", &AttributeColours::border},
    {"Kropki White Capture", &AttributeColours::kropkiWhiteCapture},
    {"Kropki Blue Capture", &AttributeColours::kropkiBlueCapture},
    {"Background Colour", &AttributeColours::background},
    {"Font Colour", &AttributeColours::font},
    {"Font Colour ( Moves )", &AttributeColours::fontMoves},
    {"Font Colour ( High Move )", &AttributeColours::fontHighMove},
    {"Font Colour ( Branch )", &AttributeColours::fontBranch},
    {"Box Colour", &AttributeColours::box},
    {"Box Colour2", &AttributeColours::box2},
    {"Box Colour3", &AttributeColours::box3},
};

}  // namespace

std::optional<UserMessage> checkIntegerField(long long value, int low, int high) {
  if (value >= low && value <= high) return std::nullopt;
  return UserMessage{"Integer Number Validation", formatText("Please enter a value between %d and %d", low, high)};
}

std::optional<UserMessage> checkRealField(double value, double low, double high) {
  if (value >= low && value <= high) return std::nullopt;
  return UserMessage{"Floating Number Validation",
                     formatText("Please enter a value between %f and %f", low, high)};
}

std::vector<int> dialogFontSizes() {
  std::vector<int> sizes;
  for (int size = kMinDialogFontSize; size <= kMaxDialogFontSize; ++size) sizes.push_back(size);
  return sizes;
}

PreferenceChanges comparePreferences(const AppSettings& before, const AppSettings& after) {
  PreferenceChanges changes;
  for (const NamedColour& c : kColours) {
    if (before.colours.*c.member != after.colours.*c.member) changes.colourKeys.emplace_back(c.key);
  }
  changes.fontsChanged = before.treeFont != after.treeFont || before.movesFont != after.movesFont ||
                         before.highMoveFont != after.highMoveFont || before.branchFont != after.branchFont ||
                         before.commentFont != after.commentFont;
  changes.gradedOptionChanged = before.gradedOption != after.gradedOption;
  changes.anyChange = !(before == after);
  return changes;
}

PreferenceValues currentPreferences(FrameWin& frame) {
  return PreferenceValues{frame.appSettings(), frame.frameSettings().viewPlaced != 0,
                          frame.frameSettings().viewLast != 0, frame.engine().settings()};
}

PreferenceChanges takeOverPreferences(FrameWin& frame, ProfilePort& profile, const PreferenceValues& values) {
  PreferenceChanges changes = comparePreferences(frame.appSettings(), values.app);
  FrameSettings& view = frame.frameSettings();
  if (frame.engine().settings() != values.engines) {
    frame.engine().settings() = values.engines;
    writeEngineSettings(profile, values.engines);
  }
  changes.anyChange = changes.anyChange || (view.viewPlaced != 0) != values.viewPlaced ||
                      (view.viewLast != 0) != values.viewLast;
  if (!changes.anyChange) return changes;
  frame.appSettings() = values.app;
  view.viewPlaced = values.viewPlaced ? 1 : 0;
  view.viewLast = values.viewLast ? 1 : 0;
  MessagePort& messages = *frame.ports().messages;
  WriteToINI(profile, frame.appSettings(), frame.recentFiles(), messages);
  writeFrameSettings(profile, view, messages);
  if (frame.ports().window != nullptr) frame.ports().window->redraw(Redraw::All);
  return changes;
}

}  // namespace meridax
