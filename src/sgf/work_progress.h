#pragma once
// How far a long piece of work on a collection has come (reading, checking or writing its games), and the
// callback through which the work reports it and learns whether the person wants it stopped.

#include <algorithm>
#include <cstddef>
#include <functional>

namespace meridax {

struct WorkProgress {
  std::size_t games = 0;       // games read, checked or written so far
  std::size_t gamesTotal = 0;  // all the games of the work; 0 when not known before the end (reading)
  std::size_t bytesDone = 0;   // bytes read from the text, or written so far
  std::size_t bytesTotal = 0;  // the size of the whole text; 0 when not known before the end (writing)

  // How much of the work is done, 0 to 1000, by games where their number is known, else by bytes.
  int permille() const {
    const std::size_t done = gamesTotal != 0 ? games : bytesDone;
    const std::size_t total = gamesTotal != 0 ? gamesTotal : bytesTotal;
    if (total == 0) return 0;
    return static_cast<int>(std::min<std::size_t>(done, total) * 1000 / total);
  }
};

// Called after each game; returns false when the work should stop (the person cancelled it). An empty
// callback lets the work run to its end.
using ProgressCallback = std::function<bool(const WorkProgress&)>;

// True when the work may go on: there is no callback, or it says so.
inline bool goOn(const ProgressCallback& progress, const WorkProgress& now) { return !progress || progress(now); }

}  // namespace meridax
