#pragma once
// The two drag bars of the main window keep their places as proportions in thousandths ("Display Width"
// for the bar between the board and the right column, "Display Width HZ" for the bar between the game
// tree and the comment pane). Each proportion is the share of the far pane: the right column, and the
// comment pane below the tree.

namespace meridax {

inline constexpr double kDefaultPaneShare = 0.350;
inline constexpr double kMinPaneShare = 0.050;
inline constexpr double kMaxPaneShare = 0.950;

struct SplitSizes {
  int nearSize = 0;  // the board, or the game tree
  int farSize = 0;   // the right column, or the comment pane
  friend bool operator==(const SplitSizes&, const SplitSizes&) = default;
};

// A stored share made usable: a value that is not a number or lies outside 5%...95% (a damaged profile)
// is clamped, so neither pane disappears.
double usablePaneShare(double share);
// The sizes of the two panes for `total` pixels.
SplitSizes splitByShare(int total, double share);
// The far pane's share of two sizes, in whole thousandths; the default when both are 0.
double shareOf(const SplitSizes& sizes);

}  // namespace meridax
