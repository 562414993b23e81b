#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "report/single_dive.h"
#include "window/dialogs.h"
#include "window/document_seams.h"
#include "window/main_window_layout.h"

namespace merrith {

// The main window's state and its procedures, whichever toolkit draws it: the toolkit passes
// in what the user typed and shows what comes back; the menu's procedures ask and report
// through Asks.
class CMainWindow {
 public:
  // With the documents as the programs make them, and no dialogs yet.
  CMainWindow();
  CMainWindow(Dialogs Asks, DocumentRooms Documents);

  // The dialogs the toolkit shows, or a test's answers.
  void SetDialogs(Dialogs Asks);
  const Dialogs& GetDialogs() const { return Asks; }
  const DocumentRooms& GetDocuments() const { return Documents; }

  // The height selected now, 1 (1 m) to 9 (27 m).
  std::int32_t GetHeightIndex() const { return HeightIndex; }

  // When the window opens: 1 m is selected.
  void Form_Load();

  // A height button was selected; Index is its HeightIndex.
  void optH_Click(std::int16_t Index);

  // "OK" was pressed with Typed in the code box: the text for the result box and its tooltip.
  ResultBox cmdOK_Click(std::u16string_view Typed, std::u16string_view DecimalSeparator) const;

  // A batch button was pressed (0 "D", 1 "HD", 2 "D+HD") with FileName in the file name box:
  // writes the table and returns the message for the user.
  std::u16string cmdGenTbl_Click(std::int16_t Index, std::u16string_view FileName,
                                 std::u16string_view DecimalSeparator);

  // "Open list...": the list the user picked in the system's dialog, starting at FileName,
  // for the file name box; nothing when cancelled.
  std::optional<std::u16string> mnuOpenList_Click(std::u16string_view FileName) const;

  // "Open dive sheet...": the sheet file the user picked; nothing when cancelled.
  std::optional<std::u16string> mnuOpenSheet_Click() const;

  // "Chart of the list": writes FileName's chart beside it, FileName.chart.htm, and opens it
  // in the browser.
  void mnuChartList_Click(std::u16string_view FileName) const;

  // "Chart of every dive": the same in the temporary folder.
  void mnuChartAll_Click() const;

  // "Open the last table": the table the last batch run wrote, in the browser.
  void mnuLastTable_Click() const;

  // "About Merrith": the version, the licence, the rule cycles, where the rules are read.
  void mnuAbout_Click() const;

  // A dive-sheet window is about to open: the first time, names the faults of the rules
  // files, whose events its drop-down lacks.
  void SheetOpening();

  // The menu items that ask, do and report within this window: "Open list...", the charts,
  // the last table, "About". FileName is the file name box's text; returns the box's new text
  // where the item changes it.
  std::optional<std::u16string> mnu_Click(WindowCommand Command,
                                          std::u16string_view FileName) const;

 private:
  void ShowChart(std::u16string_view ListPath, std::u16string_view ChartPath) const;

  std::int32_t HeightIndex = InitialHeightIndex;
  Dialogs Asks;
  DocumentRooms Documents;
  std::u16string LastTable;  // the absolute path of the table last written, or empty
  bool FaultsTold = false;   // the rules files' faults were shown
};

// What "About Merrith" says; the user's rules are read from RulesFolder (none when empty).
std::u16string AboutText(std::u16string_view RulesFolder);

}  // namespace merrith
