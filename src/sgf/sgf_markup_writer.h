#pragma once
// A node's stored markup text turned into SGF markup properties.

#include <string>
#include <string_view>
#include <vector>

#include "sgf/sgf_points.h"

namespace meridax {

// One bracketed value of a stored markup text with the identifier it stands under.
struct StoredMarkupValue {
  std::string identifier;
  std::string value;  // without the brackets, escapes kept
};

// The values of a stored markup text in order. Characters outside identifiers and values are passed
// over; a value without its closing "]" runs to the end of the text.
std::vector<StoredMarkupValue> parseStoredMarkup(std::string_view stored);

// The SGF form of a stored markup text: for each identifier in the order M, L, SQ, CR, MA, TR, LB, TB,
// TW its values in the kind's point form, identifiers joined by "\r\n". Blanked values and points
// outside the width x width square are dropped; label texts are written after ":" with "\", "]" and
// ":" escaped. Kropki games leave TB and TW out (those identifiers hold their fields of territory).
// Empty when no value is left.
std::string writeMarkupText(const PointGeometry& g, std::string_view stored);

}  // namespace meridax
