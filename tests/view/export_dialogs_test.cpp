#include "view/export_dialogs.h"

#include <gtest/gtest.h>

#include <QApplication>
#include <QDialog>
#include <QSpinBox>
#include <QTimer>

#include "view_test_support.h"

namespace meridax {
namespace {

// Runs `act` on the modal dialog once it is open.
void whenOpen(const std::function<void(QDialog&)>& act) {
  QTimer::singleShot(0, [act] {
    if (auto* dialog = qobject_cast<QDialog*>(QApplication::activeModalWidget())) act(*dialog);
  });
}

class ExportDialogsTest : public ::testing::Test {
 protected:
  void SetUp() override { view_testing::application(); }
  QtExportDialogs dialogs{nullptr};
};

TEST_F(ExportDialogsTest, RtfOptionsAccepted_EveryFieldAndTextKept) {
  RtfExportOptions options;
  options.record.fields[rtf_field::kBlackAndWhite] = 1;
  options.record.fields[rtf_field::kPageNumbers] = 0;
  options.headerText = "Head {1}";
  whenOpen([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), " RTF Format Options");
    d.accept();
  });
  const std::optional<RtfExportOptions> out = dialogs.rtfFormatOptions(options);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(out->record, options.record);
  EXPECT_EQ(out->headerText, "Head {1}");
}

TEST_F(ExportDialogsTest, RtfOptions_SquareFieldBoundedAndMadeEven) {
  RtfExportOptions options;
  whenOpen([](QDialog& d) {
    const auto spins = d.findChildren<QSpinBox*>();
    ASSERT_EQ(spins.size(), 2);
    QSpinBox* square = spins[1];
    EXPECT_EQ(square->minimum(), 12);
    EXPECT_EQ(square->maximum(), 70);
    square->setValue(0);  // refused: held at the bound
    EXPECT_EQ(square->value(), 12);
    square->setValue(33);
    d.accept();
  });
  const auto out = dialogs.rtfFormatOptions(options);
  ASSERT_TRUE(out.has_value());
  EXPECT_EQ(out->record.fields[rtf_field::kBoardSquareSize], 32);
}

TEST_F(ExportDialogsTest, CopyingToClipboard_CancelGivesNothingAcceptGivesTheChoice) {
  whenOpen([](QDialog& d) { d.reject(); });
  EXPECT_FALSE(dialogs.copyingToClipboard(ClipboardImageChoice{}, false, true).has_value());
  const ClipboardImageChoice initial{true, true, false, false, 20};
  whenOpen([](QDialog& d) {
    EXPECT_EQ(d.windowTitle(), " Copying to Clipboard");
    d.accept();
  });
  const auto chosen = dialogs.copyingToClipboard(initial, true, true);
  ASSERT_TRUE(chosen.has_value());
  EXPECT_EQ(*chosen, initial);
  whenOpen([](QDialog& d) { d.accept(); });
  const auto square = dialogs.copyingToClipboard(initial, false, false);
  ASSERT_TRUE(square.has_value());
  EXPECT_FALSE(square->blackAndWhite) << "not offered";
  EXPECT_FALSE(square->lineMode) << "not a hexagonal board";
}

}  // namespace
}  // namespace meridax
