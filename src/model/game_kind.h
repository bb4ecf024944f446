#pragma once
// Game kinds: a 16-bit code with one bit per kind, tested against masks by the rules.

#include <cstdint>
#include <string>

namespace meridax {

enum class GameKind : std::uint16_t {
  Othello = 1,
  Go = 2,  // Pente and Connect6 are Go with the rules text "Pente" or "Connect6"
  Hex = 4,
  Havannah = 8,
  Unlur = 16,
  Margo = 32,
  Connect6AtCreation = 64,  // stored as Go + "Connect6"
  Kropki = 128,
  Onyx = 256,
  PenteAtCreation = 512,  // stored as Go + "Pente"
  SideStitch = 1024,
  Sursum = 2048,
};

// Masks of kinds that share a trait.
namespace kind_mask {
inline constexpr std::uint16_t kHexagonBoard = 0x418;    // height = (width + 1) / 2, corners off the board
inline constexpr std::uint16_t kHexagonalCells = 0x41c;  // drawn with hexagonal cells
inline constexpr std::uint16_t kCaptureIndex = 0x882;    // keeps a per-node capture index
inline constexpr std::uint16_t kSwapSides = 0x92c;       // the pass command acts as swap sides
inline constexpr std::uint16_t kTwoLetterPoints = 0x9a2; // SGF points are two letters
inline constexpr std::uint16_t kLetterNumberPoints = 0x5;// SGF points may be letter and number
}  // namespace kind_mask

constexpr std::uint16_t code(GameKind k) { return static_cast<std::uint16_t>(k); }
constexpr bool kindIn(GameKind k, std::uint16_t mask) { return (code(k) & mask) != 0; }

constexpr bool isHexagonBoard(GameKind k) { return kindIn(k, kind_mask::kHexagonBoard); }
constexpr bool hasHexagonalCells(GameKind k) { return kindIn(k, kind_mask::kHexagonalCells); }
constexpr bool keepsCaptureIndex(GameKind k) { return kindIn(k, kind_mask::kCaptureIndex); }

// Havannah, Margo and Side Stitch: White moves first and player 1 is White.
constexpr bool isWhiteFirst(GameKind k) {
  return k == GameKind::Havannah || k == GameKind::Margo || k == GameKind::SideStitch;
}

// The Go-board variant of a game, from its kind and its rules text (exact comparison).
enum class GoVariant { NotGo, Go, Pente, Connect6 };
GoVariant goVariant(GameKind k, const std::string& rulesText);

inline constexpr char kPenteRules[] = "Pente";
inline constexpr char kConnect6Rules[] = "Connect6";

// Colours: 1 Black, 2 White; the opponent of c is 3 - c.
enum class Colour : std::uint8_t { Black = 1, White = 2 };
constexpr Colour opponent(Colour c) { return c == Colour::Black ? Colour::White : Colour::Black; }
constexpr std::uint8_t cellOf(Colour c) { return static_cast<std::uint8_t>(c); }
inline const char* colourName(Colour c) { return c == Colour::Black ? "Black" : "White"; }

}  // namespace meridax
