#pragma once
// The settings profile: named sections of named values (texts, 32-bit integers and binary records).
// Section and key names are compared without regard to case. The desktop build keeps the profile in an
// INI file; tests and the command-line tool use MemoryProfile.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "app/base64.h"

namespace meridax {

// The profile's location: the company key; below it the application's key, named kApplicationName.
inline constexpr char kCompanyName[] = "quintelvar";

class ProfilePort {
 public:
  virtual ~ProfilePort() = default;

  // The text of a key; nullopt when the key is absent. An integer value reads as its decimal text.
  virtual std::optional<std::string> readString(std::string_view section, std::string_view key) const = 0;
  // The integer of a key; nullopt when it is absent or holds no whole decimal number in 32 bits.
  virtual std::optional<std::int32_t> readInt(std::string_view section, std::string_view key) const = 0;
  // The bytes of a binary key; nullopt when it is absent or not binary.
  virtual std::optional<Bytes> readBinary(std::string_view section, std::string_view key) const = 0;

  virtual void writeString(std::string_view section, std::string_view key, std::string_view value) = 0;
  virtual void writeInt(std::string_view section, std::string_view key, std::int32_t value) = 0;
  virtual void writeBinary(std::string_view section, std::string_view key, const Bytes& value) = 0;
};

// ASCII comparison without regard to case, as for section and key names.
bool sameName(std::string_view a, std::string_view b);

// The text of a key, or `fallback` when it is absent.
std::string readString(const ProfilePort& profile, std::string_view section, std::string_view key,
                       std::string_view fallback);
// The integer of a key, or `fallback` when it is absent or not a number.
std::int32_t readInt(const ProfilePort& profile, std::string_view section, std::string_view key,
                     std::int32_t fallback);

// A whole decimal number in 32 bits (optional sign, no blanks), or nullopt.
std::optional<std::int32_t> parseInt32(std::string_view text);

}  // namespace meridax
