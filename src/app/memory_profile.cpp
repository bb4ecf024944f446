#include "app/memory_profile.h"

#include "model/text_format.h"

namespace meridax {
namespace {

constexpr std::string_view kBytesOpen = "@Bytes(";
constexpr std::string_view kBytesClose = ")";

enum class NameKind { Section, Key, Value };

bool isBlank(char c) { return c == ' ' || c == '\t'; }

std::string_view trimmed(std::string_view text) {
  while (!text.empty() && isBlank(text.front())) text.remove_prefix(1);
  while (!text.empty() && isBlank(text.back())) text.remove_suffix(1);
  return text;
}

std::string hexEscape(unsigned char c) { return formatText("\\x%02X", c); }

// Characters that would change the meaning of a line unless escaped.
bool needsEscape(char c, std::size_t index, std::size_t size, NameKind kind) {
  const auto code = static_cast<unsigned char>(c);
  if (code < 0x20 || code == 0x7F || c == '\\') return true;
  if (c == ' ' && (index == 0 || index + 1 == size)) return true;
  if (kind == NameKind::Section) return c == ']';
  if (kind == NameKind::Key) return c == '=' || c == '%' || (index == 0 && (c == ';' || c == '#' || c == '['));
  return index == 0 && c == '"';  // a value that begins with a quote would read as a quoted one
}

std::string escaped(std::string_view text, NameKind kind) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (!needsEscape(c, i, text.size(), kind)) {
      out += c;
    } else if (c == '\\') {
      out += "\\\\";
    } else if (c == '\n') {
      out += "\\n";
    } else if (c == '\r') {
      out += "\\r";
    } else if (c == '\t') {
      out += "\\t";
    } else {
      out += hexEscape(static_cast<unsigned char>(c));
    }
  }
  return out;
}

int hexDigit(char c) {
  if (c >= '0' && c <= '9') return c - '0';
  if (c >= 'A' && c <= 'F') return c - 'A' + 10;
  if (c >= 'a' && c <= 'f') return c - 'a' + 10;
  return -1;
}

// Reads up to two hex digits at `at`; the number of digits read goes to `digits`.
int hexNumber(std::string_view text, std::size_t at, int& digits) {
  int value = 0;
  for (digits = 0; digits < 2 && at + static_cast<std::size_t>(digits) < text.size(); ++digits) {
    const int d = hexDigit(text[at + static_cast<std::size_t>(digits)]);
    if (d < 0) break;
    value = value * 16 + d;
  }
  return value;
}

// The escapes of both spellings of a profile: ours (\\ \n \r \t \xHH) and those of the desktop's
// settings files (also \a \b \f \v \0 \" \' \? \; \, and \x with one digit).
std::optional<std::string> unescaped(std::string_view text) {
  std::string out;
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] != '\\') {
      out += text[i];
      continue;
    }
    if (++i == text.size()) return std::nullopt;
    switch (text[i]) {
      case '\\': out += '\\'; break;
      case 'n': out += '\n'; break;
      case 'r': out += '\r'; break;
      case 't': out += '\t'; break;
      case 'a': out += '\a'; break;
      case 'b': out += '\b'; break;
      case 'f': out += '\f'; break;
      case 'v': out += '\v'; break;
      case '0': out += '\0'; break;
      case '"':
      case '\'':
      case '?':
      case ';':
      case ',': out += text[i]; break;
      case 'x': {
        int digits = 0;
        const int value = hexNumber(text, i + 1, digits);
        if (digits == 0) return std::nullopt;
        out += static_cast<char>(value);
        i += static_cast<std::size_t>(digits);
        break;
      }
      default: return std::nullopt;
    }
  }
  return out;
}

void appendUtf8(std::string& out, std::uint32_t code) {
  if (code < 0x80) {
    out += static_cast<char>(code);
  } else if (code < 0x800) {
    out += static_cast<char>(0xC0 | (code >> 6));
    out += static_cast<char>(0x80 | (code & 0x3F));
  } else {
    out += static_cast<char>(0xE0 | (code >> 12));
    out += static_cast<char>(0x80 | ((code >> 6) & 0x3F));
    out += static_cast<char>(0x80 | (code & 0x3F));
  }
}

