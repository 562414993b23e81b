#pragma once

#include <windows.h>

#include "ui/win32/table_window.h"
#include "window/main_controller.h"

namespace merrith {

// The main window drawn with the system's own controls: pick a height, type a dive code and
// read its DD, or turn a list of dive codes into a table of DDs; its menu opens lists, dive
// sheets and charts. Closing it ends the program.
class fmMain : public CTableWindow {
 public:
  // A window not yet created; it asks through the system's dialogs.
  fmMain();
  // Closed while its controller still hears it.
  ~fmMain() override;

  // Creates the window, not yet shown, with "1m" selected and "action.txt" as the batch file
  // name. False when the system refuses.
  bool Create(HINSTANCE Instance);

  CMainController& Controller() { return Main; }

 protected:
  void OnDestroy() override { PostQuitMessage(0); }

 private:
  CMainController Main;
};

}  // namespace merrith
