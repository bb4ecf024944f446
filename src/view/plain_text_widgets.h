#pragma once
// Message boxes and labels that show their text as it stands. Names of files and texts read from games
// may look like markup ("<h1>...</h1>.sgf"); Qt would otherwise guess rich text and draw it.

#include <QMessageBox>
#include <QString>

class QLabel;
class QWidget;

namespace meridax {

// A label of plain text.
QLabel* plainLabel(const QString& text, QWidget* parent);
// Runs a message box of plain text and returns the button pressed.
QMessageBox::StandardButton execPlainMessage(QWidget* parent, QMessageBox::Icon icon, const QString& caption,
                                             const QString& text,
                                             QMessageBox::StandardButtons buttons = QMessageBox::Ok,
                                             QMessageBox::StandardButton defaultButton = QMessageBox::NoButton);
// Makes every label below the widget plain text (dialogs built by Qt, whose labels are private).
void makeLabelsPlain(QWidget& widget);

}  // namespace meridax
