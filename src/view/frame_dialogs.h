#pragma once
// The frame's dialog windows that are more than a question: the bookmark and node-name list, the board
// composition dialog and the branch statistics window. The main window makes one and hands it to the
// frame; while a modal one is open, the frame's message boxes and questions open over it.

#include <QPointer>
#include <QWidget>

#include "app/annotation_commands.h"
#include "app/statistics_port.h"
#include "app/tree_edit_commands.h"

namespace meridax {

class BranchStatisticsDialog;
class FrameWin;

class FrameDialogs : public PositionListPort, public ComposeDialogPort, public BranchStatisticsPort {
 public:
  // The dialogs open over `parent`.
  explicit FrameDialogs(QWidget* parent) : parent_(parent) {}
  ~FrameDialogs() override;

  // Hands the list and composition dialogs to the frame (the statistics port is one of its ports).
  void attach(FrameWin& frame);

  PositionListClose showPositionList(PositionListModel& model) override;
  void run(ComposeModel& model, const std::function<bool()>& accept) override;
  std::optional<ComposeChoice> askComposeChoice() override;
  void showBranchStatistics() override;

  // After every action of the person: the statistics window, when open, shows the counts again.
  void refresh();
  // The statistics window, while it is open; nullptr otherwise.
  BranchStatisticsDialog* statisticsWindow() const;

 private:
  QWidget* parent_;
  FrameWin* frame_ = nullptr;
  QPointer<BranchStatisticsDialog> statistics_;
  QWidget* composing_ = nullptr;  // the composition dialog while it is open
};

}  // namespace meridax
