#include <gtest/gtest.h>
#ifdef QN_TEST_WIDGETS
#include <QApplication>
using TestApplication = QApplication;
#else
// The layers below the widgets are tested without QtWidgets.
#include <QGuiApplication>
using TestApplication = QGuiApplication;
#endif

int main(int argc, char** argv) {
  qputenv("QT_QPA_PLATFORM", qgetenv("QT_QPA_PLATFORM").isEmpty() ? "offscreen" : qgetenv("QT_QPA_PLATFORM"));
  TestApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
