#include <QApplication>
#include <QIcon>

#include "ui/qt/fm_main.h"

int main(int argc, char* argv[]) {
  QApplication App(argc, argv);
  // The installed icon and menu entry, so that the task bar shows the window as the menu does.
  QGuiApplication::setDesktopFileName(QStringLiteral("merrith"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("merrith")));
  merrith::fmMain Window;
  Window.show();
  return App.exec();
}
