#include "game_checks.h"

#include <string_view>

#include "app/collection_writer.h"
#include "model/game_tree.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/sgf_writer.h"

namespace meridax::fuzzing {
namespace {

// The text without the lines that a first load may change, the current-node, primary-node and
// print-diagram marks (the writer puts each on a line of its own), and without line ends, since the
// writer also ends the line after the current node.
std::string withoutLoadMarks(const std::string& text) {
  std::string out;
  std::size_t from = 0;
  while (from < text.size()) {
    std::size_t end = text.find("\r\n", from);
    if (end == std::string::npos) end = text.size();
    const std::string_view line(text.data() + from, end - from);
    if (line != "XV[]" && line != "XP[]" && line != "FG[]") out += line;
    from = end + 2;
  }
  return out;
}

std::string mismatch(const std::string& what, const std::string& first, const std::string& second) {
  return what + "\n--- first\n" + first + "\n--- second\n" + second + "\n";
}

// Reads the text as pasted text into `back` and writes the one game it must hold into `out`.
std::optional<std::string> readBackAndWrite(const std::string& text, Collection& back, std::string& out) {
  SErrorList errors;
  CollectionReadRequest request;
  request.trees = GameTrees::All;
  const CollectionReadResult read = readCollectionText(back, text, request, errors);
  if (back.size() != 1) return "the written text reads back as " + std::to_string(back.size()) + " games\n" + text;
  if (read.message) return "reading the written text stopped: " + read.message->text() + "\n" + text;
  if (!errors.empty()) return "reading the written text complains: " + errors.joined() + "\n" + text;
  if (auto fault = brokenStore(back)) return "the game read back is broken: " + *fault;
  if (!WriteGameText(back.game(0), out)) return "the writer cannot walk the tree read back";
  return std::nullopt;
}

// The text `rewrite` writes of the collection; nullopt when the writer refuses it.
std::optional<std::string> rewrittenText(Collection& collection, const SGridFrame* marked) {
  HeldFileText noText;
  noText.markedGame = marked;
  CollectionTextResult result = collectionText(collection, noText, {});
  if (!result.written) return std::nullopt;
  return std::move(result.written->text);
}

}  // namespace

std::optional<std::string> rewriteFault(Collection& collection, const SGridFrame* marked) {
  const std::optional<std::string> first = rewrittenText(collection, marked);
  if (!first) return std::nullopt;
  Collection back;
  SErrorList errors;
  CollectionReadRequest request;
  // Read as meridax-cli reads a file: held, so that the games the reader refuses are kept, then every tree built.
  request.filePath = "/fuzz/rewritten.sgf";
  const CollectionReadResult read = readCollectionText(back, *first, request, errors);
  if (read.message) return "reading the rewritten text stopped: " + read.message->text() + "\n" + *first;
  for (std::size_t i = 0; i < back.size(); ++i)
    if (auto stop = buildHeldTree(back, back.game(i), *first, request.filePath, request.settings, errors))
      return "building a tree of the rewritten text stopped: " + stop->text() + "\n" + *first;
  const std::optional<std::string> second = rewrittenText(back, read.selectedGame);
  if (!second) return "the rewritten text cannot be rewritten\n" + *first;
  if (*second != *first) return mismatch("a second rewrite gives other bytes", *first, *second);
  return std::nullopt;
}

std::optional<std::string> brokenStore(Collection& collection) {
  for (std::size_t i = 0; i < collection.size(); ++i) {
    if (!collection.game(i).treeLoaded) continue;
    if (std::string fault = validateTree(collection.game(i)); !fault.empty())
      return "game " + std::to_string(i + 1) + ": " + fault;
  }
  if (std::string fault = collection.store().validate(); !fault.empty()) return "node store: " + fault;
  return std::nullopt;
}

std::optional<std::string> roundTripFault(const SGridFrame& game, std::size_t index) {
  const std::string where = "game " + std::to_string(index + 1) + ": ";
  std::string first;
  if (!WriteGameText(game, first)) return where + "the writer cannot walk the tree";
  Collection back;
  std::string second;
  if (auto fault = readBackAndWrite(first, back, second)) return where + "first reading: " + *fault;
  // A load puts the current node on the main line, makes it the primary node of a game that had none,
  // and marks a first node with set-up stones for a diagram: those marks may change once, never again.
  if (withoutLoadMarks(second) != withoutLoadMarks(first))
    return where + mismatch("writing the game read back gives other bytes", first, second);

  Collection again;
  std::string third;
  if (auto fault = readBackAndWrite(second, again, third)) return where + "second reading: " + *fault;
  if (third != second) return where + mismatch("a second round trip gives other bytes", second, third);
  return std::nullopt;
}

std::optional<std::string> roundTripFault(const Collection& collection) {
  for (std::size_t i = 0; i < collection.size(); ++i)
    if (collection.game(i).treeLoaded)
      if (auto fault = roundTripFault(collection.game(i), i)) return fault;
  return std::nullopt;
}

}  // namespace meridax::fuzzing
