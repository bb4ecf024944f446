#include "rules/auto_labels.h"

#include <set>

#include "model/node_texts.h"

namespace meridax {

namespace {

struct StoredLabel {
  int x = 0;
  int y = 0;
  std::string text;
};

// Reads the LB values of a stored markup text: "LB[" point pair, ":" label, "]".
// Backslash escapes inside a label are kept as they stand.
std::vector<StoredLabel> storedLabels(const std::string& markup) {
  std::vector<StoredLabel> labels;
  std::string ident;
  bool valuesRead = false;  // the identifier's values have begun: a following letter starts a new identifier
  std::size_t i = 0;
  while (i < markup.size()) {
    const char ch = markup[i];
    if (ch >= 'A' && ch <= 'Z') {
      if (valuesRead) ident.clear();
      valuesRead = false;
      ident += ch;
      ++i;
      continue;
    }
    if (ch != '[') {
      if (ch != ' ') {
        ident.clear();
        valuesRead = false;
      }
      ++i;
      continue;
    }
    std::size_t end = i + 1;
    while (end < markup.size() && markup[end] != ']') end += (markup[end] == '\\') ? 2 : 1;
    const std::string value = markup.substr(i + 1, std::min(end, markup.size()) - i - 1);
    if (ident == "LB" && value.size() >= 2) {
      StoredLabel label{value[0] - 33, value[1] - 33, {}};
      if (value.size() > 3 && value[2] == ':') label.text = value.substr(3);
      labels.push_back(label);
    }
    i = end + 1;
    valuesRead = true;  // consecutive values keep the identifier
  }
  return labels;
}

}  // namespace

std::optional<std::string> labelAt(const SGridFrame& game, const GameNode* node, int x, int y) {
  for (const StoredLabel& l : storedLabels(markupOf(game, node)))
    if (l.x == x && l.y == y) return l.text;
  return std::nullopt;
}

bool autoLabelPoint(SGridFrame& game, GameNode* node, int x, int y, bool lower) {
  const auto labels = storedLabels(markupOf(game, node));
  std::set<std::string> used;
  for (const StoredLabel& l : labels) {
    if (l.x == x && l.y == y) return false;
    used.insert(l.text);
  }
  const char first = lower ? 'a' : 'A';
  for (char letter = first; letter < first + 26; ++letter) {
    if (used.count(std::string(1, letter))) continue;
    std::string text = "LB[";
    text += static_cast<char>(x + 33);
    text += static_cast<char>(y + 33);
    text += ':';
    text += letter;
    text += ']';
    addMarkup(game, node, text);
    return true;
  }
  return false;
}

}  // namespace meridax
