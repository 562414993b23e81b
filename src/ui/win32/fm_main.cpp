#include "ui/win32/fm_main.h"

#include "support/utf8.h"

namespace merrith {

fmMain::fmMain() : CTableWindow(MainWindow, L"Merrith.fmMain", Main), Main(*this) {}

fmMain::~fmMain() { Close(); }

bool fmMain::Create(HINSTANCE Instance) {
  if (!CTableWindow::Create(Instance, DecodeUtf8(MainWindow.Caption))) return false;
  Main.Form_Load();
  return true;
}

}  // namespace merrith
