#pragma once
// The board tests' application: one for the whole test program, on the offscreen platform unless the
// environment names another. It is never destroyed: QTest's pointing device, a child of the application,
// would otherwise be torn down after the platform it belongs to at exit.

#include <QApplication>

namespace meridax::board_testing {

inline void ensureApplication() {
  if (QApplication::instance() != nullptr) return;
  static int argc = 1;
  static char name[] = "view_tests";
  static char* argv[] = {name, nullptr};
  if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM")) qputenv("QT_QPA_PLATFORM", "offscreen");
  static QApplication* app = new QApplication(argc, argv);
  (void)app;
}

}  // namespace meridax::board_testing
