// The handicap of a game's information is written as the number of stones the reader takes from it, so a
// handicap typed as any text neither breaks the file nor reads back as something else.

#include <gtest/gtest.h>

#include <string>

#include "sgf/sgf_collection_read.h"
#include "sgf/sgf_writer.h"

namespace meridax {
namespace {

struct HandicapCase {
  const char* typed;
  const char* written;  // the HA value written; empty when none is
};

class HandicapValue : public ::testing::TestWithParam<HandicapCase> {};

TEST_P(HandicapValue, TypedTextIsWrittenAsTheStonesReadBack) {
  Collection games;
  SGridFrame& game = games.game(games.createGame(GameKind::Go, 19, 19, Collection::npos));
  game.details[DetailField::Handicap] = GetParam().typed;
  std::string text;
  ASSERT_TRUE(WriteGameText(game, text));
  const std::string expected = *GetParam().written ? std::string("HA[") + GetParam().written + "]" : "";
  const std::size_t at = text.find("HA[");
  EXPECT_EQ(at == std::string::npos ? "" : text.substr(at, text.find(']', at) + 1 - at), expected) << text;

  Collection back;
  SErrorList errors;
  CollectionReadRequest request;
  request.trees = GameTrees::All;
  readCollectionText(back, text, request, errors);
  ASSERT_EQ(back.size(), 1u) << text;
  EXPECT_TRUE(errors.empty()) << errors.joined();
  std::string again;
  ASSERT_TRUE(WriteGameText(back.game(0), again));
  EXPECT_EQ(again.find("HA["), text.find("HA["));
}

INSTANTIATE_TEST_SUITE_P(Typed, HandicapValue,
                         ::testing::Values(HandicapCase{"3", "3"}, HandicapCase{" 04", "4"}, HandicapCase{"12", "9"},
                                           HandicapCase{"1", ""}, HandicapCase{"-7", ""}, HandicapCase{"", ""},
                                           HandicapCase{"two", ""}, HandicapCase{"5 ] (;B[aa])", "5"}));

}  // namespace
}  // namespace meridax
