#include "app/profile_values.h"

#include <exception>

#include "model/text_format.h"

namespace meridax {
namespace {

constexpr int kColourDigits = 6;
constexpr ColourRef kColourMask = 0xFFFFFF;

int hexValue(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

}  // namespace

bool readYesNo(const ProfilePort& profile, std::string_view section, std::string_view key, bool fallback) {
  return readString(profile, section, key, fallback ? kYesText : kNoText) == kYesText;
}

void writeYesNo(ProfilePort& profile, std::string_view section, std::string_view key, bool on) {
  profile.writeString(section, key, on ? kYesText : kNoText);
}

std::string colourText(ColourRef colour) { return formatText("%06X", colour & kColourMask); }

std::optional<ColourRef> parseColour(std::string_view text) {
  while (!text.empty() && (text.front() == ' ' || text.front() == '\t')) text.remove_prefix(1);
  ColourRef colour = 0;
  int digits = 0;
  for (; digits < kColourDigits && digits < static_cast<int>(text.size()); ++digits) {
    const int value = hexValue(text[static_cast<std::size_t>(digits)]);
    if (value < 0) break;
    colour = colour * 16 + static_cast<ColourRef>(value);
  }
  if (digits == 0) return std::nullopt;
  return colour;
}

ColourRef readColour(const ProfilePort& profile, std::string_view section, std::string_view key, ColourRef fallback) {
  const std::optional<std::string> text = profile.readString(section, key);
  if (!text) return fallback;
  return parseColour(*text).value_or(fallback);
}

void writeColour(ProfilePort& profile, std::string_view section, std::string_view key, ColourRef colour) {
  profile.writeString(section, key, colourText(colour));
}

std::optional<Bytes> readRecordBytes(const ProfilePort& profile, std::string_view section, std::string_view key) {
  const std::string text = readString(profile, section, key, kNullRecord);
  if (text == kNullRecord) return std::nullopt;
  return base64Decode(text);
}

void writeRecordBytes(ProfilePort& profile, std::string_view section, std::string_view key, const Bytes& bytes,
                      MessagePort& messages) {
  std::string text;
  try {
    text = base64Encode(bytes);
  } catch (const std::exception&) {
    messages.tell(UserMessage{"WriteToINI()", "malloc failed!", MessageIcon::Error});
    return;
  }
  profile.writeString(section, key, text);
}

}  // namespace meridax
