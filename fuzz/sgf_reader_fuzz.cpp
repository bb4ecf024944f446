// libFuzzer target for the SGF reader and writer: any bytes, read as a held file or as pasted text and
// injected below the current node; every built game must then survive a write and a read back, and the
// collection written as `rewrite` writes it must read back to the same bytes (checks/sgf_input_check.h).
// A fault aborts with its description, so the fuzzer keeps the input.
//
// Besides libFuzzer's own byte mutations the target makes two of SGF's own, which blind byte changes
// reach only rarely: a property of one game dropped into the root of another kind of game ("HA[1]" into an
// Othello root), and a game cut short at a bracket ("(GM[ph]D3])" before the rest of its root).

#include <cstddef>
#include <cstdint>
#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <random>
#include <string>
#include <string_view>

#include "checks/sgf_input_check.h"

extern "C" std::size_t LLVMFuzzerMutate(std::uint8_t* data, std::size_t size, std::size_t maxSize);

namespace {

// Root properties that mean something else, or nothing, in another kind of game.
constexpr std::string_view kRootProperties[] = {"HA[1]", "HA[2]", "HA[9]", "PL[B]", "PL[W]", "KM[6.5]",
                                                "SZ[4]", "SZ[8]", "SZ[19]", "SZ[7:9]", "AB[dd]", "AW[ee]",
                                                "AE[dd]", "FG[]", "XS[]", "RU[Pente]", "RU[Connect6]"};
constexpr std::string_view kKinds[] = {"1", "2", "11", "40", "4000", "4100"};

// Where the value at `open` ("[") ends: just past its "]", or the end of the text.
std::size_t valueEnd(const std::string& text, std::size_t open) {
  for (std::size_t i = open + 1; i < text.size(); ++i) {
    if (text[i] == '\\') ++i;
    else if (text[i] == ']') return i + 1;
  }
  return text.size();
}

// A property of the text ("ID[value]") or of the table, put right after a game's first ";"; at times the
// game's kind is changed as well.
std::string dropPropertyIntoRoot(std::string text, std::mt19937& random) {
  const std::size_t root = text.find(';', 1);
  if (root == std::string::npos) return text;
  std::string property(kRootProperties[random() % std::size(kRootProperties)]);
  const std::size_t open = text.find('[', random() % text.size());
  if (open != std::string::npos && open > 0 && random() % 2 == 0) {
    std::size_t start = open;
    while (start > 0 && text[start - 1] >= 'A' && text[start - 1] <= 'Z') --start;
    if (start < open) property = text.substr(start, valueEnd(text, open) - start);
  }
  text.insert(root + 1, property);
  if (random() % 2 == 0) text.insert(root + 1, "GM[" + std::string(kKinds[random() % std::size(kKinds)]) + "]");
  return text;
}

// The text cut just after a bracket ("[", "]", "(" or ")"), a ")" closing the game there, the rest kept.
std::string cutAtBracket(std::string text, std::mt19937& random) {
  const std::size_t at = text.find_first_of("[]()", random() % text.size());
  if (at == std::string::npos) return text;
  text.insert(at + 1, ")");
  return text;
}

}  // namespace

extern "C" std::size_t LLVMFuzzerCustomMutator(std::uint8_t* data, std::size_t size, std::size_t maxSize,
                                               unsigned int seed) {
  std::mt19937 random(seed);
  // The first byte holds the reader settings; only the text after it is SGF.
  if (size < 3 || random() % 4 != 0) return LLVMFuzzerMutate(data, size, maxSize);
  std::string text(reinterpret_cast<const char*>(data) + 1, size - 1);
  text = random() % 2 == 0 ? dropPropertyIntoRoot(std::move(text), random) : cutAtBracket(std::move(text), random);
  if (text.size() + 1 > maxSize) return LLVMFuzzerMutate(data, size, maxSize);
  std::memcpy(data + 1, text.data(), text.size());
  return text.size() + 1;
}

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size) {
  if (auto fault = meridax::fuzzing::checkSgfInput({data, size})) {
    std::fprintf(stderr, "sgf_reader_fuzz: %s\n", fault->c_str());
    std::abort();
  }
  return 0;
}
