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

std::string escapeText(std::string_view text) { return escapeAll(text, "\\]"); }

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
