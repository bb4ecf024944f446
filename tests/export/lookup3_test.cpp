#include "export/lookup3.h"

#include <gtest/gtest.h>

#include <string>

namespace meridax {
namespace {

struct HashCase {
  std::string key;
  std::uint32_t initval;
  std::uint32_t expected;
};

class Lookup3Published : public ::testing::TestWithParam<HashCase> {};

// The values printed by the self-test of Bob Jenkins' lookup3.c.
TEST_P(Lookup3Published, HashlittleGivesThePublishedValue) {
  const HashCase& c = GetParam();
  EXPECT_EQ(hashlittle(c.key, c.initval), c.expected) << "key \"" << c.key << "\" initval " << c.initval;
}

INSTANTIATE_TEST_SUITE_P(Lookup3, Lookup3Published,
                         ::testing::Values(HashCase{"", 0, 0xdeadbeef}, HashCase{"", 0xdeadbeef, 0xbd5b7dde},
                                           HashCase{"Four score and seven years ago", 0, 0x17770551},
                                           HashCase{"Four score and seven years ago", 1, 0xcd628161}));

TEST(Lookup3, EveryTailLength_HashDependsOnEachByte) {
  // Keys of 1 to 25 bytes cover every tail length of the last block; changing any byte changes the hash.
  for (std::size_t length = 1; length <= 25; ++length) {
    std::string key(length, 'a');
    const std::uint32_t base = hashlittle(key, 14);
    for (std::size_t i = 0; i < length; ++i) {
      std::string changed = key;
      changed[i] = 'b';
      EXPECT_NE(hashlittle(changed, 14), base) << "length " << length << " byte " << i;
    }
  }
}

}  // namespace
}  // namespace meridax
