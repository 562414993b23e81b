#pragma once

#include <cstdint>
#include <memory>
#include <optional>
#include <string_view>
#include <vector>

#include "window/competition_controller.h"
#include "window/main_window.h"
#include "window/new_competition_controller.h"
#include "window/sheet_controller.h"
#include "window/window_view.h"

namespace merrith {

// Where a sheet window of Width x Height opens: right of the main window at Main, each further
// sheet (SheetsBefore of them open already) a caption's height down and right, as far as the
// work area allows.
struct DesktopPoint {
  int Left = 0;
  int Top = 0;
};
DesktopPoint SheetCorner(const DesktopPlace& Main, int Width, int Height, int SheetsBefore);

// What the main window does, whichever view shows it: its procedures run from its controls,
// menu and keys, and the dive-sheet windows it opens.
class CMainController : public WindowController {
 public:
  // Shows the main window in View, with the documents as the programs make them, asking
  // through the view's dialogs; and with a test's.
  explicit CMainController(WindowView& View);
  CMainController(WindowView& View, Dialogs Asks, DocumentRooms Documents);

  // Asks and reports through Asks, and so do the sheet windows opened from now on.
  void SetDialogs(Dialogs Asks);

  const CMainWindow& Form() const { return Main; }

  // When the window opens, its controls drawn: 1 m is selected, and its button checked.
  void Form_Load();
  void optH_Click(std::int16_t Index);
  // "OK": the DD of the code typed, in the result box, and what it is made of in its tooltip.
  void cmdOK_Click();
  // A batch button: the table written, and its message.
  void cmdGenTbl_Click(std::int16_t Index);

  // Opens FileName as a dive sheet in a window of its own beside this one; null, having said
  // why, when the file cannot be read.
  CSheetController* OpenSheet(std::u16string_view FileName);
  // An untitled dive sheet in a window of its own.
  CSheetController* NewSheet();
  // The sheet windows open now, in the order they were opened.
  std::vector<CSheetController*> Sheets() const;

  // Opens the competition file (or its .csv) at FileName in a recorder's window beside this
  // one; null, having said why, when it cannot be read or has errors.
  CCompetitionController* OpenCompetition(std::u16string_view FileName);
  // The new competition's window, which opens the competition it writes.
  CNewCompetitionController* NewCompetition();

  void Run(WindowCommand Command, ControlId Control) override;
  // Closes the sheet windows too, asking for each unsaved one; Cancel keeps them all open.
  bool QueryClose() override;

 private:
  CSheetController* AddSheet();
  void ShowBeside(WindowView& Shown);

  WindowView& View;
  CMainWindow Main;
  std::optional<Dialogs> TestDialogs;  // what SetDialogs gave, for the sheet windows too
  std::vector<std::unique_ptr<CSheetController>> SheetWindows;
  std::vector<std::unique_ptr<CCompetitionController>> CompetitionWindows;
  std::vector<std::unique_ptr<CNewCompetitionController>> NewCompetitionWindows;
};

}  // namespace merrith
