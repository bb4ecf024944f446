// libFuzzer target for the SGF reader: any bytes, read as a held file (first game whole, the others
// lazily and then built), as pasted text (every game whole), and injected below the current node.
// A broken tree or node store aborts, so the fuzzer reports it like a crash.

#include <cstddef>
#include <cstdint>
#include <cstdlib>
#include <string>

#include "model/collection.h"
#include "model/game_tree.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/sgf_reader.h"
#include "sgf/text_decoding.h"

namespace {

using namespace meridax;

void requireSane(Collection& collection) {
  for (std::size_t i = 0; i < collection.size(); ++i)
    if (!validateTree(collection.game(i)).empty()) std::abort();
  if (!collection.store().validate().empty()) std::abort();
}

// Injects the text below the current node of the first game and puts back a replaced line, as the
// inject command does.
void injectInto(Collection& collection, const std::string& nodes, SErrorList& errors) {
  if (collection.empty()) return;
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

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (size == 0) return 0;
  // The first byte chooses the settings; the rest is the text.
  const std::uint8_t options = data[0];
  const std::string bytes(reinterpret_cast<const char*>(data + 1), size - 1);
  const std::string text = (options & 1) ? prepareFileText(bytes) : bytes;

  CollectionReadRequest request;
  request.filePath = (options & 2) ? "/fuzz/input.sgf" : "";
  request.trees = (options & 4) ? GameTrees::All : GameTrees::FirstOnly;
  request.settings.convertAWAB = (options & 8) != 0;
  request.settings.play.autoLabelMoves = (options & 16) != 0;

  Collection collection;
  SErrorList errors;
  readCollectionText(collection, text, request, errors);
  for (std::size_t i = 0; i < collection.size(); ++i)
    buildHeldTree(collection, collection.game(i), text, request.filePath, request.settings, errors);
  requireSane(collection);
  if (options & 32) {
    injectInto(collection, text, errors);
    requireSane(collection);
  }
  return 0;
}
