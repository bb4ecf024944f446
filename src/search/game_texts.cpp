#include "search/game_texts.h"

#include <algorithm>

namespace meridax {

std::optional<std::vector<GameSpan>> splitGames(std::string_view text) {
  std::vector<GameSpan> games;
  int depth = 0;
  bool inValue = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inValue) {
      if (c == '\\') ++i;
      else if (c == ']') inValue = false;
    } else if (c == '[') {
      inValue = true;
    } else if (c == '(') {
      if (depth++ == 0) start = i;
    } else if (c == ')') {
      if (--depth < 0) return std::nullopt;
      if (depth == 0) games.push_back({start, i + 1});
    }
  }
  if (depth != 0 || inValue) return std::nullopt;
  return games;
}

std::string mainLineText(std::string_view game) {
  std::string out;
  out.reserve(game.size());
  bool inValue = false;
  bool opened = false;
  std::size_t copied = 0;  // the text before this is in out, or dropped
  for (std::size_t i = 0; i < game.size(); ++i) {
    const char c = game[i];
    if (inValue) {
      if (c == '\\') ++i;
      else if (c == ']') inValue = false;
    } else if (c == '[') {
      inValue = true;
    } else if (c == '(') {
      out.append(game, copied, i - copied + (opened ? 0 : 1));
      copied = i + 1;
      opened = true;
    } else if (c == ')') {
      out.append(game, copied, i + 1 - copied);
      return out;
    }
  }
  out.append(game.substr(std::min(copied, game.size())));
  return out;
}

}  // namespace meridax
