#include "cli/cli_output.h"

namespace meridax::cli {
namespace {

// The length of the valid UTF-8 sequence starting at i, or 0 when there is none.
std::size_t utf8SequenceLength(std::string_view text, std::size_t i) {
  const auto lead = static_cast<unsigned char>(text[i]);
  std::size_t length = 0;
  unsigned minimum = 0;
  unsigned value = 0;
  if (lead < 0x80) return 1;
  if ((lead & 0xe0) == 0xc0) { length = 2; minimum = 0x80; value = lead & 0x1f; }
  else if ((lead & 0xf0) == 0xe0) { length = 3; minimum = 0x800; value = lead & 0x0f; }
  else if ((lead & 0xf8) == 0xf0) { length = 4; minimum = 0x10000; value = lead & 0x07; }
  else return 0;
  if (i + length > text.size()) return 0;
  for (std::size_t k = 1; k < length; ++k) {
    const auto next = static_cast<unsigned char>(text[i + k]);
    if ((next & 0xc0) != 0x80) return 0;
    value = (value << 6) | (next & 0x3f);
  }
  const bool surrogate = value >= 0xd800 && value <= 0xdfff;
  return value < minimum || value > 0x10ffff || surrogate ? 0 : length;
}

}  // namespace

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

std::string escapeField(std::string_view text) {
  std::string out;
  for (char c : toUtf8(text)) {
    switch (c) {
      case '\\': out += "\\\\"; break;
      case '\r': out += "\\r"; break;
      case '\n': out += "\\n"; break;
      case '\t': out += "\\t"; break;
      default: out += c; break;
    }
  }
  return out;
}

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
  out_ << escapeField(message.caption) << ": " << escapeField(message.text) << '\n';
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
