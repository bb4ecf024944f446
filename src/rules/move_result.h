#pragma once
// The outcome of a move: accepted, or refused with a numbered result that user play shows in the
// status bar and the SGF reader turns into a load error.

#include <cstdint>

namespace meridax {

enum class MoveResult : std::uint8_t {
  Accepted = 0,
  OffBoard = 2,            // "Transparent node"
  NoForeignNeighbour = 3,  // Othello: no bordering foreign colour
  NoHomeColour = 4,        // Othello: nothing to flip
  OutOfRange = 5,
  Occupied = 6,
  ContractOnEdge = 7,      // Unlur
  InsideTerritory = 8,     // Kropki
  Ko = 9,
  SelfCapture = 10,
  TooManyBranches = 11,
};

constexpr int resultNumber(MoveResult r) { return static_cast<int>(r); }

// The status-bar text of a refusal in user play; empty for results without one (5, 11) and for Accepted.
const char* statusText(MoveResult r);
// The text the SGF reader reports for a refusal.
const char* loadText(MoveResult r);

}  // namespace meridax
