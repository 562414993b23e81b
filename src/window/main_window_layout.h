#pragma once

#include <cstdint>
#include <string_view>

#include "difficulty/heights.h"
#include "window/window_layout.h"

namespace merrith {

// The main window's caption, and the caption of its message boxes.
inline constexpr std::string_view WindowCaption = "Olvaro Merrith v2015-2021";
inline constexpr std::string_view MessageCaption = "Merrith";

namespace layout {
using enum ControlKind;
using enum WindowCommand;

// Every control in tab order; frames and labels take no focus. The height buttons stand in
// three columns: springboard, platform and high-diving heights. Each optH index is the
// HeightIndex that its button selects.
// clang-format off
inline constexpr ControlLayout MainWindowControls[] = {
  //      Name       Index     Kind   Inside          Caption  Left   Top Width Height      Command
    {   "Frame1", NotInArray,   Frame,       "",              "H",  240,  240, 5292, 1332,         None},
    {     "optH",          1,  Option, "Frame1", HeightCaption(1),  240,  240, 1572,  255, SelectHeight},
    {     "optH",          2,  Option, "Frame1", HeightCaption(2),  240,  480, 1572,  255, SelectHeight},
    {     "optH",          3,  Option, "Frame1", HeightCaption(3), 1920,  240, 1572,  255, SelectHeight},
    {     "optH",          4,  Option, "Frame1", HeightCaption(4), 1920,  480, 1572,  255, SelectHeight},
    {     "optH",          5,  Option, "Frame1", HeightCaption(5), 1920,  720, 1572,  255, SelectHeight},
    {     "optH",          6,  Option, "Frame1", HeightCaption(6), 3600,  240, 1572,  255, SelectHeight},
    {     "optH",          7,  Option, "Frame1", HeightCaption(7), 3600,  480, 1572,  255, SelectHeight},
    {     "optH",          8,  Option, "Frame1", HeightCaption(8), 3600,  720, 1572,  255, SelectHeight},
    {     "optH",          9,  Option, "Frame1", HeightCaption(9), 3600,  960, 1572,  255, SelectHeight},
    {   "Label1", NotInArray,   Label,       "",    "Input code:",  360, 1680, 1452,  252,         None},
    {     "txAC", NotInArray, TextBox,       "",               "", 1920, 1680, 1572,  270,         None},
    {    "cmdOK", NotInArray, Command,       "",             "OK", 3600, 1680, 1095,  375,     Evaluate},
    {   "Label2", NotInArray,   Label,       "",            "DD:",  360, 2040, 1452,  252,         None},
    {     "txDD", NotInArray, TextBox,       "",               "", 1920, 2040, 1572,  270,         None},
    {   "Frame2", NotInArray,   Frame,       "",    "Batch Table",  240, 2400, 5292, 1335,         None},
    {   "Label3", NotInArray,   Label, "Frame2",     "File name:",  240,  360, 1095,  255,         None},
    {     "txFN", NotInArray, TextBox, "Frame2",     "action.txt", 1440,  360, 3612,  270,         None},
    {"cmdGenTbl",          0, Command, "Frame2",              "D",  600,  720, 1215,  375,   BatchTable},
    {"cmdGenTbl",          1, Command, "Frame2",             "HD", 2040,  720, 1215,  375,   BatchTable},
    {"cmdGenTbl",          2, Command, "Frame2",           "D+HD", 3480,  720, 1215,  375,   BatchTable},
};
// clang-format on

// The menu bar, menu by menu, with the access keys and shortcuts users know from elsewhere.
inline constexpr MenuItem MainMenu[] = {
  //     Menu               Caption  Shortcut           Command
    {  "&File",        "&Open list...", "Ctrl+O",         OpenList},
    {  "&File",      "&New dive sheet", "Ctrl+N",         NewSheet},
    {  "&File",  "Open &dive sheet...",       "",        OpenSheet},
    {  "&File",                     "",       "",             None},
    {  "&File",                "E&xit",       "",             Exit},
    {"&Tables",   "&Chart of the list",       "",      ChartOfList},
    {"&Tables", "Chart of &every dive",       "", ChartOfEveryDive},
    {"&Tables", "Open the &last table",       "",    OpenLastTable},
    {  "&Help",       "&About Merrith",       "",            About},
};

}  // namespace layout

using layout::MainMenu;
using layout::MainWindowControls;

// The main window: the client area below its menu bar is 5856 x 4080 twips; the result box
// only shows results, and Enter anywhere but on another button presses "OK".
inline constexpr WindowLayout MainWindow{
    .Caption = WindowCaption,
    .Controls = MainWindowControls,
    .ClientWidth = 5856,
    .ClientHeight = 4080,
    .ReadOnlyBox = "txDD",
    .DefaultButton = "cmdOK",
    .Menu = MainMenu,
    .Keys = {},
};
static_assert(LaidOutSoundly(MainWindow) && ShortcutsSound(MainWindow));

// The height selected when the window opens.
inline constexpr std::int32_t InitialHeightIndex = HeightIndexFirst;

}  // namespace merrith
