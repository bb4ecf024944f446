#pragma once
// The logic behind the preferences sheet and the number fields of dialogs. The sheet edits copies of the
// settings; on OK the frame takes them over and recreates what changed.

#include <optional>
#include <string>
#include <vector>

#include "app/engine_settings.h"
#include "app/settings_values.h"
#include "app/user_ports.h"

namespace meridax {

class FrameWin;
class ProfilePort;

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

// The range of the " Other Options" page's "Backup Files" field.
inline constexpr int kMinBackupFiles = 0;
inline constexpr int kMaxBackupFiles = 9999;
// A backup count from anywhere (the profile, a script) brought into that range.
constexpr int clampBackupCount(int count) {
  return count < kMinBackupFiles ? kMinBackupFiles : count > kMaxBackupFiles ? kMaxBackupFiles : count;
}

// What the sheet edits: the application's settings, the frame's two move indications and the engines.
struct PreferenceValues {
  AppSettings app;
  bool viewPlaced = true;
  bool viewLast = false;
  EngineSettings engines;
  friend bool operator==(const PreferenceValues&, const PreferenceValues&) = default;
};
PreferenceValues currentPreferences(FrameWin& frame);

// Takes the sheet's copies over and asks for every pane to be drawn again. The application's sections
// and the frame's are written to `profile` at once, so that a crash does not lose what was chosen.
PreferenceChanges takeOverPreferences(FrameWin& frame, ProfilePort& profile, const PreferenceValues& values);

}  // namespace meridax
