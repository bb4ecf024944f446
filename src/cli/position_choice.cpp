#include "cli/position_choice.h"

#include <string>

#include "cli/cli_output.h"

#include <charconv>

namespace meridax::cli {

std::optional<int> wholeNumber(const std::string& text) {
  int value = 0;
  const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), value);
  if (error != std::errc() || end != text.data() + text.size() || value < 0) return std::nullopt;
  return value;
}

const GameNode* nodeOnCurrentLine(const SGridFrame& game, int move) {
  unsigned walked = 0;
  for (const GameNode* n = game.firstNode; n != nullptr && walked <= GameNode::kMaxMoveNumber; n = n->next(), ++walked)
    if (static_cast<int>(n->moveNumber()) == move) return n;
  return nullptr;
}

std::optional<ChosenPosition> choosePosition(LoadedFile& file, std::optional<int> game, std::optional<int> move,
                                             std::ostream& err) {
  Collection& games = *file.games;
  if (games.empty()) {
    tellNoGames(file.path, err);
    return std::nullopt;
  }
  const std::size_t index = game ? static_cast<std::size_t>(*game) - 1 : games.currentIndex();
  if (game && (*game < 1 || index >= games.size())) {
    err << cliMessage("There is no game " + std::to_string(*game) + " in the file; it holds " +
                      std::to_string(games.size()) + ".");
    return std::nullopt;
  }
  SGridFrame& chosen = games.game(index);
  if (chosen.isUnread()) {
    err << cliMessage("Game " + std::to_string(index + 1) + " could not be read: " + chosen.unread->reason);
    return std::nullopt;
  }
  buildTree(file, chosen, file.errors, err);
  const GameNode* node = move ? nodeOnCurrentLine(chosen, *move) : chosen.currentNode;
  if (node == nullptr) {
    err << cliMessage("There is no move " + std::to_string(*move) + " on the current line of game " +
                      std::to_string(index + 1) + ".");
    return std::nullopt;
  }
  return ChosenPosition{&chosen, node, static_cast<int>(index) + 1};
}

}  // namespace meridax::cli
