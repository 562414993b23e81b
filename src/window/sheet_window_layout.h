#pragma once

#include "window/window_layout.h"

namespace merrith {

namespace layout {
using enum ControlKind;
using enum WindowCommand;

// Every control in tab order: the event and the diver across the top, the dives beside the
// report, which shows a report's 88 columns and its 30 lines for eleven dives with a few
// problems in a fixed-width font of the message font's height (7 by 14 pixels at 96 dpi), the
// scroll bars beside; the buttons below.
// clang-format off
inline constexpr ControlLayout SheetWindowControls[] = {
  //      Name       Index       Kind Inside        Caption  Left   Top  Width Height          Command
    {   "Label1", NotInArray,     Label,   "",      "Event:",  240,  278,   900,  255,            None},
    { "cboEvent", NotInArray,  DropDown,   "",            "", 1200,  240,  4920,  330, SheetEventPicked},
    {   "Label2", NotInArray,     Label,   "",      "Diver:", 6480,  278,   780,  255,            None},
    {  "txDiver", NotInArray,   TextBox,   "",            "", 7320,  255,  6360,  300,  SheetDiverTyped},
    {   "Label3", NotInArray,     Label,   "",      "Dives:",  240,  780,  3000,  255,            None},
    {  "txDives", NotInArray,  LinesBox,   "",            "",  240, 1050,  3000, 6900,  SheetDivesTyped},
    {   "Label4", NotInArray,     Label,   "",     "Report:", 3480,  780, 10200,  255,            None},
    { "txReport", NotInArray, ReportBox,   "",            "", 3480, 1050, 10200, 6900,            None},
    {  "cmdOpen", NotInArray,   Command,   "",     "Open...",  240, 8190,  1215,  375,       SheetOpen},
    {  "cmdSave", NotInArray,   Command,   "",        "Save", 1575, 8190,  1215,  375,       SheetSave},
    {"cmdSaveAs", NotInArray,   Command,   "",  "Save as...", 2910, 8190,  1215,  375,     SheetSaveAs},
    { "cmdPrint", NotInArray,   Command,   "",    "Print...",11130, 8190,  1215,  375,      SheetPrint},
    {  "cmdCopy", NotInArray,   Command,   "", "Copy report",12465, 8190,  1215,  375, SheetCopyReport},
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

}  // namespace layout

// A dive sheet's window, as it opens empty: no menu, no default button (Enter in the dives
// starts a new line).
inline constexpr WindowLayout SheetWindow{
    .Caption = "Dive sheet - Untitled",
    .Controls = layout::SheetWindowControls,
    .ClientWidth = 13920,
    .ClientHeight = 8805,
    .ReadOnlyBox = "",
    .DefaultButton = "",
    .Menu = {},
    .Keys = layout::SheetKeys,
};
static_assert(LaidOutSoundly(SheetWindow) && ShortcutsSound(SheetWindow));

}  // namespace merrith
