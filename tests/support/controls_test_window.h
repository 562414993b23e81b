#pragma once

#include <cstdint>
#include <string>
#include <vector>

#include "window/window_layout.h"
#include "window/window_view.h"

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

// A controller that writes down what it hears, the files of a drop by their names. In an award
// box digits and Backspace pass, Space moves on to the second box, any other key is refused
// with a tip.
struct Listener : WindowController {
  WindowView* View = nullptr;
  std::vector<std::string> Heard;

  static std::string Narrow(std::u16string_view Text) { return {Text.begin(), Text.end()}; }
  void Run(WindowCommand Command, ControlId Control) override {
    Heard.push_back("run " + std::to_string(int(Command)) + " at " + std::to_string(Control.Row));
  }
  bool QueryClose() override { return true; }
  KeyAnswer Key(ControlId Box, KeyPress Key) override {
    using enum KeyPress::Kind;
    const bool Digit = Key.Pressed == Char && Key.Char >= u'0' && Key.Char <= u'9';
    Heard.push_back("key " +
                    (Key.Pressed == Char ? Narrow(std::u16string(1, Key.Char))
                                         : std::to_string(int(Key.Pressed))) +
                    " at " + std::to_string(Box.Row));
    if (Digit || Key.Pressed == Backspace) return {};
    if (Key.Pressed == Space) {
      View->Focus(TestControl::txJ2);
      return {KeyAnswer::Kind::Handled, {}};
    }
    return {KeyAnswer::Kind::Refuse, u"Not an award"};
  }
  void Dropped(std::span<const std::u16string> Paths) override {
    std::string Files;
    for (const std::u16string& Path : Paths) {
      const std::string Name = Narrow(Path.substr(Path.find_last_of(u"/\\") + 1));
      Files += (Files.empty() ? "" : "|") + Name;
    }
    Heard.push_back("dropped " + Files);
  }
};

}  // namespace merrith::testing
