#pragma once
// Where the file choosers start: beside the current file, with its name.

#include <cstddef>
#include <string>

namespace meridax {

// The folder of `path` ("/a/b.sgf" → "/a"); empty for an empty path, "." for a bare name.
std::string startFolderOf(const std::string& path);

// The current file with another extension and a suffix to its stem: ("/a/meijin.sgf", "_3", "rtf") →
// "/a/meijin_3.rtf". Empty when there is no current file.
std::string besideCurrentFile(const std::string& currentFile, const std::string& suffix, const std::string& extension);

// The name an export of some games of the collection starts with: the game's number after the file's stem
// for one game ("/a/meijin_17.sgf"), "_selected" for several. Never the current file itself, so that
// a hurried Return cannot put a few games in place of the whole collection.
std::string exportedGamesPath(const std::string& currentFile, std::size_t markedGames, std::size_t firstMarkedNumber);

}  // namespace meridax
