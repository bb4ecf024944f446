#pragma once
// What undo keeps of a game: its content, from which the reader builds the game again, and the way to
// its current node. A game whose tree is still as the held file text has it keeps no text of its own:
// it is read again from there.

#include <cstdint>
#include <memory>
#include <optional>
#include <string>
#include <vector>

#include "model/collection.h"
#include "model/grid_frame.h"
#include "sgf/sgf_error_list.h"
#include "sgf/sgf_reader.h"

namespace meridax {

struct GameContent {
  std::string text;                    // the writer's text of the game; empty when inHeldText
  bool inHeldText = false;             // read again from the held file text at textOffset
  std::optional<SSGFDetails> details;  // a held game's information, when it was changed since the read
  bool withoutPrimary = false;         // the reader makes a primary position when the text names none
  std::uint8_t flags = 0;              // the game's flag byte
  std::uint32_t fileOrdinal = 0;
  std::uint32_t textOffset = 0;
  std::uint32_t textLength = 0;
  std::uint32_t headerLength = 0;
  std::shared_ptr<const UnreadGameText> unread;  // a game kept unread is kept as its text alone

  // The memory this content takes.
  std::size_t bytes() const;
};

// The child taken at each step from the first node down to a node: 0 is the continuation, i the i-th
// side line below the node, in the order the writer writes them and the reader reads them back.
using NodePath = std::vector<std::uint32_t>;

// The path to a node of the game; empty for the first node or a node not reached from it.
NodePath pathTo(const SGridFrame& game, const GameNode* node);
// The node the path leads to; where the tree ends sooner, the last node reached.
GameNode* nodeAtPath(const SGridFrame& game, const NodePath& path);

// The game's content. A game read from the held text whose tree has not changed since, nor its lines
// been reordered, is kept as a reference to that text (heldTextKept says the frame still holds it).
// nullptr when the game's tree cannot be written.
std::shared_ptr<const GameContent> captureGame(const SGridFrame& game, bool heldTextKept);

struct RebuiltGame {
  std::unique_ptr<SGridFrame> game;  // nullptr when the content could not be read
  bool selectedMark = false;         // the held text gives the game the selected-game mark "XS"
};

// Builds the game again from its content, in the collection's node store, and hands it over outside
// the collection for the caller to place. A held game is read as far as its root unless withTree, with
// the settings the held text is read with; a written game is read exactly as written. Reading errors go
// to `errors`.
RebuiltGame rebuildGame(Collection& collection, const GameContent& content, const std::string* heldText,
                        const ReaderSettings& heldSettings, bool withTree, SErrorList& errors);

}  // namespace meridax
