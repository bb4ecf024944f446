#pragma once
// "Find": the modeless dialog that searches the game's comments. It opens with the last search text and
// match-case choice, searching down; the whole-word option of the usual find dialog has no use here and is
// not offered. Every "Find Next" is handed on as one request.

#include <QDialog>

#include "app/navigation_commands.h"

class QCheckBox;
class QLineEdit;
class QPushButton;
class QRadioButton;

namespace meridax {

class FindDialog : public QDialog {
  Q_OBJECT

 public:
  explicit FindDialog(QWidget* parent);

  // Fills the text and the match-case box, and presets the direction Down.
  void seed(const FindDialogSeed& seed);
  FindRequest request() const;

 signals:
  // "Find Next"; message boxes raised meanwhile open over this dialog.
  void findNext(const FindRequest& request);

 private:
  QLineEdit* text_ = nullptr;
  QCheckBox* matchCase_ = nullptr;
  QRadioButton* up_ = nullptr;
  QRadioButton* down_ = nullptr;
  QPushButton* findNext_ = nullptr;
};

}  // namespace meridax
