#include "view/progress_dialog.h"

#include <QApplication>
#include <QLabel>

#include "view/plain_text_widgets.h"

namespace meridax {
namespace {

// The dialog is brought up to date at most this often, so that a fast load spends its time reading.
constexpr qint64 kRedrawMilliseconds = 50;

}  // namespace

QtProgress::~QtProgress() { delete dialog_.data(); }

void QtProgress::begin(WorkKind kind, const std::string& file) {
  kind_ = kind;
  heading_ = QString::fromStdString(progressHeading(kind, file));
  cancelled_ = false;
  started_.start();
}

bool QtProgress::advance(const WorkProgress& progress) {
  if (cancelled_) return false;
  if (started_.elapsed() < kProgressDelay.count()) return true;
  if (dialog_ == nullptr) {
    dialog_ = new QProgressDialog(parent_);
    dialog_->setWindowTitle(QStringLiteral("Meridax"));
    dialog_->setLabel(plainLabel(QString(), dialog_));  // the heading names the file
    dialog_->setWindowModality(Qt::ApplicationModal);  // no command may run while the collection is read
    dialog_->setMinimumDuration(0);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    dialog_->setRange(0, 1000);
    dialog_->setMinimumWidth(420);
    // The panes would paint a collection in the middle of its change: they wait for the end. An export
    // only reads the game, and the window keeps painting it.
    frozeParent_ = parent_ != nullptr && kind_ != WorkKind::Exporting;
    if (frozeParent_) parent_->setUpdatesEnabled(false);
  } else if (shown_.isValid() && shown_.elapsed() < kRedrawMilliseconds) {
    return true;
  }
  dialog_->setLabelText(heading_ + QLatin1Char('\n') + QString::fromStdString(progressDetails(kind_, progress)));
  dialog_->setValue(progress.permille());
  dialog_->show();
  shown_.start();
  QApplication::processEvents();
  cancelled_ = dialog_->wasCanceled();
  return !cancelled_;
}

void QtProgress::end() {
  if (dialog_ != nullptr) {
    if (frozeParent_ && parent_ != nullptr) parent_->setUpdatesEnabled(true);
    frozeParent_ = false;
    dialog_->hide();
    dialog_->deleteLater();
    dialog_ = nullptr;
  }
  shown_.invalidate();
}

}  // namespace meridax
