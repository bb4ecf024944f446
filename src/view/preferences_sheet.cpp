#include "view/preferences_sheet.h"

#include <algorithm>

#include <QCheckBox>
#include <QSignalBlocker>
#include <QColorDialog>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QFileDialog>
#include <QFileInfo>
#include <QFontDialog>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QRadioButton>
#include <QTabWidget>
#include <QTableWidget>
#include <QHeaderView>
#include <QVBoxLayout>

#include "view/board_palette.h"
#include "view/qt_ports.h"
#include "view/plain_text_widgets.h"
#include "view/qt_text.h"

namespace meridax {
namespace {

using ColourField = ColourRef AttributeColours::*;
using FontField = LogFont AppSettings::*;

ColourRef colourRefOf(const QColor& c) {
  return rgbColour(static_cast<std::uint8_t>(c.red()), static_cast<std::uint8_t>(c.green()),
                   static_cast<std::uint8_t>(c.blue()));
}

void paintSample(QLabel& sample, const QColor& ink, const QColor& paper) {
  QPalette p = sample.palette();
  p.setColor(QPalette::WindowText, ink);
  p.setColor(QPalette::Window, paper);
  sample.setPalette(p);
}

QLabel* sampleLabel(const QString& text, QWidget* parent) {
  auto* sample = new QLabel(text, parent);
  sample->setAutoFillBackground(true);
  sample->setFrameShape(QFrame::Box);
  sample->setMinimumSize(48, 20);
  sample->setAlignment(Qt::AlignCenter);
  return sample;
}

// The background choices of "Graded Option", in the order of their values.
constexpr const char* kBackgroundOptions[] = {"One Colour", "Graded by Luminescence", "Linear Grade ( Low )",
                                              "Linear Grade ( High )"};

// A check box of the " Other Options" page and the value it edits.
struct OptionBox {
  const char* text;
  bool& (*value)(PreferenceValues&);
};
constexpr OptionBox kOptionBoxes[] = {
    {"On startup open with last game viewed", [](PreferenceValues& v) -> bool& { return v.app.openLast; }},
    {"Go.  Have bold outer edge", [](PreferenceValues& v) -> bool& { return v.app.doThickGoLines; }},
    {"Place stones with a single click", [](PreferenceValues& v) -> bool& { return v.app.doSingleClick; }},
    {"Indicate the next played move(s)", [](PreferenceValues& v) -> bool& { return v.viewPlaced; }},
    {"Indicate the last played move", [](PreferenceValues& v) -> bool& { return v.viewLast; }},
    {"6 moves in sidebox", [](PreferenceValues& v) -> bool& { return v.app.do6Moves; }},
    {"Use classic style dialogs for file open / save in place of the newer explorer style.",
     [](PreferenceValues& v) -> bool& { return v.app.doClassicFileOpen; }},
    {"Convert AW, AB", [](PreferenceValues& v) -> bool& { return v.app.convertAwAb; }},
    {"Auto label in lower case", [](PreferenceValues& v) -> bool& { return v.app.doAutoLower; }},
    {"Always provide a name for a bookmark", [](PreferenceValues& v) -> bool& { return v.app.bookmarkNames; }},
    {"Display grid in bevel style", [](PreferenceValues& v) -> bool& { return v.app.doBevel; }},
    {"Show \"File saved\" in a message box", [](PreferenceValues& v) -> bool& { return v.app.showFileSaved; }},
};

}  // namespace

PreferencesSheet::PreferencesSheet(const PreferenceValues& values, PreferencePage first, QWidget* parent)
    : QDialog(parent), values_(values) {
  setObjectName(QStringLiteral("preferencesSheet"));
  setWindowTitle(QString::fromLatin1(kPreferencesTitle));
  auto* layout = new QVBoxLayout(this);
  tabs_ = new QTabWidget(this);
  tabs_->addTab(coloursPage(), QStringLiteral(" Colours"));
  tabs_->addTab(treeFontsPage(), QStringLiteral(" Game Tree Window Colours and Fonts"));
  tabs_->addTab(otherOptionsPage(), QStringLiteral(" Other Options"));
  tabs_->addTab(enginesPage(), QStringLiteral(" Engines"));
  tabs_->setCurrentIndex(static_cast<int>(first));
  layout->addWidget(tabs_);
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok | QDialogButtonBox::Cancel, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &PreferencesSheet::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &PreferencesSheet::reject);
  layout->addWidget(buttons);
}

PreferencePage PreferencesSheet::currentPage() const { return static_cast<PreferencePage>(tabs_->currentIndex()); }

