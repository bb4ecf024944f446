// The search against a brute-force reference on real files: every game read as the editor reads it,
// every node's position rebuilt on its own from the nearest snapshot, compared cell by cell under every
// symmetry, colour and shift the query allows.

#include <gtest/gtest.h>

#include <algorithm>
#include <filesystem>
#include <fstream>
#include <iterator>
#include <set>
#include <tuple>
#include <unordered_map>

#include "model/game_tree.h"
#include "rules/position_at.h"
#include "search/file_search.h"
#include "search/search_texts.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/text_decoding.h"

namespace meridax {
namespace {

namespace fs = std::filesystem;
using Found = std::tuple<std::size_t, int, int>;  // file, game, move number

std::string readBytes(const std::string& path) {
  std::ifstream in(path, std::ios::binary);
  return std::string(std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>());
}

struct LoadedGames {
  std::string text;
  std::unique_ptr<Collection> games = std::make_unique<Collection>();
};

LoadedGames load(const std::string& path) {
  LoadedGames out;
  out.text = prepareFileText(readBytes(path));
  SErrorList errors;
  CollectionReadRequest r;
  r.filePath = path;
  readCollectionText(*out.games, out.text, r, errors);
  for (std::size_t i = 0; i < out.games->size(); ++i)
    if (!out.games->game(i).isUnread()) buildHeldTree(*out.games, out.games->game(i), out.text, path, {}, errors);
  return out;
}

// Every node of the main line, or of every line record.
std::vector<const GameNode*> everyNode(const SGridFrame& game, bool allLines) {
  std::vector<const GameNode*> nodes;
  for (const GameNode* n = game.firstNode; n != nullptr; n = n->next()) nodes.push_back(n);
  if (!allLines) return nodes;
  std::set<const GameNode*> seen(nodes.begin(), nodes.end());
  game.variations.forEach([&](const GameNode*, const SBranchDetails& line) {
    for (const GameNode* n = line.head; n != nullptr; n = n->next())
      if (seen.insert(n).second) nodes.push_back(n);
  });
  return nodes;
}

std::vector<Found> reference(const std::vector<std::string>& paths, const PositionQuery& q) {
  std::vector<Found> found;
  for (std::size_t f = 0; f < paths.size(); ++f) {
    const LoadedGames loaded = load(paths[f]);
    for (std::size_t g = 0; g < loaded.games->size(); ++g) {
      const SGridFrame& game = loaded.games->game(g);
      if (game.isUnread() || game.kind() != q.kind || game.width() != q.width || game.height() != q.height) continue;
      std::unordered_map<const GameNode*, bool> matched;
      const auto matches = [&](const GameNode* n) {
        auto it = matched.find(n);
        if (it == matched.end()) it = matched.emplace(n, naiveMatch(q, PositionAt(game, n))).first;
        return it->second;
      };
      for (const GameNode* n : everyNode(game, q.allLines))
        if (matches(n) && !(n->prev() != nullptr && matches(n->prev())))
          found.emplace_back(f, static_cast<int>(g) + 1, static_cast<int>(n->moveNumber()));
    }
  }
  std::sort(found.begin(), found.end());
  return found;
}

std::vector<Found> searched(const std::vector<std::string>& paths, const PositionQuery& q) {
  SearchRequest request;
  request.paths = paths;
  request.threads = 2;
  request.readFile = [](const std::string& path, std::string& bytes) {
    bytes = readBytes(path);
    return std::string();
  };
  const SearchOutcome outcome = searchFiles(CompiledQuery(q), request);
  std::vector<Found> found;
  for (const GameHit& hit : outcome.hits)
    for (const PositionMatch& m : hit.matches) found.emplace_back(hit.file, hit.game, m.moveNumber);
  std::sort(found.begin(), found.end());
  return found;
}

// A spread of the corpus: every 25th game file of its folders, in path order, and the big collections.
std::vector<std::string> sampleFiles() {
  std::vector<std::string> all;
  for (const char* folder : {"go", "go-annotated", "hex", "havannah", "connect6", "kropki"}) {
    std::error_code ec;
    for (auto it = fs::recursive_directory_iterator(fs::path(MERIDAX_CORPUS_DIR) / folder, ec);
         !ec && it != fs::recursive_directory_iterator(); it.increment(ec))
      if (it->is_regular_file() && (it->path().extension() == ".sgf" || it->path().extension() == ".hgf"))
        all.push_back(it->path().string());
  }
  std::sort(all.begin(), all.end());
  std::vector<std::string> sample;
  for (std::size_t i = 0; i < all.size(); i += 25) sample.push_back(all[i]);
  sample.push_back(std::string(MERIDAX_CORPUS_DIR) + "/go-collections/jtauber-sgf/meijin.sgf");
  sample.push_back(std::string(MERIDAX_CORPUS_DIR) + "/go-collections/scrapeGo/hatsuyoron.sgf");
  return sample;
}

struct QueryCase {
  const char* name;
  std::string file;  // the target: a game of this file at a move of its main line
  int game;
  int move;
  std::optional<SearchArea> area;
  bool anywhere;
  bool swap;
  bool allLines;
};

TEST(CorpusSearch, AgreesWithTheBruteForceReference) {
  const std::string meijin = std::string(MERIDAX_CORPUS_DIR) + "/go-collections/jtauber-sgf/meijin.sgf";
  const std::vector<std::string> sample = sampleFiles();
  // Targets from the sample itself, so that each query finds its own game at least.
  std::string hexFile, havannahFile;
  for (const std::string& p : sample) {
    if (hexFile.empty() && p.find("/hex/") != std::string::npos) hexFile = p;
    if (havannahFile.empty() && p.find("/havannah/") != std::string::npos && p.ends_with(".hgf")) havannahFile = p;
  }
  const QueryCase cases[] = {
      {"whole board at move 30", meijin, 1, 30, {}, false, true, false},
      {"whole board at move 4, swapped too", meijin, 1, 4, {}, false, true, false},
      {"whole board at move 2, every line", meijin, 5, 2, {}, false, false, true},
      {"7x7 corner, swapped too", meijin, 2, 12, SearchArea{0, 0, 6, 6}, false, true, false},
      {"7x7 corner, other corner", meijin, 3, 60, SearchArea{12, 12, 18, 18}, false, false, true},
      {"3x3 shape anywhere", meijin, 4, 50, SearchArea{2, 2, 4, 4}, true, true, false},
      {"hex board at move 2", hexFile, 1, 2, {}, false, true, true},
      {"hex pattern anywhere", hexFile, 1, 8, SearchArea{0, 0, 3, 3}, true, false, false},
      {"havannah board at move 2", havannahFile, 1, 2, {}, false, true, false},
  };
  for (const QueryCase& c : cases) {
    SCOPED_TRACE(c.name);
    ASSERT_FALSE(c.file.empty());
    LoadedGames target = load(c.file);
    ASSERT_GE(target.games->size(), static_cast<std::size_t>(c.game));
    const SGridFrame& game = target.games->game(static_cast<std::size_t>(c.game) - 1);
    const GameNode* node = game.firstNode;
    while (node->next() != nullptr && static_cast<int>(node->moveNumber()) < c.move) node = node->next();
    PositionQuery q = queryFor(game, node, c.area);
    q.anywhere = c.anywhere;
    q.swapColours = c.swap;
    q.allLines = c.allLines;
    const std::vector<Found> expected = reference(sample, q);
    EXPECT_FALSE(expected.empty());
    EXPECT_EQ(searched(sample, q), expected);
  }
}

}  // namespace
}  // namespace meridax
