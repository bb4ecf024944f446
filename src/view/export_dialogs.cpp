#include "view/export_dialogs.h"

#include <QCheckBox>
#include <QColorDialog>
#include <QDialog>
#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QSpinBox>
#include <QVBoxLayout>
#include <vector>

#include "view/board_palette.h"

namespace meridax {
namespace {

struct OptionBox {
  std::size_t field;
  const char* caption;
};

// The yes/no fields of the options and the captions of their check boxes, in the dialog's order.
constexpr OptionBox kOptionBoxes[] = {
    {rtf_field::kPageNumbers, "Include page numbers"},
    {rtf_field::kTwoColumns, "Print in two columns"},
    {rtf_field::kMainLineBold, "Print main line moves in bold"},
    {rtf_field::kVariationsItalic, "Print variation moves in italic"},
    {rtf_field::kHexLineMode, "Print Hex diagrams in line mode"},
    {rtf_field::kHexLineBorder, "Include line border for hex diagrams"},
    {rtf_field::kBlackAndWhite, "Print diagrams in BW"},
    {rtf_field::kIncludeMarkup, "Include markup"},
    {rtf_field::kAllLines, "Print all lines of play ( otherwise just the current line )"},
    {rtf_field::kEndDiagram, "Include an end diagram for the main line of play"},
    {rtf_field::kCommentDiagrams, "Include a diagram for every position with a comment"},
    {rtf_field::kBookmarkDiagrams, "Include a diagram for every bookmarked position"},
    {rtf_field::kImagesAsBmp, "Store images as BMP"},
    {rtf_field::kTemporaryFile, "Do not prompt for a file name.  Use temporary file and display after creating it."},
    {rtf_field::kGameInformation, "Include game information"},
    {rtf_field::kInfoFileName, "File name"},
    {rtf_field::kInfoGameName, "Game name"},
    {rtf_field::kInfoPlayers, "Players"},
    {rtf_field::kInfoEvent, "Event"},
    {rtf_field::kInfoDate, "Date"},
    {rtf_field::kInfoDescription, "Game description"},
};

QSpinBox* squareSpin(QWidget* parent, int value) {
  auto* spin = new QSpinBox(parent);
  spin->setRange(kMinDiagramSquareSize, kMaxDiagramSquareSize);
  spin->setValue(std::clamp(value, kMinDiagramSquareSize, kMaxDiagramSquareSize));
  return spin;
}

QDialogButtonBox* acceptCancel(QDialog& dialog) {
  auto* buttons = new QDialogButtonBox(&dialog);
  buttons->addButton(QStringLiteral("Accept"), QDialogButtonBox::AcceptRole);
  buttons->addButton(QDialogButtonBox::Cancel);
  QObject::connect(buttons, &QDialogButtonBox::accepted, &dialog, &QDialog::accept);
  QObject::connect(buttons, &QDialogButtonBox::rejected, &dialog, &QDialog::reject);
  return buttons;
}

// A check box with a text field it enables.
struct TextOption {
  QCheckBox* box;
  QLineEdit* text;
};
TextOption textOption(QWidget* parent, QFormLayout* form, const char* caption, bool on, const std::string& text) {
  TextOption t{new QCheckBox(QString::fromLatin1(caption), parent),
               new QLineEdit(QString::fromStdString(text), parent)};
  t.box->setChecked(on);
  t.text->setEnabled(on);
  QObject::connect(t.box, &QCheckBox::toggled, t.text, &QLineEdit::setEnabled);
  form->addRow(t.box, t.text);
  return t;
}

}  // namespace

std::optional<RtfExportOptions> QtExportDialogs::rtfFormatOptions(const RtfExportOptions& options) {
  QDialog dialog(parent_);
  dialog.setWindowTitle(QStringLiteral(" RTF Format Options"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* grid = new QGridLayout;
  std::vector<std::pair<std::size_t, QCheckBox*>> boxes;
  int row = 0;
  for (const OptionBox& o : kOptionBoxes) {
    auto* box = new QCheckBox(QString::fromLatin1(o.caption), &dialog);
    box->setChecked(options.on(o.field));
    grid->addWidget(box, row / 2, row % 2);
    boxes.emplace_back(o.field, box);
    ++row;
  }
  auto* png = new QCheckBox(QStringLiteral("Store images as PNG ( shown by LibreOffice )"), &dialog);
  png->setChecked(options.pngDiagrams);
  grid->addWidget(png, row / 2, row % 2);
  layout->addLayout(grid);
  auto* form = new QFormLayout;
  auto* textSize = new QSpinBox(&dialog);
  textSize->setRange(1, 72);
  textSize->setValue(std::clamp(options.value(rtf_field::kTextSize), 1, 72));
  form->addRow(QStringLiteral("Text size"), textSize);
  QSpinBox* square = squareSpin(&dialog, options.value(rtf_field::kBoardSquareSize));
  form->addRow(QStringLiteral("Board square size"), square);
  const TextOption header = textOption(&dialog, form, "Header", options.on(rtf_field::kHeader), options.headerText);
  const TextOption footer = textOption(&dialog, form, "Footer", options.on(rtf_field::kFooter), options.footerText);
  QColor variations = colourOf(static_cast<ColourRef>(options.value(rtf_field::kVariationsColour)));
  auto* colourButton = new QPushButton(QStringLiteral("Variations"), &dialog);
  QObject::connect(colourButton, &QPushButton::clicked, &dialog, [&] {
    const QColor chosen = QColorDialog::getColor(variations, &dialog, QStringLiteral("Print Variations Colour"));
    if (chosen.isValid()) variations = chosen;
  });
  form->addRow(QString(), colourButton);
  layout->addLayout(form);
  layout->addWidget(acceptCancel(dialog));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;

  RtfExportOptions out = options;
  for (const auto& [field, box] : boxes) out.record.fields[field] = box->isChecked() ? 1 : 0;
  out.record.fields[rtf_field::kTextSize] = textSize->value();
  out.record.fields[rtf_field::kBoardSquareSize] = evenSquareSize(square->value());
  out.record.fields[rtf_field::kHeader] = header.box->isChecked() ? 1 : 0;
  out.record.fields[rtf_field::kFooter] = footer.box->isChecked() ? 1 : 0;
  out.pngDiagrams = png->isChecked();
  out.headerText = header.text->text().toStdString();
  out.footerText = footer.text->text().toStdString();
  out.record.fields[rtf_field::kVariationsColour] =
      static_cast<std::int32_t>(variations.red() | variations.green() << 8 | variations.blue() << 16);
  return out;
}

std::optional<ClipboardImageChoice> QtExportDialogs::copyingToClipboard(const ClipboardImageChoice& initial,
                                                                        bool hexagonal, bool offerBlackAndWhite) {
  QDialog dialog(parent_);
  dialog.setWindowTitle(QStringLiteral(" Copying to Clipboard"));
  auto* layout = new QVBoxLayout(&dialog);
  auto* blackAndWhite = new QCheckBox(QStringLiteral("Black and White"), &dialog);
  auto* lineMode = new QCheckBox(QStringLiteral("Line Mode"), &dialog);
  auto* lineBorder = new QCheckBox(QStringLiteral("Include Line Border"), &dialog);
  blackAndWhite->setChecked(initial.blackAndWhite);
  blackAndWhite->setVisible(offerBlackAndWhite);
  lineMode->setChecked(initial.lineMode);
  lineBorder->setChecked(initial.lineBorder);
  lineMode->setVisible(hexagonal);
  lineBorder->setVisible(hexagonal);
  for (QCheckBox* box : {blackAndWhite, lineMode, lineBorder}) layout->addWidget(box);
  auto* sizes = new QGroupBox(QStringLiteral("Image Square Size"), &dialog);
  auto* sizeLayout = new QGridLayout(sizes);
  auto* useBoard = new QRadioButton(QStringLiteral("Use board square size"), sizes);
  auto* other = new QRadioButton(QStringLiteral("Other"), sizes);
  QSpinBox* otherSquare = squareSpin(sizes, initial.otherSquare);
  (initial.useBoardSquare ? useBoard : other)->setChecked(true);
  otherSquare->setEnabled(!initial.useBoardSquare);
  QObject::connect(other, &QRadioButton::toggled, otherSquare, &QSpinBox::setEnabled);
  sizeLayout->addWidget(useBoard, 0, 0, 1, 2);
  sizeLayout->addWidget(other, 1, 0);
  sizeLayout->addWidget(otherSquare, 1, 1);
  layout->addWidget(sizes);
  layout->addWidget(acceptCancel(dialog));
  if (dialog.exec() != QDialog::Accepted) return std::nullopt;
  return ClipboardImageChoice{offerBlackAndWhite && blackAndWhite->isChecked(), hexagonal && lineMode->isChecked(),
                              hexagonal && lineBorder->isChecked(), useBoard->isChecked(), otherSquare->value()};
}

}  // namespace meridax
