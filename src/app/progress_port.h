#pragma once
// Long work on a collection shown to the person: loading, importing, checking and saving report how far
// they have come, and the person may stop them. The window shows a dialog once the work has taken more
// than half a second; the command line writes a line to a terminal.

#include <chrono>
#include <string>

#include "sgf/work_progress.h"

namespace meridax {

// Analysing counts moves, and Exporting the diagrams of a document, where the others count games.
enum class WorkKind { Loading, Importing, Checking, Saving, Analysing, Exporting };

// Work that lasts longer than this shows its progress.
inline constexpr std::chrono::milliseconds kProgressDelay{500};

class ProgressPort {
 public:
  virtual ~ProgressPort() = default;
  // The work on `file` begins (the file's path or name as the person gave it).
  virtual void begin(WorkKind kind, const std::string& file) = 0;
  // How far it has come; false when the person asked to stop.
  virtual bool advance(const WorkProgress& progress) = 0;
  // The work ended, completed or not.
  virtual void end() = 0;
};

// "Loading 'games.sgf'", "Saving 'games.sgf'", ...: the heading of the progress shown.
std::string progressHeading(WorkKind kind, const std::string& file);
// "1,234 games read, 3.4 MB of 12.0 MB", "120 of 400 games written, 1.2 MB", "12 of 250 moves analysed",
// "120 of 400 diagrams drawn": how far the work has come.
std::string progressDetails(WorkKind kind, const WorkProgress& progress);

// One piece of work shown through a port (none: nothing is shown and nothing stops it): begun on
// construction, ended on destruction.
class ProgressScope {
 public:
  ProgressScope(ProgressPort* port, WorkKind kind, const std::string& file);
  ~ProgressScope();
  ProgressScope(const ProgressScope&) = delete;
  ProgressScope& operator=(const ProgressScope&) = delete;

  // The callback to hand to the work; empty without a port.
  ProgressCallback callback();
  // True once the person asked to stop.
  bool cancelled() const { return cancelled_; }

 private:
  ProgressPort* port_;
  bool cancelled_ = false;
};

}  // namespace meridax
