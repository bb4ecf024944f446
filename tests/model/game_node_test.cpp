#include "model/game_node.h"

#include <gtest/gtest.h>

#include <array>
#include <cstdint>
#include <functional>

namespace meridax {
namespace {

std::uint32_t firstWord(const GameNode& n) {
  const auto* b = reinterpret_cast<const std::uint8_t*>(&n);
  return static_cast<std::uint32_t>(b[0]) | static_cast<std::uint32_t>(b[1]) << 8 |
         static_cast<std::uint32_t>(b[2]) << 16 | static_cast<std::uint32_t>(b[3]) << 24;
}

std::uint8_t byteAt(const GameNode& n, int i) { return reinterpret_cast<const std::uint8_t*>(&n)[i]; }

TEST(GameNode, Record_Is17PackedBytes) {
  EXPECT_EQ(sizeof(GameNode), 17u);
  EXPECT_EQ(GameNode::kRecordSize, 17u);
  std::array<GameNode, 3> three{};
  EXPECT_EQ(reinterpret_cast<std::uint8_t*>(&three[2]) - reinterpret_cast<std::uint8_t*>(&three[0]), 34);
}

struct FieldCase {
  const char* name;
  std::function<void(GameNode&)> set;
  std::uint32_t word;  // the first 32 bits after setting the field on a zeroed record
};

class GameNodeLayoutTest : public ::testing::TestWithParam<FieldCase> {};

TEST_P(GameNodeLayoutTest, FieldAlone_OccupiesItsBitsOfTheFirstWord) {
  GameNode n{};
  GetParam().set(n);
  EXPECT_EQ(firstWord(n), GetParam().word) << std::hex << firstWord(n);
  for (int i = 4; i < 17; ++i) EXPECT_EQ(byteAt(n, i), 0) << "byte " << i;
}

const FieldCase kFieldCases[] = {
    {"PointBits0To10", [](GameNode& n) { n.setPoint(0x7ff); }, 0x000007ffu},
    {"PointLowBit", [](GameNode& n) { n.setPoint(1); }, 0x00000001u},
    {"MoveNumberBits11To21", [](GameNode& n) { n.setMoveNumber(0x7ff); }, 0x003ff800u},
    {"MoveNumberLowBit", [](GameNode& n) { n.setMoveNumber(1); }, 0x00000800u},
    {"InUseBit22", [](GameNode& n) { n.setInUse(true); }, 0x00400000u},
    {"KindBits23To25", [](GameNode& n) { n.setKind(static_cast<SpecialMoveKind>(7)); }, 0x03800000u},
    {"KindComposeIs6", [](GameNode& n) { n.setKind(SpecialMoveKind::Compose); }, 0x03000000u},
    {"KindPassIs1", [](GameNode& n) { n.setKind(SpecialMoveKind::Pass); }, 0x00800000u},
    {"BlackMoveBit26", [](GameNode& n) { n.setBlackMove(true); }, 0x04000000u},
    {"BlackNextBit27", [](GameNode& n) { n.setBlackNext(true); }, 0x08000000u},
    {"PrintDiagramBit28", [](GameNode& n) { n.setPrintDiagram(true); }, 0x10000000u},
    {"CaptureRecordBit29", [](GameNode& n) { n.setCaptureRecord(true); }, 0x20000000u},
    {"HasCommentBit30", [](GameNode& n) { n.setHasComment(true); }, 0x40000000u},
    {"HasMarkupBit31", [](GameNode& n) { n.setHasMarkup(true); }, 0x80000000u},
};

INSTANTIATE_TEST_SUITE_P(Fields, GameNodeLayoutTest, ::testing::ValuesIn(kFieldCases),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(GameNode, FlagsOutsideTheWord_LiveInByte4AndLeaveTheWordAlone) {
  GameNode n{};
  n.setBranching(true);
  n.setHasSnapshot(true);
  n.setHasName(true);
  n.setHasScore(true);
  n.setInQuickSlot(true);
  EXPECT_EQ(firstWord(n), 0u);
  EXPECT_EQ(byteAt(n, 4), 0x1f);  // bits 5 to 7 stay zero
}

TEST(GameNode, SettersOnAFullRecord_ChangeOnlyTheirOwnField) {
  GameNode n{};
  n.setPoint(0x7ff);
  n.setMoveNumber(0x7ff);
  n.setInUse(true);
  n.setKind(static_cast<SpecialMoveKind>(7));
  n.setBlackMove(true);
  n.setBlackNext(true);
  n.setPrintDiagram(true);
  n.setCaptureRecord(true);
  n.setHasComment(true);
  n.setHasMarkup(true);
  ASSERT_EQ(firstWord(n), 0xffffffffu);

  n.setPoint(0x155);
  EXPECT_EQ(n.point(), 0x155u);
  EXPECT_EQ(n.moveNumber(), 0x7ffu);
  n.setMoveNumber(2);
  EXPECT_EQ(n.moveNumber(), 2u);
  EXPECT_EQ(n.point(), 0x155u);
  EXPECT_TRUE(n.inUse());
  n.setKind(SpecialMoveKind::SwapPieces);
  EXPECT_EQ(n.kind(), SpecialMoveKind::SwapPieces);
  EXPECT_TRUE(n.inUse());
  EXPECT_TRUE(n.blackMove());
  n.setCaptureRecord(false);
  const std::uint32_t flagsBut29 = 0xfc000000u & ~(1u << 29);
  EXPECT_EQ(firstWord(n), 0x155u | 2u << 11 | 1u << 22 | 5u << 23 | flagsBut29) << std::hex << firstWord(n);
}

TEST(GameNode, OutOfRangeValues_AreCutToTheirFieldWidth) {
  GameNode n{};
  n.setPoint(0x800 | 5);
  n.setMoveNumber(0x800 | 9);
  EXPECT_EQ(n.point(), 5u);
  EXPECT_EQ(n.moveNumber(), 9u);
  EXPECT_FALSE(n.inUse());
}

TEST(GameNode, Links_RoundTripThroughTheirSixBytes) {
  std::array<GameNode, 3> nodes{};
  nodes[1].setNext(&nodes[2]);
  nodes[1].setPrev(&nodes[0]);
  EXPECT_EQ(nodes[1].next(), &nodes[2]);
  EXPECT_EQ(nodes[1].prev(), &nodes[0]);
  EXPECT_EQ(firstWord(nodes[1]), 0u);
  nodes[1].setNext(nullptr);
  EXPECT_EQ(nodes[1].next(), nullptr);
  EXPECT_EQ(nodes[1].prev(), &nodes[0]);
}

TEST(GameNode, ClearRecord_ZeroesEveryField) {
  GameNode n{};
  n.setInUse(true);
  n.setHasSnapshot(true);
  n.setNext(&n);
  n.clearRecord();
  for (int i = 0; i < 17; ++i) EXPECT_EQ(byteAt(n, i), 0);
}

}  // namespace
}  // namespace meridax
