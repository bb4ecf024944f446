#pragma once
// A settings profile held in memory, in the order its sections and keys were first written, with a text
// form like an INI file:
//
//   [Section]
//   Key=text            texts escaped with \\ \n \r \t \xHH (leading and trailing blanks as \x20)
//   Number=-1           integers are written as decimal texts and read back as texts
//   Record=@Bytes(...)  binary values as Base64; a text that begins with '@' is written with "@@"
//
// Lines that begin with ';' or '#' are comments.
//
// The reader also reads the files the desktop build keeps through its settings library: names with
// "%XX" escapes ("Backup%20Files"), quoted values, the escapes \a \b \f \v \0 \" and "@ByteArray(...)"
// binary values, so that the command line reads the profile the editor wrote.

#include <string>
#include <string_view>
#include <variant>
#include <vector>

#include "app/profile_port.h"

namespace meridax {

class MemoryProfile : public ProfilePort {
 public:
  std::optional<std::string> readString(std::string_view section, std::string_view key) const override;
  std::optional<std::int32_t> readInt(std::string_view section, std::string_view key) const override;
  std::optional<Bytes> readBinary(std::string_view section, std::string_view key) const override;
  void writeString(std::string_view section, std::string_view key, std::string_view value) override;
  void writeInt(std::string_view section, std::string_view key, std::int32_t value) override;
  void writeBinary(std::string_view section, std::string_view key, const Bytes& value) override;

  bool contains(std::string_view section, std::string_view key) const;
  // Number of keys in all sections.
  std::size_t size() const;

  // The INI text of the whole profile; parseIniProfile reads it back to a profile that reads the same values.
  std::string toIniText() const;

 private:
  using Value = std::variant<std::string, std::int32_t, Bytes>;
  struct Entry {
    std::string key;
    Value value;
  };
  struct Section {
    std::string name;
    std::vector<Entry> entries;
  };

  const Entry* find(std::string_view section, std::string_view key) const;
  void put(std::string_view section, std::string_view key, Value value);

  std::vector<Section> sections_;
};

struct ProfileParseError {
  int line = 0;  // counted from 1
  std::string text;
};

// Reads the text written by MemoryProfile::toIniText (or by hand). Every value reads as text or binary.
std::variant<MemoryProfile, ProfileParseError> parseIniProfile(std::string_view text);

}  // namespace meridax
