#pragma once
// Before a game is created: where its text starts, the raw GM and SZ values of its root, the kind and
// board size they give (with their defaults and every size error), and how to pass over a game that
// cannot be loaded.

#include <cstddef>
#include <optional>
#include <string>
#include <string_view>

#include "model/game_kind.h"

namespace meridax {

inline constexpr int kMinBoardWidth = 5;
inline constexpr int kMaxBoardWidth = 25;
inline constexpr int kMaxKropkiWidth = 45;

// What the pre-scan of a game's root found.
struct RootScan {
  bool found = false;          // a "(" followed somewhere by ";"
  std::size_t gameStart = 0;   // offset of the game's "("
  std::size_t rootStart = 0;   // offset just after the first ";"
  std::string gm;              // raw values; empty when absent
  std::string sz;
  bool selected = false;       // the root node holds "XS"
};

// Goes from `cursor` to the first "(" and the first ";" after it, then reads the root's properties as
// the reader does, up to "(", ")" or the first B or W property, keeping the raw GM and SZ values.
// Separately notes whether the first node holds the selected-game mark "XS".
RootScan scanRoot(std::string_view text, std::size_t cursor);

struct GameShape {
  GameKind kind = GameKind::Go;
  int width = 19;
  int height = 19;  // Kropki: the shorter side; hexagon kinds: the side length
  friend bool operator==(const GameShape&, const GameShape&) = default;
};

// The kind and size a game's GM and SZ give, or the text of the error that fails the game.
struct ShapeReading {
  std::optional<GameShape> shape;
  std::string error;
};

// The value that selects the kind: the text before the first blank; "1" when that is empty.
std::string kindToken(const std::string& gm);
// The kind of a GM token: "1" Go, "2" Othello, "Hex" or "11" Hex, "Unlur" or "4000" Unlur,
// "Havannah" or "4100" Havannah, "40" Kropki.
std::optional<GameKind> kindOfGm(const std::string& token);
// The size used when SZ is empty: 8 (Othello), 17 (Hex), 15 (Unlur), 21 (Kropki) or 19.
std::string defaultSize(const std::string& token);
// Kind and size from the raw GM and SZ values, with every default and limit.
ShapeReading readGameShape(const std::string& gm, const std::string& sz);

// The offset of the "]" that closes a value whose text starts at `from` (a backslash escapes the next
// character); text.size() when the value is never closed.
std::size_t valueEnd(std::string_view text, std::size_t from);

// The offset just after the ")" that closes the game whose "(" is at gameStart, counting nested
// parentheses and passing over bracketed values (a backslash escapes the next character); the end of
// the text when the game is never closed.
std::size_t skipGame(std::string_view text, std::size_t gameStart);

}  // namespace meridax
