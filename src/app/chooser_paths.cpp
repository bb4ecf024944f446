#include "app/chooser_paths.h"

namespace meridax {

std::string startFolderOf(const std::string& path) {
  if (path.empty()) return {};
  const std::size_t slash = path.rfind('/');
  if (slash == std::string::npos) return ".";
  return slash == 0 ? "/" : path.substr(0, slash);
}

std::string besideCurrentFile(const std::string& currentFile, const std::string& suffix, const std::string& extension) {
  if (currentFile.empty()) return {};
  const std::size_t slash = currentFile.rfind('/');
  const std::size_t nameStart = slash == std::string::npos ? 0 : slash + 1;
  std::size_t dot = currentFile.rfind('.');
  // A dot that starts the name (".games") or lies in a folder's name is no extension.
  if (dot == std::string::npos || dot <= nameStart) dot = currentFile.size();
  return currentFile.substr(0, dot) + suffix + "." + extension;
}

std::string exportedGamesPath(const std::string& currentFile, std::size_t markedGames, std::size_t firstMarkedNumber) {
  const std::string suffix = markedGames == 1 ? "_" + std::to_string(firstMarkedNumber) : std::string("_selected");
  return besideCurrentFile(currentFile, suffix, "sgf");
}

}  // namespace meridax
