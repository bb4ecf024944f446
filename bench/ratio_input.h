#pragma once
// The inputs of the speed ratios: the Go files of the corpus joined and repeated into one large
// collection, and the same games as one tree (each game a variation of one root) for a loader that
// reads only the first game of a file.

#include <string>
#include <vector>

namespace meridax::bench {

inline constexpr int kCollectionRepeats = 27;

// The raw bytes of every file of the Go folders, in path order, each followed by a blank line; files
// that leave a parenthesis open are left out, as their game would swallow every game after it.
std::string goCorpusText(const std::string& corpusDir);

// The text of each game of the collection: from a "(" outside values at depth 0 to its matching ")".
std::vector<std::string_view> gameTexts(std::string_view text);

// Every game as a variation of one root: "(;FF[4]GM[1]SZ[19]" game... ")".
std::string oneTree(const std::vector<std::string_view>& games, int repeats);

// Writes the text to path unless a file of that size is there already; false when it cannot be written.
bool writeOnce(const std::string& path, const std::string& text);

}  // namespace meridax::bench
