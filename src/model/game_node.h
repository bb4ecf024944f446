#pragma once
// One node of a game tree: a packed record of 17 bytes, optionally followed by a packed position.
//
// Bytes 0-3 are one little-endian word: point (bits 0-10), move number (11-21), in use (22),
// kind (23-25), black move (26), black next (27), print diagram (28), capture record (29),
// has comment (30), has markup (31). Byte 4 holds branching, has snapshot, has name, has score
// and in quick slot in its bits 0-4. Bytes 5-10 and 11-16 hold the next and prev links as 48-bit
// addresses: user-space addresses on 64-bit Linux fit in 47 bits.

#include <cstdint>
#include <cstring>

namespace meridax {

enum class SpecialMoveKind : std::uint8_t {
  Placement = 0,
  Pass = 1,  // Unlur: acceptance of the black pieces
  Resign = 2,
  Forfeit = 3,
  SwapSides = 4,
  SwapPieces = 5,
  Compose = 6,
};

class GameNode {
 public:
  static constexpr std::size_t kRecordSize = 17;
  static constexpr unsigned kMaxPoint = (1u << 11) - 1;
  static constexpr unsigned kMaxMoveNumber = (1u << 11) - 1;

  GameNode() = default;  // nodes are made only in store slots (see NodeStore)

  std::uint32_t word() const { return static_cast<std::uint32_t>(bytes_[0]) | bytes_[1] << 8 | bytes_[2] << 16 |
                                      static_cast<std::uint32_t>(bytes_[3]) << 24; }

  unsigned point() const { return word() & 0x7ff; }
  unsigned moveNumber() const { return (word() >> 11) & 0x7ff; }
  bool inUse() const { return bit(22); }
  SpecialMoveKind kind() const { return static_cast<SpecialMoveKind>((word() >> 23) & 7); }
  bool isPlacement() const { return kind() == SpecialMoveKind::Placement; }
  bool blackMove() const { return bit(26); }
  bool blackNext() const { return bit(27); }
  bool printDiagram() const { return bit(28); }
  bool captureRecord() const { return bit(29); }  // Othello: pass implied
  bool hasComment() const { return bit(30); }
  bool hasMarkup() const { return bit(31); }
  bool branching() const { return flag(0); }
  bool hasSnapshot() const { return flag(1); }
  bool hasName() const { return flag(2); }
  bool hasScore() const { return flag(3); }
  bool inQuickSlot() const { return flag(4); }

  void setPoint(unsigned p) { setWord((word() & ~0x7ffu) | (p & 0x7ff)); }
  void setMoveNumber(unsigned n) { setWord((word() & ~(0x7ffu << 11)) | ((n & 0x7ff) << 11)); }
  void setInUse(bool v) { setBit(22, v); }
  void setKind(SpecialMoveKind k) {
    setWord((word() & ~(7u << 23)) | ((static_cast<std::uint32_t>(k) & 7) << 23));
  }
  void setBlackMove(bool v) { setBit(26, v); }
  void setBlackNext(bool v) { setBit(27, v); }
  void setPrintDiagram(bool v) { setBit(28, v); }
  void setCaptureRecord(bool v) { setBit(29, v); }
  void setHasComment(bool v) { setBit(30, v); }
  void setHasMarkup(bool v) { setBit(31, v); }
  void setBranching(bool v) { setFlag(0, v); }
  void setHasSnapshot(bool v) { setFlag(1, v); }
  void setHasName(bool v) { setFlag(2, v); }
  void setHasScore(bool v) { setFlag(3, v); }
  void setInQuickSlot(bool v) { setFlag(4, v); }

  GameNode* next() const { return loadLink(5); }
  GameNode* prev() const { return loadLink(11); }
  void setNext(GameNode* n) { storeLink(5, n); }
  void setPrev(GameNode* n) { storeLink(11, n); }

  // The inline snapshot bytes that follow the record in a snapshot-class slot.
  std::uint8_t* inlineSnapshot() { return bytes_ + kRecordSize; }
  const std::uint8_t* inlineSnapshot() const { return bytes_ + kRecordSize; }

  // Zeroes the 17 record bytes (the slot becomes free).
  void clearRecord() { std::memset(bytes_, 0, kRecordSize); }

 private:
  bool bit(int b) const { return (word() >> b) & 1u; }
  void setBit(int b, bool v) { setWord(v ? (word() | (1u << b)) : (word() & ~(1u << b))); }
  bool flag(int b) const { return (bytes_[4] >> b) & 1u; }
  void setFlag(int b, bool v) {
    bytes_[4] = static_cast<std::uint8_t>(v ? (bytes_[4] | (1u << b)) : (bytes_[4] & ~(1u << b)));
  }
  void setWord(std::uint32_t w) {
    for (int i = 0; i < 4; ++i) bytes_[i] = static_cast<std::uint8_t>(w >> (8 * i));
  }
  GameNode* loadLink(int at) const {
    std::uint64_t v = 0;
    for (int i = 0; i < 6; ++i) v |= static_cast<std::uint64_t>(bytes_[at + i]) << (8 * i);
    return reinterpret_cast<GameNode*>(static_cast<std::uintptr_t>(v));
  }
  void storeLink(int at, const GameNode* n) {
    const auto v = static_cast<std::uint64_t>(reinterpret_cast<std::uintptr_t>(n));
    for (int i = 0; i < 6; ++i) bytes_[at + i] = static_cast<std::uint8_t>(v >> (8 * i));
  }

  std::uint8_t bytes_[kRecordSize];
};

static_assert(sizeof(GameNode) == 17, "a bare node is 17 bytes");
static_assert(alignof(GameNode) == 1, "nodes are packed back to back in their segments");

}  // namespace meridax