QWidget* PreferencesSheet::coloursPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* board = new QGroupBox(QStringLiteral("Board Colours"), page);
  auto* buttons = new QVBoxLayout(board);
  buttons->addWidget(colourButton("W Capture", "White Territory Colour", &AttributeColours::kropkiWhiteCapture));
  buttons->addWidget(colourButton("B Capture", "Black Territory Colour", &AttributeColours::kropkiBlueCapture));
  buttons->addWidget(colourButton("Black", "Black Colour", &AttributeColours::border));
  buttons->addWidget(colourButton("Grid", "Grid Colour", &AttributeColours::grid));
  buttons->addWidget(colourButton("Background", "Background Colour", &AttributeColours::background));
  layout->addWidget(board);
  auto* option = new QGroupBox(QStringLiteral("Background Option"), page);
  auto* choices = new QVBoxLayout(option);
  int value = 0;
  for (const char* text : kBackgroundOptions) {
    auto* radio = new QRadioButton(QString::fromLatin1(text), option);
    radio->setChecked(values_.app.gradedOption == value);
    connect(radio, &QRadioButton::toggled, this, [this, value](bool on) {
      if (on) values_.app.gradedOption = value;
    });
    choices->addWidget(radio);
    ++value;
  }
  layout->addWidget(option);
  layout->addStretch();
  return page;
}

QWidget* PreferencesSheet::treeFontsPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  auto* moves = new QGroupBox(QStringLiteral("Movelist Fonts"), page);
  auto* grid = new QGridLayout(moves);
  auto* font = new QPushButton(QStringLiteral("Font"), moves);
  font->setObjectName(QStringLiteral("treeFontButton"));
  connect(font, &QPushButton::clicked, this, [this] { chooseFont(values_.app.treeFont, true); });
  grid->addWidget(fontSample(&AppSettings::treeFont, &AttributeColours::font, &AttributeColours::box), 0, 0);
  grid->addWidget(font, 0, 1);
  grid->addWidget(colourButton("Background", "Side Box Colour", &AttributeColours::box), 0, 2);
  grid->addWidget(colourButton("Text", "Font Colour", &AttributeColours::font), 0, 3);
  struct MoveFont {
    FontField font;
    const char* button;
    const char* title;
    ColourField ink;
    ColourField paper;
    const char* paperButton;
    const char* paperTitle;
  };
  const MoveFont kMoveFonts[] = {
      {&AppSettings::movesFont, "Moves", "Font Colour Moves", &AttributeColours::fontMoves, &AttributeColours::box,
       nullptr, nullptr},
      {&AppSettings::highMoveFont, "High Move", "Font Colour High Move", &AttributeColours::fontHighMove,
       &AttributeColours::box3, "High Move BG", "High Move Background Colour"},
      {&AppSettings::branchFont, "Branch", "Font Colour Branch Move", &AttributeColours::fontBranch,
       &AttributeColours::box2, "Branch BG", "Branch Background Colour"},
  };
  int row = 1;
  for (const MoveFont& f : kMoveFonts) {
    grid->addWidget(fontSample(f.font, f.ink, f.paper), row, 0);
    grid->addWidget(styleBoxes(f.font), row, 1);
    grid->addWidget(colourButton(f.button, f.title, f.ink), row, 2);
    if (f.paperButton != nullptr) grid->addWidget(colourButton(f.paperButton, f.paperTitle, f.paper), row, 3);
    ++row;
  }
  layout->addWidget(moves);
  auto* comment = new QGroupBox(QStringLiteral("Comment Font"), page);
  auto* commentRow = new QHBoxLayout(comment);
  commentRow->addWidget(fontSample(&AppSettings::commentFont, nullptr, nullptr), 1);
  auto* commentFont = new QPushButton(QStringLiteral("Font"), comment);
  commentFont->setObjectName(QStringLiteral("commentFontButton"));
  connect(commentFont, &QPushButton::clicked, this, [this] { chooseFont(values_.app.commentFont, false); });
  commentRow->addWidget(commentFont);
  layout->addWidget(comment);
  layout->addStretch();
  return page;
}

QWidget* PreferencesSheet::otherOptionsPage() {
  auto* page = new QWidget(this);
  auto* layout = new QVBoxLayout(page);
  for (const OptionBox& option : kOptionBoxes) {
    auto* box = new QCheckBox(QString::fromLatin1(option.text), page);
    box->setChecked(option.value(values_));
    connect(box, &QCheckBox::toggled, this, [this, option](bool on) { option.value(values_) = on; });
    layout->addWidget(box);
  }
  // Kept from older versions: it controls nothing and is never shown.
  auto* loadAll = new QCheckBox(QStringLiteral("Load all grids"), page);
  loadAll->setEnabled(false);
  loadAll->setVisible(false);
  layout->addWidget(loadAll);
  auto* form = new QFormLayout;
  auto* fontSize = new QComboBox(page);
  for (int size : dialogFontSizes()) fontSize->addItem(QString::number(size), size);
  fontSize->setCurrentIndex(std::max(0, fontSize->findData(values_.app.dialogFontSize)));
  connect(fontSize, &QComboBox::currentIndexChanged, this,
          [this, fontSize] { values_.app.dialogFontSize = fontSize->currentData().toInt(); });
  form->addRow(QStringLiteral("Dialog Font Size"), fontSize);
  backupFiles_ = new QLineEdit(QString::number(values_.app.backupFiles), page);
  form->addRow(QStringLiteral("Backup Files"), backupFiles_);
  form->addRow(QStringLiteral("SGF Viewer"), programField(&AppSettings::sgfViewer, kSelectViewerTitle));
  form->addRow(QStringLiteral("RTF Editor"), programField(&AppSettings::rtfEditor, kSelectRtfEditorTitle));
  layout->addLayout(form);
  layout->addStretch();
  return page;
}

