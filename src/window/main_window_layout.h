#pragma once

#include <cstdint>
#include <string_view>

#include "difficulty/heights.h"
#include "window/window_layout.h"

namespace merrith {

// The main window's caption, and the caption of its message boxes.
inline constexpr std::string_view WindowCaption = "Olvaro Merrith v2015-2021";
inline constexpr std::string_view MessageCaption = "Merrith";

// The main window's controls, in the order of its table's rows.
// clang-format off
enum class MainControl : std::uint8_t {
  Frame1, optH1, optH2, optH3, optH4, optH5, optH6, optH7, optH8, optH9,
  Label1, txAC, cmdOK, Label2, txDD,
  Frame2, Label3, txFN, cmdGenTbl0, cmdGenTbl1, cmdGenTbl2,
  Count
};
// clang-format on

namespace main_layout {
using enum ControlKind;
using enum WindowCommand;
using enum MainControl;

// Every control in tab order; frames and labels take no focus. The height buttons stand in
// three columns: springboard, platform and high-diving heights. Each optH index is the
// HeightIndex that its button selects.
// clang-format off
inline constexpr ControlLayout MainWindowControls[] = {
  //        Id       Name       Index     Kind      Inside           Caption  Left   Top Width Height      Command
    {    Frame1,   "Frame1", NotInArray,   Frame, NoControl,              "H",  240,  240, 5292, 1332,         None},
    {     optH1,     "optH",          1,  Option,    Frame1, HeightCaption(1),  240,  240, 1572,  255, SelectHeight},
    {     optH2,     "optH",          2,  Option,    Frame1, HeightCaption(2),  240,  480, 1572,  255, SelectHeight},
    {     optH3,     "optH",          3,  Option,    Frame1, HeightCaption(3), 1920,  240, 1572,  255, SelectHeight},
    {     optH4,     "optH",          4,  Option,    Frame1, HeightCaption(4), 1920,  480, 1572,  255, SelectHeight},
    {     optH5,     "optH",          5,  Option,    Frame1, HeightCaption(5), 1920,  720, 1572,  255, SelectHeight},
    {     optH6,     "optH",          6,  Option,    Frame1, HeightCaption(6), 3600,  240, 1572,  255, SelectHeight},
    {     optH7,     "optH",          7,  Option,    Frame1, HeightCaption(7), 3600,  480, 1572,  255, SelectHeight},
    {     optH8,     "optH",          8,  Option,    Frame1, HeightCaption(8), 3600,  720, 1572,  255, SelectHeight},
    {     optH9,     "optH",          9,  Option,    Frame1, HeightCaption(9), 3600,  960, 1572,  255, SelectHeight},
    {    Label1,   "Label1", NotInArray,   Label, NoControl,    "Input code:",  360, 1680, 1452,  252,         None},
    {      txAC,     "txAC", NotInArray, TextBox, NoControl,               "", 1920, 1680, 1572,  270,         None},
    {     cmdOK,    "cmdOK", NotInArray, Command, NoControl,             "OK", 3600, 1680, 1095,  375,     Evaluate},
    {    Label2,   "Label2", NotInArray,   Label, NoControl,            "DD:",  360, 2040, 1452,  252,         None},
    {      txDD,     "txDD", NotInArray, TextBox, NoControl,               "", 1920, 2040, 1572,  270,         None},
    {    Frame2,   "Frame2", NotInArray,   Frame, NoControl,    "Batch Table",  240, 2400, 5292, 1335,         None},
    {    Label3,   "Label3", NotInArray,   Label,    Frame2,     "File name:",  240,  360, 1095,  255,         None},
    {      txFN,     "txFN", NotInArray, TextBox,    Frame2,     "action.txt", 1440,  360, 3612,  270,         None},
    {cmdGenTbl0,"cmdGenTbl",          0, Command,    Frame2,              "D",  600,  720, 1215,  375,   BatchTable},
    {cmdGenTbl1,"cmdGenTbl",          1, Command,    Frame2,             "HD", 2040,  720, 1215,  375,   BatchTable},
    {cmdGenTbl2,"cmdGenTbl",          2, Command,    Frame2,           "D+HD", 3480,  720, 1215,  375,   BatchTable},
};
// clang-format on

// The menu bar, menu by menu, with the access keys and shortcuts users know from elsewhere.
inline constexpr MenuItem MainMenu[] = {
  //     Menu               Caption  Shortcut           Command
    {  "&File",        "&Open list...", "Ctrl+O",         OpenList},
    {  "&File",      "&New dive sheet", "Ctrl+N",         NewSheet},
    {  "&File",  "Open &dive sheet...",       "",        OpenSheet},
    {  "&File",                     "",       "",             None},
    {  "&File",  "New &competition...",       "",   NewCompetition},
    {  "&File", "Open co&mpetition...",       "",  OpenCompetition},
    {  "&File",                     "",       "",             None},
    {  "&File",                "E&xit",       "",             Exit},
    {"&Tables",   "&Chart of the list",       "",      ChartOfList},
    {"&Tables", "Chart of &every dive",       "", ChartOfEveryDive},
    {"&Tables", "Open the &last table",       "",    OpenLastTable},
    {  "&Help",       "&About Merrith",       "",            About},
};

}  // namespace main_layout

// The main window: the client area below its menu bar is 5856 x 4080 twips; the result box
// only shows results, Enter anywhere but on another button presses "OK", and a file dropped on
// the window names the list.
inline constexpr WindowLayout MainWindow{
    .Caption = WindowCaption,
    .Controls = main_layout::MainWindowControls,
    .ClientWidth = 5856,
    .ClientHeight = 4080,
    .ReadOnlyBox = MainControl::txDD,
    .DefaultButton = MainControl::cmdOK,
    .DropBox = MainControl::txFN,
    .Menu = main_layout::MainMenu,
    .Keys = {},
};
static_assert(LaidOutSoundly(MainWindow) && ShortcutsSound(MainWindow) &&
              IdsFollowRows<MainControl>(MainWindow));

// The height selected when the window opens.
inline constexpr std::int32_t InitialHeightIndex = HeightIndexFirst;

}  // namespace merrith
