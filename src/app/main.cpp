#include <QApplication>

#include "shell/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  // Also the title of a window that has none of its own (a message without a title).
  QApplication::setApplicationName(QStringLiteral("Quillane II"));
  shell::Application quillane;
  quillane.Main();
  return app.exec();
}
