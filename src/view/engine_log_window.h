#pragma once
// "GTP Log": what was said to the engine and what it answered, as it happens. Modeless; it keeps the last
// lines the frame keeps.

#include <QDialog>

class QPlainTextEdit;

namespace meridax {

class EngineCommands;

class EngineLogWindow : public QDialog {
  Q_OBJECT

 public:
  EngineLogWindow(EngineCommands& engine, QWidget* parent);
  ~EngineLogWindow() override;
  QString text() const;

 private:
  void append(const std::string& line);

  EngineCommands& engine_;
  QPlainTextEdit* text_ = nullptr;
};

}  // namespace meridax
