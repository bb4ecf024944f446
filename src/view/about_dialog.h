#pragma once
// The About box: the program's name, its version and when this build was made.

#include <QDialog>

namespace meridax {

// The date and time this program was built ("2026-12-07 16:40 UTC").
QString buildTime();

class AboutDialog : public QDialog {
  Q_OBJECT

 public:
  explicit AboutDialog(QWidget* parent);
};

}  // namespace meridax
