// Section "Application": the main frame's view options, pane proportions, window geometry and square sizes.

#include <cmath>

#include "app/profile_values.h"
#include "app/settings_io.h"

namespace meridax {
namespace {

constexpr char kDefaultGame[] = "Default Game";
constexpr char kDefaultGridSize[] = "Default GridSize";
constexpr char kDefaultRules[] = "Default Rules";
constexpr char kDefaultKropkiX[] = "Default KropkiX";
constexpr char kDefaultKropkiY[] = "Default KropkiY";
constexpr char kToolbar[] = "Toolbar";
constexpr char kNavigationBarRead[] = "NavigationBar";
constexpr char kNavigationBarWritten[] = "Navigationbar";  // the same key: names ignore case
constexpr char kWindowPlacement[] = "Window Placement";
constexpr char kCommentPlacementLabel[] = "dlgComment PlacementLBL";
constexpr char kCommentPlacementPgn[] = "dlgComment Placement PGN";
constexpr char kDisplayWidth[] = "Display Width";
constexpr char kDisplayWidthHz[] = "Display Width HZ";
constexpr std::int32_t kAbsentDimension = -1;
constexpr double kThousandths = 1000.0;

struct IntKey {
  const char* key;
  int FrameSettings::*member;
};
constexpr IntKey kViewNumbers[] = {
    {"Do Search", &FrameSettings::doSearch},       {"Display Captures", &FrameSettings::displayCaptures},
    {"ScoreValue", &FrameSettings::scoreValue},    {"View Markup", &FrameSettings::viewMarkup},
    {"View Cursor", &FrameSettings::viewCursor},   {"View Placed", &FrameSettings::viewPlaced},
    {"View Last", &FrameSettings::viewLast},       {"Display Numbers", &FrameSettings::displayNumbers},
};

struct YesNoKey {
  const char* key;
  bool FrameSettings::*member;
};
constexpr YesNoKey kViewSwitches[] = {
    {"Go Letters", &FrameSettings::goLetters},
    {"Fit Board", &FrameSettings::fitBoard},
    {"Auto Label Branches", &FrameSettings::autoLabelBranches},
    {"Auto Label Moves", &FrameSettings::autoLabelMoves},
};

constexpr SizeFamily kSizeFamilies[] = {SizeFamily::GoBoard, SizeFamily::Othello, SizeFamily::HexagonBoard,
                                        SizeFamily::Hex, SizeFamily::Kropki};

int lowByte(std::int32_t value) { return static_cast<int>(static_cast<std::uint32_t>(value) & 0xFF); }

template <class Record>
std::optional<Record> optionalRecord(const ProfilePort& profile, const char* key) {
  Record record{};
  if (readRecord(profile, section::kApplication, key, record)) return record;
  return std::nullopt;
}

}  // namespace

SquareSizeTable& FrameSettings::sizes(SizeFamily family) {
  switch (family) {
    case SizeFamily::Othello: return sizeOthello;
    case SizeFamily::HexagonBoard: return sizeHexagonBoard;
    case SizeFamily::Hex: return sizeHex;
    case SizeFamily::Kropki: return sizeKropki;
    case SizeFamily::GoBoard: break;
  }
  return sizeGoBoard;
}

const SquareSizeTable& FrameSettings::sizes(SizeFamily family) const {
  return const_cast<FrameSettings*>(this)->sizes(family);
}

FrameSettings readFrameSettings(const ProfilePort& profile) {
  const FrameSettings defaults;
  FrameSettings s;
  const char* app = section::kApplication;
  s.defaultGame = readInt(profile, app, kDefaultGame, defaults.defaultGame);
  s.defaultRules = readString(profile, app, kDefaultRules, defaults.defaultRules);
  s.defaultKropkiX = lowByte(readInt(profile, app, kDefaultKropkiX, kAbsentDimension));
  s.defaultKropkiY = lowByte(readInt(profile, app, kDefaultKropkiY, kAbsentDimension));
  s.defaultGridSize = readInt(profile, app, kDefaultGridSize, defaults.defaultGridSize);
  s.toolbar = readYesNo(profile, app, kToolbar, defaults.toolbar);
  s.navigationBar = readYesNo(profile, app, kNavigationBarRead, defaults.navigationBar);
  s.windowPlacement = optionalRecord<WindowPlacement>(profile, kWindowPlacement);
  s.commentPlacementLabel = optionalRecord<Rect>(profile, kCommentPlacementLabel);
  s.commentPlacementPgn = optionalRecord<Rect>(profile, kCommentPlacementPgn);
  s.displayWidth = readInt(profile, app, kDisplayWidth, 350) / kThousandths;
  s.displayWidthHz = readInt(profile, app, kDisplayWidthHz, 350) / kThousandths;
  for (const IntKey& k : kViewNumbers) s.*k.member = readInt(profile, app, k.key, defaults.*k.member);
  for (const YesNoKey& k : kViewSwitches) s.*k.member = readYesNo(profile, app, k.key, defaults.*k.member);
  for (const SizeFamily family : kSizeFamilies) {
    s.sizes(family) = parseSquareSizes(readString(profile, app, sizeTableKey(family), kNullRecord));
  }
  return s;
}

void writeFrameSettings(ProfilePort& profile, const FrameSettings& s, MessagePort& messages) {
  const char* app = section::kApplication;
  profile.writeInt(app, kDefaultGame, s.defaultGame);
  profile.writeInt(app, kDefaultGridSize, s.defaultGridSize);
  profile.writeString(app, kDefaultRules, s.defaultRules);
  profile.writeInt(app, kDefaultKropkiX, s.defaultKropkiX);
  profile.writeInt(app, kDefaultKropkiY, s.defaultKropkiY);
  writeYesNo(profile, app, kToolbar, s.toolbar);
  writeYesNo(profile, app, kNavigationBarWritten, s.navigationBar);
  if (s.windowPlacement) writeRecord(profile, app, kWindowPlacement, *s.windowPlacement, messages);
  if (s.commentPlacementLabel) writeRecord(profile, app, kCommentPlacementLabel, *s.commentPlacementLabel, messages);
  if (s.commentPlacementPgn) writeRecord(profile, app, kCommentPlacementPgn, *s.commentPlacementPgn, messages);
  // Rounded to the nearest thousandth, so that a proportion read and written back keeps its stored number.
  profile.writeInt(app, kDisplayWidth, static_cast<std::int32_t>(std::lround(s.displayWidth * kThousandths)));
  profile.writeInt(app, kDisplayWidthHz, static_cast<std::int32_t>(std::lround(s.displayWidthHz * kThousandths)));
  for (const IntKey& k : kViewNumbers) profile.writeInt(app, k.key, s.*k.member);
  for (const YesNoKey& k : kViewSwitches) writeYesNo(profile, app, k.key, s.*k.member);
  for (const SizeFamily family : kSizeFamilies) {
    profile.writeString(app, sizeTableKey(family), squareSizesText(s.sizes(family)));
  }
}

void rememberCurrentGame(FrameSettings& settings, GameKind kind, int width, int height, const std::string& rules) {
  settings.defaultGame = code(kind);
  settings.defaultGridSize = width;
  settings.defaultRules = rules;
  settings.defaultKropkiX = width;
  settings.defaultKropkiY = height;
}

}  // namespace meridax
