#include "rules/go_rules.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

namespace meridax {
namespace {

// Normalises a drawn board so that failures print both boards in the same form.
std::string board(const std::string& rows) { return toDiagram(fromDiagram(rows)); }

std::string sgfPoints(const std::vector<BoardPoint>& points) {
  std::string out;
  for (const BoardPoint& p : points) {
    if (!out.empty()) out += ' ';
    out += static_cast<char>('a' + p.x);
    out += static_cast<char>('a' + p.y);
  }
  return out;
}

struct CaptureCase {
  const char* name;
  const char* before;
  int x;
  int y;
  Colour colour;
  const char* after;
  int captured;
};

class GoCaptureTest : public ::testing::TestWithParam<CaptureCase> {};

TEST_P(GoCaptureTest, UserPlay_RemovesExactlyTheDeadOpponentGroups) {
  const CaptureCase& c = GetParam();
  BoardPosition pos = fromDiagram(c.before);

  const GoMoveOutcome out = PlayGoMove(pos, c.x, c.y, c.colour, PlayMode::User);

  EXPECT_EQ(out.result, MoveResult::Accepted);
  EXPECT_EQ(toDiagram(pos), board(c.after));
  EXPECT_EQ(out.captured, c.captured);
  EXPECT_EQ(out.selfCaptured, 0);
  EXPECT_EQ(out.gainFor(c.colour), c.captured);
  EXPECT_EQ(out.gainFor(opponent(c.colour)), 0);
  EXPECT_EQ(out.removedStones(), c.captured > 0);
}

const CaptureCase kCaptureCases[] = {
    {"SingleStoneInTheCentre",
     R"(. . . . .
        . . X . .
        . X O . .
        . . X . .
        . . . . .)",
     3, 2, Colour::Black,
     R"(. . . . .
        . . X . .
        . X . X .
        . . X . .
        . . . . .)",
     1},
    {"GroupAlongTheTopEdge",
     R"(X O O . .
        . X X . .
        . . . . .
        . . . . .
        . . . . .)",
     3, 0, Colour::Black,
     R"(X . . X .
        . X X . .
        . . . . .
        . . . . .
        . . . . .)",
     2},
    {"WhiteTakesTheCornerStone",
     R"(. . . . .
        . . . . .
        . . . . .
        . . . . O
        . . . . X)",
     3, 4, Colour::White,
     R"(. . . . .
        . . . . .
        . . . . .
        . . . . O
        . . . O .)",
     1},
    {"GroupTouchedFromThreeSidesCountsOnce",
     R"(X X X X .
        X O O O X
        X O . O X
        . X . X .
        . . . . .)",
     2, 2, Colour::Black,
     R"(X X X X .
        X . . . X
        X . X . X
        . X . X .
        . . . . .)",
     5},
    {"FourSeparateGroupsFromAPointWithoutLiberties",
     R"(. . X . .
        . X O X .
        X O . O X
        . X O X .
        . . X . .)",
     2, 2, Colour::Black,
     R"(. . X . .
        . X . X .
        X . X . X
        . X . X .
        . . X . .)",
     4},
    {"GroupWithALibertyElsewhereLives",
     R"(. O O . .
        . X X . .
        . . . . .
        . . . . .
        . . . . .)",
     0, 0, Colour::Black,
     R"(X O O . .
        . X X . .
        . . . . .
        . . . . .
        . . . . .)",
     0},
};

INSTANTIATE_TEST_SUITE_P(Cases, GoCaptureTest, ::testing::ValuesIn(kCaptureCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GoRules, RemoveIfDead_EmptiesOnlyAGroupWithoutLiberty) {
  const char* rows = R"(O X . . .
                        X X . . .
                        . . . . .
                        . . . O O
                        . . . O X)";
  BoardPosition pos = fromDiagram(rows);

  EXPECT_EQ(removeIfDead(pos, 1, 1, Colour::Black), 0) << "the black group has liberties";
  EXPECT_EQ(removeIfDead(pos, 1, 1, Colour::White), 0) << "the cell holds the other colour";
  EXPECT_EQ(removeIfDead(pos, 2, 2, Colour::Black), 0) << "an empty cell is no group";
  EXPECT_EQ(removeIfDead(pos, -1, 0, Colour::Black), 0);
  EXPECT_EQ(removeIfDead(pos, 0, 5, Colour::Black), 0);
  EXPECT_EQ(toDiagram(pos), board(rows));

  EXPECT_EQ(removeIfDead(pos, 0, 0, Colour::White), 1);
  EXPECT_EQ(removeIfDead(pos, 4, 4, Colour::Black), 1);
  EXPECT_EQ(toDiagram(pos), board(R"(. X . . .
                                     X X . . .
                                     . . . . .
                                     . . . O O
                                     . . . O .)"));
}

TEST(GoRules, SuicideThatCapturesNothing_IsRefusedInUserPlayAndLeavesThePosition) {
  const char* rows = R"(O O . X .
                        X X X . .
                        . . . . .
                        . . . . .
                        . . . . .)";
  BoardPosition pos = fromDiagram(rows);

  const GoMoveOutcome out = PlayGoMove(pos, 2, 0, Colour::White, PlayMode::User);

  EXPECT_EQ(out.result, MoveResult::SelfCapture);
  EXPECT_EQ(out.captured, 0);
  EXPECT_EQ(out.selfCaptured, 0);
  EXPECT_EQ(toDiagram(pos), board(rows));
}