QWidget* PreferencesSheet::enginesPage() {
  auto* page = new QWidget(this);
  page->setObjectName(QStringLiteral("enginesPage"));
  auto* layout = new QVBoxLayout(page);
  layout->addWidget(new QLabel(QStringLiteral("Go engines that speak GTP. The selected one is the one Attach Engine starts."), page));
  auto* table = new QTableWidget(0, 3, page);
  table->setObjectName(QStringLiteral("engineTable"));
  table->setHorizontalHeaderLabels({QStringLiteral("Name"), QStringLiteral("Command Line"), QStringLiteral("Working Folder")});
  table->horizontalHeader()->setSectionResizeMode(1, QHeaderView::Stretch);
  table->setSelectionBehavior(QAbstractItemView::SelectRows);
  table->setSelectionMode(QAbstractItemView::SingleSelection);
  auto fill = [this, table] {
    const QSignalBlocker blocker(table);
    const std::vector<EngineEntry>& engines = values_.engines.engines;
    table->setRowCount(static_cast<int>(engines.size()));
    for (int row = 0; row < table->rowCount(); ++row) {
      const EngineEntry& e = engines[static_cast<std::size_t>(row)];
      table->setItem(row, 0, new QTableWidgetItem(toQt(e.name)));
      table->setItem(row, 1, new QTableWidgetItem(toQt(e.commandLine)));
      table->setItem(row, 2, new QTableWidgetItem(toQt(e.folder)));
    }
    if (!engines.empty()) table->selectRow(std::clamp(values_.engines.selected, 0, table->rowCount() - 1));
  };
  fill();
  connect(table, &QTableWidget::cellChanged, this, [this, table](int row, int column) {
    if (row < 0 || row >= static_cast<int>(values_.engines.engines.size())) return;
    EngineEntry& e = values_.engines.engines[static_cast<std::size_t>(row)];
    std::string& field = column == 0 ? e.name : column == 1 ? e.commandLine : e.folder;
    field = fromQt(table->item(row, column)->text());
  });
  connect(table, &QTableWidget::currentCellChanged, this, [this](int row) {
    if (row >= 0) values_.engines.selected = row;
  });
  layout->addWidget(table);
  auto* buttons = new QHBoxLayout;
  auto* add = new QPushButton(QStringLiteral("&Add"), page);
  auto* remove = new QPushButton(QStringLiteral("&Remove"), page);
  connect(add, &QPushButton::clicked, this, [this, table, fill] {
    values_.engines.engines.push_back(EngineEntry{"New engine", "", ""});
    values_.engines.selected = static_cast<int>(values_.engines.engines.size()) - 1;
    fill();
    table->editItem(table->item(values_.engines.selected, 1));
  });
  connect(remove, &QPushButton::clicked, this, [this, table, fill] {
    const int row = table->currentRow();
    if (row < 0 || row >= static_cast<int>(values_.engines.engines.size())) return;
    values_.engines.engines.erase(values_.engines.engines.begin() + row);
    values_.engines.selected = std::max(0, std::min(row, static_cast<int>(values_.engines.engines.size()) - 1));
    fill();
  });
  buttons->addWidget(add);
  buttons->addWidget(remove);
  buttons->addStretch();
  layout->addLayout(buttons);
  return page;
}

QWidget* PreferencesSheet::colourButton(const char* text, const char* title, ColourField colour) {
  auto* holder = new QWidget(this);
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  auto* button = new QPushButton(QString::fromLatin1(text), holder);
  QLabel* sample = sampleLabel(QString(), holder);
  row->addWidget(button);
  row->addWidget(sample);
  const auto show = [this, sample, colour] {
    const QColor c = colourOf(values_.app.colours.*colour);
    paintSample(*sample, c, c);
  };
  show();
  connect(this, &PreferencesSheet::valuesChanged, sample, show);
  connect(button, &QPushButton::clicked, this, [this, title, colour] {
    chooseColour(title, values_.app.colours.*colour);
  });
  return holder;
}

