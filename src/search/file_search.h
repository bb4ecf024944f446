#pragma once
// A position search across files: each file read as the editor reads it (roots first, then each game's
// tree from its text), the games shared out to worker threads, each worker reading and walking one game
// at a time in a store of its own.

#include <atomic>
#include <functional>
#include <optional>
#include <string>
#include <vector>

#include "search/game_search.h"
#include "sgf/sgf_reader.h"

namespace meridax {

// A game that reaches the target, with what the results list shows of it.
struct GameHit {
  std::size_t file = 0;  // into the searched paths
  int game = 0;          // from 1, as the games list numbers the games of its file
  std::string player1;   // as the games list shows the players
  std::string player2;
  std::string date;
  std::string result;
  GameKind kind = GameKind::Go;
  std::vector<PositionMatch> matches;  // in walk order
};

// Reads a file's bytes; returns an empty text on success, else why it cannot be read.
using FileReader = std::function<std::string(const std::string& path, std::string& bytes)>;

struct SearchProgress {
  std::size_t filesDone = 0;
  std::size_t filesTotal = 0;
  std::size_t gamesDone = 0;  // games read and walked; games of another kind or size are passed over unread
};

struct SearchRequest {
  std::vector<std::string> paths;
  ReaderSettings settings;
  FileReader readFile;
  int threads = 0;  // 0: one per core
  // Told as games are done, from any worker (one call at a time); false stops the search.
  std::function<bool(const SearchProgress&)> progress;
};

struct SearchOutcome {
  std::vector<GameHit> hits;  // by file, then game
  std::vector<std::string> unreadable;  // "path: reason"
  std::size_t gamesSearched = 0;
  bool cancelled = false;
};

SearchOutcome searchFiles(const CompiledQuery& query, const SearchRequest& request);

}  // namespace meridax
