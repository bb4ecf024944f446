#include "sgf/sgf_copy.h"

#include "sgf/sgf_writer.h"

namespace meridax {

namespace {

const GameNode* startOf(const SGridFrame& game, CopyScope scope) {
  return scope == CopyScope::WholeGame ? game.firstNode : game.currentNode;
}

bool branchesBelow(const GameNode* start) {
  std::size_t seen = 0;  // a line is never longer than the largest move number allows
  for (const GameNode* n = start; n != nullptr && seen <= GameNode::kMaxMoveNumber; n = n->next(), ++seen)
    if (n->branching()) return true;
  return false;
}

}  // namespace

std::optional<std::string> variationsQuestion(const SGridFrame& game, CopyScope scope) {
  if (!branchesBelow(startOf(game, scope))) return std::nullopt;
  if (scope == CopyScope::WholeGame)
    return "About to copy SGF text for the current game to the clipboard.\r\n\r\n"
           "Do you wish to include variations?\r\n";
  return "About to copy SGF text to the clipboard. Current game position plus lower moves.\r\n\r\n"
         "Do you wish to include variations?\r\n";
}

SgfCopy GetSGF(const SGridFrame& game, CopyScope scope, const VariationsAnswer& ask) {
  bool withSideLines = true;
  if (const auto question = variationsQuestion(game, scope)) {
    const std::optional<bool> answer = ask(*question);
    if (!answer) return {CopyOutcome::Cancelled, {}};
    withSideLines = *answer;
  }
  WriteGameOptions options;
  options.start = startOf(game, scope);
  options.withHeader = scope == CopyScope::WholeGame;
  options.withSideLines = withSideLines;
  options.isCurrentGame = true;
  SgfCopy copy;
  if (!WriteGameText(game, copy.text, options)) return {CopyOutcome::Failed, {}};
  copy.outcome = CopyOutcome::Written;
  return copy;
}

std::string copiedMessage(std::size_t bytes) {
  return "SGF string has been copied to the Windows Clipboard\r\n\r\nBytes = " + std::to_string(bytes) + "\r\n";
}

}  // namespace meridax
