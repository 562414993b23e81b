#include <QApplication>
#include <QIcon>
#include <QStringList>

#include "open_arguments.h"
#include "ui/qt/fm_main.h"

namespace {

// The icon built into the program, in every size the desktop draws: the theme's may be missing
// (no hicolor theme on the machine, or the program not installed).
QIcon BuiltInIcon() {
  QIcon Icon;
  for (const int Size : {16, 24, 32, 48, 64, 128, 256})
    Icon.addFile(QStringLiteral(":/icons/hicolor/%1x%1/apps/merrith.png").arg(Size));
  return Icon;
}

}  // namespace

// merrith [FILE]...: the main window, and beside it each FILE: a competition in the recorder's
// window, a dive sheet in a sheet window.
int main(int argc, char* argv[]) {
  QApplication App(argc, argv);
  // The installed menu entry, so that the task bar shows the window as the menu does.
  QGuiApplication::setDesktopFileName(QStringLiteral("merrith"));
  QApplication::setWindowIcon(QIcon::fromTheme(QStringLiteral("merrith"), BuiltInIcon()));
  merrith::fmMain Window;
  Window.show();
  const QStringList Arguments = QApplication::arguments();
  for (qsizetype I = 1; I < Arguments.size(); ++I)
    merrith::OpenNamedFile(Window.Controller(), Arguments[I].toStdU16String());
  return App.exec();
}
