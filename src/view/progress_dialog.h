#pragma once
// The progress of a long load, import, save or export in a dialog: it appears once the work has taken more than
// half a second, shows the file, the games and the bytes, and its Cancel button asks the work to stop.
// The work runs on the window's thread: each report lets the dialog take its events.

#include <QElapsedTimer>
#include <QPointer>
#include <QProgressDialog>

#include "app/progress_port.h"

namespace meridax {

class QtProgress : public ProgressPort {
 public:
  explicit QtProgress(QWidget* parent) : parent_(parent) {}
  ~QtProgress() override;
  void setParentWidget(QWidget* parent) { parent_ = parent; }

  void begin(WorkKind kind, const std::string& file) override;
  bool advance(const WorkProgress& progress) override;
  void end() override;

 private:
  QWidget* parent_;
  QPointer<QProgressDialog> dialog_;
  QElapsedTimer started_;
  QElapsedTimer shown_;
  WorkKind kind_ = WorkKind::Loading;
  QString heading_;
  bool cancelled_ = false;
  bool frozeParent_ = false;
};

}  // namespace meridax
