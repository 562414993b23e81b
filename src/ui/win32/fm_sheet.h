#pragma once

#include <windows.h>

#include <functional>
#include <optional>
#include <string_view>

#include "ui/win32/table_window.h"
#include "window/sheet_window.h"

namespace merrith {

// A dive sheet's window drawn with the system's own controls: the event, the diver and the
// dives as the user types them, and beside them the sheet's report, redone at every change.
class fmSheet : public CTableWindow {
 public:
  // An untitled sheet, not yet created, that asks through Asks (the system's dialogs when
  // none) and runs "New dive sheet" through NewSheet.
  fmSheet(SheetFunctions Sheets, std::optional<Dialogs> Asks, std::function<void()> NewSheet);

  // Creates the window, not yet shown. False when the system refuses.
  bool Create(HINSTANCE Instance);

  // The sheet and its procedures.
  CSheetWindow& Form() { return Sheet; }

  // Reads the sheet file at FileName into the window; false, having said why, when it cannot.
  bool Load(std::u16string_view FileName);

  // Closes the window without asking again: its question was asked already.
  void CloseAsked();

 protected:
  void Run(WindowCommand Command, std::size_t Row) override;
  bool OnCreated() override;
  bool QueryClose() override;

 private:
  void ShowSheet();
  void ShowReport();
  void Edited(WindowCommand Command, std::size_t Row);

  CSheetWindow Sheet;
  std::function<void()> OnNewSheet;
  bool Filling = false;  // the boxes are being filled from the sheet, not typed into
};

}  // namespace merrith
