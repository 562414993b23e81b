#include <QApplication>

#include "ui/qt/fm_main.h"

int main(int argc, char* argv[]) {
  QApplication App(argc, argv);
  merrith::fmMain Window;
  Window.show();
  return App.exec();
}
