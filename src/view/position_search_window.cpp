#include "view/position_search_window.h"

#include <QCheckBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QSplitter>
#include <QTableWidget>
#include <QThread>
#include <QVBoxLayout>

#include "app/posix_file_system.h"
#include "view/main_window.h"
#include "view/qt_text.h"

namespace meridax {

namespace {

QTableWidgetItem* textItem(const std::string& text) {
  auto* item = new QTableWidgetItem(toQt(text));
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

// Numbers sort as numbers.
QTableWidgetItem* numberItem(int value) {
  auto* item = new QTableWidgetItem;
  item->setData(Qt::DisplayRole, value);
  item->setFlags(item->flags() & ~Qt::ItemIsEditable);
  return item;
}

QTableWidget* makeTable(QWidget* parent, const QStringList& headers, const char* name) {
  auto* table = new QTableWidget(0, static_cast<int>(headers.size()), parent);
  table->setObjectName(QString::fromLatin1(name));
  table->setHorizontalHeaderLabels(headers);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  table->verticalHeader()->setVisible(false);
  table->horizontalHeader()->setStretchLastSection(true);
  table->setSortingEnabled(true);
  return table;
}

std::string fileName(const std::string& path) {
  const std::size_t slash = path.find_last_of('/');
  return slash == std::string::npos ? path : path.substr(slash + 1);
}

}  // namespace

std::optional<PositionSearchChoice> askPositionSearchChoice(QWidget* parent, bool hasArea, const std::string& file) {
  QDialog dialog(parent);
  dialog.setObjectName(QStringLiteral("findPositionDialog"));
  dialog.setWindowTitle(QStringLiteral("Find Position"));
  auto* what = new QGroupBox(QStringLiteral("Look for"), &dialog);
  auto* whole = new QRadioButton(QStringLiteral("The whole board"), what);
  auto* pattern = new QRadioButton(QStringLiteral("The pattern in the marked area"), what);
  auto* anywhere = new QCheckBox(QStringLiteral("Anywhere on the board"), what);
  whole->setChecked(true);
  pattern->setEnabled(hasArea);
  anywhere->setEnabled(false);
  QObject::connect(pattern, &QRadioButton::toggled, anywhere, &QCheckBox::setEnabled);
  auto* whatLayout = new QVBoxLayout(what);
  whatLayout->addWidget(whole);
  whatLayout->addWidget(pattern);
  whatLayout->addWidget(anywhere);

  auto* how = new QGroupBox(QStringLiteral("Options"), &dialog);
  auto* symmetries = new QCheckBox(QStringLiteral("Rotations and reflections of the board"), how);
  auto* swap = new QCheckBox(QStringLiteral("Colours swapped too"), how);
  auto* allLines = new QCheckBox(QStringLiteral("Every variation (else main lines only)"), how);
  symmetries->setChecked(true);
  auto* howLayout = new QVBoxLayout(how);
  howLayout->addWidget(symmetries);
  howLayout->addWidget(swap);
  howLayout->addWidget(allLines);

  auto* where = new QGroupBox(QStringLiteral("Search"), &dialog);
  auto* collection = new QRadioButton(
      file.empty() ? QStringLiteral("This collection (save it first)") : QStringLiteral("This collection, as saved"), where);
  auto* folderChoice = new QRadioButton(QStringLiteral("Every game file in the folder:"), where);
  auto* folder = new QLineEdit(where);
  folder->setObjectName(QStringLiteral("folder"));
  auto* browse = new QPushButton(QStringLiteral("Browse..."), where);
  collection->setEnabled(!file.empty());
  (file.empty() ? folderChoice : collection)->setChecked(true);
  QObject::connect(browse, &QPushButton::clicked, &dialog, [&] {
    const QString chosen = QFileDialog::getExistingDirectory(&dialog, QStringLiteral("Folder to Search"), folder->text());
    if (!chosen.isEmpty()) {
      folder->setText(chosen);
      folderChoice->setChecked(true);
    }
  });
  auto* whereLayout = new QVBoxLayout(where);
  whereLayout->addWidget(collection);
  whereLayout->addWidget(folderChoice);
  auto* folderRow = new QHBoxLayout;
  folderRow->addWidget(folder, 1);
  folderRow->addWidget(browse);
  whereLayout->addLayout(folderRow);

  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, &dialog);
  buttons->button(QDialogButtonBox::Ok)->setText(QStringLiteral("Find"));
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  auto* layout = new QVBoxLayout(&dialog);
  layout->addWidget(what);
  layout->addWidget(how);
  layout->addWidget(where);
  layout->addWidget(buttons);
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;

