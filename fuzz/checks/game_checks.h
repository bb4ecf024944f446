#pragma once
// The soundness checks both fuzz targets make of a collection: sound trees and node store, and games
// that survive the writer (what it writes reads back as one game without complaint, and writing that
// game again gives the same bytes).

#include <cstddef>
#include <optional>
#include <string>

#include "model/collection.h"

namespace meridax::fuzzing {

// What is broken in a loaded tree or in the node store; nullopt when all is sound.
std::optional<std::string> brokenStore(Collection& collection);

// Writes the game, reads the text back as pasted text and writes the game read, twice; nullopt when every
// reading was clean and the texts agree, else what differs (`index` names the game in the message). The
// first reading may change the marks every load sets (the current node goes to the main line and becomes
// the primary node of a game without one; a first node with set-up stones is marked for a diagram); the
// second must change nothing at all.
std::optional<std::string> roundTripFault(const SGridFrame& game, std::size_t index);

// The round trip of every loaded game of the collection; the first fault.
std::optional<std::string> roundTripFault(const Collection& collection);

// The collection written whole as meridax-cli rewrite writes it (games kept unread included, `marked` the
// selected game), read back as a held file with every game whole and written again: the same bytes.
// nullopt when they agree or when the collection cannot be written (nothing to compare).
std::optional<std::string> rewriteFault(Collection& collection, const SGridFrame* marked);

}  // namespace meridax::fuzzing
