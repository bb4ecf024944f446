#pragma once
// The logic behind the preferences sheet and the number fields of dialogs. The sheet edits copies of the
// settings; on OK the frame takes them over and recreates what changed.

#include <optional>
#include <string>
#include <vector>

#include "app/settings_values.h"
#include "app/user_ports.h"

namespace meridax {

inline constexpr char kPreferencesTitle[] = "Meridax Preferences";
inline constexpr char kSelectViewerTitle[] = "Select Viewer";
inline constexpr char kSelectRtfEditorTitle[] = "Select RTF Viewer / Editor";
inline constexpr char kProgramFilter[] = "EXE Files (*.exe)|*.exe|Other Files (*.*)|*.*||";
inline constexpr char kFontSampleText[] = "AaBbYyZz";

// "Please enter a value between %d and %d" (caption "Integer Number Validation") when out of range.
std::optional<UserMessage> checkIntegerField(long long value, int low, int high);
// "Please enter a value between %f and %f" (caption "Floating Number Validation") when out of range.
std::optional<UserMessage> checkRealField(double value, double low, double high);

// The entries of the "Dialog Font Size" list: 7 ... 12.
std::vector<int> dialogFontSizes();

// What the frame must recreate after the sheet's copies are taken over.
struct PreferenceChanges {
  std::vector<std::string> colourKeys;  // "Attributes" keys whose colour changed (their brushes and pens)
  bool fontsChanged = false;
  bool gradedOptionChanged = false;
  bool anyChange = false;
};
PreferenceChanges comparePreferences(const AppSettings& before, const AppSettings& after);

}  // namespace meridax