  PositionSearchChoice choice;
  choice.pattern = pattern->isChecked();
  choice.anywhere = choice.pattern && anywhere->isChecked();
  choice.symmetries = symmetries->isChecked();
  choice.swapColours = swap->isChecked();
  choice.allLines = allLines->isChecked();
  if (folderChoice->isChecked()) choice.folder = fromQt(folder->text());
  return choice;
}

PositionSearchWindow::PositionSearchWindow(MainWindow& window, const PositionSearchChoice& choice)
    : QDialog(&window), window_(window), choice_(choice) {
  setObjectName(QStringLiteral("positionSearchWindow"));
  setWindowTitle(QStringLiteral("Find Position"));
  setModal(false);
  setSizeGripEnabled(true);
  setAttribute(Qt::WA_DeleteOnClose);

  FrameWin& frame = window_.frame();
  query_ = positionSearchQuery(frame, choice_);
  paths_ = positionSearchPaths(frame, choice_);
  shape_.createGame(query_.kind, query_.width, query_.height, Collection::npos);

  summary_ = new QLabel(this);
  summary_->setObjectName(QStringLiteral("summary"));
  progress_ = new QProgressBar(this);
  cancelButton_ = new QPushButton(QStringLiteral("Cancel"), this);
  connect(cancelButton_, &QPushButton::clicked, this, [this] { cancel_ = true; });
  auto* progressRow = new QHBoxLayout;
  progressRow->addWidget(progress_, 1);
  progressRow->addWidget(cancelButton_);

  results_ = makeTable(this, {QStringLiteral("File"), QStringLiteral("Game"), QStringLiteral("Black"),
                              QStringLiteral("White"), QStringLiteral("Date"), QStringLiteral("Result"),
                              QStringLiteral("Move"), QStringLiteral("Next Move")},
                       "results");
  connect(results_, &QTableWidget::cellDoubleClicked, this, [this](int row, int) { openRow(row); });
  continuations_ = makeTable(this, {QStringLiteral("Next Move"), QStringLiteral("Played"), QStringLiteral("Black Won"),
                                    QStringLiteral("White Won")},
                             "continuations");
  auto* splitter = new QSplitter(Qt::Vertical, this);
  splitter->addWidget(results_);
  splitter->addWidget(continuations_);
  splitter->setStretchFactor(0, 3);
  splitter->setStretchFactor(1, 1);

  auto* close = new QDialogButtonBox(QDialogButtonBox::Close, this);
  connect(close, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(summary_);
  layout->addLayout(progressRow);
  layout->addWidget(splitter, 1);
  layout->addWidget(close);
  resize(820, 560);

  connect(this, &PositionSearchWindow::progressed, this, &PositionSearchWindow::showProgress, Qt::QueuedConnection);
  connect(this, &PositionSearchWindow::finished, this, &PositionSearchWindow::showResults, Qt::QueuedConnection);
}

PositionSearchWindow::~PositionSearchWindow() {
  cancel_ = true;
  if (worker_ != nullptr) {
    worker_->wait();
    delete worker_;
  }
}

void PositionSearchWindow::start() {
  summary_->setText(QStringLiteral("Searching %1 files...").arg(paths_.size()));
  progress_->setRange(0, static_cast<int>(std::max<std::size_t>(paths_.size(), 1)));
  // Everything the worker needs of the frame is taken here, on the window's thread.
  const ReaderSettings settings = window_.frame().readerSettings();
  worker_ = QThread::create([this, settings] {
    SearchRequest request;
    request.paths = paths_;
    request.settings = settings;
    request.readFile = [](const std::string& path, std::string& bytes) -> std::string {
      PosixFileSystem files;
      const std::optional<ReadFailure> failure = files.readWholeFile(path, bytes);
      return failure ? failure->error.text : std::string();
    };
    request.progress = [this](const SearchProgress& p) {
      emit progressed(p.filesDone, p.filesTotal, p.gamesDone);
      return !cancel_.load();
    };
    outcome_ = searchFiles(CompiledQuery(query_), request);
    emit finished();
  });
  worker_->start();
}

void PositionSearchWindow::showProgress(qulonglong filesDone, qulonglong filesTotal, qulonglong gamesDone) {
  progress_->setMaximum(static_cast<int>(std::max<qulonglong>(filesTotal, 1)));
  progress_->setValue(static_cast<int>(filesDone));
  summary_->setText(QStringLiteral("Searching: %1 of %2 files, %3 games").arg(filesDone).arg(filesTotal).arg(gamesDone));
}

void PositionSearchWindow::showResults() {
  if (worker_ != nullptr) {
    worker_->wait();
    delete worker_;
    worker_ = nullptr;
  }
  progress_->hide();
  cancelButton_->hide();
  rows_ = positionSearchRows(outcome_, paths_, shape_.game(0));
  summary_->setText(toQt(positionSearchSummary(outcome_, paths_.size())));
  results_->setSortingEnabled(false);
  results_->setRowCount(static_cast<int>(rows_.size()));
  for (int i = 0; i < static_cast<int>(rows_.size()); ++i) {
    const PositionSearchRow& r = rows_[static_cast<std::size_t>(i)];
    QTableWidgetItem* file = textItem(fileName(r.file));
    file->setData(Qt::UserRole, i);  // the row of rows_, whatever the sorting
    file->setToolTip(toQt(r.file));
    results_->setItem(i, 0, file);
    results_->setItem(i, 1, numberItem(r.game));
    results_->setItem(i, 2, textItem(r.player1));
    results_->setItem(i, 3, textItem(r.player2));
    results_->setItem(i, 4, textItem(r.date));
    results_->setItem(i, 5, textItem(r.result));
    results_->setItem(i, 6, numberItem(r.move));
    results_->setItem(i, 7, textItem(r.next));
  }
  results_->setSortingEnabled(true);
  results_->resizeColumnsToContents();

  const std::vector<ContinuationCount> counts = continuationCounts(rows_);
  continuations_->setSortingEnabled(false);
  continuations_->setRowCount(static_cast<int>(counts.size()));
  for (int i = 0; i < static_cast<int>(counts.size()); ++i) {
    const ContinuationCount& c = counts[static_cast<std::size_t>(i)];
    continuations_->setItem(i, 0, textItem(c.move));
    continuations_->setItem(i, 1, numberItem(c.played));
    continuations_->setItem(i, 2, numberItem(c.blackWins));
    continuations_->setItem(i, 3, numberItem(c.whiteWins));
  }
  continuations_->setSortingEnabled(true);
  continuations_->resizeColumnsToContents();
}

void PositionSearchWindow::openRow(int row) {
  const QTableWidgetItem* file = results_->item(row, 0);
  if (file == nullptr) return;
  const auto index = static_cast<std::size_t>(file->data(Qt::UserRole).toInt());
  if (index >= rows_.size()) return;
  const PositionSearchRow chosen = rows_[index];
  window_.run([&] { openPositionSearchRow(window_.frame(), chosen, choice_.allLines); });
}

}  // namespace meridax
