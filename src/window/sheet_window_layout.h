#pragma once

#include <cstdint>

#include "window/window_layout.h"

namespace merrith {

// The sheet window's controls, in the order of its table's rows.
// clang-format off
enum class SheetControl : std::uint8_t {
  Label1, cboEvent, lblBook, cboBook, Label2, txDiver, lblDivers, txDivers,
  Label3, txDives, Label4, txReport,
  cmdOpen, cmdSave, cmdSaveAs, cmdPrint, cmdCopy,
  Count
};
// clang-format on

namespace sheet_layout {
using enum ControlKind;
using enum WindowCommand;
using enum SheetControl;

// Every control in tab order: the event and its rule book, the diver (or a synchronised pair)
// and a team's divers in two rows across the top, as the file's headings read; the dives
// beside the report, which shows a report's 88 columns and its 30 lines for eleven dives with a
// few problems in a fixed-width font of the message font's height (7 by 14 pixels at 96 dpi),
// the scroll bars beside; the buttons below.
// clang-format off
inline constexpr ControlLayout SheetWindowControls[] = {
  //       Id        Name       Index       Kind    Inside        Caption  Left   Top  Width Height           Command
    {   Label1,    "Label1", NotInArray,     Label, NoControl,      "Event:",  240,  278,   900,  255,             None},
    { cboEvent,  "cboEvent", NotInArray,  DropDown, NoControl,            "", 1200,  240,  4920,  330, SheetEventPicked},
    {  lblBook,   "lblBook", NotInArray,     Label, NoControl,       "Book:", 6480,  278,   780,  255,             None},
    {  cboBook,   "cboBook", NotInArray,  DropDown, NoControl,            "", 7320,  240,  6360,  330,  SheetBookPicked},
    {   Label2,    "Label2", NotInArray,     Label, NoControl,      "Diver:",  240,  758,   900,  255,             None},
    {  txDiver,   "txDiver", NotInArray,   TextBox, NoControl,            "", 1200,  735,  4920,  300,  SheetDiverTyped},
    {lblDivers, "lblDivers", NotInArray,     Label, NoControl,     "Divers:", 6480,  758,   780,  255,             None},
    { txDivers,  "txDivers", NotInArray,   TextBox, NoControl,            "", 7320,  735,  6360,  300, SheetDiversTyped},
    {   Label3,    "Label3", NotInArray,     Label, NoControl,      "Dives:",  240, 1260,  3000,  255,             None},
    {  txDives,   "txDives", NotInArray,  LinesBox, NoControl,            "",  240, 1530,  3000, 6900,  SheetDivesTyped},
    {   Label4,    "Label4", NotInArray,     Label, NoControl,     "Report:", 3480, 1260, 10200,  255,             None},
    { txReport,  "txReport", NotInArray, ReportBox, NoControl,            "", 3480, 1530, 10200, 6900,             None},
    {  cmdOpen,   "cmdOpen", NotInArray,   Command, NoControl,     "Open...",  240, 8670,  1215,  375,        SheetOpen},
    {  cmdSave,   "cmdSave", NotInArray,   Command, NoControl,        "Save", 1575, 8670,  1215,  375,        SheetSave},
    {cmdSaveAs, "cmdSaveAs", NotInArray,   Command, NoControl,  "Save as...", 2910, 8670,  1215,  375,      SheetSaveAs},
    { cmdPrint,  "cmdPrint", NotInArray,   Command, NoControl,    "Print...",11130, 8670,  1215,  375,       SheetPrint},
    {  cmdCopy,   "cmdCopy", NotInArray,   Command, NoControl, "Copy report",12465, 8670,  1215,  375,  SheetCopyReport},
};
// clang-format on

// Shortcuts of the buttons, and of the main window's "New dive sheet".
inline constexpr KeyBinding SheetKeys[] = {
  //        Shortcut          Command
    {      "Ctrl+O",       SheetOpen},
    {      "Ctrl+S",       SheetSave},
    {"Ctrl+Shift+S",     SheetSaveAs},
    {      "Ctrl+P",      SheetPrint},
    {"Ctrl+Shift+C", SheetCopyReport},
    {      "Ctrl+N",        NewSheet},
};

}  // namespace sheet_layout

// A dive sheet's window, as it opens empty: no menu, no default button (Enter in the dives
// starts a new line), no drops.
inline constexpr WindowLayout SheetWindow{
    .Caption = "Dive sheet - Untitled",
    .Controls = sheet_layout::SheetWindowControls,
    .ClientWidth = 13920,
    .ClientHeight = 9285,
    .ReadOnlyBox = NoControl,
    .DefaultButton = NoControl,
    .DropBox = NoControl,
    .Menu = {},
    .Keys = sheet_layout::SheetKeys,
};
static_assert(LaidOutSoundly(SheetWindow) && ShortcutsSound(SheetWindow) &&
              IdsFollowRows<SheetControl>(SheetWindow));

}  // namespace merrith
