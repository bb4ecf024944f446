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
  if (kind == NameKind::Key) return c == '=' || (index == 0 && (c == ';' || c == '#' || c == '['));
  return false;
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
      case 'x': {
        if (i + 2 >= text.size()) return std::nullopt;
        const int high = hexDigit(text[i + 1]);
        const int low = hexDigit(text[i + 2]);
        if (high < 0 || low < 0) return std::nullopt;
        out += static_cast<char>(high * 16 + low);
        i += 2;
        break;
      }
      default: return std::nullopt;
    }
  }
  return out;
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
      return std::nullopt;
    }
    const std::size_t equals = line.find('=');
    if (equals == std::string_view::npos) return "expected 'key=value'";
    if (!section) return "a key before the first section";
    const std::optional<std::string> key = unescaped(trimmed(line.substr(0, equals)));
    if (!key) return "invalid escape in a key";
    if (key->empty()) return "a key without a name";
    return takeValue(*key, trimmed(line.substr(equals + 1)));
  }

  std::optional<std::string> takeValue(const std::string& key, std::string_view value) {
    if (value.starts_with(kBytesOpen) && value.ends_with(kBytesClose)) {
      const std::optional<Bytes> bytes =
          base64Decode(value.substr(kBytesOpen.size(), value.size() - kBytesOpen.size() - kBytesClose.size()));
      if (!bytes) return "invalid Base64 in a binary value";
      profile.writeBinary(*section, key, *bytes);
      return std::nullopt;
    }
    if (value.starts_with("@@")) value.remove_prefix(1);
    const std::optional<std::string> text = unescaped(value);
    if (!text) return "invalid escape in a value";
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
