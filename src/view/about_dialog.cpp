#include "view/about_dialog.h"

#include <QDialogButtonBox>
#include <QLabel>
#include <QVBoxLayout>

#include "app/outside_programs.h"

#ifndef MERIDAX_BUILD_TIME
#define MERIDAX_BUILD_TIME "unknown"
#endif

namespace meridax {

QString buildTime() { return QStringLiteral(MERIDAX_BUILD_TIME); }

AboutDialog::AboutDialog(QWidget* parent) : QDialog(parent) {
  setObjectName(QStringLiteral("aboutDialog"));
  setWindowTitle(QStringLiteral("About Meridax"));
  auto* layout = new QVBoxLayout(this);
  auto* name = new QLabel(QStringLiteral("<b>Meridax</b>  Version %1").arg(QString::fromLatin1(kProgramVersion)), this);
  layout->addWidget(name);
  layout->addWidget(new QLabel(QStringLiteral("An editor for SGF (FF[4]) records of Go, Pente, Connect6, Othello, "
                                              "Hex, Havannah, Unlur and Kropki games."),
                               this));
  layout->addWidget(new QLabel(QStringLiteral("Built %1").arg(buildTime()), this));
  auto* buttons = new QDialogButtonBox(QDialogButtonBox::Ok, this);
  connect(buttons, &QDialogButtonBox::accepted, this, &QDialog::accept);
  connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
  layout->addWidget(buttons);
}

}  // namespace meridax
