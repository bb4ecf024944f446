#pragma once
// Board points in SGF values, both ways, for every game kind: move values, setup and markup values,
// labels, Kropki field outlines, and the two-character form points take inside stored markup texts.
//
// Letters: "a" to "z" are 0 to 25 and "A" to "Z" are 26 to 51, except on the hexagon boards, whose
// values take letters in any case ("M5" is "m5"), as Little Golem records write them. Readers return points as written,
// possibly off the board (move acceptance and the markup reader decide about those); they return
// nullopt only when the text does not have the form of a point at all.

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_kind.h"
#include "rules/placement.h"

namespace meridax {

class SGridFrame;

// What the point forms of a game depend on.
struct PointGeometry {
  GameKind kind = GameKind::Go;
  GoVariant variant = GoVariant::Go;
  int width = 19;
  int height = 19;           // hexagon kinds: the side length
  bool littleGolem = false;  // Havannah with the rules text exactly "LG"
};

inline constexpr char kLittleGolemRules[] = "LG";

// The hexagon kinds take their side length from the width, as their games do.
PointGeometry pointGeometry(GameKind kind, int width, int height, const std::string& rulesText);
PointGeometry pointGeometry(const SGridFrame& game);

// ---- Letters ----

// "a".."z" -> 0..25, "A".."Z" -> 26..51; nullopt for any other character.
std::optional<int> letterValue(char c);
// 0..25 -> "a".., 26..51 -> "A"..; nullopt outside 0..51.
std::optional<char> pointLetter(int v);

// The value with every blank and tab removed (move values are read that way).
std::string withoutBlanks(std::string_view value);

// ---- Move values ----

// What a B or W value asks for. The checks run in this order: resign, forfeit, pass (empty or
// "pass"), "black" (Unlur), "tt" (Go boards), "swap-sides", a point, any other "swap..." value.
enum class MoveValueKind : std::uint8_t {
  Point,
  Pass,            // Go-board games and Unlur; also "tt" on Go boards up to 19 wide
  UnlurBlackPass,  // Unlur "black": a Black pass whatever the property's colour
  Resign,
  Forfeit,
  SwapSides,
  SwapPieces,
  Ignored,         // an empty value or "pass" in a kind that has no pass
};

// Classifies a B or W value (blanks and tabs already removed).
MoveValueKind classifyMoveValue(const PointGeometry& g, std::string_view value);

// True for the old pass value "tt" of Go-board games; only on boards up to 19 wide, where "tt" can
// be no point, so that a move at (19, 19) of a wider board survives a save and reload.
bool isOldStylePass(const PointGeometry& g, std::string_view value);

struct MoveValue {
  BoardPoint point;
  std::optional<BoardPoint> second;   // Connect6: the second stone of the turn
  std::vector<std::string> outlines;  // Kropki: each field outline, letter pairs without the "."
};

// Reads a move point by the kind's form (blanks and tabs already removed). nullopt when the value is
// not in that form, including trailing characters after the point(s).
std::optional<MoveValue> readMoveValue(const PointGeometry& g, std::string_view value);

// ---- Setup and markup values ----

// A rectangle of points with x0 <= x1 and y0 <= y1 (a single point has both corners equal).
struct PointRange {
  BoardPoint from;
  BoardPoint to;
  int cellCount() const { return (to.x - from.x + 1) * (to.y - from.y + 1); }
};

// Reads one setup or markup point, or two joined by ":" (corners in any order).
std::optional<PointRange> readPointRange(const PointGeometry& g, std::string_view value);

struct LabelValue {
  BoardPoint point;
  std::string text;  // as written after the ":", escapes kept
};

// Reads an LB value: a point, ":" and the label text (which may be empty or missing).
std::optional<LabelValue> readLabelValue(const PointGeometry& g, std::string_view value);

// Splits Kropki field text (".abbc.cddc") into outlines without their "."; empty outlines (two dots
// in a row) are skipped. nullopt when the text does not start with "." or an outline has an odd
// number of characters or a character that is not a letter.
std::optional<std::vector<std::string>> splitFieldOutlines(std::string_view text);

// The points of one outline, two letters each.
std::optional<std::vector<BoardPoint>> readOutlinePoints(std::string_view outline);

// ---- Output forms ----

// "[xy]", "[c4] " (Hex, and hexagon boards with the row letter first: a blank follows a one-digit
// number), or empty for the kinds whose moves are not written (Onyx, Sursum).
std::string movePointText(const PointGeometry& g, int x, int y);
// "[xy]" or "[c4]" (Hex: column letter and row number; hexagon boards: row letter and column number).
std::string setupPointText(const PointGeometry& g, int x, int y);
// The same without the brackets ("xy", "c4"), as label values need it.
std::string setupPointValue(const PointGeometry& g, int x, int y);
// Two point letters, x then y (Kropki fields); empty when either value has no letter.
std::string twoLetters(int x, int y);

// ---- Points inside stored markup texts ----

inline constexpr int kMarkupPointOffset = 33;  // "!" is 0

// Column + 33 and row + 33.
std::string markupPointText(int x, int y);
// The point named by the first two characters; nullopt when fewer than two or below "!".
std::optional<BoardPoint> readMarkupPoint(std::string_view text);

}  // namespace meridax
