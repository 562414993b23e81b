#pragma once

#include <cstdint>

#include "window/window_layout.h"

namespace merrith {

// The new competition's window's controls, in the order of its table's rows.
// clang-format off
enum class NewCompetitionControl : std::uint8_t {
  lblEvent, cboEvent, lblBook, cboBook, lblPanel, cboPanel,
  lblDivers, grdDivers, cmdAdd, cmdRemove, cmdUp, cmdDown,
  cmdStart, cmdCancel,
  Count
};
// clang-format on

namespace new_competition_layout {
using enum ControlKind;
using enum WindowCommand;
using enum NewCompetitionControl;

// Every control in tab order: the event, its book and the panel across the top, the divers in
// starting order with the buttons that add and order them beside, Start and Cancel below.
// clang-format off
inline constexpr ControlLayout NewCompetitionControls[] = {
  //       Id         Name       Index      Kind     Inside                  Caption   Left   Top  Width Height                 Command
    { lblEvent,  "lblEvent", NotInArray,    Label, NoControl,                "Event:",   240,  278,   900,   255,                   None},
    { cboEvent,  "cboEvent", NotInArray, DropDown, NoControl,                      "",  1200,  240,  4920,   330, CompetitionEventPicked},
    {  lblBook,   "lblBook", NotInArray,    Label, NoControl,                 "Book:",  6360,  278,   660,   255,                   None},
    {  cboBook,   "cboBook", NotInArray, DropDown, NoControl,                      "",  7080,  240,  2400,   330,  CompetitionBookPicked},
    { lblPanel,  "lblPanel", NotInArray,    Label, NoControl,                "Panel:",   240,  758,   900,   255,                   None},
    { cboPanel,  "cboPanel", NotInArray, DropDown, NoControl,                      "",  1200,  720,  3000,   330,                   None},
    {lblDivers, "lblDivers", NotInArray,    Label, NoControl,
                            "Divers in starting order (sheet files; drop them here):",   240, 1260,  9240,   255,                   None},
    {grdDivers, "grdDivers", NotInArray,     Grid, NoControl,                      "",   240, 1530,  7800,  4800,                   None},
    {   cmdAdd,    "cmdAdd", NotInArray,  Command, NoControl,         "Add sheets...",  8280, 1530,  1215,   375,              AddDivers},
    {cmdRemove, "cmdRemove", NotInArray,  Command, NoControl,                "Remove",  8280, 2025,  1215,   375,            RemoveDiver},
    {    cmdUp,     "cmdUp", NotInArray,  Command, NoControl,                    "Up",  8280, 2520,  1215,   375,                DiverUp},
    {  cmdDown,   "cmdDown", NotInArray,  Command, NoControl,                  "Down",  8280, 3015,  1215,   375,              DiverDown},
    { cmdStart,  "cmdStart", NotInArray,  Command, NoControl,              "Start...",  6825, 6570,  1215,   375,       StartCompetition},
    {cmdCancel, "cmdCancel", NotInArray,  Command, NoControl,                "Cancel",  8280, 6570,  1215,   375,            CloseWindow},
};
// clang-format on

// Shortcuts of the buttons that add and order the divers.
inline constexpr KeyBinding NewCompetitionKeys[] = {
  //   Shortcut           Command
    {      "Ctrl+O", AddDivers},
    {"Ctrl+Shift+U",   DiverUp},
    {"Ctrl+Shift+D", DiverDown},
};

}  // namespace new_competition_layout

// The new competition's window: Enter off the other buttons starts it; sheet files dropped on
// it join the divers.
inline constexpr WindowLayout NewCompetitionWindow{
    .Caption = "New competition",
    .Controls = new_competition_layout::NewCompetitionControls,
    .ClientWidth = 9735,
    .ClientHeight = 7185,
    .ReadOnlyBox = NoControl,
    .DefaultButton = NewCompetitionControl::cmdStart,
    .DropBox = NoControl,
    .Menu = {},
    .Keys = new_competition_layout::NewCompetitionKeys,
};
static_assert(LaidOutSoundly(NewCompetitionWindow) && ShortcutsSound(NewCompetitionWindow) &&
              IdsFollowRows<NewCompetitionControl>(NewCompetitionWindow));

}  // namespace merrith
