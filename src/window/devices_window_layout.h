#pragma once

#include <cstdint>

#include "window/window_layout.h"

namespace merrith {

// The judges' devices' window's controls, in the order of its table's rows.
// clang-format off
enum class DevicesControl : std::uint8_t {
  lblAddress, txAddress, lblPort, txPort, lblWhere,
  cmdStart, cmdStop, cmdCards, lblBases, grdSeats,
  Count
};
// clang-format on

namespace devices_layout {
using enum ControlKind;
using enum WindowCommand;
using enum DevicesControl;

// Where to serve (every interface and port 8080 unless the user picks others) with Start,
// then the addresses to type on the devices and each seat's device: one row a judge's seat of
// the largest panel, the referee's and the header without scrolling.
// clang-format off
inline constexpr ControlLayout DevicesWindowControls[] = {
  //        Id         Name       Index      Kind     Inside                         Caption   Left   Top  Width Height          Command
    {lblAddress, "lblAddress", NotInArray,    Label, NoControl,                     "Address:",   240,  270,  1080,   255,           None},
    { txAddress,  "txAddress", NotInArray,  TextBox, NoControl,                      "0.0.0.0",  1380,  225,  2400,   330,           None},
    {   lblPort,    "lblPort", NotInArray,    Label, NoControl,                        "Port:",  4020,  270,   720,   255,           None},
    {    txPort,     "txPort", NotInArray,  TextBox, NoControl,                         "8080",  4800,  225,  1200,   330,           None},
    {  lblWhere,   "lblWhere", NotInArray,    Label, NoControl,
           "0.0.0.0: every interface; 8080: or the next free port; 0: any free port",   240,  660,  6720,   255,           None},
    {  cmdStart,   "cmdStart", NotInArray,  Command, NoControl,                        "Start",   240, 1050,  1500,   375,   DevicesStart},
    {   cmdStop,    "cmdStop", NotInArray,  Command, NoControl,                         "Stop",  1860, 1050,  1500,   375,    DevicesStop},
    {  cmdCards,   "cmdCards", NotInArray,  Command, NoControl,                   "Seat cards",  3480, 1050,  1800,   375,   DevicesCards},
    {  lblBases,   "lblBases", NotInArray,    Label, NoControl,                             "",   240, 1590,  6720,  1020,           None},
    {  grdSeats,   "grdSeats", NotInArray,     Grid, NoControl,                             "",   240, 2730,  6720,  3960,           None},
};
// clang-format on

}  // namespace devices_layout

// The judges' devices' window: Enter starts the server.
inline constexpr WindowLayout DevicesWindow{
    .Caption = "Judges' devices",
    .Controls = devices_layout::DevicesWindowControls,
    .ClientWidth = 7200,
    .ClientHeight = 6930,
    .ReadOnlyBox = NoControl,
    .DefaultButton = DevicesControl::cmdStart,
    .DropBox = NoControl,
    .Menu = {},
    .Keys = {},
};
static_assert(LaidOutSoundly(DevicesWindow) && ShortcutsSound(DevicesWindow) &&
              IdsFollowRows<DevicesControl>(DevicesWindow));

}  // namespace merrith
