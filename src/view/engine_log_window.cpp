#include "view/engine_log_window.h"

#include <QFontDatabase>
#include <QPlainTextEdit>
#include <QVBoxLayout>

#include "app/engine_commands.h"
#include "view/qt_text.h"

namespace meridax {

EngineLogWindow::EngineLogWindow(EngineCommands& engine, QWidget* parent) : QDialog(parent), engine_(engine) {
  setObjectName(QStringLiteral("engineLog"));
  setWindowTitle(QStringLiteral("GTP Log"));
  auto* layout = new QVBoxLayout(this);
  text_ = new QPlainTextEdit(this);
  text_->setReadOnly(true);
  text_->setFont(QFontDatabase::systemFont(QFontDatabase::FixedFont));
  text_->setMaximumBlockCount(5000);
  layout->addWidget(text_);
  resize(420, 360);
  for (const std::string& line : engine_.log()) append(line);
  engine_.setLogListener([this](const std::string& line) { append(line); });
}

EngineLogWindow::~EngineLogWindow() { engine_.setLogListener({}); }

QString EngineLogWindow::text() const { return text_->toPlainText(); }

void EngineLogWindow::append(const std::string& line) { text_->appendPlainText(toQt(line)); }

}  // namespace meridax
