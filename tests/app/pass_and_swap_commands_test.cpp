#include "app/pass_and_swap_commands.h"

#include <gtest/gtest.h>

#include <string>

namespace meridax {
namespace {

SpecialMoveContext context(GameKind kind, int moveNumber, SpecialMoveKind currentKind = SpecialMoveKind::Placement,
                           int whitePieces = 0) {
  SpecialMoveContext ctx;
  ctx.kind = kind;
  ctx.moveNumber = moveNumber;
  ctx.currentKind = currentKind;
  ctx.whitePieces = whitePieces;
  return ctx;
}

struct PassCase {
  const char* name;
  SpecialMoveContext ctx;
  const char* label;
  bool enabled;
  SpecialMoveKind adds;
};

class PassCommandTest : public ::testing::TestWithParam<PassCase> {};

TEST_P(PassCommandTest, LabelEnablingAndNode) {
  const PassCase& c = GetParam();

  const SpecialMoveCommand cmd = passCommand(c.ctx);

  EXPECT_EQ(cmd.label, c.label);
  EXPECT_EQ(cmd.enabled, c.enabled);
  EXPECT_EQ(cmd.adds, c.adds);
}

const PassCase kPassCases[] = {
    {"GoAlways", context(GameKind::Go, 0, SpecialMoveKind::Pass), "&Pass\tCtrl+T", true, SpecialMoveKind::Pass},
    {"GoAfterAPass", context(GameKind::Go, 40, SpecialMoveKind::Pass), "&Pass\tCtrl+T", true, SpecialMoveKind::Pass},
    {"HexAtTheFirstNode", context(GameKind::Hex, 0, SpecialMoveKind::Pass), "Swap &Sides\tCtrl+T", false,
     SpecialMoveKind::SwapSides},
    {"HexAfterMove1", context(GameKind::Hex, 1), "Swap &Sides\tCtrl+T", true, SpecialMoveKind::SwapSides},
    {"HexOnceMove2IsPlayed", context(GameKind::Hex, 2), "Swap &Sides\tCtrl+T", false, SpecialMoveKind::SwapSides},
    {"HavannahAfterMove1", context(GameKind::Havannah, 1), "Swap &Sides\tCtrl+T", true, SpecialMoveKind::SwapSides},
    {"HavannahOnceMove2IsPlayed", context(GameKind::Havannah, 2), "Swap &Sides\tCtrl+T", false,
     SpecialMoveKind::SwapSides},
    {"MargoAfterMove1", context(GameKind::Margo, 1), "Swap &Sides\tCtrl+T", true, SpecialMoveKind::SwapSides},
    {"OnyxAfterMove1", context(GameKind::Onyx, 1), "Swap &Sides\tCtrl+T", true, SpecialMoveKind::SwapSides},
    {"SursumAfterMove1", context(GameKind::Sursum, 1), "Swap &Sides\tCtrl+T", true, SpecialMoveKind::SwapSides},
    {"UnlurAtTheFirstNode", context(GameKind::Unlur, 0, SpecialMoveKind::Pass), "Accept the &Black Pieces\tCtrl+T",
     false, SpecialMoveKind::Pass},
    {"UnlurDuringTheContract", context(GameKind::Unlur, 3), "Accept the &Black Pieces\tCtrl+T", true,
     SpecialMoveKind::Pass},
    {"UnlurRightAfterTheAcceptance", context(GameKind::Unlur, 4, SpecialMoveKind::Pass),
     "Accept the &Black Pieces\tCtrl+T", false, SpecialMoveKind::Pass},
    {"UnlurOnceAWhitePieceStands", context(GameKind::Unlur, 5, SpecialMoveKind::Placement, 1),
     "Accept the &Black Pieces\tCtrl+T", false, SpecialMoveKind::Pass},
    {"UnlurAfterAResignationDuringTheContract", context(GameKind::Unlur, 3, SpecialMoveKind::Resign),
     "Accept the &Black Pieces\tCtrl+T", true, SpecialMoveKind::Pass},
    {"Othello", context(GameKind::Othello, 1), "Pass", false, SpecialMoveKind::Pass},
    {"Kropki", context(GameKind::Kropki, 1), "Pass", false, SpecialMoveKind::Pass},
    {"SideStitch", context(GameKind::SideStitch, 1), "Pass", false, SpecialMoveKind::Pass},
};

INSTANTIATE_TEST_SUITE_P(Kinds, PassCommandTest, ::testing::ValuesIn(kPassCases),
                         [](const auto& info) { return std::string(info.param.name); });

struct SwapPiecesCase {
  const char* name;
  SpecialMoveContext ctx;
  bool enabled;
};

class SwapPiecesCommandTest : public ::testing::TestWithParam<SwapPiecesCase> {};

TEST_P(SwapPiecesCommandTest, OfferedOnlyForHexAfterMove1) {
  const SwapPiecesCase& c = GetParam();

  const SpecialMoveCommand cmd = swapPiecesCommand(c.ctx);

  EXPECT_EQ(cmd.label, "Swap &Pieces ( Hex )\tCtrl+U");
  EXPECT_EQ(cmd.tip, "Swap pieces ( Hex )");
  EXPECT_EQ(cmd.adds, SpecialMoveKind::SwapPieces);
  EXPECT_EQ(cmd.enabled, c.enabled);
}

const SwapPiecesCase kSwapPiecesCases[] = {
    {"HexAfterMove1", context(GameKind::Hex, 1), true},
    {"HexAtTheFirstNode", context(GameKind::Hex, 0, SpecialMoveKind::Pass), false},
    {"HexOnceMove2IsPlayed", context(GameKind::Hex, 2), false},
    {"HavannahAfterMove1", context(GameKind::Havannah, 1), false},
    {"GoAfterMove1", context(GameKind::Go, 1), false},
};

INSTANTIATE_TEST_SUITE_P(Kinds, SwapPiecesCommandTest, ::testing::ValuesIn(kSwapPiecesCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(ResignationCommand, DisabledOnlyWhileTheCurrentNodeIsAResignation) {
  EXPECT_TRUE(resignationCommand(context(GameKind::Go, 12)).enabled);
  EXPECT_TRUE(resignationCommand(context(GameKind::Hex, 12, SpecialMoveKind::Forfeit)).enabled);
  EXPECT_FALSE(resignationCommand(context(GameKind::Go, 12, SpecialMoveKind::Resign)).enabled);
  EXPECT_EQ(resignationCommand(context(GameKind::Go, 12)).adds, SpecialMoveKind::Resign);
}

TEST(ForfeitCommand, DisabledOnlyWhileTheCurrentNodeIsAForfeit) {
  EXPECT_TRUE(forfeitCommand(context(GameKind::Kropki, 12)).enabled);
  EXPECT_TRUE(forfeitCommand(context(GameKind::Kropki, 12, SpecialMoveKind::Resign)).enabled);
  EXPECT_FALSE(forfeitCommand(context(GameKind::Kropki, 12, SpecialMoveKind::Forfeit)).enabled);
  EXPECT_EQ(forfeitCommand(context(GameKind::Go, 12)).adds, SpecialMoveKind::Forfeit);
}

}  // namespace
}  // namespace meridax
