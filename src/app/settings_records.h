#pragma once
// The binary records kept in the settings profile (as Base64 texts): window placement, dialog rectangles and
// geometry, logical fonts and the RTF options. Each has a fixed size and little-endian 32-bit fields.

#include <array>
#include <cstdint>
#include <string>
#include <vector>

#include "app/base64.h"
#include "export/rtf_options.h"

namespace meridax {

inline constexpr std::size_t kWindowPlacementSize = 44;
inline constexpr std::size_t kRectRecordSize = 16;
inline constexpr std::size_t kDialogGeometrySize = 72;
inline constexpr std::size_t kLogFontSize = 60;
inline constexpr std::size_t kRtfOptionsSize = 112;

struct Point {
  std::int32_t x = 0;
  std::int32_t y = 0;
  friend bool operator==(const Point&, const Point&) = default;
};

struct Rect {
  std::int32_t left = 0;
  std::int32_t top = 0;
  std::int32_t right = 0;
  std::int32_t bottom = 0;
  friend bool operator==(const Rect&, const Rect&) = default;
};

// Show states of a window placement.
namespace show_state {
inline constexpr std::uint32_t kNormal = 1;
inline constexpr std::uint32_t kMinimized = 2;
inline constexpr std::uint32_t kMaximized = 3;
inline constexpr std::uint32_t kMinimize = 6;
inline constexpr std::uint32_t kMinimizedNoActivate = 7;
inline constexpr std::uint32_t kRestore = 9;
}  // namespace show_state

struct WindowPlacement {
  std::uint32_t length = kWindowPlacementSize;
  std::uint32_t flags = 0;
  std::uint32_t showState = show_state::kNormal;
  Point minPosition{-1, -1};
  Point maxPosition{-1, -1};
  Rect normalPosition;
  friend bool operator==(const WindowPlacement&, const WindowPlacement&) = default;
};

// A stored placement as applied at start: a minimised window comes back restored.
WindowPlacement placementForStart(WindowPlacement placement);
// A stored window rectangle brought onto the screens (their available areas): kept when it lies wholly on
// one, else moved onto the screen it overlaps most (the first when it overlaps none) and shrunk to fit, so
// that a placement from another screen layout, or a crafted one, never opens the window out of sight.
// An empty or inverted rectangle becomes the default one of that screen. No screens: unchanged.
Rect placeOnScreens(const Rect& window, const std::vector<Rect>& screens);
// The main window's rectangle when no placement is stored: the middle of an 800 x 600 grid scaled to the screen.
Rect defaultWindowRect(int screenWidth, int screenHeight);

inline constexpr std::size_t kDialogColumns = 13;

// Geometry of a list dialog: its window rectangle, whether one was recorded, and its column widths.
struct DialogGeometry {
  Rect rect;
  std::int32_t valid = 0;
  std::array<std::int32_t, kDialogColumns> columnWidths{};
  friend bool operator==(const DialogGeometry&, const DialogGeometry&) = default;
};

inline constexpr std::int32_t kFontWeightNormal = 400;
inline constexpr std::int32_t kFontWeightBold = 700;
inline constexpr std::size_t kFaceNameSize = 32;  // with its terminating zero
inline constexpr std::int32_t kDefaultFontHeight = -12;
inline constexpr char kTreeFontFace[] = "Courier New";
inline constexpr char kCommentFontFace[] = "Microsoft Sans Serif";

// A logical font: the 60-byte record of height, width, escapement, orientation and weight (32 bits each),
// eight one-byte fields and a face name of at most 31 bytes.
struct LogFont {
  std::int32_t height = kDefaultFontHeight;
  std::int32_t width = 0;
  std::int32_t escapement = 0;
  std::int32_t orientation = 0;
  std::int32_t weight = kFontWeightNormal;
  std::uint8_t italic = 0;
  std::uint8_t underline = 0;
  std::uint8_t strikeOut = 0;
  std::uint8_t charSet = 0;
  std::uint8_t outPrecision = 0;
  std::uint8_t clipPrecision = 0;
  std::uint8_t quality = 0;
  std::uint8_t pitchAndFamily = 0;
  std::string faceName;
  friend bool operator==(const LogFont&, const LogFont&) = default;
};

// Told when a font cannot be created from its stored record, or from the built-in default.
inline constexpr char kStoredFontFailed[] = "Font creation failed (1)";
inline constexpr char kDefaultFontFailed[] = "Font creation failed (2)";

// The built-in font of a given face: height -12, normal weight, not italic.
LogFont defaultFont(const std::string& faceName);

constexpr bool isBold(const LogFont& font) { return font.weight >= kFontWeightBold; }
constexpr bool isItalic(const LogFont& font) { return font.italic != 0; }
void setBold(LogFont& font, bool bold);
void setItalic(LogFont& font, bool italic);

// Measures kept for every created font.
struct FontMeasures {
  int averageWidth = 0;
  int lineHeight = 0;  // character height + a quarter of the external leading, rounded
  int boxWidth = 0;    // 3 (proportional) or 2 (fixed pitch) times the average width, halved
  friend bool operator==(const FontMeasures&, const FontMeasures&) = default;
};
FontMeasures measureFont(int averageWidth, int characterHeight, int externalLeading, bool fixedPitch);

// Sets negative counts (text size, board square size) to 0.
void clampRtfCounts(RtfOptionsRecord& options);

// Byte forms of the records. A decode fails (and leaves the record alone) when fewer bytes than the record's
// size are given; bytes beyond it are ignored.
Bytes encodeRecord(const Rect& rect);
Bytes encodeRecord(const WindowPlacement& placement);
Bytes encodeRecord(const DialogGeometry& geometry);
Bytes encodeRecord(const LogFont& font);
Bytes encodeRecord(const RtfOptionsRecord& options);
bool decodeRecord(const Bytes& bytes, Rect& rect);
bool decodeRecord(const Bytes& bytes, WindowPlacement& placement);
bool decodeRecord(const Bytes& bytes, DialogGeometry& geometry);
bool decodeRecord(const Bytes& bytes, LogFont& font);
bool decodeRecord(const Bytes& bytes, RtfOptionsRecord& options);

}  // namespace meridax
