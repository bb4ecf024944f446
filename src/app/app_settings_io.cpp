// Sections "Settings" and "Attributes", read once at start and written once at exit, and the support
// dialogs' section "SDlgDynamic".

#include <algorithm>

#include "app/preferences.h"
#include "app/profile_values.h"
#include "app/settings_io.h"
#include "model/text_format.h"

namespace meridax {
namespace {

constexpr char kPrintHeaderText[] = "PrintHeaderText";
constexpr char kPrintFooterText[] = "PrintFooterText";
constexpr char kGradedOption[] = "Graded Option";
constexpr char kBackupFiles[] = "Backup Files";
constexpr char kUserColours[] = "User Colours";
constexpr char kGridColour[] = "Grid Colour";
constexpr char kRtfEditor[] = "RTFEditor";
constexpr char kSgfViewer[] = "SGFViewer";
constexpr char kConvertAwAb[] = "ConvertAWAB";
constexpr char kRtfOptions[] = "RTF Options";
constexpr char kDialogFontSize[] = "DoModal_FontSize";
constexpr char kUndoSteps[] = "Undo Steps";
constexpr std::size_t kColourDigits = 6;

struct DimensionsKey {
  const char* key;
  std::optional<DialogGeometry> AppSettings::*member;
};
constexpr DimensionsKey kDimensions[] = {
    {"Folders Dimensions", &AppSettings::foldersDimensions},
    {"Players List Dimensions", &AppSettings::playersListDimensions},
    {"DlgBM Dimensions_2", &AppSettings::bookmarksDimensions},
};

struct ColourKey {
  const char* key;
  ColourRef AttributeColours::*member;
};
constexpr ColourKey kBoardColours[] = {
    {kGridColour, &AttributeColours::grid},
    {"Border Colour", &AttributeColours::border},
    {"Kropki White Capture", &AttributeColours::kropkiWhiteCapture},
    {"Kropki Blue Capture", &AttributeColours::kropkiBlueCapture},
    {"Background Colour", &AttributeColours::background},
};
constexpr ColourKey kFontColours[] = {
    {"Font Colour", &AttributeColours::font},
    {"Font Colour ( Moves )", &AttributeColours::fontMoves},
    {"Font Colour ( High Move )", &AttributeColours::fontHighMove},
    {"Font Colour ( Branch )", &AttributeColours::fontBranch},
};
constexpr ColourKey kBoxColours[] = {
    {"Box Colour", &AttributeColours::box},
    {"Box Colour2", &AttributeColours::box2},
    {"Box Colour3", &AttributeColours::box3},
};
// The first-run set, in the order it is written.
constexpr ColourKey kFirstRunKeys[] = {
    {kGridColour, &AttributeColours::grid},
    {"Border Colour", &AttributeColours::border},
    {"Font Colour", &AttributeColours::font},
    {"Font Colour ( Moves )", &AttributeColours::fontMoves},
    {"Font Colour ( High Move )", &AttributeColours::fontHighMove},
    {"Font Colour ( Branch )", &AttributeColours::fontBranch},
    {"Box Colour", &AttributeColours::box},
    {"Box Colour2", &AttributeColours::box2},
    {"Box Colour3", &AttributeColours::box3},
    {"Background Colour", &AttributeColours::background},
};

struct FontKey {
  const char* section;
  const char* key;
  LogFont AppSettings::*member;
};
constexpr FontKey kFonts[] = {
    {section::kAttributes, "LogFont", &AppSettings::treeFont},
    {section::kAttributes, "LogFont ( Moves )", &AppSettings::movesFont},
    {section::kAttributes, "LogFont ( High Move )", &AppSettings::highMoveFont},
    {section::kAttributes, "LogFont ( Branch )", &AppSettings::branchFont},
    {section::kSettings, "LogFont ( Comment )", &AppSettings::commentFont},
};

struct YesNoKey {
  const char* key;
  bool AppSettings::*member;
};
constexpr YesNoKey kOptions[] = {
    {"OpenLast", &AppSettings::openLast},
    {"Do Single Click", &AppSettings::doSingleClick},
    {"Do Auto Lower", &AppSettings::doAutoLower},
    {"Bookmark Names", &AppSettings::bookmarkNames},
    {"Do Thick Go Lines", &AppSettings::doThickGoLines},
    {"Do 6Moves", &AppSettings::do6Moves},
    {"Do Bevel", &AppSettings::doBevel},
    {"Do ClassicFileOpen", &AppSettings::doClassicFileOpen},
    {"RTF PNG Diagrams", &AppSettings::rtfPngDiagrams},
    {"Show File Saved", &AppSettings::showFileSaved},
};

template <std::size_t N>
void readColourKeys(const ProfilePort& profile, const ColourKey (&keys)[N], AttributeColours& colours) {
  for (const ColourKey& k : keys) {
    colours.*k.member = readColour(profile, section::kAttributes, k.key, colours.*k.member);
  }
}

template <std::size_t N>
void writeColourKeys(ProfilePort& profile, const ColourKey (&keys)[N], const AttributeColours& colours) {
  for (const ColourKey& k : keys) writeColour(profile, section::kAttributes, k.key, colours.*k.member);
}

// Sixteen groups of six digits from the start of the text; a missing or unreadable group is white.
std::array<ColourRef, kUserColourCount> parseUserColours(const std::string& text) {
  std::array<ColourRef, kUserColourCount> colours = whiteUserColours();
  if (text == kNullRecord) return colours;
  for (std::size_t i = 0; i < colours.size(); ++i) {
    const std::size_t start = i * kColourDigits;
    if (start >= text.size()) break;
    colours[i] = parseColour(std::string_view(text).substr(start, kColourDigits)).value_or(kWhite);
  }
  return colours;
}

std::string userColoursText(const std::array<ColourRef, kUserColourCount>& colours) {
  std::string text;
  for (const ColourRef c : colours) text += colourText(c);
  return text;
}

void writeFirstRunColours(ProfilePort& profile) {
  const AttributeColours colours = firstRunColours();
  writeColourKeys(profile, kFirstRunKeys, colours);
}

}  // namespace

bool isFirstRun(const ProfilePort& profile) {
  // The board colours are written at every exit, so their absence marks an account that never ran the program.
  return !profile.readString(section::kAttributes, kGridColour).has_value();
}

AttributeColours firstRunColours() {
  AttributeColours c;
  c.grid = 0xDFDFDF;
  c.border = 0x800000;
  c.font = 0x800000;
  c.fontMoves = 0x800000;
  c.fontHighMove = 0x800000;
  c.fontBranch = 0xFFFFFF;
  c.box = 0xDFDFDF;
  c.box2 = 0x800000;
  c.box3 = 0xFFFFFF;
  c.background = 0xB1D6BC;
  return c;
}

int clampDialogFontSize(int size) { return std::clamp(size, kMinDialogFontSize, kMaxDialogFontSize); }

AppSettings readAppSettings(ProfilePort& profile) {
  AppSettings s;
  const char* settings = section::kSettings;
  for (const DimensionsKey& k : kDimensions) {
    DialogGeometry geometry;
    if (readRecord(profile, settings, k.key, geometry)) s.*k.member = geometry;
  }
  s.printHeaderText = readString(profile, settings, kPrintHeaderText, "");
  s.printFooterText = readString(profile, settings, kPrintFooterText, "");
  if (isFirstRun(profile)) writeFirstRunColours(profile);
  readColourKeys(profile, kBoardColours, s.colours);
  s.gradedOption = readInt(profile, settings, kGradedOption, s.gradedOption);
  s.backupFiles = clampBackupCount(readInt(profile, settings, kBackupFiles, s.backupFiles));
  s.userColours = parseUserColours(readString(profile, section::kAttributes, kUserColours, kNullRecord));
  for (const FontKey& k : kFonts) readRecord(profile, k.section, k.key, s.*k.member);
  readColourKeys(profile, kFontColours, s.colours);
  readColourKeys(profile, kBoxColours, s.colours);
  for (const YesNoKey& k : kOptions) s.*k.member = readYesNo(profile, settings, k.key, s.*k.member);
  s.rtfEditor = readString(profile, settings, kRtfEditor, "");
  s.sgfViewer = readString(profile, settings, kSgfViewer, "");
  s.convertAwAb = readYesNo(profile, settings, kConvertAwAb, s.convertAwAb);
  readRecord(profile, settings, kRtfOptions, s.rtfOptions);
  clampRtfCounts(s.rtfOptions);
  s.dialogFontSize = clampDialogFontSize(readInt(profile, settings, kDialogFontSize, s.dialogFontSize));
  s.undoSteps = std::clamp(readInt(profile, settings, kUndoSteps, s.undoSteps), 0, kMaxUndoSteps);
  return s;
}

void WriteToINI(ProfilePort& profile, const AppSettings& s, const RecentFileList& recentFiles,
                MessagePort& messages) {
  writeRecentFiles(profile, recentFiles);
  const char* settings = section::kSettings;
  for (const DimensionsKey& k : kDimensions) {
    if (s.*k.member) writeRecord(profile, settings, k.key, *(s.*k.member), messages);
  }
  profile.writeString(settings, kPrintHeaderText, s.printHeaderText);
  profile.writeString(settings, kPrintFooterText, s.printFooterText);
  writeColourKeys(profile, kBoardColours, s.colours);
  profile.writeInt(settings, kGradedOption, s.gradedOption);
  profile.writeInt(settings, kBackupFiles, s.backupFiles);
  profile.writeString(section::kAttributes, kUserColours, userColoursText(s.userColours));
  for (const FontKey& k : kFonts) writeRecord(profile, k.section, k.key, s.*k.member, messages);
  writeColourKeys(profile, kFontColours, s.colours);
  writeColourKeys(profile, kBoxColours, s.colours);
  for (const YesNoKey& k : kOptions) writeYesNo(profile, settings, k.key, s.*k.member);
  profile.writeString(settings, kRtfEditor, s.rtfEditor);
  profile.writeString(settings, kSgfViewer, s.sgfViewer);
  writeYesNo(profile, settings, kConvertAwAb, s.convertAwAb);
  writeRecord(profile, settings, kRtfOptions, s.rtfOptions, messages);
  profile.writeInt(settings, kUndoSteps, s.undoSteps);
  profile.writeInt(settings, kDialogFontSize, s.dialogFontSize);
}

std::optional<Rect> readDialogRect(const ProfilePort& profile, std::string_view dialogName) {
  const std::optional<Bytes> bytes = profile.readBinary(section::kDynamicDialogs, dialogName);
  Rect rect;
  if (bytes && decodeRecord(*bytes, rect)) return rect;
  return std::nullopt;
}

void writeDialogRect(ProfilePort& profile, std::string_view dialogName, const Rect& rect) {
  profile.writeBinary(section::kDynamicDialogs, dialogName, encodeRecord(rect));
}

std::optional<Bytes> readDialogDims(const ProfilePort& profile, std::string_view dialogName, std::size_t size) {
  std::optional<Bytes> bytes = profile.readBinary(section::kDynamicDialogs, dialogName);
  if (!bytes || bytes->size() < size) return std::nullopt;
  bytes->resize(size);
  return bytes;
}

void writeDialogDims(ProfilePort& profile, std::string_view dialogName, const Bytes& bytes) {
  profile.writeBinary(section::kDynamicDialogs, dialogName, bytes);
}

}  // namespace meridax
