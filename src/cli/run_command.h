#pragma once
// meridax-cli run SCRIPT [--profile FILE]: a script of user actions played against the editor's main
// frame, the transcript of what it would have shown written to the standard output.

#include "cli/commands.h"

namespace meridax::cli {

// Exit status of a script that stopped: a question found no answer, or a line was not understood.
inline constexpr int kExitScriptStopped = 3;

// SCRIPT "-" reads the script from the standard input. Returns 0, 2 when the script or the profile cannot
// be read (or the arguments are wrong), or 3 when the script stopped.
int runScriptCommand(const Arguments& args, const CommandStreams& io);

}  // namespace meridax::cli
