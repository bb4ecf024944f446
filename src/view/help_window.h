#pragma once
// The manual in a window of the program's own, for desktops where no browser answers: the HTML pages
// with their pictures, links between them, Back, Forward and Contents, and a field that finds a text on
// the page shown.

#include <QLineEdit>
#include <QTextBrowser>
#include <QToolButton>
#include <QWidget>

namespace meridax {

inline constexpr char kHelpWindowTitle[] = "Meridax Help";

class HelpWindow : public QWidget {
  Q_OBJECT
 public:
  explicit HelpWindow(QWidget* parent = nullptr);

  // Shows the page (a full path) and makes it the page Contents returns to.
  void showPage(const QString& page);
  // Finds the search field's text after the selection, from the top again at the end; false when the
  // page does not hold it.
  bool findNext();

  QTextBrowser* browser() const { return browser_; }
  QLineEdit* searchField() const { return search_; }
  QToolButton* backButton() const { return back_; }
  QToolButton* forwardButton() const { return forward_; }

 private:
  QTextBrowser* browser_;
  QLineEdit* search_;
  QToolButton* back_;
  QToolButton* forward_;
  QToolButton* home_;
  QUrl homePage_;
};

}  // namespace meridax
