#include <QApplication>

#include "shell/MainWindow.h"

int main(int argc, char** argv) {
  QApplication app(argc, argv);
  shell::Application quillane;
  quillane.Main();
  return app.exec();
}
