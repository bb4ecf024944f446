#include "ratio_input.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "search/game_texts.h"

namespace meridax::bench {

namespace {

constexpr const char* kGoFolders[] = {"go", "go-annotated", "go-collections"};

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

}  // namespace

std::string goCorpusText(const std::string& corpusDir) {
  std::vector<std::filesystem::path> paths;
  for (const char* folder : kGoFolders) {
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(std::filesystem::path(corpusDir) / folder, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
      if (it->is_regular_file()) paths.push_back(it->path());
  }
  std::sort(paths.begin(), paths.end());
  std::string text;
  for (const auto& path : paths) {
    const std::string bytes = readBytes(path);
    if (!splitGames(bytes)) continue;
    text += bytes;
    text += "\r\n\r\n";
  }
  return text;
}

std::vector<std::string_view> gameTexts(std::string_view text) {
  std::vector<std::string_view> games;
  if (const auto spans = splitGames(text))
    for (const GameSpan& g : *spans) games.push_back(text.substr(g.start, g.end - g.start));
  return games;
}

std::string oneTree(const std::vector<std::string_view>& games, int repeats) {
  std::string tree = "(;FF[4]GM[1]SZ[19]";
  for (int r = 0; r < repeats; ++r)
    for (std::string_view game : games) {
      tree += '\n';
      tree += game;
    }
  tree += ")\n";
  return tree;
}

bool writeOnce(const std::string& path, const std::string& text) {
  std::error_code ec;
  if (std::filesystem::file_size(path, ec) == text.size() && !ec) return true;
  std::ofstream out(path, std::ios::binary | std::ios::trunc);
  out << text;
  return static_cast<bool>(out.flush());
}

}  // namespace meridax::bench
