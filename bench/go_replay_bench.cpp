// Real Go games from the corpus played through Accept_Move: quietly as the reader plays them, and as
// user play with its repetition walk. The main line of each file is taken with a small scanner of its
// own (first game, up to the first ")"); files with set-up stones are left out.
#include <benchmark/benchmark.h>

#include <algorithm>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <optional>
#include <sstream>
#include <string>
#include <vector>

#include "model/collection.h"
#include "rules/move_acceptance.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

struct RecordedMove {
  Colour colour = Colour::Black;
  int x = -1;  // -1: a pass
  int y = -1;
};

struct RecordedGame {
  int size = 19;
  std::vector<RecordedMove> moves;
};

// The property values of one identifier, starting at text[i] == '['; i ends after the last value.
std::vector<std::string> readValues(const std::string& text, std::size_t& i) {
  std::vector<std::string> values;
  while (i < text.size() && text[i] == '[') {
    std::string v;
    for (++i; i < text.size() && text[i] != ']'; ++i) {
      if (text[i] == '\\' && i + 1 < text.size()) ++i;
      v += text[i];
    }
    ++i;
    values.push_back(v);
    while (i < text.size() && (text[i] == ' ' || text[i] == '\n' || text[i] == '\r' || text[i] == '\t')) ++i;
  }
  return values;
}

std::optional<RecordedGame> scanMainLine(const std::string& text) {
  RecordedGame game;
  std::size_t i = text.find('(');
  if (i == std::string::npos) return std::nullopt;
  std::string ident;
  for (++i; i < text.size();) {
    const char ch = text[i];
    if (ch == ')') break;
    if (ch >= 'A' && ch <= 'Z') {
      ident += ch;
      ++i;
      continue;
    }
    if (ch != '[') {
      if (ch == ';' || ch == '(') ident.clear();
      ++i;
      continue;
    }
    const std::vector<std::string> values = readValues(text, i);
    if (ident == "AB" || ident == "AW" || ident == "AE") return std::nullopt;
    if (ident == "SZ") game.size = std::atoi(values[0].c_str());
    if ((ident == "B" || ident == "W") && !values.empty()) {
      RecordedMove m;
      m.colour = ident == "B" ? Colour::Black : Colour::White;
      const std::string& v = values[0];
      if (v.size() == 2 && !(game.size <= 19 && v == "tt")) {
        m.x = v[0] - 'a';
        m.y = v[1] - 'a';
      }
      game.moves.push_back(m);
    }
    ident.clear();
  }
  if (game.size < 2 || game.size > 25 || game.moves.empty()) return std::nullopt;
  return game;
}

const std::vector<RecordedGame>& corpusGames() {
  static const std::vector<RecordedGame> games = [] {
    std::vector<std::filesystem::path> files;
    const std::filesystem::path root = std::filesystem::path(MERIDAX_CORPUS_DIR) / "go";
    std::error_code ec;
    for (auto it = std::filesystem::recursive_directory_iterator(root, ec);
         !ec && it != std::filesystem::recursive_directory_iterator(); it.increment(ec))
      if (it->is_regular_file() && it->path().extension() == ".sgf") files.push_back(it->path());
    std::sort(files.begin(), files.end());
    std::vector<RecordedGame> out;
    for (const auto& f : files) {
      std::ifstream in(f, std::ios::binary);
      std::stringstream buf;
      buf << in.rdbuf();
      if (auto g = scanMainLine(buf.str())) out.push_back(std::move(*g));
    }
    return out;
  }();
  return games;
}

struct ReplayTotals {
  long moves = 0;
  long refused = 0;
};

// Plays one recorded game into a new game of the collection; a refused move ends its line, as in the reader.
void replay(Collection& coll, const RecordedGame& rec, bool quiet, ReplayTotals& totals) {
  SGridFrame& g = coll.game(coll.createGame(GameKind::Go, rec.size, rec.size, coll.size()));
  BoardPosition pos = g.cachedPosition;
  for (const RecordedMove& m : rec.moves) {
    PlayContext ctx{g, m.x, m.y, quiet, {}, nullptr};
    ++totals.moves;
    if (m.x < 0) {
      addSpecialMove(ctx, SpecialMoveKind::Pass, m.colour, pos);
      continue;
    }
    if (Accept_Move(ctx, m.colour, pos) != MoveResult::Accepted) {
      ++totals.refused;
      break;
    }
  }
}

// Arg: 1 quiet (the reader), 0 user play (repetition walk on every capture).
void BM_ReplayCorpusGo(benchmark::State& state) {
  const bool quiet = state.range(0) != 0;
  const auto& games = corpusGames();
  if (games.empty()) {
    state.SkipWithError("no Go games found in the corpus");
    return;
  }
  ReplayTotals totals;
  for (auto _ : state) {
    totals = {};
    Collection coll;
    for (const RecordedGame& rec : games) replay(coll, rec, quiet, totals);
    benchmark::DoNotOptimize(coll.size());
    state.PauseTiming();
    coll.clear();
    state.ResumeTiming();
  }
  state.SetItemsProcessed(state.iterations() * totals.moves);
  state.counters["games"] = static_cast<double>(games.size());
  state.counters["moves"] = static_cast<double>(totals.moves);
  state.counters["refused"] = static_cast<double>(totals.refused);
  state.counters["s_per_move"] = benchmark::Counter(static_cast<double>(state.iterations()) * totals.moves,
                                                    benchmark::Counter::kIsRate | benchmark::Counter::kInvert);
}
BENCHMARK(BM_ReplayCorpusGo)->Arg(1)->Arg(0)->Unit(benchmark::kMillisecond);

// The node store of a collection holding every corpus game at once.
void BM_CorpusBytesPerNode(benchmark::State& state) {
  const auto& games = corpusGames();
  for (auto _ : state) {
    Collection coll;
    ReplayTotals totals;
    for (const RecordedGame& rec : games) replay(coll, rec, true, totals);
    const NodeStore& store = coll.store();
    state.counters["nodes"] = static_cast<double>(store.liveNodes());
    state.counters["bytes_per_node"] =
        static_cast<double>(store.bytesReserved()) / static_cast<double>(std::max<std::size_t>(store.liveNodes(), 1));
    state.counters["segments"] = static_cast<double>(store.segmentCount());
  }
}
BENCHMARK(BM_CorpusBytesPerNode)->Iterations(1)->Unit(benchmark::kMillisecond);

}  // namespace
}  // namespace meridax
