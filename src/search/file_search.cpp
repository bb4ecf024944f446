#include "search/file_search.h"

#include <algorithm>
#include <deque>
#include <memory>
#include <mutex>
#include <thread>

#include "search/go_text_filter.h"
#include "sgf/sgf_collection_read.h"
#include "sgf/text_decoding.h"

namespace meridax {

namespace {

// What the workers need of a game once the file's roots are read.
struct GameEntry {
  int number = 0;
  std::size_t offset = 0;
  std::size_t length = 0;
  int ordinal = 1;
  GameHit info;
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
  // Games go before files, so that the games of an opened file are done before more files are read into memory.
  bool take(Task& task) {
    std::lock_guard lock(mutex_);
    if (tasks_.empty() || cancelled_) return false;
    task = std::move(tasks_.front());
    tasks_.pop_front();
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
    if (!problem.empty()) {
      std::lock_guard lock(mutex_);
      outcome_.unreadable.push_back(file->path + ": " + problem);
      return;
    }
    file->text = prepareOwnedFileText(std::move(bytes));
    Collection roots;
    SErrorList errors;
    CollectionReadRequest read;
    read.filePath = file->path;
    read.settings = request_.settings;
    readCollectionText(roots, file->text, read, errors);
    for (std::size_t i = 0; i < roots.size(); ++i) {
      const SGridFrame& g = roots.game(i);
      if (g.isUnread() || !query_.fits(g.kind(), g.width(), g.height())) continue;
      if (g.variant() == GoVariant::Go && !goTextMayHold(query_, std::string_view(file->text).substr(g.textOffset, g.textLength)))
        continue;
      GameEntry e;
      e.number = static_cast<int>(i) + 1;
      e.offset = g.textOffset;
      e.length = g.textLength;
      e.ordinal = static_cast<int>(g.fileOrdinal);
      e.info.file = index;
      e.info.game = e.number;
      e.info.kind = g.kind();
      e.info.player1 = g.details[DetailField::Player1];
      e.info.player2 = g.details[DetailField::Player2];
      e.info.date = g.details[DetailField::Date];
      e.info.result = g.details[DetailField::Result];
      file->games.push_back(std::move(e));
    }
    std::lock_guard lock(mutex_);
    outcome_.gamesSearched += roots.readableCount();
    file->gamesLeft = file->games.size();
    for (std::size_t g = 0; g < file->games.size(); ++g) tasks_.push_front({file, file->games.size() - 1 - g, index});
    if (file->games.empty()) report(1, 0);
  }

  void searchOne(Collection& games, FileWork& file, const GameEntry& entry) {
    SErrorList errors;
    SgfReadRequest r;
    r.mode = ReadMode::WholeGame;
    r.cursor = entry.offset;
    r.filePath = file.path;
    r.ordinal = entry.ordinal;
    r.settings = request_.settings;
    const SgfReadResult read = Do_FileSGF(games, file.text, r, errors);
    std::vector<PositionMatch> found;
    if (read.game != nullptr) found = searchGame(*read.game, query_);
    games.clear();
    std::lock_guard lock(mutex_);
    if (!found.empty()) {
      GameHit hit = entry.info;
      hit.matches = std::move(found);
      outcome_.hits.push_back(std::move(hit));
    }
    report(--file.gamesLeft == 0 ? 1 : 0, 1);
  }

  // Under the lock.
  void report(std::size_t files, std::size_t games) {
    filesDone_ += files;
    gamesDone_ += games;
    if (request_.progress && !request_.progress({filesDone_, request_.paths.size(), gamesDone_})) cancelled_ = true;
  }

  const CompiledQuery& query_;
  const SearchRequest& request_;
  std::mutex mutex_;
  std::deque<Task> tasks_;
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
