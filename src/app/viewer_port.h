#pragma once
// Where the person reads the manual and the error list: the desktop's browser when one answers, else
// windows of the program's own. The desktop build implements it with Qt widgets.

#include <string>

namespace meridax {

class ViewerPort {
 public:
  virtual ~ViewerPort() = default;
  // Opens an HTML page (a full path) in the desktop's browser; false when no browser answers.
  virtual bool openInBrowser(const std::string& page) = 0;
  // Shows an HTML page of the manual, with its pictures, in the program's help window.
  virtual void showHelpPage(const std::string& page) = 0;
  // Shows a text in a window of the program's own: read only, selectable, with Copy and Save As.
  // `suggestedName` is the name Save As offers.
  virtual void showText(const std::string& title, const std::string& text, const std::string& suggestedName) = 0;
};

}  // namespace meridax
