#include "model/collection.h"

#include <gtest/gtest.h>

#include <string>

#include "model/game_tree.h"

namespace meridax {
namespace {

// The collection's games by their game names, in list order, with the current one in brackets.
std::string listing(Collection& c) {
  std::string out;
  for (std::size_t i = 0; i < c.size(); ++i) {
    const std::string& name = c.game(i).details[DetailField::GameName];
    if (!out.empty()) out += ' ';
    out += i == c.currentIndex() ? "[" + name + "]" : name;
  }
  return out;
}

std::size_t addNamed(Collection& c, const char* name, std::size_t after) {
  const std::size_t at = c.createGame(GameKind::Go, 9, 9, after);
  c.game(at).details[DetailField::GameName] = name;
  return at;
}

class CollectionTest : public ::testing::Test {
 protected:
  void SetUp() override {
    addNamed(c, "a", Collection::npos);
    addNamed(c, "b", Collection::npos);
    addNamed(c, "c", Collection::npos);
  }
  Collection c;
};

TEST_F(CollectionTest, CreatedGames_GetRisingSerialsAndAppendAtTheEnd) {
  EXPECT_EQ(listing(c), "[a] b c");
  EXPECT_EQ(c.game(0).serial(), 1u);
  EXPECT_EQ(c.game(2).serial(), 3u);
  EXPECT_EQ(c.indexOf(&c.game(1)), 1u);
  EXPECT_EQ(c.indexOf(nullptr), Collection::npos);
}

TEST_F(CollectionTest, InsertBeforeTheCurrentGame_KeepsTheSameGameCurrent) {
  c.setCurrent(2);
  EXPECT_EQ(addNamed(c, "x", 0), 1u);
  EXPECT_EQ(listing(c), "a x b [c]");
  addNamed(c, "y", 3);
  EXPECT_EQ(listing(c), "a x b [c] y");
}

TEST_F(CollectionTest, InsertAfterTheCurrentGame_LeavesTheIndexAlone) {
  c.setCurrent(1);
  addNamed(c, "x", 1);
  EXPECT_EQ(listing(c), "a [b] x c");
}

struct RemoveCase {
  const char* name;
  std::size_t current;
  std::size_t removed;
  const char* after;
};

class CollectionRemoveTest : public CollectionTest, public ::testing::WithParamInterface<RemoveCase> {};

TEST_P(CollectionRemoveTest, RemovedGame_CurrentIndexFollowsItsGameOrANeighbour) {
  c.setCurrent(GetParam().current);
  c.removeGame(GetParam().removed);
  EXPECT_EQ(listing(c), GetParam().after);
}

const RemoveCase kRemoveCases[] = {
    {"BeforeCurrent", 2, 0, "b [c]"},
    {"AfterCurrent", 0, 2, "[a] b"},
    {"CurrentInTheMiddle", 1, 1, "a [c]"},
    {"CurrentAtTheEnd", 2, 2, "a [b]"},
    {"CurrentAtTheStart", 0, 0, "[b] c"},
    {"OutOfRange", 1, 7, "a [b] c"},
};

INSTANTIATE_TEST_SUITE_P(Cases, CollectionRemoveTest, ::testing::ValuesIn(kRemoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct RangeCase {
  const char* name;
  std::size_t current;
  std::size_t first;
  std::size_t count;
  const char* after;
};

class CollectionRangeTest : public CollectionTest, public ::testing::WithParamInterface<RangeCase> {};

TEST_P(CollectionRangeTest, RemovedRange_CurrentFollowsItsGameAndIndexesStayTrue) {
  addNamed(c, "d", Collection::npos);
  c.setCurrent(GetParam().current);
  c.removeGames(GetParam().first, GetParam().count);
  EXPECT_EQ(listing(c), GetParam().after);
  for (std::size_t i = 0; i < c.size(); ++i) EXPECT_EQ(c.indexOf(&c.game(i)), i);
}

const RangeCase kRangeCases[] = {
    {"BeforeCurrent", 3, 0, 2, "c [d]"},
    {"AfterCurrent", 0, 1, 3, "[a]"},
    {"AroundCurrent", 1, 0, 2, "[c] d"},
    {"CurrentInTheLastOnes", 3, 2, 2, "a [b]"},
    {"CountBeyondTheEnd", 0, 2, 99, "[a] b"},
    {"FirstBeyondTheEnd", 2, 4, 1, "a b [c] d"},
    {"Nothing", 2, 1, 0, "a b [c] d"},
};

INSTANTIATE_TEST_SUITE_P(Cases, CollectionRangeTest, ::testing::ValuesIn(kRangeCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST_F(CollectionTest, RemovingEveryGame_LeavesNoCurrentGameAndNoNodes) {
  c.removeGame(1);
  c.removeGame(0);
  c.removeGame(0);
  EXPECT_TRUE(c.empty());
  EXPECT_EQ(c.current(), nullptr);
  EXPECT_EQ(c.store().liveNodes(), 0u);
  EXPECT_EQ(c.store().validate(), "");
}

TEST_F(CollectionTest, RemovedGame_ReturnsItsNodesToTheSharedStore) {
  EXPECT_EQ(c.store().liveNodes(), 3u);
  SGridFrame& b = c.game(1);
  for (int i = 0; i < 10; ++i) {
    GameNode* n = list_insert(b, b.endNode, b.cachedPosition, Colour::Black, SpecialMoveKind::Placement, 1, false);
    b.currentNode = n;
  }
  EXPECT_EQ(c.store().liveNodes(), 13u);
  c.removeGame(1);
  EXPECT_EQ(c.store().liveNodes(), 2u);
  EXPECT_EQ(c.store().validate(), "");
}

struct MoveCase {
  const char* name;
  std::size_t current;
  std::size_t index;
  int step;
  bool moved;
  const char* after;
};

class CollectionMoveTest : public CollectionTest, public ::testing::WithParamInterface<MoveCase> {};

TEST_P(CollectionMoveTest, MovedGame_CurrentIndexFollowsTheCurrentGame) {
  const MoveCase& m = GetParam();
  c.setCurrent(m.current);
  EXPECT_EQ(c.moveGame(m.index, m.step), m.moved);
  EXPECT_EQ(listing(c), m.after);
}

const MoveCase kMoveCases[] = {
    {"CurrentDown", 0, 0, +1, true, "b [a] c"},
    {"CurrentUp", 2, 2, -1, true, "a [c] b"},
    {"OtherOntoCurrent", 1, 0, +1, true, "[b] a c"},
    {"OtherElsewhere", 0, 1, +1, true, "[a] c b"},
    {"FirstUp", 1, 0, -1, false, "a [b] c"},
    {"LastDown", 1, 2, +1, false, "a [b] c"},
    {"OutOfRange", 1, 5, -1, false, "a [b] c"},
};

INSTANTIATE_TEST_SUITE_P(Cases, CollectionMoveTest, ::testing::ValuesIn(kMoveCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(Collection, SetCurrentOutOfRange_IsIgnored) {
  Collection c;
  c.createGame(GameKind::Othello, 8, 8, 0);
  c.setCurrent(4);
  EXPECT_EQ(c.currentIndex(), 0u);
  EXPECT_EQ(c.current(), &c.game(0));
}

}  // namespace
}  // namespace meridax

namespace meridax {
namespace {

// Every game's index as the collection reports it, in list order: "0 1 2" when each finds its place.
std::string indexes(const Collection& c) {
  std::string out;
  for (std::size_t i = 0; i < c.size(); ++i) {
    if (!out.empty()) out += ' ';
    out += std::to_string(c.indexOf(&c.game(i)));
  }
  return out;
}

struct IndexCase {
  const char* name;
  void (*edit)(Collection&);
  const char* listing;
};

const IndexCase kIndexCases[] = {
    {"InsertAtFront", [](Collection& c) { addNamed(c, "x", Collection::npos); c.moveGame(3, -1); }, "[a] b x c"},
    {"InsertInMiddle", [](Collection& c) { addNamed(c, "x", 0); }, "[a] x b c"},
    {"RemoveFirst", [](Collection& c) { c.removeGame(0); }, "[b] c"},
    {"RemoveMiddle", [](Collection& c) { c.removeGame(1); }, "[a] c"},
    {"MoveDown", [](Collection& c) { c.moveGame(0, 1); }, "b [a] c"},
    {"MoveUpThenRemove", [](Collection& c) { c.moveGame(2, -1); c.removeGame(0); }, "[c] b"},
};

class CollectionIndexTest : public ::testing::TestWithParam<IndexCase> {};

TEST_P(CollectionIndexTest, EveryGameFindsItsIndexAfterTheEdit) {
  Collection c;
  for (const char* name : {"a", "b", "c"}) addNamed(c, name, Collection::npos);
  GetParam().edit(c);
  EXPECT_EQ(listing(c), GetParam().listing);
  std::string expected;
  for (std::size_t i = 0; i < c.size(); ++i) expected += (i ? " " : "") + std::to_string(i);
  EXPECT_EQ(indexes(c), expected);
}

INSTANTIATE_TEST_SUITE_P(Edits, CollectionIndexTest, ::testing::ValuesIn(kIndexCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(CollectionIndex, GamesOutsideTheCollectionAreNotFound) {
  Collection c;
  Collection other;
  addNamed(c, "a", Collection::npos);
  addNamed(other, "b", Collection::npos);
  addNamed(other, "c", Collection::npos);
  EXPECT_EQ(c.indexOf(&other.game(0)), Collection::npos);  // the same index, in another collection
  EXPECT_EQ(c.indexOf(&other.game(1)), Collection::npos);  // an index beyond this collection
  EXPECT_EQ(c.indexOf(nullptr), Collection::npos);
  EXPECT_EQ(c.indexOf(&c.game(0)), 0u);
}

}  // namespace
}  // namespace meridax
