#pragma once
// Find Position: the options dialog, and the results window, which runs the search on worker threads
// with a progress bar and a Cancel button, then lists the games found (sortable) and the counts of the
// moves played next. A double-click opens a game at its matching node.

#include <QDialog>
#include <QPointer>
#include <atomic>
#include <memory>
#include <optional>

#include "app/position_search.h"

class QLabel;
class QProgressBar;
class QPushButton;
class QTableWidget;
class QThread;

namespace meridax {

class MainWindow;

// Asks the options; nullopt on Cancel. `hasArea`: the board has a marked area to take as a pattern.
std::optional<PositionSearchChoice> askPositionSearchChoice(QWidget* parent, bool hasArea, const std::string& file);

class PositionSearchWindow : public QDialog {
  Q_OBJECT

 public:
  PositionSearchWindow(MainWindow& window, const PositionSearchChoice& choice);
  ~PositionSearchWindow() override;

  // Starts the search on its own thread.
  void start();
  bool running() const { return worker_ != nullptr; }
  QTableWidget& results() { return *results_; }
  QTableWidget& continuations() { return *continuations_; }

 signals:
  void progressed(qulonglong filesDone, qulonglong filesTotal, qulonglong gamesDone);
  void finished();

 private:
  void showProgress(qulonglong filesDone, qulonglong filesTotal, qulonglong gamesDone);
  void showResults();
  void openRow(int row);

  MainWindow& window_;
  PositionSearchChoice choice_;
  Collection shape_;  // a game of the target's kind and size, for the texts of points
  PositionQuery query_;
  std::vector<std::string> paths_;
  SearchOutcome outcome_;
  std::vector<PositionSearchRow> rows_;
  std::atomic<bool> cancel_{false};
  QThread* worker_ = nullptr;
  QLabel* summary_ = nullptr;
  QProgressBar* progress_ = nullptr;
  QPushButton* cancelButton_ = nullptr;
  QTableWidget* results_ = nullptr;
  QTableWidget* continuations_ = nullptr;
};

}  // namespace meridax
