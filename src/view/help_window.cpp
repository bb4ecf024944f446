#include "view/help_window.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QVBoxLayout>

namespace meridax {
namespace {

QToolButton* toolButton(const QString& text, QWidget* parent) {
  auto* button = new QToolButton(parent);
  button->setText(text);
  button->setToolButtonStyle(Qt::ToolButtonTextOnly);
  return button;
}

}  // namespace

HelpWindow::HelpWindow(QWidget* parent)
    : QWidget(parent, Qt::Window),
      browser_(new QTextBrowser(this)),
      search_(new QLineEdit(this)),
      back_(toolButton(QStringLiteral("&Back"), this)),
      forward_(toolButton(QStringLiteral("&Forward"), this)),
      home_(toolButton(QStringLiteral("&Contents"), this)) {
  setWindowTitle(QString::fromLatin1(kHelpWindowTitle));
  search_->setPlaceholderText(QStringLiteral("Find in this page"));
  search_->setClearButtonEnabled(true);
  back_->setEnabled(false);
  forward_->setEnabled(false);
  // Pages of the manual open here; addresses on the web go to whatever the desktop offers for them.
  browser_->setOpenLinks(true);
  browser_->setOpenExternalLinks(true);

  auto* bar = new QHBoxLayout;
  bar->addWidget(back_);
  bar->addWidget(forward_);
  bar->addWidget(home_);
  bar->addStretch(1);
  bar->addWidget(new QLabel(QStringLiteral("Find:"), this));
  bar->addWidget(search_, 1);
  auto* layout = new QVBoxLayout(this);
  layout->addLayout(bar);
  layout->addWidget(browser_, 1);

  connect(back_, &QToolButton::clicked, browser_, &QTextBrowser::backward);
  connect(forward_, &QToolButton::clicked, browser_, &QTextBrowser::forward);
  connect(home_, &QToolButton::clicked, this, [this] { browser_->setSource(homePage_); });
  connect(browser_, &QTextBrowser::backwardAvailable, back_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::forwardAvailable, forward_, &QToolButton::setEnabled);
  connect(browser_, &QTextBrowser::sourceChanged, this, [this] {
    const QString title = browser_->documentTitle();
    setWindowTitle(title.isEmpty() ? QString::fromLatin1(kHelpWindowTitle)
                                   : title + QStringLiteral(" - ") + QString::fromLatin1(kHelpWindowTitle));
  });
  connect(search_, &QLineEdit::returnPressed, this, [this] { findNext(); });
  resize(820, 640);
}

void HelpWindow::showPage(const QString& page) {
  homePage_ = QUrl::fromLocalFile(page);
  browser_->setSource(homePage_);
}

bool HelpWindow::findNext() {
  const QString text = search_->text();
  if (text.isEmpty()) return false;
  if (browser_->find(text)) return true;
  QTextCursor top = browser_->textCursor();
  top.movePosition(QTextCursor::Start);
  browser_->setTextCursor(top);
  return browser_->find(text);
}

}  // namespace meridax
