#pragma once

#include <cstdint>

#include "window/window_layout.h"

namespace merrith::testing {

enum class TestControl : std::uint8_t { txJ1, txJ2, grdDives, cmdRecord, Count };

namespace test_layout {
using enum ControlKind;
using enum WindowCommand;
using enum TestControl;
// clang-format off
constexpr ControlLayout Controls[] = {
  //       Id       Name       Index      Kind     Inside   Caption Left   Top Width Height      Command
    {     txJ1,      "txJ",          1, AwardBox, NoControl,       "", 120,  120,  600,  300,        None},
    {     txJ2,      "txJ",          2, AwardBox, NoControl,       "", 840,  120,  600,  300,        None},
    { grdDives, "grdDives", NotInArray,     Grid, NoControl,       "", 120,  600, 4800, 2400, CorrectDive},
    {cmdRecord,"cmdRecord", NotInArray,  Command, NoControl, "Record", 120, 3120, 1200,  375,  RecordDive},
};
// clang-format on
}  // namespace test_layout

// Two award boxes, a grid and a default button, and files dropped on the window going to its
// controller.
constexpr WindowLayout TestWindow{
    .Caption = "Controls",
    .Controls = test_layout::Controls,
    .ClientWidth = 5040,
    .ClientHeight = 3600,
    .ReadOnlyBox = NoControl,
    .DefaultButton = TestControl::cmdRecord,
    .DropBox = NoControl,
    .Menu = {},
    .Keys = {},
};
static_assert(LaidOutSoundly(TestWindow) && IdsFollowRows<TestControl>(TestWindow));

}  // namespace merrith::testing
