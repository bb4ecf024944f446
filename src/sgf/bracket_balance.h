#pragma once
// How the brackets of SGF text stand at its end: the variations left open and whether a value is.

#include <cstddef>
#include <string_view>

namespace meridax {

struct BracketBalance {
  int openVariations = 0;   // "(" outside values not yet closed
  bool inValue = false;     // the text ends inside a value
  bool closedTooMany = false;  // a ")" came before its "("
};

inline BracketBalance bracketBalance(std::string_view text) {
  BracketBalance b;
  for (std::size_t i = 0; i < text.size(); ++i) {
    const char c = text[i];
    if (b.inValue) {
      if (c == '\\') ++i;
      else if (c == ']') b.inValue = false;
    } else if (c == '[') {
      b.inValue = true;
    } else if (c == '(') {
      ++b.openVariations;
    } else if (c == ')') {
      if (b.openVariations == 0) b.closedTooMany = true;
      else --b.openVariations;
    }
  }
  return b;
}

}  // namespace meridax
