#include "view/branch_statistics_dialog.h"

#include <QDialogButtonBox>
#include <QFormLayout>
#include <QGroupBox>
#include <QLineEdit>
#include <QPushButton>
#include <QVBoxLayout>

#include "view/qt_text.h"

namespace meridax {

BranchStatisticsDialog::BranchStatisticsDialog(FrameWin& frame, QWidget* parent) : QDialog(parent), frame_(frame) {
  setObjectName(QStringLiteral("branchStatisticsDialog"));
  setWindowTitle(QString::fromLatin1(kBranchStatisticsTitle));
  setModal(false);
  setSizeGripEnabled(true);

  auto* group = new QGroupBox(QString::fromLatin1(kBranchStatisticsGroup), this);
  auto* form = new QFormLayout(group);
  form->setFieldGrowthPolicy(QFormLayout::AllNonFixedFieldsGrow);
  const auto labels = branchStatisticsFields(BranchStatistics{});
  for (std::size_t i = 0; i < fields_.size(); ++i) {
    auto* field = new QLineEdit(group);
    field->setReadOnly(true);
    field->setObjectName(QStringLiteral("statistic%1").arg(i));
    form->addRow(QString::fromLatin1(labels[i].label), field);
    fields_[i] = field;
  }

  // Close stays at the bottom right; the group box takes the rest of a resized window.
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Close, this);
  QPushButton* close = buttons->button(QDialogButtonBox::Close);
  close->setText(QStringLiteral("Close"));
  close->setDefault(true);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  auto* layout = new QVBoxLayout(this);
  layout->addWidget(group, 1);
  layout->addWidget(buttons);
  close->setFocus();
  refresh();
}

void BranchStatisticsDialog::refresh() {
  const auto values = branchStatisticsFields(branchStatisticsOf(frame_.game(), frame_.collection().store()));
  for (std::size_t i = 0; i < fields_.size(); ++i) fields_[i]->setText(toQt(values[i].value));
}

}  // namespace meridax
