#pragma once
// The "FILE -o OUT" arguments of the commands that write a file.

#include <optional>
#include <string>

#include "cli/commands.h"

namespace meridax::cli {

struct InputAndOutput {
  std::string input;
  std::string output;
};

// "FILE -o OUT" or "-o OUT FILE"; nullopt for anything else.
inline std::optional<InputAndOutput> inputAndOutput(const Arguments& args) {
  if (args.size() != 3) return std::nullopt;
  if (args[1] == "-o") return InputAndOutput{args[0], args[2]};
  if (args[0] == "-o") return InputAndOutput{args[2], args[1]};
  return std::nullopt;
}

}  // namespace meridax::cli
