#pragma once
// Helpers shared by the reader's tests: loading a text into a fresh collection and drawing a game tree
// as SGF-like text (";B[dd]" per node, side lines in parentheses after the continuation).

#include <memory>
#include <string>

#include "model/collection.h"
#include "model/game_tree.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/sgf_error_list.h"

namespace meridax::testing_support {

// A collection with the games of one text.
struct LoadedText {
  explicit LoadedText(const std::string& text, GameTrees trees = GameTrees::FirstOnly, ReaderSettings settings = {})
      : held(text) {
    CollectionReadRequest request;
    request.trees = trees;
    request.settings = settings;
    result = readCollectionText(collection, held, request, errors);
  }

  SGridFrame& game(std::size_t i = 0) { return collection.game(i); }
  std::size_t games() const { return collection.size(); }

  std::string held;
  Collection collection;
  SErrorList errors;
  CollectionReadResult result;
};

inline std::string letters(unsigned point, int width) {
  const int x = static_cast<int>(point) % width;
  const int y = static_cast<int>(point) / width;
  auto letter = [](int v) { return static_cast<char>(v < 26 ? 'a' + v : 'A' + (v - 26)); };
  return std::string{letter(x), letter(y)};
}

// ";B[dd]", ";W[]" (pass), ";B[resign]", ";W[forfeit]", ";B[swap-sides]", ";B[swap-pieces]", ";compose".
inline std::string nodeText(const SGridFrame& game, const GameNode* n) {
  const std::string colour = n->blackMove() ? "B" : "W";
  switch (n->kind()) {
    case SpecialMoveKind::Placement: return ";" + colour + "[" + letters(n->point(), game.width()) + "]";
    case SpecialMoveKind::Pass: return ";" + colour + "[]";
    case SpecialMoveKind::Resign: return ";" + colour + "[resign]";
    case SpecialMoveKind::Forfeit: return ";" + colour + "[forfeit]";
    case SpecialMoveKind::SwapSides: return ";" + colour + "[swap-sides]";
    case SpecialMoveKind::SwapPieces: return ";" + colour + "[swap-pieces]";
    case SpecialMoveKind::Compose: return ";compose";
  }
  return ";?";
}

// The nodes below the first node: the current line, and at each branching node the continuation and
// then each side line in parentheses.
inline std::string lineText(const SGridFrame& game, const GameNode* from) {
  std::string out;
  for (const GameNode* n = from; n != nullptr; n = n->next()) {
    out += nodeText(game, n);
    if (!n->branching()) continue;
    out += "(" + lineText(game, n->next()) + ")";
    for (const SBranchDetails* line : game.variations.linesBelow(n)) out += "(" + lineText(game, line->head) + ")";
    break;
  }
  return out;
}

inline std::string treeText(const SGridFrame& game) {
  const GameNode* first = game.firstNode;
  if (!first->branching()) return lineText(game, first->next());
  std::string out = "(" + lineText(game, first->next()) + ")";
  for (const SBranchDetails* line : game.variations.linesBelow(first)) out += "(" + lineText(game, line->head) + ")";
  return out;
}

}  // namespace meridax::testing_support
