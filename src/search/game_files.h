#pragma once
// The files a search goes through: each file named, and every .sgf and .hgf file under each folder named.

#include <string>
#include <vector>

namespace meridax {

// Files as named; each folder's game files (any case of the extension) in path order, its subfolders included.
std::vector<std::string> gameFilesUnder(const std::vector<std::string>& places);

}  // namespace meridax
