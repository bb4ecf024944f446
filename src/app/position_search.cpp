#include "app/position_search.h"

#include <algorithm>
#include <map>

#include "app/frame_win.h"
#include "rules/position_at.h"
#include "search/game_files.h"
#include "search/search_texts.h"

namespace meridax {

PositionQuery positionSearchQuery(FrameServices& frame, const PositionSearchChoice& choice) {
  SGridFrame& game = frame.game();
  std::optional<SearchArea> area;
  if (choice.pattern) {
    const MarkedArea& m = frame.markedArea();
    area = SearchArea{std::min(m.x1, m.x2), std::min(m.y1, m.y2), std::max(m.x1, m.x2), std::max(m.y1, m.y2)};
  }
  PositionQuery q = queryFor(game, game.currentNode, area);
  q.anywhere = choice.pattern && choice.anywhere;
  q.swapColours = choice.swapColours;
  q.symmetries = choice.symmetries;
  q.allLines = choice.allLines;
  return q;
}

std::vector<std::string> positionSearchPaths(FrameServices& frame, const PositionSearchChoice& choice) {
  if (!choice.folder.empty()) return gameFilesUnder({choice.folder});
  if (frame.currentFile().empty()) return {};
  return {frame.currentFile()};
}

std::vector<PositionSearchRow> positionSearchRows(const SearchOutcome& outcome, const std::vector<std::string>& paths,
                                                  const SGridFrame& target) {
  std::vector<PositionSearchRow> rows;
  for (const GameHit& hit : outcome.hits) {
    if (hit.matches.empty()) continue;
    const PositionMatch& first = hit.matches.front();
    rows.push_back({hit.file < paths.size() ? paths[hit.file] : std::string(), hit.game, hit.player1, hit.player2,
                    hit.date, hit.result, first.moveNumber, first.next ? nextMoveText(target, *first.next) : "",
                    first.nodeOrdinal});
  }
  return rows;
}

std::vector<ContinuationCount> continuationCounts(const std::vector<PositionSearchRow>& rows) {
  std::map<std::string, ContinuationCount> byMove;
  for (const PositionSearchRow& r : rows) {
    const std::string move = r.next.empty() ? "(end)" : r.next;
    ContinuationCount& c = byMove[move];
    c.move = move;
    ++c.played;
    if (r.result.rfind("B+", 0) == 0) ++c.blackWins;
    if (r.result.rfind("W+", 0) == 0) ++c.whiteWins;
  }
  std::vector<ContinuationCount> counts;
  for (auto& [move, c] : byMove) counts.push_back(c);
  std::stable_sort(counts.begin(), counts.end(), [](const auto& a, const auto& b) { return a.played > b.played; });
  return counts;
}

std::string positionSearchSummary(const SearchOutcome& outcome, std::size_t files) {
  std::size_t matches = 0;
  for (const GameHit& hit : outcome.hits) matches += hit.matches.size();
  const auto plural = [](std::size_t n, const char* one, const char* many) {
    return std::to_string(n) + " " + (n == 1 ? one : many);
  };
  return plural(outcome.hits.size(), "game", "games") + ", " + plural(matches, "match", "matches") + " in " +
         plural(files, "file", "files") + " (" + plural(outcome.gamesSearched, "game", "games") + " searched)" +
         (outcome.cancelled ? ", cancelled" : "");
}

bool openPositionSearchRow(FrameWin& frame, const PositionSearchRow& row, bool allLines) {
  if (row.file != frame.currentFile() && !frame.files().ReLoad(row.file)) return false;
  const std::size_t index = static_cast<std::size_t>(row.game) - 1;
  if (row.game < 1 || index >= frame.collection().size() || frame.collection().game(index).isUnread()) return false;
  if (frame.collection().currentIndex() != index) frame.makeCurrent(index, false);
  const GameNode* node = nodeAtOrdinal(frame.game(), row.nodeOrdinal, allLines);
  if (node == nullptr) return false;
  frame.jumpToLineOf(const_cast<GameNode*>(node));
  return true;
}

}  // namespace meridax
