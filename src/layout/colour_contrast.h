#pragma once
// How far two colours stand apart to the eye: the contrast ratio of WCAG 2 (1:1 for equal colours, 21:1
// for black on white), and the colour that marks a current item among others so that it can be told apart.

#include <cstdint>

namespace meridax {

// Colours as the settings keep them: red in the lowest byte, then green, then blue.
using ContrastColour = std::uint32_t;

// An outline or fill that sets an item apart from its neighbours stands out by at least this much.
inline constexpr double kLeastMarkContrast = 3.0;

// The relative luminance of a colour: 0 for black, 1 for white.
double relativeLuminance(ContrastColour colour);
// (lighter + 0.05) / (darker + 0.05), from 1 to 21 whichever colour is given first.
double contrastRatio(ContrastColour a, ContrastColour b);

// The colour of the mark around the current item, drawn over items filled with `othersFill`: the
// `preferred` colour when it stands out from that fill by kLeastMarkContrast, else black or white,
// whichever stands out more.
ContrastColour markColourAgainst(ContrastColour othersFill, ContrastColour preferred);

}  // namespace meridax
