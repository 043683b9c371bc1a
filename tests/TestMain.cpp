#include <QTemporaryDir>
#include <gtest/gtest.h>
#include <sys/stat.h>
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
  // What the program keeps in the user's state folder goes to one of the run's own, which
  // an ordinary user that a test becomes may write too, and which goes with the run.
  QTemporaryDir stateHome;
  if (stateHome.isValid()) {
    ::chmod(QFile::encodeName(stateHome.path()).constData(), 01777);
    qputenv("XDG_STATE_HOME", QFile::encodeName(stateHome.path()));
  }
  TestApplication app(argc, argv);
  ::testing::InitGoogleTest(&argc, argv);
  return RUN_ALL_TESTS();
}
