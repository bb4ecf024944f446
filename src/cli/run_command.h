#pragma once
// meridax-cli run SCRIPT [--profile FILE]: a script of user actions played against the editor's main
// frame, the transcript of what it would have shown written to the standard output.

#include <optional>
#include <ostream>
#include <string>

#include "app/memory_profile.h"
#include "cli/commands.h"

namespace meridax::cli {

// Exit status of a script that stopped: a question found no answer, or a line was not understood.
inline constexpr int kExitScriptStopped = 3;

// SCRIPT "-" reads the script from the standard input. Returns 0, 2 when the script or the profile cannot
// be read (or the arguments are wrong), or 3 when the script stopped.
int runScriptCommand(const Arguments& args, const CommandStreams& io);

// A settings profile in the INI form of MemoryProfile; nullopt after telling `err` why it cannot be read.
std::optional<MemoryProfile> readProfile(const std::string& path, std::ostream& err);

}  // namespace meridax::cli
