#include "model/node_texts.h"

namespace meridax {

namespace {

const std::string kNoText;

bool hasVisibleCharacter(const std::string& text) {
  return text.find_first_not_of(" \t\r\n") != std::string::npos;
}

const std::string& lookUp(const std::map<const GameNode*, std::string>& index, const GameNode* node) {
  auto it = index.find(node);
  return it == index.end() ? kNoText : it->second;
}

}  // namespace

void setComment(SGridFrame& game, GameNode* node, const std::string& text) {
  game.comments.erase(node);
  if (hasVisibleCharacter(text)) {
    game.comments[node] = text;
    node->setHasComment(true);
  } else {
    node->setHasComment(false);
  }
  game.invalidateStatistics();
}

void addCommentWhileReading(SGridFrame& game, GameNode* node, const std::string& text) {
  auto it = game.comments.find(node);
  if (it != game.comments.end()) {
    it->second += "\r\n";
    it->second += text;
    game.invalidateStatistics();
    return;
  }
  setComment(game, node, text);
}

void setName(SGridFrame& game, GameNode* node, const std::string& text) {
  game.names.erase(node);
  const auto start = text.find_first_not_of(" \t");
  if (start == std::string::npos) {
    node->setHasName(false);
    return;
  }
  game.names[node] = text.substr(start);
  node->setHasName(true);
}

void setScore(SGridFrame& game, GameNode* node, int score) {
  game.scores[node] = score;
  node->setHasScore(true);
}

void removeScore(SGridFrame& game, GameNode* node) {
  game.scores.erase(node);
  node->setHasScore(false);
}

void addMarkup(SGridFrame& game, GameNode* node, const std::string& text) {
  game.markup[node] += text;
  node->setHasMarkup(true);
  game.invalidateStatistics();
  game.markTreeChanged();
}

void removeMarkup(SGridFrame& game, GameNode* node) {
  game.markup.erase(node);
  node->setHasMarkup(false);
  game.invalidateStatistics();
}

void addOtherProperties(SGridFrame& game, const GameNode* node, std::string_view raw) {
  if (!raw.empty()) game.otherProperties[node] += raw;
}

const std::string& commentOf(const SGridFrame& game, const GameNode* node) { return lookUp(game.comments, node); }
const std::string& nameOf(const SGridFrame& game, const GameNode* node) { return lookUp(game.names, node); }
const std::string& markupOf(const SGridFrame& game, const GameNode* node) { return lookUp(game.markup, node); }
const std::string& otherPropertiesOf(const SGridFrame& game, const GameNode* node) {
  return lookUp(game.otherProperties, node);
}

std::optional<int> scoreOf(const SGridFrame& game, const GameNode* node) {
  auto it = game.scores.find(node);
  if (it == game.scores.end()) return std::nullopt;
  return it->second;
}

}  // namespace meridax
