#pragma once
// The help and the error list for the desktop: the manual goes to the browser through QDesktopServices
// when there is one, else to the program's help window; texts go to text windows of the program's own.

#include <QPointer>
#include <QUrl>
#include <functional>

#include "app/viewer_port.h"
#include "view/help_window.h"

namespace meridax {

class QtViewer : public ViewerPort {
 public:
  // Hands a page to the desktop's browser; false when none answers. Tests give one of their own.
  using Browser = std::function<bool(const QUrl& page)>;

  explicit QtViewer(QWidget* parent, Browser browser = desktopBrowser);
  ~QtViewer() override;
  void setParentWidget(QWidget* parent) { parent_ = parent; }

  bool openInBrowser(const std::string& page) override;
  void showHelpPage(const std::string& page) override;
  void showText(const std::string& title, const std::string& text, const std::string& suggestedName) override;

  // The help window once it has been shown, else nullptr.
  HelpWindow* helpWindow() const { return help_.data(); }

  // QDesktopServices, where the desktop's opener is there to hand the page on: without xdg-open no
  // browser can answer, whatever QDesktopServices would try.
  static bool desktopBrowser(const QUrl& page);

 private:
  QWidget* parent_;
  Browser browser_;
  QPointer<HelpWindow> help_;
};

}  // namespace meridax
