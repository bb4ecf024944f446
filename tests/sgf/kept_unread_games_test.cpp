// A held file keeps each game the reader refuses as the exact text read, in its place among the others;
// imported and pasted text only reports it.

#include <gtest/gtest.h>

#include <string>

#include "sgf/sgf_collection_read.h"

namespace meridax {
namespace {

struct KeptCase {
  const char* name;
  std::string text;
  std::size_t keptAt;  // the index of the kept game in the collection
  std::string keptText;
  std::string reason;
};

class KeptUnreadGames : public ::testing::TestWithParam<KeptCase> {};

TEST_P(KeptUnreadGames, HeldFileKeepsTheTextInItsPlace_ImportOnlyReports) {
  const KeptCase& c = GetParam();
  Collection held;
  SErrorList heldErrors;
  const CollectionReadResult read = readCollectionText(held, c.text, CollectionReadRequest{}, heldErrors);
  EXPECT_EQ(read.gamesKept, 1);
  EXPECT_EQ(held.size(), static_cast<std::size_t>(read.gamesRead) + 1);
  ASSERT_LT(c.keptAt, held.size());
  const SGridFrame& kept = held.game(c.keptAt);
  ASSERT_TRUE(kept.isUnread());
  EXPECT_EQ(kept.unread->text, c.keptText);
  EXPECT_EQ(kept.unread->reason, c.reason);
  EXPECT_FALSE(held.current()->isUnread());
  EXPECT_EQ(heldErrors.size(), 1u);

  Collection imported;
  SErrorList importErrors;
  CollectionReadRequest import;
  import.trees = GameTrees::All;
  readCollectionText(imported, c.text, import, importErrors);
  EXPECT_EQ(imported.size(), held.size() - 1);
  EXPECT_EQ(importErrors.joined(), heldErrors.joined());
}

INSTANTIATE_TEST_SUITE_P(
    Texts, KeptUnreadGames,
    ::testing::Values(
        KeptCase{"UnknownKindFirst", "(;GM[12]C[x]\n;B[aa])\n(;GM[1]SZ[9])", 0, "(;GM[12]C[x]\n;B[aa])",
                 "Unrecognised GM parameter was detected ( GM = '12' )."},
        KeptCase{"BoardTooLargeBetween", "(;SZ[9])  (;SZ[52](;B[aa])(;B[bb]))\r\n(;SZ[9])", 1, "(;SZ[52](;B[aa])(;B[bb]))",
                 "Board width = 52.  Maximum allowed = 25."},
        KeptCase{"BracketsInValuesLast", "(;SZ[9])(;SZ[4]C[a ) ( \\] b])", 1, "(;SZ[4]C[a ) ( \\] b])",
                 "Board width = 4.  Minimum allowed = 5."},
        KeptCase{"UnclosedAtTheEnd", "(;SZ[9])\n(;GM[99];B[aa]", 1, "(;GM[99];B[aa]",
                 "Unrecognised GM parameter was detected ( GM = '99' )."}),
    [](const ::testing::TestParamInfo<KeptCase>& info) { return std::string(info.param.name); });

}  // namespace
}  // namespace meridax