// A section or key name as the desktop's settings files spell it: "%XX" a Latin-1 character, "%UXXXX" any
// other (so "Backup%20Files" is "Backup Files"); any other text stays as it is.
std::string percentDecoded(std::string_view name) {
  std::string out;
  for (std::size_t i = 0; i < name.size(); ++i) {
    const bool wide = name[i] == '%' && i + 1 < name.size() && name[i + 1] == 'U';
    const std::size_t digits = wide ? 4 : 2;
    const std::size_t start = i + (wide ? 2 : 1);
    std::uint32_t code = 0;
    bool valid = name[i] == '%' && start + digits <= name.size();
    for (std::size_t d = 0; valid && d < digits; ++d) {
      const int h = hexDigit(name[start + d]);
      valid = h >= 0;
      code = code * 16 + static_cast<std::uint32_t>(h);
    }
    if (!valid) {
      out += name[i];
      continue;
    }
    appendUtf8(out, code);
    i = start + digits - 1;
  }
  return out;
}

// True when the text's last quote closes it: it follows an even number of backslashes.
bool endsWithQuote(std::string_view text) {
  std::size_t backslashes = 0;
  for (std::size_t i = text.size() - 1; i > 0 && text[i - 1] == '\\'; --i) ++backslashes;
  return backslashes % 2 == 0;
}

// The bytes of a "@ByteArray(...)" value: its text is read as UTF-8, each character standing for one byte.
Bytes byteArrayBytes(std::string_view text) {
  Bytes bytes;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const auto lead = static_cast<unsigned char>(text[i]);
    if ((lead & 0xE0) == 0xC0 && i + 1 < text.size() && (static_cast<unsigned char>(text[i + 1]) & 0xC0) == 0x80) {
      bytes.push_back(static_cast<std::uint8_t>(((lead & 0x1F) << 6) | (static_cast<unsigned char>(text[i + 1]) & 0x3F)));
      ++i;
    } else {
      bytes.push_back(lead);
    }
  }
  return bytes;
}

std::string valueText(const std::variant<std::string, std::int32_t, Bytes>& value) {
  if (const auto* number = std::get_if<std::int32_t>(&value)) return std::to_string(*number);
  if (const auto* bytes = std::get_if<Bytes>(&value)) {
    return std::string(kBytesOpen) + base64Encode(*bytes) + std::string(kBytesClose);
  }
  const std::string& text = std::get<std::string>(value);
  return (!text.empty() && text.front() == '@' ? "@" : "") + escaped(text, NameKind::Value);
}

}  // namespace

const MemoryProfile::Entry* MemoryProfile::find(std::string_view section, std::string_view key) const {
  for (const Section& s : sections_) {
    if (!sameName(s.name, section)) continue;
    for (const Entry& e : s.entries) {
      if (sameName(e.key, key)) return &e;
    }
  }
  return nullptr;
}

void MemoryProfile::put(std::string_view section, std::string_view key, Value value) {
  Section* target = nullptr;
  for (Section& s : sections_) {
    if (sameName(s.name, section)) target = &s;
  }
  if (!target) target = &sections_.emplace_back(Section{std::string(section), {}});
  for (Entry& e : target->entries) {
    if (sameName(e.key, key)) {
      e.value = std::move(value);  // the key keeps the spelling it was first written with
      return;
    }
  }
  target->entries.push_back(Entry{std::string(key), std::move(value)});
}

std::optional<std::string> MemoryProfile::readString(std::string_view section, std::string_view key) const {
  const Entry* entry = find(section, key);
  if (!entry) return std::nullopt;
  if (const auto* text = std::get_if<std::string>(&entry->value)) return *text;
  if (const auto* number = std::get_if<std::int32_t>(&entry->value)) return std::to_string(*number);
  return std::nullopt;
}

std::optional<std::int32_t> MemoryProfile::readInt(std::string_view section, std::string_view key) const {
  const Entry* entry = find(section, key);
  if (!entry) return std::nullopt;
  if (const auto* number = std::get_if<std::int32_t>(&entry->value)) return *number;
  if (const auto* text = std::get_if<std::string>(&entry->value)) return parseInt32(*text);
  return std::nullopt;
}

