#include "sgf_input_check.h"

#include "game_checks.h"
#include "model/collection.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/sgf_reader.h"
#include "sgf/text_decoding.h"

namespace meridax::fuzzing {
namespace {

// Injects the text below the current node of the first game and puts back a replaced line, as the
// inject command does.
void injectInto(Collection& collection, const std::string& nodes, SErrorList& errors) {
  if (collection.empty() || !collection.game(0).treeLoaded) return;
  SGridFrame& game = collection.game(0);
  SBranchDetails* line = game.currentLine;
  SgfReadRequest request;
  request.mode = ReadMode::Inject;
  request.target = &game;
  Do_FileSGF(collection, injectedText(nodes), request, errors);
  if (game.currentLine != line) {
    game.currentLine = line;
    game.endNode = line->tail;  // the injected text may have extended that line too
  }
}

}  // namespace

std::optional<std::string> checkSgfInput(std::span<const std::uint8_t> input) {
  if (input.empty()) return std::nullopt;
  const std::uint8_t options = input[0];
  const std::string bytes(reinterpret_cast<const char*>(input.data() + 1), input.size() - 1);
  const std::string text = (options & 1) ? prepareFileText(bytes) : bytes;

  CollectionReadRequest request;
  request.filePath = (options & 2) ? "/fuzz/input.sgf" : "";
  request.trees = (options & 4) ? GameTrees::All : GameTrees::FirstOnly;
  request.settings.convertAWAB = (options & 8) != 0;
  request.settings.play.autoLabelMoves = (options & 16) != 0;

  Collection collection;
  SErrorList errors;
  const CollectionReadResult read = readCollectionText(collection, text, request, errors);
  for (std::size_t i = 0; i < collection.size(); ++i)
    buildHeldTree(collection, collection.game(i), text, request.filePath, request.settings, errors);
  if (auto fault = brokenStore(collection)) return "after reading: " + *fault;
  if (options & 32) {
    injectInto(collection, text, errors);
    if (auto fault = brokenStore(collection)) return "after injecting: " + *fault;
  }
  if (auto fault = roundTripFault(collection)) return fault;
  // What was injected is no load's doing: the marks it moves may change on the first reading.
  if (options & 32) return std::nullopt;
  return rewriteFault(collection, read.selectedGame);
}

}  // namespace meridax::fuzzing
