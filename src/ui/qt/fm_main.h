#pragma once

#include "ui/qt/table_widget.h"
#include "window/main_controller.h"

namespace merrith {

// The main window drawn with Qt: pick a height, type a dive code and read its DD, or turn a
// list of dive codes into a table of DDs; its menu opens lists, dive sheets and charts.
class fmMain : public CTableWidget {
 public:
  // Builds the window with "1m" selected and "action.txt" as the batch file name.
  fmMain();

  CMainController& Controller() { return Main; }

 private:
  CMainController Main;
};

}  // namespace merrith
