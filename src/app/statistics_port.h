#pragma once
// The branch statistics window of the desktop: it stays open beside the main window and follows the
// current node while it is open. Without one the frame reports the counts in a message box.

namespace meridax {

class BranchStatisticsPort {
 public:
  virtual ~BranchStatisticsPort() = default;
  // Shows the window with the counts of the current game and node, or brings it to the front.
  virtual void showBranchStatistics() = 0;
};

}  // namespace meridax