std::optional<Bytes> MemoryProfile::readBinary(std::string_view section, std::string_view key) const {
  const Entry* entry = find(section, key);
  if (!entry) return std::nullopt;
  if (const auto* bytes = std::get_if<Bytes>(&entry->value)) return *bytes;
  return std::nullopt;
}

void MemoryProfile::writeString(std::string_view section, std::string_view key, std::string_view value) {
  put(section, key, std::string(value));
}

void MemoryProfile::writeInt(std::string_view section, std::string_view key, std::int32_t value) {
  put(section, key, value);
}

void MemoryProfile::writeBinary(std::string_view section, std::string_view key, const Bytes& value) {
  put(section, key, value);
}

bool MemoryProfile::contains(std::string_view section, std::string_view key) const {
  return find(section, key) != nullptr;
}

std::size_t MemoryProfile::size() const {
  std::size_t count = 0;
  for (const Section& s : sections_) count += s.entries.size();
  return count;
}

std::string MemoryProfile::toIniText() const {
  std::string text;
  for (const Section& s : sections_) {
    if (!text.empty()) text += '\n';
    text += "[" + escaped(s.name, NameKind::Section) + "]\n";
    for (const Entry& e : s.entries) text += escaped(e.key, NameKind::Key) + "=" + valueText(e.value) + "\n";
  }
  return text;
}

namespace {

struct LineReader {
  MemoryProfile profile;
  std::optional<std::string> section;

  // nullopt when the line was taken, else what is wrong with it.
  std::optional<std::string> take(std::string_view line) {
    if (line.empty() || line.front() == ';' || line.front() == '#') return std::nullopt;
    if (line.front() == '[') {
      if (line.back() != ']') return "a section name must end with ']'";
      section = unescaped(trimmed(line.substr(1, line.size() - 2)));
      if (!section) return "invalid escape in a section name";
      section = percentDecoded(*section);
      return std::nullopt;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return "expected 'key=value'";
    if (!section) return "a key before the first section";
    const std::optional<std::string> key = unescaped(trimmed(line.substr(0, equals)));
    if (!key) return "invalid escape in a key";
    if (key->empty()) return "a key without a name";
    return takeValue(percentDecoded(*key), trimmed(line.substr(equals + 1)));
  }

  std::optional<std::string> takeValue(const std::string& key, std::string_view value) {
    if (value.starts_with(kBytesOpen) && value.ends_with(kBytesClose)) {
      const std::optional<Bytes> bytes =
          base64Decode(value.substr(kBytesOpen.size(), value.size() - kBytesOpen.size() - kBytesClose.size()));
      if (!bytes) return "invalid Base64 in a binary value";
      profile.writeBinary(*section, key, *bytes);
      return std::nullopt;
    }
    // A value the desktop's settings files put in quotes (for its commas, semicolons or blanks).
    const bool quoted = value.size() >= 2 && value.front() == '"' && value.back() == '"' &&
                        endsWithQuote(value.substr(1));
    if (quoted) value = value.substr(1, value.size() - 2);
    std::optional<std::string> text = unescaped(value);
    if (!text) return "invalid escape in a value";
    static constexpr std::string_view kByteArrayOpen = "@ByteArray(";
    if (text->starts_with(kByteArrayOpen) && text->ends_with(')')) {
      profile.writeBinary(*section, key,
                          byteArrayBytes(std::string_view(*text).substr(kByteArrayOpen.size(),
                                                                        text->size() - kByteArrayOpen.size() - 1)));
      return std::nullopt;
    }
    if (text->starts_with("@@")) text->erase(0, 1);
    profile.writeString(*section, key, *text);
    return std::nullopt;
  }
};

}  // namespace

std::variant<MemoryProfile, ProfileParseError> parseIniProfile(std::string_view text) {
  LineReader reader;
  int lineNumber = 0;
  while (!text.empty()) {
    const std::size_t end = text.find('\n');
    std::string_view line = text.substr(0, end);
    text.remove_prefix(end == std::string_view::npos ? text.size() : end + 1);
    ++lineNumber;
    if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
    if (std::optional<std::string> problem = reader.take(trimmed(line))) {
      return ProfileParseError{lineNumber, std::move(*problem)};
    }
  }
  return std::move(reader.profile);
}

}  // namespace meridax
