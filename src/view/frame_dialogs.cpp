#include "view/frame_dialogs.h"

#include "view/branch_statistics_dialog.h"
#include "view/compose_dialog.h"
#include "view/position_list_dialog.h"
#include "view/qt_ports.h"

namespace meridax {

namespace {

// While a modal dialog is open the frame's boxes and questions belong to it, not to the main window.
class DialogParentScope {
 public:
  DialogParentScope(const FramePorts& ports, QWidget* dialog, QWidget* previous)
      : dialogs_(dynamic_cast<QtDialogs*>(ports.messages)), previous_(previous) {
    if (dialogs_ != nullptr) dialogs_->setParentWidget(dialog);
  }
  ~DialogParentScope() {
    if (dialogs_ != nullptr) dialogs_->setParentWidget(previous_);
  }
  DialogParentScope(const DialogParentScope&) = delete;
  DialogParentScope& operator=(const DialogParentScope&) = delete;

 private:
  QtDialogs* dialogs_;
  QWidget* previous_;
};

}  // namespace

FrameDialogs::~FrameDialogs() { delete statistics_.data(); }

void FrameDialogs::attach(FrameWin& frame) {
  frame_ = &frame;
  frame.annotations().setPositionListPort(this);
  frame.treeEdit().setComposeDialog(this);
}

PositionListClose FrameDialogs::showPositionList(PositionListModel& model) {
  PositionListDialog dialog(*frame_, model, parent_);
  const DialogParentScope scope(frame_->ports(), &dialog, parent_);
  const bool accepted = dialog.exec() == QDialog::Accepted;
  return PositionListClose{accepted, accepted ? dialog.selectedRow() : std::nullopt};
}

void FrameDialogs::run(ComposeModel& model, const std::function<bool()>& accept) {
  ComposeDialog dialog(*frame_, model, accept, parent_);
  const DialogParentScope scope(frame_->ports(), &dialog, parent_);
  composing_ = &dialog;
  dialog.exec();
  composing_ = nullptr;
}

std::optional<ComposeChoice> FrameDialogs::askComposeChoice() {
  ComposeOptionsDialog options(composing_ != nullptr ? composing_ : parent_);
  if (options.exec() != QDialog::Accepted) return ComposeChoice::ReturnToDialog;
  return options.choice();
}

void FrameDialogs::showBranchStatistics() {
  if (frame_ == nullptr) return;
  if (statistics_ == nullptr) {
    statistics_ = new BranchStatisticsDialog(*frame_, parent_);
    statistics_->setAttribute(Qt::WA_DeleteOnClose);
  }
  statistics_->refresh();
  statistics_->show();
  statistics_->raise();
  statistics_->activateWindow();
}

void FrameDialogs::refresh() {
  if (statistics_ != nullptr && statistics_->isVisible()) statistics_->refresh();
}

BranchStatisticsDialog* FrameDialogs::statisticsWindow() const { return statistics_.data(); }

}  // namespace meridax
