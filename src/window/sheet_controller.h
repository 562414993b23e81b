#pragma once

#include <functional>
#include <memory>
#include <optional>
#include <string_view>

#include "window/sheet_window.h"
#include "window/window_view.h"

namespace merrith {

// What a dive sheet's window does, whichever view shows it: the boxes filled from the sheet,
// the report and the caption redone at every change, its buttons and keys run.
class CSheetController : public WindowController {
 public:
  // A sheet that runs "New dive sheet" through NewSheet; it shows once attached to a view.
  CSheetController(SheetFunctions Sheets, std::function<void()> NewSheet);

  // Shows the sheet in View, asking through Asks, or through the view's dialogs when none.
  void Attach(std::unique_ptr<WindowView> Shown, std::optional<Dialogs> Asks);

  CSheetWindow& Form() { return *Sheet; }
  WindowView& View() { return *Shown; }
  bool IsOpen() const { return Shown != nullptr && Shown->IsOpen(); }

  // Reads the sheet file at FileName into the window; false, having said why, when it cannot.
  bool Load(std::u16string_view FileName);

  // Closes the window without asking again: its question was asked already.
  void CloseAsked() { Shown->Close(); }

  void Run(WindowCommand Command, ControlId Control) override;
  // Asks about unsaved changes; Cancel keeps the window open.
  bool QueryClose() override;

 private:
  void ShowSheet();
  void ShowEvents();
  void ShowReport();
  void Edited(WindowCommand Command);

  SheetFunctions Functions;
  std::function<void()> OnNewSheet;
  std::optional<CSheetWindow> Sheet;
  std::unique_ptr<WindowView> Shown;
  bool Filling = false;  // the boxes are being filled from the sheet, not typed into
};

}  // namespace merrith
