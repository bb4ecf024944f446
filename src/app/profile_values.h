#pragma once
// The value conventions of the settings profile: yes/no texts, colours as six hexadecimal digits, records as
// Base64 texts with "NULL" meaning that none is stored.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/base64.h"
#include "app/profile_port.h"
#include "app/user_ports.h"

namespace meridax {

inline constexpr char kYesText[] = "YES";
inline constexpr char kNoText[] = "NO";
inline constexpr char kNullRecord[] = "NULL";

// A 24-bit colour whose lowest byte is red, then green, then blue.
using ColourRef = std::uint32_t;

constexpr ColourRef rgbColour(std::uint8_t red, std::uint8_t green, std::uint8_t blue) {
  return ColourRef{red} | (ColourRef{green} << 8) | (ColourRef{blue} << 16);
}
constexpr std::uint8_t redOf(ColourRef c) { return static_cast<std::uint8_t>(c); }
constexpr std::uint8_t greenOf(ColourRef c) { return static_cast<std::uint8_t>(c >> 8); }
constexpr std::uint8_t blueOf(ColourRef c) { return static_cast<std::uint8_t>(c >> 16); }

// On only for the exact text "YES"; `fallback` when the key is absent.
bool readYesNo(const ProfilePort& profile, std::string_view section, std::string_view key, bool fallback);
void writeYesNo(ProfilePort& profile, std::string_view section, std::string_view key, bool on);

// "%06X": the digits read blue, green, red.
std::string colourText(ColourRef colour);
// Up to six leading hexadecimal digits; nullopt when the text starts with none.
std::optional<ColourRef> parseColour(std::string_view text);
ColourRef readColour(const ProfilePort& profile, std::string_view section, std::string_view key, ColourRef fallback);
void writeColour(ProfilePort& profile, std::string_view section, std::string_view key, ColourRef colour);

// The bytes of a record key: nullopt when it is absent, "NULL" or not Base64.
std::optional<Bytes> readRecordBytes(const ProfilePort& profile, std::string_view section, std::string_view key);
// Stores the record's bytes as Base64. If the text cannot be made the user is told ("malloc failed!") and the
// key keeps its stored value.
void writeRecordBytes(ProfilePort& profile, std::string_view section, std::string_view key, const Bytes& bytes,
                      MessagePort& messages);

// Reads a record over `record`; true when a complete record was stored, false (record untouched) otherwise.
template <class Record>
bool readRecord(const ProfilePort& profile, std::string_view section, std::string_view key, Record& record) {
  const std::optional<Bytes> bytes = readRecordBytes(profile, section, key);
  return bytes && decodeRecord(*bytes, record);
}

template <class Record>
void writeRecord(ProfilePort& profile, std::string_view section, std::string_view key, const Record& record,
                 MessagePort& messages) {
  writeRecordBytes(profile, section, key, encodeRecord(record), messages);
}

}  // namespace meridax
