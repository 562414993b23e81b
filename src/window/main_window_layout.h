#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string>
#include <string_view>

#include "difficulty/heights.h"

namespace merrith {

// The main window's caption, and the caption of its message boxes.
inline constexpr std::string_view WindowCaption = "Olvaro Merrith v2015-2021";
inline constexpr std::string_view MessageCaption = "Merrith";

// The kinds of control the window is made of.
enum class ControlKind { Frame, Option, Label, TextBox, Command };

// One control as laid out on paper: lengths in twips (1/1440 inch), positions inside a frame
// relative to the frame.
struct ControlLayout {
  std::string_view Name;  // optH and cmdGenTbl are arrays of controls, told apart by Index
  std::int16_t Index;     // the member's index in its array, or NotInArray
  ControlKind Kind;
  std::string_view Inside;   // the frame that holds it, empty for the window itself
  std::string_view Caption;  // a text box's initial text
  int Left;
  int Top;
  int Width;
  int Height;
};

inline constexpr std::int16_t NotInArray = -1;

namespace layout {
using enum ControlKind;

// Every control in tab order; frames and labels take no focus. The height buttons stand in
// three columns: springboard, platform and high-diving heights. Each optH index is the
// HeightIndex that its button selects.
inline constexpr ControlLayout MainWindowControls[] = {
  //      Name       Index     Kind   Inside          Caption  Left   Top Width Height
    {   "Frame1", NotInArray,   Frame,       "",              "H",  240,  240, 5292, 1332},
    {     "optH",          1,  Option, "Frame1", HeightCaption(1),  240,  240, 1572,  255},
    {     "optH",          2,  Option, "Frame1", HeightCaption(2),  240,  480, 1572,  255},
    {     "optH",          3,  Option, "Frame1", HeightCaption(3), 1920,  240, 1572,  255},
    {     "optH",          4,  Option, "Frame1", HeightCaption(4), 1920,  480, 1572,  255},
    {     "optH",          5,  Option, "Frame1", HeightCaption(5), 1920,  720, 1572,  255},
    {     "optH",          6,  Option, "Frame1", HeightCaption(6), 3600,  240, 1572,  255},
    {     "optH",          7,  Option, "Frame1", HeightCaption(7), 3600,  480, 1572,  255},
    {     "optH",          8,  Option, "Frame1", HeightCaption(8), 3600,  720, 1572,  255},
    {     "optH",          9,  Option, "Frame1", HeightCaption(9), 3600,  960, 1572,  255},
    {   "Label1", NotInArray,   Label,       "",    "Input code:",  360, 1680, 1452,  252},
    {     "txAC", NotInArray, TextBox,       "",               "", 1920, 1680, 1572,  270},
    {    "cmdOK", NotInArray, Command,       "",             "OK", 3600, 1680, 1095,  375},
    {   "Label2", NotInArray,   Label,       "",            "DD:",  360, 2040, 1452,  252},
    {     "txDD", NotInArray, TextBox,       "",               "", 1920, 2040, 1572,  270},
    {   "Frame2", NotInArray,   Frame,       "",    "Batch Table",  240, 2400, 5292, 1335},
    {   "Label3", NotInArray,   Label, "Frame2",     "File name:",  240,  360, 1095,  255},
    {     "txFN", NotInArray, TextBox, "Frame2",     "action.txt", 1440,  360, 3612,  270},
    {"cmdGenTbl",          0, Command, "Frame2",              "D",  600,  720, 1215,  375},
    {"cmdGenTbl",          1, Command, "Frame2",             "HD", 2040,  720, 1215,  375},
    {"cmdGenTbl",          2, Command, "Frame2",           "D+HD", 3480,  720, 1215,  375},
};

}  // namespace layout

using layout::MainWindowControls;

// The window's client area, in twips.
inline constexpr int ClientWidth = 5856;
inline constexpr int ClientHeight = 4080;

// The result box only shows results; Enter anywhere but on another button presses "OK".
inline constexpr std::string_view ReadOnlyBox = "txDD";
inline constexpr std::string_view DefaultButton = "cmdOK";

// The height selected when the window opens.
inline constexpr std::int32_t InitialHeightIndex = HeightIndexFirst;

// The row of the control Name (and Index, for a member of an array) in MainWindowControls, or
// the number of rows when there is no such control.
constexpr std::size_t ControlRow(std::string_view Name, std::int16_t Index = NotInArray) {
  std::size_t Row = 0;
  while (Row < std::size(MainWindowControls) &&
         (MainWindowControls[Row].Name != Name || MainWindowControls[Row].Index != Index))
    ++Row;
  return Row;
}

// A frame holds the controls laid out after it, so a toolkit meets each frame before its
// members.
constexpr bool FramesBeforeTheirMembers() {
  for (std::size_t Row = 0; Row < std::size(MainWindowControls); ++Row) {
    const ControlLayout& Control = MainWindowControls[Row];
    if (Control.Inside.empty()) continue;
    const std::size_t Frame = ControlRow(Control.Inside);
    if (Frame >= Row || MainWindowControls[Frame].Kind != ControlKind::Frame) return false;
  }
  return true;
}
static_assert(FramesBeforeTheirMembers());

// A rectangle in twips: the place of a control in the window's client area.
struct TwipsRect {
  int Left;
  int Top;
  int Width;
  int Height;
};

// Where Control stands in the window's client area: a frame's member moved by its frame's
// corner. For toolkits whose frames do not hold their members.
constexpr TwipsRect PlaceInWindow(const ControlLayout& Control) {
  TwipsRect Place{Control.Left, Control.Top, Control.Width, Control.Height};
  if (!Control.Inside.empty()) {
    const ControlLayout& Frame = MainWindowControls[ControlRow(Control.Inside)];
    Place.Left += Frame.Left;
    Place.Top += Frame.Top;
  }
  return Place;
}

// A control's unique name: an array member's name carries its index ("optH1", "cmdGenTbl0").
inline std::string ControlName(std::string_view Name, std::int16_t Index = NotInArray) {
  std::string Unique(Name);
  if (Index != NotInArray) Unique += std::to_string(Index);
  return Unique;
}
inline std::string ControlName(const ControlLayout& Control) {
  return ControlName(Control.Name, Control.Index);
}

// Twips in pixels at Dpi dots per inch, to the nearest pixel: 15 twips a pixel at 96 dpi.
constexpr int TwipsToPixels(int Twips, int Dpi) { return (Twips * Dpi + 720) / 1440; }

}  // namespace merrith
