#pragma once
// What the script fuzz target asks of one input, apart from libFuzzer, so that an input that once found
// a fault can be run again by an ordinary test.
//
// The input is a script of user actions (app/script_runner.h), run a line at a time against a fresh
// frame whose ports answer from the script's queues and whose files live in memory, holding the seed
// files beside the script. After every line the trees and the node store must be sound; at the end every
// loaded game must survive a write and a read back. File names the script gives (load, choose) are
// moved into the scratch directory, so that nothing outside it is ever written.

#include <map>
#include <optional>
#include <ostream>
#include <string>
#include <string_view>

namespace meridax::fuzzing {

// name → contents of the files a script finds beside it.
using SeedFiles = std::map<std::string, std::string>;

// The regular files of a directory, by name.
SeedFiles readSeedFiles(const std::string& directory);

// The script with every name of a load or choose line cut to its last part, inside `directory`.
std::string confinedScript(std::string_view script, const std::string& directory);

// Runs the script with the seed files in `scratchDirectory`, a real directory that receives what the
// program writes past its file system (exported documents, error lists) and is emptied afterwards.
// nullopt when every check passed; otherwise the line and what went wrong. The transcript, when asked
// for, shows what the frame did, to follow a finding.
std::optional<std::string> checkScriptInput(std::string_view script, const SeedFiles& seeds,
                                            const std::string& scratchDirectory,
                                            std::ostream* transcript = nullptr);

}  // namespace meridax::fuzzing
