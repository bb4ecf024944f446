#include "view/qt_viewer.h"

#include <QDesktopServices>
#include <cstdlib>

#include "app/outside_programs.h"
#include "app/posix_process_port.h"
#include "view/text_window.h"

namespace meridax {

QtViewer::QtViewer(QWidget* parent, Browser browser) : parent_(parent), browser_(std::move(browser)) {}

QtViewer::~QtViewer() { delete help_.data(); }

bool QtViewer::desktopBrowser(const QUrl& page) {
  const char* path = std::getenv("PATH");
  if (findExecutable(kDesktopOpener, path != nullptr ? path : "/usr/local/bin:/usr/bin:/bin").empty()) return false;
  return QDesktopServices::openUrl(page);
}

bool QtViewer::openInBrowser(const std::string& page) {
  return browser_ && browser_(QUrl::fromLocalFile(QString::fromStdString(page)));
}

void QtViewer::showHelpPage(const std::string& page) {
  if (help_ == nullptr) {
    // A window of its own, not a child of the main window: it stays while the person works there.
    help_ = new HelpWindow(nullptr);
    help_->setAttribute(Qt::WA_DeleteOnClose);
  }
  help_->showPage(QString::fromStdString(page));
  help_->show();
  help_->raise();
  help_->activateWindow();
}

void QtViewer::showText(const std::string& title, const std::string& text, const std::string& suggestedName) {
  auto* window = new TextWindow(QString::fromStdString(title), QByteArray::fromStdString(text),
                                QString::fromStdString(suggestedName), parent_);
  window->setAttribute(Qt::WA_DeleteOnClose);
  window->show();
  window->raise();
  window->activateWindow();
}

}  // namespace meridax
