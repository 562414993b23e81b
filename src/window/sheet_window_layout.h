#pragma once

#include "window/window_layout.h"

namespace merrith {

namespace layout {
using enum ControlKind;
using enum WindowCommand;

// Every control in tab order: the event and the diver across the top, the dives beside the
// report, which is wide enough for a dive's name in words and tall enough for eleven dives
// with their total and problems; the buttons below.
// clang-format off
inline constexpr ControlLayout SheetWindowControls[] = {
  //      Name       Index       Kind Inside        Caption  Left   Top  Width Height          Command
    {   "Label1", NotInArray,     Label,   "",      "Event:",  240,  278,   900,  255,            None},
    { "cboEvent", NotInArray,  DropDown,   "",            "", 1200,  240,  4920,  330, SheetEventPicked},
    {   "Label2", NotInArray,     Label,   "",      "Diver:", 6480,  278,   780,  255,            None},
    {  "txDiver", NotInArray,   TextBox,   "",            "", 7320,  255,  5040,  300,  SheetDiverTyped},
    {   "Label3", NotInArray,     Label,   "",      "Dives:",  240,  780,  3000,  255,            None},
    {  "txDives", NotInArray,  LinesBox,   "",            "",  240, 1050,  3000, 5700,  SheetDivesTyped},
    {   "Label4", NotInArray,     Label,   "",     "Report:", 3480,  780,  8880,  255,            None},
    { "txReport", NotInArray, ReportBox,   "",            "", 3480, 1050,  8880, 5700,            None},
    {  "cmdOpen", NotInArray,   Command,   "",     "Open...",  240, 6990,  1215,  375,       SheetOpen},
    {  "cmdSave", NotInArray,   Command,   "",        "Save", 1575, 6990,  1215,  375,       SheetSave},
    {"cmdSaveAs", NotInArray,   Command,   "",  "Save as...", 2910, 6990,  1215,  375,     SheetSaveAs},
    { "cmdPrint", NotInArray,   Command,   "",    "Print...", 9810, 6990,  1215,  375,      SheetPrint},
    {  "cmdCopy", NotInArray,   Command,   "", "Copy report",11145, 6990,  1215,  375, SheetCopyReport},
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
    .ClientWidth = 12600,
    .ClientHeight = 7605,
    .ReadOnlyBox = "",
    .DefaultButton = "",
    .Menu = {},
    .Keys = layout::SheetKeys,
};
static_assert(LaidOutSoundly(SheetWindow) && ShortcutsSound(SheetWindow));

}  // namespace merrith
