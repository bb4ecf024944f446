#pragma once
// Reading and writing the settings profile: the frame's section "Application" at frame construction and
// destruction, the application's sections "Settings" and "Attributes" (with the recent file list) at start
// and exit.

#include <optional>
#include <string>
#include <string_view>

#include "app/profile_port.h"
#include "app/recent_files.h"
#include "app/settings_values.h"
#include "app/user_ports.h"
#include "model/game_kind.h"

namespace meridax {

// Section "Application". A missing key gives its default; "Default KropkiX" and "Default KropkiY" keep their
// low byte.
FrameSettings readFrameSettings(const ProfilePort& profile);
// Writes section "Application" ("NavigationBar" under the key name "Navigationbar"). Records are written only
// when one was recorded.
void writeFrameSettings(ProfilePort& profile, const FrameSettings& settings, MessagePort& messages);
// Takes the current game's kind, size and rules as the default game of the next start.
void rememberCurrentGame(FrameSettings& settings, GameKind kind, int width, int height, const std::string& rules);

// True while the profile holds no board colours yet: the first start on this account.
bool isFirstRun(const ProfilePort& profile);
// The colours written on the first start.
AttributeColours firstRunColours();

// Sections "Settings" and "Attributes", in the order dimensions, print texts, first-run colours (written to
// the profile first when this is the first run), board colours, background choice, backup count, user
// colours, fonts, font colours, box colours, yes/no options, program paths, "ConvertAWAB", "RTF Options",
// "DoModal_FontSize". Negative RTF counts read as 0; the dialog font size is kept within 7 ... 12.
AppSettings readAppSettings(ProfilePort& profile);
// Writes the recent file list, then every "Settings" and "Attributes" value in the order they are read.
void WriteToINI(ProfilePort& profile, const AppSettings& settings, const RecentFileList& recentFiles,
                MessagePort& messages);

int clampDialogFontSize(int size);

// Section "SDlgDynamic": binary geometry of the support dialogs, under the dialog's name.
inline constexpr char kTreeDialogDims[] = "SDlgTree_Dims";
inline constexpr char kLogDialogDims[] = "SDlgLog_Dims";
inline constexpr std::size_t kLogDialogDimsSize = 52;

// The stored rectangle of a support dialog; nullopt when none (or too few bytes) is stored.
std::optional<Rect> readDialogRect(const ProfilePort& profile, std::string_view dialogName);
void writeDialogRect(ProfilePort& profile, std::string_view dialogName, const Rect& rect);
// The first `size` stored bytes of a support dialog's geometry; nullopt when fewer are stored.
std::optional<Bytes> readDialogDims(const ProfilePort& profile, std::string_view dialogName, std::size_t size);
void writeDialogDims(ProfilePort& profile, std::string_view dialogName, const Bytes& bytes);

}  // namespace meridax
