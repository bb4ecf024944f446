#pragma once
// The SGF form of Kropki fields: each field is written as "." followed by the letter pairs of the
// points of its outline; reading marks the listed points and fills every cell they enclose.

#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "model/game_kind.h"
#include "rules/kropki_fields.h"

namespace meridax {

struct OutlineReading {
  std::optional<FieldOfTerritory> field;  // the field, when the outline could be read
  std::string error;                      // what is wrong with the outline otherwise
  bool ok() const { return field.has_value(); }
};

// The outlines of a field list, each the text after a "." up to the next "." or the end; empty
// outlines (two dots in a row) are skipped. Text before the first "." is not an outline.
std::vector<std::string_view> splitOutlines(std::string_view fields);

// Reads one outline (without its "."): letter pairs x then y, "a" to "z" for 0 to 25 and "A" onward
// for 26 onward. Fails on a character that is not a letter, on an unpaired last letter, on a point
// outside the width x width square, and on an outline without points.
OutlineReading fieldFromOutline(int width, std::string_view outline, Colour c);

// The outlines of the cells of colour c in the mask, each beginning with ".", in the order of the
// first interior cell of each field; empty when the mask holds no cell of colour c.
std::string outlineFromField(const FieldOfTerritory& mask, Colour c);

// The letter of a coordinate (0 to 51) in outlines and points.
char outlineLetter(int coordinate);

}  // namespace meridax
