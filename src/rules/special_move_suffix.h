#pragma once
// The short mark a special move carries after its colour letter in move boxes and printed move lists.

#include "model/game_node.h"

namespace meridax {

// "(p)", "(r)", "(f)", "(ss)" or "(sp)"; empty for placements and compositions.
inline const char* specialMoveSuffix(SpecialMoveKind kind) {
  switch (kind) {
    case SpecialMoveKind::Pass: return "(p)";
    case SpecialMoveKind::Resign: return "(r)";
    case SpecialMoveKind::Forfeit: return "(f)";
    case SpecialMoveKind::SwapSides: return "(ss)";
    case SpecialMoveKind::SwapPieces: return "(sp)";
    default: return "";
  }
}

}  // namespace meridax
