#pragma once
// The commands of meridax-cli. Each takes its own arguments (after the command name), writes its
// results to `out` and its complaints to `err`, and returns the exit status.

#include <ostream>
#include <string>
#include <vector>

namespace meridax {
class BoardImagePort;
class ProgressPort;
}

namespace meridax::cli {

struct CommandStreams {
  std::ostream& out;
  std::ostream& err;
  ProgressPort* progress = nullptr;  // shows long loads, checks and saves; none: nothing is shown
};

using Arguments = std::vector<std::string>;

int runInfo(const Arguments& args, const CommandStreams& io);
int runCheck(const Arguments& args, const CommandStreams& io);
int runSave(const Arguments& args, const CommandStreams& io);
int runRewrite(const Arguments& args, const CommandStreams& io);
int runMoves(const Arguments& args, const CommandStreams& io);
int runComments(const Arguments& args, const CommandStreams& io);
int runAscii(const Arguments& args, const CommandStreams& io);
int runFind(const Arguments& args, const CommandStreams& io);
// The board pictures need the drawing library; `images` is null where the program was built without it.
int runImage(const Arguments& args, const CommandStreams& io, BoardImagePort* images);
int runRtf(const Arguments& args, const CommandStreams& io, BoardImagePort* images);

}  // namespace meridax::cli
