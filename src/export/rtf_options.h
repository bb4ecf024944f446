#pragma once
// The options of the RTF export: 28 little-endian 32-bit fields (112 bytes), stored in the settings
// profile as the "RTF Options" record beside the "PrintHeaderText" and "PrintFooterText" texts.

#include <array>
#include <cstdint>
#include <string>

namespace meridax {

// The 28 fields of the RTF export options, in stored order. Yes/no fields hold 1 or 0.
namespace rtf_field {
inline constexpr std::size_t kPageNumbers = 0;
inline constexpr std::size_t kTwoColumns = 1;
inline constexpr std::size_t kMainLineBold = 2;
inline constexpr std::size_t kVariationsItalic = 3;
inline constexpr std::size_t kTextSize = 4;         // points; a count, never negative
inline constexpr std::size_t kBoardSquareSize = 5;  // pixels; a count, never negative
inline constexpr std::size_t kHexLineMode = 6;
inline constexpr std::size_t kHexLineBorder = 7;
inline constexpr std::size_t kBlackAndWhite = 8;
inline constexpr std::size_t kIncludeMarkup = 9;
inline constexpr std::size_t kAllLines = 10;
inline constexpr std::size_t kGameInformation = 11;
inline constexpr std::size_t kInfoDate = 12;
inline constexpr std::size_t kInfoEvent = 13;
inline constexpr std::size_t kInfoPlayers = 14;
inline constexpr std::size_t kFooter = 15;
inline constexpr std::size_t kHeader = 16;
inline constexpr std::size_t kEndDiagram = 17;
inline constexpr std::size_t kReserved19 = 18;
inline constexpr std::size_t kCommentDiagrams = 19;
inline constexpr std::size_t kBookmarkDiagrams = 20;
inline constexpr std::size_t kTemporaryFile = 21;
inline constexpr std::size_t kInfoFileName = 22;
inline constexpr std::size_t kInfoDescription = 23;
inline constexpr std::size_t kInfoGameName = 24;
inline constexpr std::size_t kReserved26 = 25;
inline constexpr std::size_t kImagesAsBmp = 26;
inline constexpr std::size_t kVariationsColour = 27;  // colour value, lowest byte red
inline constexpr std::size_t kCount = 28;
}  // namespace rtf_field

struct RtfOptionsRecord {
  std::array<std::int32_t, rtf_field::kCount> fields{1, 1, 1, 1, 10, 16, 1, 1, 0, 0, 1, 1, 1, 1,
                                                     1, 1, 1, 1, 1, 1, 1, 0, 1, 1, 1, 1, 0, 0x8C0000};
  friend bool operator==(const RtfOptionsRecord&, const RtfOptionsRecord&) = default;
};

// The options with the header and footer texts that go with them.
struct RtfExportOptions {
  RtfOptionsRecord record;
  std::string headerText;
  std::string footerText;
  bool pngDiagrams = false;  // diagrams as PNG files instead of the record's GIF or BMP

  bool on(std::size_t field) const { return record.fields[field] != 0; }
  int value(std::size_t field) const { return record.fields[field]; }
};

}  // namespace meridax
