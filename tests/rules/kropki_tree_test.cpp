#include "rules/kropki_tree.h"

#include <gtest/gtest.h>

#include <initializer_list>
#include <string>
#include <utility>

#include "model/collection.h"
#include "model/game_tree.h"
#include "rules/move_acceptance.h"
#include "rules/navigation_step.h"
#include "rules/position_at.h"

namespace meridax {
namespace {

std::string field(const std::string& rows) { return toDiagram(fieldFromDiagram(rows)); }

constexpr char kCreateCaption[] = "Create a Field of Territory";
constexpr char kConflict[] =
    "A conflict was detected.\r\n\r\nThe new field of territory overlaps territory lower down in the game tree.";

using Dots = std::initializer_list<std::pair<int, int>>;

// Black's small ring around a white dot at (4, 4), with the empty cell (5, 4) inside as well.
constexpr Dots kBlackRing = {{4, 3}, {5, 3}, {3, 4}, {6, 4}, {4, 5}, {5, 5}};
// White's ring around the whole of Black's ring.
constexpr Dots kWhiteRing = {{4, 1}, {5, 1}, {3, 2}, {6, 2}, {2, 3}, {7, 3}, {1, 4}, {8, 4},
                             {2, 5}, {7, 5}, {3, 6}, {6, 6}, {4, 7}, {5, 7}};

constexpr char kBlackRingField[] = R"(. . . . . . . . . .
                                      . . . . . . . . . .
                                      . . . . . . . . . .
                                      . . . . X X . . . .
                                      . . . X X X X . . .
                                      . . . . X X . . . .
                                      . . . . . . . . . .
                                      . . . . . . . . . .
                                      . . . . . . . . . .
                                      . . . . . . . . . .)";

// A 10 x 10 Kropki game played through move acceptance, each dot with the colour given.
struct KropkiGame {
  Collection coll;
  SGridFrame* game;

  KropkiGame() { game = &coll.game(coll.createGame(GameKind::Kropki, 10, 10, 0)); }

