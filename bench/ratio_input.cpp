#include "ratio_input.h"

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>

namespace meridax::bench {

namespace {

constexpr const char* kGoFolders[] = {"go", "go-annotated", "go-collections"};

std::string readBytes(const std::filesystem::path& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

// Calls onGame(start, end) for each game at depth 0; returns false when a bracket is left open or
// closed before it opened.
template <typename OnGame>
bool forEachGame(std::string_view text, OnGame onGame) {
  int depth = 0;
  bool inValue = false;
  std::size_t start = 0;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (inValue) {
      if (c == '\\') ++i;
      else if (c == ']') inValue = false;
    } else if (c == '[') {
      inValue = true;
    } else if (c == '(') {
      if (depth++ == 0) start = i;
    } else if (c == ')') {
      if (--depth < 0) return false;
      if (depth == 0) onGame(start, i + 1);
    }
  }
  return depth == 0 && !inValue;
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
    if (!forEachGame(bytes, [](std::size_t, std::size_t) {})) continue;
    text += bytes;
    text += "\r\n\r\n";
  }
  return text;
}

std::vector<std::string_view> gameTexts(std::string_view text) {
  std::vector<std::string_view> games;
  forEachGame(text, [&](std::size_t start, std::size_t end) { games.push_back(text.substr(start, end - start)); });
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
