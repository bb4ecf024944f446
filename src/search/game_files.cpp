#include "search/game_files.h"

#include <algorithm>
#include <cctype>
#include <filesystem>

namespace meridax {

namespace {

bool isGameFile(const std::filesystem::path& p) {
  std::string ext = p.extension().string();
  std::transform(ext.begin(), ext.end(), ext.begin(), [](unsigned char c) { return static_cast<char>(std::tolower(c)); });
  return ext == ".sgf" || ext == ".hgf";
}

}  // namespace

std::vector<std::string> gameFilesUnder(const std::vector<std::string>& places) {
  std::vector<std::string> files;
  for (const std::string& place : places) {
    std::error_code ec;
    if (!std::filesystem::is_directory(place, ec)) {
      files.push_back(place);
      continue;
    }
    std::vector<std::string> found;
    const auto options = std::filesystem::directory_options::skip_permission_denied;
    for (auto it = std::filesystem::recursive_directory_iterator(place, options, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec)) {
      std::error_code fileError;
      if (it->is_regular_file(fileError) && isGameFile(it->path())) found.push_back(it->path().string());
    }
    std::sort(found.begin(), found.end());
    files.insert(files.end(), found.begin(), found.end());
  }
  return files;
}

}  // namespace meridax
