#include "search/file_search.h"

#include <algorithm>
#include <condition_variable>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "search/game_texts.h"
#include "search/go_text_filter.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/text_decoding.h"

namespace meridax {

namespace {

// A game of an opened file: its number and the place of its text.
struct GameEntry {
  int number = 0;
  std::size_t offset = 0;
  std::size_t length = 0;
};

struct FileWork {
  std::size_t index = 0;
  std::string path;
  std::string text;
  std::vector<GameEntry> games;
  std::size_t gamesLeft = 0;  // under the search's lock
};

// A task: a file to open, or a game of an opened file.
struct Task {
  std::shared_ptr<FileWork> file;
  std::size_t game = static_cast<std::size_t>(-1);
  std::size_t fileIndex = 0;
};

// The games of a file text: found by their brackets, or where the brackets do not balance, by the
// reader itself, which knows where a broken game ends.
std::vector<GameEntry> gamesOf(const std::string& text, const std::string& path, const ReaderSettings& settings) {
  std::vector<GameEntry> games;
  if (const std::optional<std::vector<GameSpan>> spans = splitGames(text)) {
    for (std::size_t i = 0; i < spans->size(); ++i)
      games.push_back({static_cast<int>(i) + 1, (*spans)[i].start, (*spans)[i].end - (*spans)[i].start});
    return games;
  }
  Collection roots;
  SErrorList errors;
  CollectionReadRequest read;
  read.filePath = path;
  read.settings = settings;
  readCollectionText(roots, text, read, errors);
  for (std::size_t i = 0; i < roots.size(); ++i)
    if (!roots.game(i).isUnread())
      games.push_back({static_cast<int>(i) + 1, roots.game(i).textOffset, roots.game(i).textLength});
  return games;
}

class Search {
 public:
  Search(const CompiledQuery& query, const SearchRequest& request) : query_(query), request_(request) {
    for (std::size_t i = 0; i < request.paths.size(); ++i) tasks_.push_back({nullptr, static_cast<std::size_t>(-1), i});
  }

  SearchOutcome run() {
    unsigned threads = request_.threads > 0 ? static_cast<unsigned>(request_.threads) : std::thread::hardware_concurrency();
    threads = std::max(1u, threads);
    std::vector<std::thread> workers;
    for (unsigned t = 1; t < threads; ++t) workers.emplace_back([this] { work(); });
    work();
    for (std::thread& w : workers) w.join();
    std::sort(outcome_.hits.begin(), outcome_.hits.end(),
              [](const GameHit& a, const GameHit& b) { return a.file != b.file ? a.file < b.file : a.game < b.game; });
    outcome_.cancelled = cancelled_;
    return std::move(outcome_);
  }

 private:
  // Games go before files, so that the games of an opened file are done before more files are read into
  // memory. A worker that finds nothing to do waits while a file is being opened: its games are coming.
  bool take(Task& task) {
    std::unique_lock lock(mutex_);
    ready_.wait(lock, [this] { return !tasks_.empty() || opening_ == 0 || cancelled_; });
    if (tasks_.empty() || cancelled_) return false;
    task = std::move(tasks_.front());
    tasks_.pop_front();
    if (task.file == nullptr) ++opening_;
    return true;
  }

  void work() {
    Collection games;  // this worker's store: one game at a time
    Task task;
    while (take(task)) {
      if (task.file == nullptr) openFile(task.fileIndex);
      else searchOne(games, *task.file, task.file->games[task.game]);
    }
  }

  void openFile(std::size_t index) {
    auto file = std::make_shared<FileWork>();
    file->index = index;
    file->path = request_.paths[index];
    std::string bytes;
    const std::string problem = request_.readFile ? request_.readFile(file->path, bytes) : "no reader";
    if (problem.empty()) {
      file->text = prepareOwnedFileText(std::move(bytes));
      file->games = gamesOf(file->text, file->path, request_.settings);
    }
    std::lock_guard lock(mutex_);
    --opening_;
    if (!problem.empty()) outcome_.unreadable.push_back(file->path + ": " + problem);
    file->gamesLeft = file->games.size();
    for (std::size_t g = 0; g < file->games.size(); ++g) tasks_.push_front({file, file->games.size() - 1 - g, index});
    if (file->games.empty()) report(1, 0);
    ready_.notify_all();
  }

  // Reads the game's root, and when its kind and size fit and its text may hold the target, its tree: only
  // its main line unless every line is searched.
  void searchOne(Collection& games, FileWork& file, const GameEntry& entry) {
    const bool allLines = query_.query().allLines;
    const std::string ownText =
        allLines ? std::string() : mainLineText(std::string_view(file.text).substr(entry.offset, entry.length));
    const std::string& text = allLines ? file.text : ownText;
    SErrorList errors;
    SgfReadRequest r;
    r.mode = ReadMode::RootOnly;
    r.cursor = allLines ? entry.offset : 0;
    r.filePath = file.path;
    r.ordinal = entry.number;
    r.settings = request_.settings;
    const SgfReadResult root = Do_FileSGF(games, text, r, errors);
    std::optional<GameHit> hit;
    bool read = false;
    if (root.game != nullptr && query_.fits(root.game->kind(), root.game->width(), root.game->height())) {
      const SGridFrame& g = *root.game;
      hit = GameHit{file.index, entry.number, g.details[DetailField::Player1], g.details[DetailField::Player2],
                    g.details[DetailField::Date], g.details[DetailField::Result], g.kind(), {}};
      const std::string_view gameText =
          allLines ? std::string_view(file.text).substr(entry.offset, entry.length) : std::string_view(ownText);
      if (g.variant() == GoVariant::Go && !goTextMayHold(query_, gameText)) hit.reset();
    }
    games.clear();
    if (hit) {
      r.mode = ReadMode::WholeGame;
      const SgfReadResult whole = Do_FileSGF(games, text, r, errors);
      if (whole.game != nullptr) hit->matches = searchGame(*whole.game, query_);
      games.clear();
    }
    read = root.game != nullptr;
    std::lock_guard lock(mutex_);
    if (hit && !hit->matches.empty()) outcome_.hits.push_back(std::move(*hit));
    outcome_.gamesSearched += read ? 1 : 0;
    report(--file.gamesLeft == 0 ? 1 : 0, 1);
  }

  // Under the lock.
  void report(std::size_t files, std::size_t games) {
    filesDone_ += files;
    gamesDone_ += games;
    if (request_.progress && !request_.progress({filesDone_, request_.paths.size(), gamesDone_})) {
      cancelled_ = true;
      ready_.notify_all();
    }
  }

  const CompiledQuery& query_;
  const SearchRequest& request_;
  std::mutex mutex_;
  std::condition_variable ready_;
  std::deque<Task> tasks_;
  int opening_ = 0;
  SearchOutcome outcome_;
  std::size_t filesDone_ = 0;
  std::size_t gamesDone_ = 0;
  bool cancelled_ = false;
};

}  // namespace

SearchOutcome searchFiles(const CompiledQuery& query, const SearchRequest& request) {
  return Search(query, request).run();
}

}  // namespace meridax