void PreferencesSheet::chooseColour(const char* title, ColourRef& colour) {
  QColorDialog chooser(colourOf(colour), this);
  chooser.setWindowTitle(QString::fromLatin1(title));
  chooser.setOption(QColorDialog::DontUseNativeDialog);
  for (int i = 0; i < kUserColourCount; ++i)
    QColorDialog::setCustomColor(i, colourOf(values_.app.userColours[static_cast<std::size_t>(i)]));
  if (chooser.exec() != QDialog::Accepted) return;
  colour = colourRefOf(chooser.selectedColor());
  for (int i = 0; i < kUserColourCount; ++i)
    values_.app.userColours[static_cast<std::size_t>(i)] = colourRefOf(QColorDialog::customColor(i));
  emit valuesChanged();
}

// The text font's face and size are those of the whole move list; the move, high move and branch fonts
// keep their own italics and weight.
void PreferencesSheet::chooseFont(LogFont& font, bool wholeTree) {
  QFontDialog chooser(toQFont(font), this);
  chooser.setOption(QFontDialog::DontUseNativeDialog);
  if (chooser.exec() != QDialog::Accepted) return;
  font = toLogFont(chooser.selectedFont(), font);
  if (wholeTree) {
    for (LogFont* f : {&values_.app.movesFont, &values_.app.highMoveFont, &values_.app.branchFont}) {
      f->faceName = font.faceName;
      f->height = font.height;
    }
  }
  emit valuesChanged();
}

QWidget* PreferencesSheet::fontSample(FontField font, ColourField ink, ColourField paper) {
  QLabel* sample = sampleLabel(QString::fromLatin1(kFontSampleText), this);
  const auto show = [this, sample, font, ink, paper] {
    sample->setFont(toQFont(values_.app.*font));
    if (ink != nullptr) paintSample(*sample, colourOf(values_.app.colours.*ink), colourOf(values_.app.colours.*paper));
  };
  show();
  connect(this, &PreferencesSheet::valuesChanged, sample, show);
  return sample;
}

QWidget* PreferencesSheet::styleBoxes(FontField font) {
  auto* holder = new QWidget(this);
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  auto* italic = new QCheckBox(QStringLiteral("Italic"), holder);
  auto* bold = new QCheckBox(QStringLiteral("Bold"), holder);
  italic->setChecked(isItalic(values_.app.*font));
  bold->setChecked(isBold(values_.app.*font));
  connect(italic, &QCheckBox::toggled, this, [this, font](bool on) {
    setItalic(values_.app.*font, on);
    emit valuesChanged();
  });
  connect(bold, &QCheckBox::toggled, this, [this, font](bool on) {
    setBold(values_.app.*font, on);
    emit valuesChanged();
  });
  row->addWidget(italic);
  row->addWidget(bold);
  return holder;
}

QWidget* PreferencesSheet::programField(std::string AppSettings::*path, const char* chooserTitle) {
  auto* holder = new QWidget(this);
  auto* row = new QHBoxLayout(holder);
  row->setContentsMargins(0, 0, 0, 0);
  auto* edit = new QLineEdit(toQt(values_.app.*path), holder);
  auto* select = new QPushButton(QStringLiteral("Select"), holder);
  row->addWidget(edit, 1);
  row->addWidget(select);
  connect(edit, &QLineEdit::textChanged, this, [this, path](const QString& text) { values_.app.*path = fromQt(text); });
  connect(select, &QPushButton::clicked, this, [this, edit, chooserTitle] {
    QFileDialog chooser(this, QString::fromLatin1(chooserTitle), QFileInfo(edit->text()).absolutePath(),
                        qtFileFilter(kProgramFilter));
    chooser.setOption(QFileDialog::DontUseNativeDialog);
    chooser.setFileMode(QFileDialog::ExistingFile);
    if (chooser.exec() == QDialog::Accepted && !chooser.selectedFiles().isEmpty())
      edit->setText(chooser.selectedFiles().front());
  });
  return holder;
}

void PreferencesSheet::accept() {
  bool number = false;
  const long long entered = backupFiles_->text().trimmed().toLongLong(&number);
  const std::optional<UserMessage> refusal =
      checkIntegerField(number ? entered : static_cast<long long>(kMaxBackupFiles) + 1, kMinBackupFiles,
                        kMaxBackupFiles);
  if (refusal) {
    tabs_->setCurrentIndex(static_cast<int>(PreferencePage::OtherOptions));
    execPlainMessage(this, QMessageBox::Warning, toQt(refusal->caption), toQt(refusal->text));
    backupFiles_->setFocus();
    backupFiles_->selectAll();
    return;
  }
  values_.app.backupFiles = static_cast<int>(entered);
  QDialog::accept();
}

}  // namespace meridax
