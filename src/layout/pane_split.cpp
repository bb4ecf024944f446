#include "layout/pane_split.h"

#include <algorithm>
#include <cmath>

namespace meridax {

double usablePaneShare(double share) {
  if (!std::isfinite(share)) return kDefaultPaneShare;
  return std::clamp(share, kMinPaneShare, kMaxPaneShare);
}

SplitSizes splitByShare(int total, double share) {
  if (total <= 0) return {};
  const int far = static_cast<int>(std::lround(total * usablePaneShare(share)));
  return SplitSizes{total - far, far};
}

double shareOf(const SplitSizes& sizes) {
  const int total = sizes.nearSize + sizes.farSize;
  if (total <= 0) return kDefaultPaneShare;
  return usablePaneShare(std::round(1000.0 * sizes.farSize / total) / 1000.0);
}

}  // namespace meridax
