#pragma once
// The empty game made at start, from the frame's stored default kind, size and rules.

#include <string>

#include "app/settings_values.h"
#include "model/game_kind.h"

namespace meridax {

struct DefaultGame {
  GameKind kind = GameKind::Go;
  int width = 19;
  int height = 19;
  std::string rules;

  friend bool operator==(const DefaultGame&, const DefaultGame&) = default;
};

inline constexpr int kMinKropkiHeight = 5;

// True for the combinations a default game may have: Othello 8 or 10, Go 9, 13 or 19, Hex 9 to 17,
// Havannah 19, Unlur 11, 15 or 19, Kropki 9 to 45 (with a height of 5 up to its width).
bool isValidDefaultGame(int kindCode, int width, int height);

// The stored default game ("Default Game", "Default KropkiX" as width, "Default KropkiY" as height, "Default
// Rules"), or Go 19 when the kind and size are not a valid combination. The height of a hexagon board is
// derived from its width; square boards and Hex are as high as they are wide.
DefaultGame resolveDefaultGame(const FrameSettings& settings);

}  // namespace meridax
