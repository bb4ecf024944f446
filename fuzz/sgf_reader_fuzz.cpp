// libFuzzer target for the SGF reader and writer: any bytes, read as a held file or as pasted text and
// injected below the current node; every built game must then survive a write and a read back
// (checks/sgf_input_check.h). A fault aborts with its description, so the fuzzer keeps the input.

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>

#include "checks/sgf_input_check.h"

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (auto fault = meridax::fuzzing::checkSgfInput({data, size})) {
    std::fprintf(stderr, "sgf_reader_fuzz: %s\n", fault->c_str());
    std::abort();
  }
  return 0;
}