TEST(GoRules, SuicideWhileQuiet_RemovesTheOwnGroupAndCreditsTheOpponent) {
  BoardPosition pos = fromDiagram(R"(O O . X .
                                     X X X . .
                                     . . . . .
                                     . . . . .
                                     . . . . .)");

  const GoMoveOutcome out = PlayGoMove(pos, 2, 0, Colour::White, PlayMode::Quiet);

  EXPECT_EQ(out.result, MoveResult::Accepted);
  EXPECT_EQ(out.captured, 0);
  EXPECT_EQ(out.selfCaptured, 3);
  EXPECT_EQ(out.gainFor(Colour::Black), 3);
  EXPECT_EQ(out.gainFor(Colour::White), 0);
  EXPECT_TRUE(out.removedStones());
  EXPECT_EQ(toDiagram(pos), board(R"(. . . X .
                                     X X X . .
                                     . . . . .
                                     . . . . .
                                     . . . . .)"));
}

TEST(GoRules, PointThatIsNotAnEmptyBoardSquare_IsRefusedWithoutChange) {
  const char* rows = R"(X . . #
                        . O . .
                        . . . .
                        . . . .)";
  const struct {
    int x;
    int y;
    MoveResult expected;
  } cases[] = {
      {-1, 0, MoveResult::OutOfRange}, {4, 0, MoveResult::OutOfRange}, {0, 4, MoveResult::OutOfRange},
      {0, -1, MoveResult::OutOfRange}, {3, 0, MoveResult::OffBoard},   {0, 0, MoveResult::Occupied},
      {1, 1, MoveResult::Occupied},
  };
  for (const auto& c : cases) {
    BoardPosition pos = fromDiagram(rows);
    const GoMoveOutcome out = PlayGoMove(pos, c.x, c.y, Colour::Black, PlayMode::Quiet);
    EXPECT_EQ(out.result, c.expected) << "at " << c.x << "," << c.y;
    EXPECT_EQ(toDiagram(pos), board(rows)) << "at " << c.x << "," << c.y;
  }
}

// The positions of a line of play, each with the colour of the move that made it.
struct LineHistory {
  std::vector<std::pair<BoardPosition, Colour>> positions;
  int asked = 0;

  RepetitionCheck check() {
    return [this](const BoardPosition& after, Colour mover) {
      ++asked;
      for (const auto& [pos, colour] : positions)
        if (pos == after && colour == mover) return true;
      return false;
    };
  }
};

const char* const kBeforeKo = R"(. X O . .
                                 X O . O .
                                 . X O . .
                                 . . . . .
                                 . . . . .)";
const char* const kAfterBlackTakes = R"(. X O . .
                                        X . X O .
                                        . X O . .
                                        . . . . .
                                        . . . . .)";

TEST(GoRules, ImmediateKoRetake_IsRefusedAndLeavesThePosition) {
  LineHistory line;
  line.positions.push_back({fromDiagram(kBeforeKo), Colour::White});
  BoardPosition pos = fromDiagram(kBeforeKo);

  const GoMoveOutcome take = PlayGoMove(pos, 2, 1, Colour::Black, PlayMode::User, line.check());
  ASSERT_EQ(take.result, MoveResult::Accepted);
  ASSERT_EQ(take.captured, 1);
  ASSERT_EQ(toDiagram(pos), board(kAfterBlackTakes));
  line.positions.push_back({pos, Colour::Black});

  const GoMoveOutcome retake = PlayGoMove(pos, 1, 1, Colour::White, PlayMode::User, line.check());

  EXPECT_EQ(retake.result, MoveResult::Ko);
  EXPECT_EQ(retake.captured, 0);
  EXPECT_EQ(toDiagram(pos), board(kAfterBlackTakes));
  EXPECT_EQ(line.asked, 2);
}

