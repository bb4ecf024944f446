#pragma once
// The commands of meridax-cli. Each takes its own arguments (after the command name), writes its
// results to `out` and its complaints to `err`, and returns the exit status.

#include <ostream>
#include <string>
#include <vector>

namespace meridax::cli {

struct CommandStreams {
  std::ostream& out;
  std::ostream& err;
};

using Arguments = std::vector<std::string>;

int runInfo(const Arguments& args, const CommandStreams& io);
int runCheck(const Arguments& args, const CommandStreams& io);
int runSave(const Arguments& args, const CommandStreams& io);
int runRewrite(const Arguments& args, const CommandStreams& io);
int runMoves(const Arguments& args, const CommandStreams& io);
int runAscii(const Arguments& args, const CommandStreams& io);

}  // namespace meridax::cli
