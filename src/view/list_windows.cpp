#include "view/list_windows.h"

#include <utility>

namespace meridax {

ListWindows::ListWindows(FrameWin& frame, QWidget& owner, ListDialog::ActionRunner run)
    : frame_(frame), owner_(owner), run_(std::move(run)) {}

ListWindows::~ListWindows() {
  for (const QPointer<ListDialog>& dialog : dialogs_) delete dialog.data();
}

bool ListWindows::matches(const ListDialog& dialog) const {
  const ListWindow* list = frame_.lists().listAt(dialog.depth());
  return list != nullptr && list->mode == dialog.mode() && list->forPlayers == dialog.forPlayers();
}

void ListWindows::closeFrom(std::size_t depth) {
  while (dialogs_.size() > depth) {
    if (ListDialog* dialog = dialogs_.back().data()) {
      dialog->storeGeometry();
      dialog->done(QDialog::Rejected);
      // It may be running the very command that closed its list: it goes once that command is over.
      dialog->deleteLater();
    }
    dialogs_.pop_back();
  }
}

void ListWindows::sync() {
  std::size_t kept = 0;
  while (kept < dialogs_.size() && dialogs_[kept] && matches(*dialogs_[kept])) ++kept;
  closeFrom(kept);
  for (const QPointer<ListDialog>& dialog : dialogs_) dialog->refresh();
  while (dialogs_.size() < frame_.lists().listCount()) {
    QWidget* parent = dialogs_.empty() ? &owner_ : static_cast<QWidget*>(dialogs_.back().data());
    auto* dialog = new ListDialog(frame_, dialogs_.size(), run_, parent);
    dialog->setAttribute(Qt::WA_DeleteOnClose, false);
    dialog->setWindowModality(Qt::ApplicationModal);
    dialogs_.emplace_back(dialog);
    dialog->show();
  }
}

}  // namespace meridax
