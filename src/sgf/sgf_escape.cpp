#include "sgf/sgf_escape.h"

namespace meridax {

namespace {

std::string escapeAll(std::string_view text, std::string_view special) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (special.find(c) != std::string_view::npos) out += '\\';
    out += c;
  }
  return out;
}

}  // namespace

// The reader drops every CR and reads each LF as CR LF: a line break typed as a lone CR or a lone LF is
// written as CR LF, which reads back as it was written.
std::string escapeText(std::string_view text) {
  if (text.find_first_of("\r\n") == std::string_view::npos) return escapeAll(text, "\\]");
  std::string lines;
  lines.reserve(text.size() + 8);
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (c != '\r' && c != '\n') {
      lines += c;
      continue;
    }
    lines += "\r\n";
    if (c == '\r' && i + 1 < text.size() && text[i + 1] == '\n') ++i;
  }
  return escapeAll(lines, "\\]");
}

std::string escapeLabel(std::string_view text) { return escapeAll(text, "\\]:"); }

std::string unescapeStored(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (std::size_t i = 0; i < text.size(); ++i) {
    if (text[i] == '\\') {
      if (++i == text.size()) break;
    }
    out += text[i];
  }
  return out;
}

}  // namespace meridax
