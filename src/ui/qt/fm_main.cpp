#include "ui/qt/fm_main.h"

namespace merrith {

fmMain::fmMain() : CTableWidget(MainWindow, Main), Main(*this) { Main.Form_Load(); }

}  // namespace merrith
