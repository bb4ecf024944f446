#include "edit/node_annotations.h"

#include <climits>

namespace meridax {

std::string cleanedNewName(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text) {
    if (c == '\r') continue;
    out += (c == '\t' || c == '\n') ? ' ' : c;
  }
  return out;
}

std::string cleanedEditedName(std::string_view text) {
  std::string out;
  out.reserve(text.size());
  for (char c : text)
    if (c != '\t' && c != '\r' && c != '\n') out += c;
  const std::size_t first = out.find_first_not_of(' ');
  if (first == std::string::npos) return {};
  return out.substr(first, out.find_last_not_of(' ') - first + 1);
}

int scoreFromText(std::string_view text) {
  std::size_t i = 0;
  while (i < text.size() && (text[i] == ' ' || text[i] == '\t')) ++i;
  bool negative = false;
  if (i < text.size() && (text[i] == '-' || text[i] == '+')) negative = text[i++] == '-';
  long long value = 0;
  for (; i < text.size() && text[i] >= '0' && text[i] <= '9'; ++i) {
    value = value * 10 + (text[i] - '0');
    if (value > static_cast<long long>(INT_MAX) + 1) value = static_cast<long long>(INT_MAX) + 1;
  }
  if (negative) value = -value;
  if (value > INT_MAX) value = INT_MAX;
  return static_cast<int>(value);
}

bool isScoreGiven(std::string_view text) { return text.find_first_not_of(" \t\r\n") != std::string_view::npos; }

bool printDiagramAllowed(const GameNode* node) {
  return node != nullptr && node->kind() != SpecialMoveKind::SwapSides && node->kind() != SpecialMoveKind::SwapPieces;
}

}  // namespace meridax
