#pragma once
// The export commands' dialogs: " RTF Format Options" and " Copying to Clipboard". Their number fields
// accept only the square sizes the pictures can be drawn at.

#include <QWidget>

#include "app/export_ports.h"

namespace meridax {

class QtExportDialogs : public ExportDialogPort {
 public:
  explicit QtExportDialogs(QWidget* parent) : parent_(parent) {}

  std::optional<RtfExportOptions> rtfFormatOptions(const RtfExportOptions& options) override;
  std::optional<ClipboardImageChoice> copyingToClipboard(const ClipboardImageChoice& initial, bool hexagonal,
                                                         bool offerBlackAndWhite) override;

 private:
  QWidget* parent_;
};

}  // namespace meridax