TEST(GoRules, CaptureRecreatingAPositionMadeByTheOtherColour_IsAccepted) {
  LineHistory line;
  line.positions.push_back({fromDiagram(kBeforeKo), Colour::Black});
  BoardPosition pos = fromDiagram(kAfterBlackTakes);

  const GoMoveOutcome retake = PlayGoMove(pos, 1, 1, Colour::White, PlayMode::User, line.check());

  EXPECT_EQ(retake.result, MoveResult::Accepted);
  EXPECT_EQ(retake.captured, 1);
  EXPECT_EQ(toDiagram(pos), board(kBeforeKo));
}

TEST(GoRules, RepetitionCheck_IsAskedOnlyForCapturesInUserPlay) {
  LineHistory line;
  line.positions.push_back({fromDiagram(kBeforeKo), Colour::White});
  const RepetitionCheck alwaysRepeats = [&line](const BoardPosition&, Colour) {
    ++line.asked;
    return true;
  };

  BoardPosition quiet = fromDiagram(kAfterBlackTakes);
  EXPECT_EQ(PlayGoMove(quiet, 1, 1, Colour::White, PlayMode::Quiet, alwaysRepeats).result, MoveResult::Accepted);
  EXPECT_EQ(toDiagram(quiet), board(kBeforeKo));

  BoardPosition calm = fromDiagram(kAfterBlackTakes);
  EXPECT_EQ(PlayGoMove(calm, 4, 4, Colour::White, PlayMode::User, alwaysRepeats).result, MoveResult::Accepted);

  BoardPosition unchecked = fromDiagram(kAfterBlackTakes);
  EXPECT_EQ(PlayGoMove(unchecked, 1, 1, Colour::White, PlayMode::User).result, MoveResult::Accepted);

  EXPECT_EQ(line.asked, 0);
}

TEST(GoRules, HandicapPoints_FollowTheTable) {
  const struct {
    int n;
    const char* points;
  } cases[] = {
      {0, ""},
      {1, ""},
      {2, "pd dp"},
      {3, "pd dp pp"},
      {4, "pd dp pp dd"},
      {5, "pd dp pp dd jj"},
      {6, "pd dp pp dd dj pj"},
      {7, "pd dp pp dd jj dj pj"},
      {8, "pd dp pp dd dj pj jd jp"},
      {9, "pd dp pp dd jj dj pj jd jp"},
      {12, "pd dp pp dd jj dj pj jd jp"},
  };
  for (const auto& c : cases) EXPECT_EQ(sgfPoints(handicapPoints(c.n)), c.points) << "n = " << c.n;
}

TEST(GoRules, PlaceHandicap_PutsBlackStonesOnlyOnA19Board) {
  BoardPosition pos = startingPosition(GameKind::Go, 19, 0);

  EXPECT_EQ(placeHandicap(pos, 5), 5);

  std::vector<BoardPoint> black;
  for (int y = 0; y < 19; ++y)
    for (int x = 0; x < 19; ++x)
      if (pos.at(x, y) == cell::kBlack) black.push_back({x, y});
  EXPECT_EQ(sgfPoints(black), "dd pd jj dp pp");  // in cell order
  EXPECT_EQ(pos.at(3, 9), cell::kEmpty);

  BoardPosition small = startingPosition(GameKind::Go, 13, 0);
  EXPECT_EQ(placeHandicap(small, 9), 0);
  EXPECT_EQ(small, startingPosition(GameKind::Go, 13, 0));
}

TEST(GoRules, CaptureEntry_CutsEachCounterTo8Bits) {
  const struct {
    int black;
    int white;
    std::uint16_t entry;
  } cases[] = {
      {0, 0, 0x0000}, {1, 2, 0x0102}, {255, 255, 0xffff}, {256, 3, 0x0003}, {300, 513, 0x2c01},
  };
  for (const auto& c : cases)
    EXPECT_EQ(packCaptureEntry(c.black, c.white), c.entry) << c.black << " - " << c.white;

  EXPECT_EQ(unpackCaptureEntry(0x0102), (CaptureCounts{1, 2}));
  EXPECT_EQ(unpackCaptureEntry(packCaptureEntry(300, 7)), (CaptureCounts{44, 7}));
  EXPECT_EQ(unpackCaptureEntry(0xffff), (CaptureCounts{255, 255}));
}

}  // namespace
}  // namespace meridax