  MoveResult play(Colour c, int x, int y) {
    PlayContext ctx{*game, x, y, false, {}, nullptr};
    BoardPosition pos = PositionAt(*game, game->currentNode);
    return Accept_Move(ctx, c, pos);
  }
  void playAll(Colour c, Dots dots) {
    for (const auto& [x, y] : dots) ASSERT_EQ(play(c, x, y), MoveResult::Accepted) << x << ", " << y;
  }
  GameNode* compose(const BoardPosition& pos) {
    PlayContext ctx{*game, 0, 0, false, {}, nullptr};
    return addComposeNode(ctx, Colour::Black, pos);
  }
  KropkiEdit create(Colour c, int x, int y) {
    return createField(*game, PositionAt(*game, game->currentNode), x, y, c);
  }
  GameNode* current() const { return game->currentNode; }
};

// ---- Creating fields ---------------------------------------------------------------------------

TEST(CreateField, RingAroundAWhiteDot_AttachesToTheLastBlackMoveAsAStop) {
  KropkiGame g;
  g.playAll(Colour::Black, kBlackRing);
  GameNode* lastBlack = g.current();
  g.playAll(Colour::White, {{4, 4}, {0, 0}});
  g.game->flags = game_flag::kUnchanged;

  const KropkiEdit edit = g.create(Colour::Black, 4, 4);

  EXPECT_TRUE(edit.changed) << edit.message;
  EXPECT_EQ(edit.message, "");
  EXPECT_TRUE(lastBlack->captureRecord());
  EXPECT_FALSE(g.current()->captureRecord());
  EXPECT_EQ(toDiagram(fieldsAt(*g.game, lastBlack)), field(kBlackRingField));
  EXPECT_EQ(toDiagram(territoryMap(*g.game, g.current())), field(kBlackRingField));
  EXPECT_NE(g.game->flags & game_flag::kTreeChanged, 0);
  EXPECT_EQ(g.play(Colour::Black, 5, 4), MoveResult::InsideTerritory);
  EXPECT_EQ(validateTree(*g.game), "");
}

TEST(CreateField, PointAlreadyInOwnTerritory_SaysSoAndChangesNothing) {
  KropkiGame g;
  g.playAll(Colour::Black, kBlackRing);
  g.playAll(Colour::White, {{4, 4}});
  ASSERT_TRUE(g.create(Colour::Black, 4, 4).changed);
  const auto before = g.game->kropkiFields;

  const KropkiEdit edit = g.create(Colour::Black, 5, 4);

  EXPECT_FALSE(edit.changed);
  EXPECT_EQ(edit.message, "The selected square already forms part of Black's territory.");
  EXPECT_EQ(edit.caption, kCreateCaption);
  EXPECT_EQ(g.game->kropkiFields, before);
}

TEST(CreateField, RegionFailure_PassesItsMessageOn) {
  KropkiGame g;
  g.playAll(Colour::Black, kBlackRing);

  const KropkiEdit edit = g.create(Colour::Black, 4, 4);

  EXPECT_FALSE(edit.changed);
  EXPECT_EQ(edit.message,
            "Invalid selection.\r\n\r\nUnable to create a field for player Black.\r\n"
            "The region needs to enclose at least one of the opponent's points.");
  EXPECT_EQ(edit.caption, kCreateCaption);
  EXPECT_TRUE(g.game->kropkiFields.empty());
}

TEST(CreateField, NoDotOfTheColourBelowACompose_FindsNoMove) {
  KropkiGame g;
  g.playAll(Colour::Black, kBlackRing);
  g.playAll(Colour::White, {{4, 4}});
  g.compose(PositionAt(*g.game, g.current()));

  const KropkiEdit edit = g.create(Colour::Black, 4, 4);

  EXPECT_FALSE(edit.changed);
  EXPECT_EQ(edit.message, "Unable to find higher move to which the Black territory can be added.");
  EXPECT_EQ(edit.caption, kCreateCaption);
  EXPECT_TRUE(g.game->kropkiFields.empty());
}

TEST(CreateField, WhiteFieldOnTheFirstNode_IsAttachedThere) {
  // The first node of a Kropki game carries the white colour.
  KropkiGame g;
  BoardPosition pos = startingPosition(GameKind::Kropki, 10, 10);
  for (const auto& [x, y] : {std::pair{4, 3}, {3, 4}, {5, 4}, {4, 5}}) pos.set(x, y, cell::kWhite);
  pos.set(4, 4, cell::kBlack);

  const KropkiEdit edit = createField(*g.game, pos, 4, 4, Colour::White);

  EXPECT_TRUE(edit.changed) << edit.message;
  EXPECT_TRUE(g.game->firstNode->captureRecord());
}

// ---- Conflicts with fields lower in the tree ---------------------------------------------------

// Black's ring is complete at the returned node; below it White surrounds it and claims the area.
GameNode* blackRingThenWhiteField(KropkiGame& g) {
  g.playAll(Colour::Black, kBlackRing);
  GameNode* ringDone = g.current();
  g.playAll(Colour::White, {{4, 4}});
  g.playAll(Colour::White, kWhiteRing);
  EXPECT_TRUE(g.create(Colour::White, 4, 3).changed);
  return ringDone;
}

TEST(CreateField, OpponentsFieldLowerOnTheLine_IsAConflict) {
  KropkiGame g;
  GameNode* ringDone = blackRingThenWhiteField(g);
  // Black claims at the move after White's dot inside the ring, above White's field.
  goToNode(*g.game, ringDone->next());

  const KropkiEdit edit = g.create(Colour::Black, 4, 4);

  EXPECT_FALSE(edit.changed);
  EXPECT_EQ(edit.message, kConflict);
  EXPECT_EQ(edit.caption, kCreateCaption);
  EXPECT_FALSE(ringDone->captureRecord());
}

TEST(CreateField, OpponentsFieldInASideLine_IsAConflict) {
  KropkiGame g;
  GameNode* ringDone = blackRingThenWhiteField(g);
  // A new move after White's dot pushes the line with White's field aside.
  goToNode(*g.game, ringDone->next());
  ASSERT_EQ(g.play(Colour::White, 0, 9), MoveResult::Accepted);
  ASSERT_TRUE(ringDone->next()->branching());

  const KropkiEdit edit = g.create(Colour::Black, 4, 4);

  EXPECT_EQ(edit.message, kConflict);
  EXPECT_FALSE(ringDone->captureRecord());
}

TEST(CreateField, OpponentsFieldBelowACompose_IsNoConflict) {
  KropkiGame g;
  g.playAll(Colour::Black, kBlackRing);
  GameNode* ringDone = g.current();
  g.playAll(Colour::White, {{4, 4}});
  g.compose(PositionAt(*g.game, g.current()));
  g.playAll(Colour::White, kWhiteRing);
  ASSERT_TRUE(g.create(Colour::White, 4, 3).changed);
  goToNode(*g.game, ringDone->next());

  const KropkiEdit edit = g.create(Colour::Black, 4, 4);

  EXPECT_TRUE(edit.changed) << edit.message;
  EXPECT_TRUE(ringDone->captureRecord());
}

TEST(CreateField, OwnFieldLowerSharingOnlyRingDots_IsNoConflict) {
  KropkiGame g;
  // Two plus-shaped rings sharing the dot (3, 4); White dots at (2, 4) and (4, 4).
  g.playAll(Colour::Black, {{2, 3}, {1, 4}, {3, 4}, {2, 5}});
  GameNode* firstRing = g.current();
  g.playAll(Colour::White, {{2, 4}, {4, 4}});
  g.playAll(Colour::Black, {{4, 3}, {5, 4}, {4, 5}});
  ASSERT_TRUE(g.create(Colour::Black, 4, 4).changed);
  goToNode(*g.game, firstRing->next());

  const KropkiEdit edit = g.create(Colour::Black, 2, 4);

  EXPECT_TRUE(edit.changed) << edit.message;
  EXPECT_TRUE(firstRing->captureRecord());
}

TEST(CreateField, OwnFieldLowerInsideTheNewField_IsAConflict) {
  KropkiGame g;
  // A big black ring around White's dots, then lower a small ring inside it claimed on its own.
  g.playAll(Colour::White, {{4, 3}, {4, 5}});
  g.playAll(Colour::Black, {{4, 1}, {3, 2}, {5, 2}, {2, 3}, {6, 3}, {1, 4}, {7, 4}, {2, 5}, {6, 5},
                            {3, 6}, {5, 6}, {4, 7}});
  GameNode* bigRing = g.current();
  g.playAll(Colour::White, {{5, 4}});
  g.playAll(Colour::Black, {{4, 2}, {3, 3}, {5, 3}, {4, 4}});
  ASSERT_TRUE(g.create(Colour::Black, 4, 3).changed);
  goToNode(*g.game, bigRing);

  const KropkiEdit edit = g.create(Colour::Black, 4, 5);

  EXPECT_EQ(edit.message, kConflict);
  EXPECT_FALSE(bigRing->captureRecord());
}

// ---- Territory map ----------------------------------------------------------------------------

TEST(TerritoryMap, AfterAComposeNode_FieldsAboveNoLongerApply) {
  KropkiGame g;
  g.playAll(Colour::Black, kBlackRing);
  g.playAll(Colour::White, {{4, 4}});
  ASSERT_TRUE(g.create(Colour::Black, 4, 4).changed);
  ASSERT_EQ(g.play(Colour::Black, 5, 4), MoveResult::InsideTerritory);

  GameNode* composed = g.compose(PositionAt(*g.game, g.current()));

  EXPECT_TRUE(territoryMap(*g.game, composed).isEmpty());
  EXPECT_EQ(g.play(Colour::Black, 5, 4), MoveResult::Accepted);
}

TEST(TerritoryMap, FieldsOfTheComposeNodeItself_StillApply) {
  KropkiGame g;
  g.playAll(Colour::Black, kBlackRing);
  g.playAll(Colour::White, {{4, 4}});
  ASSERT_TRUE(g.create(Colour::Black, 4, 4).changed);
  GameNode* composed = g.compose(PositionAt(*g.game, g.current()));
  attachField(*g.game, composed, fieldFromDiagram(R"(O . . . . . . . . .
                                                      . . . . . . . . . .
                                                      . . . . . . . . . .
                                                      . . . . . . . . . .
                                                      . . . . . . . . . .
                                                      . . . . . . . . . .
                                                      . . . . . . . . . .
                                                      . . . . . . . . . .
                                                      . . . . . . . . . .
                                                      . . . . . . . . . .)"));
  g.playAll(Colour::Black, {{9, 9}});

  EXPECT_EQ(territoryMap(*g.game, g.current()).at(0, 0), cell::kWhite);
  EXPECT_EQ(territoryMap(*g.game, g.current()).at(5, 4), 0);
}

// ---- Attaching and deleting --------------------------------------------------------------------

TEST(AttachField, SecondField_IsMergedAndAnEmptyOneIgnored) {
  KropkiGame g;
  GameNode* root = g.game->firstNode;
  g.game->flags = game_flag::kUnchanged;

  attachField(*g.game, root, FieldOfTerritory(10));
  EXPECT_FALSE(root->captureRecord());
  EXPECT_TRUE(g.game->kropkiFields.empty());

  FieldOfTerritory a(10);
  a.set(1, 1, cell::kBlack);
  FieldOfTerritory b(10);
  b.set(1, 1, cell::kWhite);
  b.set(2, 1, cell::kWhite);
  attachField(*g.game, root, a);
  attachField(*g.game, root, b);

  EXPECT_TRUE(root->captureRecord());
  EXPECT_EQ(fieldsAt(*g.game, root).at(1, 1), cell::kBlack | cell::kWhite);
  EXPECT_EQ(fieldsAt(*g.game, root).at(2, 1), cell::kWhite);
  EXPECT_EQ(g.game->kropkiFields.at(root).size(), 100u);
  EXPECT_EQ(g.game->flags & game_flag::kTreeChanged, 0) << "attaching while loading leaves the game unchanged";
}

// Two black fields at one node: a plus at the top left and the ring of kBlackRingField.
void twoFieldsAtOneNode(KropkiGame& g) {
  g.playAll(Colour::White, {{4, 4}, {2, 1}});
  g.playAll(Colour::Black, {{2, 0}, {1, 1}, {3, 1}, {2, 2}});
  g.playAll(Colour::Black, kBlackRing);
  ASSERT_TRUE(g.create(Colour::Black, 2, 1).changed);
  ASSERT_TRUE(g.create(Colour::Black, 4, 4).changed);
}

TEST(DeleteField, OneOfTwoFields_KeepsTheOtherAndTheStop) {
  KropkiGame g;
  twoFieldsAtOneNode(g);
  g.playAll(Colour::White, {{9, 9}});
  GameNode* stop = g.current()->prev();

  const KropkiEdit edit = deleteField(*g.game, 2, 0);

  EXPECT_TRUE(edit.changed) << edit.message;
  EXPECT_TRUE(stop->captureRecord());
  EXPECT_EQ(toDiagram(fieldsAt(*g.game, stop)), field(kBlackRingField));
}

TEST(DeleteField, OnlyFieldOfANode_ClearsItsStop) {
  KropkiGame g;
  g.playAll(Colour::Black, kBlackRing);
  g.playAll(Colour::White, {{4, 4}});
  ASSERT_TRUE(g.create(Colour::Black, 4, 4).changed);
  GameNode* stop = g.current()->prev();
  ASSERT_TRUE(stop->captureRecord());

  const KropkiEdit edit = deleteField(*g.game, 5, 4);

  EXPECT_TRUE(edit.changed);
  EXPECT_FALSE(stop->captureRecord());
  EXPECT_TRUE(g.game->kropkiFields.empty());
  EXPECT_EQ(g.play(Colour::Black, 5, 4), MoveResult::Accepted);
}

TEST(DeleteField, PointInNoField_SaysSo) {
  KropkiGame g;
  twoFieldsAtOneNode(g);
  const auto before = g.game->kropkiFields;

  for (const auto& [x, y] : {std::pair{8, 8}, {10, 0}, {-1, 3}}) {
    const KropkiEdit edit = deleteField(*g.game, x, y);
    EXPECT_FALSE(edit.changed);
    EXPECT_EQ(edit.message, "Unable to find a higher move from which the territory can be deleted.");
    EXPECT_EQ(edit.caption, "Delete the Field of Territory");
  }
  EXPECT_EQ(g.game->kropkiFields, before);
}

TEST(DeleteField, FieldAboveACompose_IsOutOfReach) {
  KropkiGame g;
  g.playAll(Colour::Black, kBlackRing);
  g.playAll(Colour::White, {{4, 4}});
  ASSERT_TRUE(g.create(Colour::Black, 4, 4).changed);
  g.compose(PositionAt(*g.game, g.current()));

  const KropkiEdit edit = deleteField(*g.game, 5, 4);

  EXPECT_FALSE(edit.changed);
  EXPECT_EQ(g.game->kropkiFields.size(), 1u);
}

TEST(DeleteNodeFields, NodeWithFields_LosesThemOnce) {
  KropkiGame g;
  twoFieldsAtOneNode(g);
  GameNode* stop = g.current();
  g.game->flags = game_flag::kUnchanged;

  EXPECT_TRUE(deleteNodeFields(*g.game, stop));
  EXPECT_FALSE(stop->captureRecord());
  EXPECT_TRUE(g.game->kropkiFields.empty());
  EXPECT_NE(g.game->flags & game_flag::kTreeChanged, 0);
  EXPECT_FALSE(deleteNodeFields(*g.game, stop));
}

}  // namespace
}  // namespace meridax
