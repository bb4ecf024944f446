// libFuzzer target for the script runner: the input is a script of user actions, run against a fresh
// frame with the files of tests/scripts/files beside it (checks/script_input_check.h). A broken tree or
// node store, or a game the writer cannot carry through a read back, aborts with its description.
//
// What the program writes past its file system goes to a scratch directory of its own:
// $MERIDAX_FUZZ_SCRATCH when set, else a new directory under the system's temporary directory.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>
#include <string_view>

#include "checks/script_input_check.h"

namespace {

std::string scratchDirectory() {
  std::string dir;
  if (const char* chosen = std::getenv("MERIDAX_FUZZ_SCRATCH")) {
    dir = chosen;
    std::filesystem::create_directories(dir);
  } else {
    std::string pattern = (std::filesystem::temp_directory_path() / "meridax_fuzz_XXXXXX").string();
    if (mkdtemp(pattern.data()) == nullptr) std::abort();
    dir = pattern;
  }
  return std::filesystem::canonical(dir).string();
}

const meridax::fuzzing::SeedFiles* seeds = nullptr;
const std::string* scratch = nullptr;

}  // namespace

extern "C" int LLVMFuzzerInitialize(int*, char***) {
  seeds = new meridax::fuzzing::SeedFiles(meridax::fuzzing::readSeedFiles(MERIDAX_SCRIPT_FILES_DIR));
  scratch = new std::string(scratchDirectory());
  return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  const std::string_view script(reinterpret_cast<const char*>(data), size);
  if (auto fault = meridax::fuzzing::checkScriptInput(script, *seeds, *scratch)) {
    std::fprintf(stderr, "script_runner_fuzz: %s\n", fault->c_str());
    std::abort();
  }
  return 0;
}
