#pragma once
// The branch statistics window (" Branch Statistics"): a group box of twelve read-only fields with their
// labels and a Close button at the bottom right. It stays open beside the main window and shows the
// counts of the current game and node again whenever it is told to refresh.

#include <QDialog>
#include <array>

#include "app/frame_win.h"
#include "collection/branch_statistics.h"

class QLineEdit;

namespace meridax {

class BranchStatisticsDialog : public QDialog {
  Q_OBJECT

 public:
  BranchStatisticsDialog(FrameWin& frame, QWidget* parent);

  // Reads the counts again from the frame.
  void refresh();
  // The field of row `row`, top to bottom.
  QLineEdit& field(int row) { return *fields_[static_cast<std::size_t>(row)]; }

 private:
  FrameWin& frame_;
  std::array<QLineEdit*, kBranchStatisticsFields> fields_{};
};

}  // namespace meridax
