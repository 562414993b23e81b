#pragma once

#include <windows.h>

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "ui/win32/fm_sheet.h"
#include "ui/win32/table_window.h"
#include "window/main_window.h"

namespace merrith {

// The main window drawn with the system's own controls: pick a height, type a dive code and
// read its DD, or turn a list of dive codes into a table of DDs; its menu opens lists, dive
// sheets and charts.
class fmMain : public CTableWindow {
 public:
  // A window not yet created; it asks through the system's dialogs.
  fmMain();

  // Creates the window, not yet shown, with "1m" selected and "action.txt" as the batch file
  // name. False when the system refuses.
  bool Create(HINSTANCE Instance);

  // The tooltip window that tells what the result box's number is made of.
  HWND ResultTip() const { return Tip; }

  // The height selected now, 1 (1 m) to 9 (27 m).
  std::int32_t GetHeightIndex() const { return Form.GetHeightIndex(); }

  // Asks and reports through Asks, and so do the sheet windows opened from now on, instead of
  // the system's dialogs.
  void SetDialogs(Dialogs Asks);

  // Opens FileName as a dive sheet in a window of its own beside this one; null, having said
  // why, when the file cannot be read.
  fmSheet* OpenSheet(std::u16string_view FileName);

  // An untitled dive sheet in a window of its own.
  fmSheet* NewSheet();

  // The sheet windows open now, in the order they were opened.
  std::vector<fmSheet*> Sheets() const;

 protected:
  void Run(WindowCommand Command, std::size_t Row) override;
  bool OnCreated() override;
  void OnLaidOut(UINT Dpi) override;
  // Closes the sheet windows too, asking for each unsaved one; Cancel keeps them all open.
  bool QueryClose() override;
  // Closing the main window ends the program.
  void OnDestroy() override;
  // A file dropped on the window fills the file name box.
  bool OnMessage(UINT Message, WPARAM W, LPARAM L, LRESULT& Result) override;

 private:
  bool BuildResultTip();
  fmSheet* MakeSheet();
  void PlaceBeside(HWND Sheet) const;

  void Form_Load();
  void cmdOK_Click();
  void cmdGenTbl_Click(std::int16_t Index);

  CMainWindow Form;
  std::optional<Dialogs> TestDialogs;  // what SetDialogs gave, for the sheet windows too
  std::vector<std::unique_ptr<fmSheet>> SheetWindows;
  HWND Tip = nullptr;  // the result box's tooltip
};

}  // namespace merrith
