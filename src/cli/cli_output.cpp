#include "cli/cli_output.h"

#include <cstdint>

#include "model/character_set.h"

namespace meridax::cli {

std::string toUtf8(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size();) {
    const std::size_t length = utf8SequenceLength(text, i);
    if (length > 0) {
      out.append(text.substr(i, length));
      i += length;
      continue;
    }
    const auto byte = static_cast<unsigned char>(text[i++]);
    out += static_cast<char>(0xc0 | (byte >> 6));
    out += static_cast<char>(0x80 | (byte & 0x3f));
  }
  return out;
}

namespace {

// Control characters other than the three escaped by name: C0, DEL and the C1 range, which terminals
// may take for commands. Their code (below 0x100) is written as \xHH.
bool isControl(std::uint32_t code) { return code < 0x20 || (code >= 0x7f && code < 0xa0); }

// The code point of the UTF-8 sequence of `length` bytes at text[i].
std::uint32_t codePointAt(std::string_view text, std::size_t i, std::size_t length) {
  static constexpr unsigned char kLeadMask[] = {0, 0x7f, 0x1f, 0x0f, 0x07};
  std::uint32_t value = static_cast<unsigned char>(text[i]) & kLeadMask[length];
  for (std::size_t k = 1; k < length; ++k) value = (value << 6) | (static_cast<unsigned char>(text[i + k]) & 0x3f);
  return value;
}

void appendHexEscape(std::string& out, std::uint32_t code) {
  static constexpr char kDigits[] = "0123456789abcdef";
  out += "\\x";
  out += kDigits[(code >> 4) & 0xf];
  out += kDigits[code & 0xf];
}

enum class Escapes { Field, ControlsOnly };

std::string escaped(std::string_view text, Escapes escapes) {
  const std::string utf8 = toUtf8(text);
  std::string out;
  out.reserve(utf8.size());
  for (std::size_t i = 0; i < utf8.size();) {
    const std::size_t length = utf8SequenceLength(utf8, i);
    const std::uint32_t code = codePointAt(utf8, i, length);
    const char c = utf8[i];
    if (escapes == Escapes::Field && (c == '\\' || c == '\r' || c == '\n' || c == '\t')) {
      out += c == '\\' ? "\\\\" : c == '\r' ? "\\r" : c == '\n' ? "\\n" : "\\t";
    } else if (isControl(code) && c != '\r' && c != '\n' && c != '\t') {
      appendHexEscape(out, code);
    } else {
      out.append(utf8, i, length);
    }
    i += length;
  }
  return out;
}

}  // namespace

std::string escapeField(std::string_view text) { return escaped(text, Escapes::Field); }

std::string terminalText(std::string_view text) { return escaped(text, Escapes::ControlsOnly); }

std::string cliMessage(std::string_view text) { return "meridax-cli: " + escapeField(text) + "\n"; }

std::string recordLine(const std::vector<std::string>& fields) {
  std::string line;
  for (std::size_t i = 0; i < fields.size(); ++i) {
    if (i > 0) line += '\t';
    line += escapeField(fields[i]);
  }
  line += '\n';
  return line;
}

void StreamMessages::tell(const UserMessage& message) {
  out_ << cliMessage(message.caption + ": " + message.text);
}

bool StreamMessages::askYesNo(const std::string& caption, const std::string& text) {
  tell(UserMessage{caption, text, MessageIcon::Warning});
  return false;
}

Answer StreamMessages::askYesNoCancel(const std::string& caption, const std::string& text) {
  tell(UserMessage{caption, text, MessageIcon::Warning});
  return Answer::Cancel;
}

}  // namespace meridax::cli
