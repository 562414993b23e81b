#pragma once

#include <cstddef>
#include <cstdint>
#include <iterator>
#include <string_view>

#include "scoring/competition.h"
#include "scoring/decision.h"
#include "scoring/panel.h"
#include "window/window_layout.h"

namespace merrith {

// The recorder's window's controls, in the order of its table's rows: one award box a seat of
// the largest panel, each under its judge's label.
// clang-format off
enum class CompetitionControl : std::uint8_t {
  lblUpNext, lblDive,
  lblJudge1, lblJudge2, lblJudge3, lblJudge4, lblJudge5, lblJudge6,
  lblJudge7, lblJudge8, lblJudge9, lblJudge10, lblJudge11,
  txAward1, txAward2, txAward3, txAward4, txAward5, txAward6,
  txAward7, txAward8, txAward9, txAward10, txAward11,
  lblDecision, cboDecision, cmdRecord, cmdCancel, lblRounds,
  lblStandings, grdStandings, cboStatus, cmdStatus, lblDives, grdDives,
  cmdPrint, cmdExport, lblTop, txTop, cmdNext,
  lblSeed, txSeed, cmdDraw, cmdStartList, cmdRanking, cmdJudges,
  Count
};
// clang-format on

// The award box of seat Index (from 0), and its judge's label.
constexpr CompetitionControl AwardBoxOf(int Index) {
  return static_cast<CompetitionControl>(static_cast<int>(CompetitionControl::txAward1) + Index);
}
constexpr CompetitionControl JudgeLabelOf(int Index) {
  return static_cast<CompetitionControl>(static_cast<int>(CompetitionControl::lblJudge1) + Index);
}

// What the referee's drop-down offers, in its order: the decisions a recorder keys most.
struct DecisionChoice {
  std::u16string_view Caption;
  Decision Decided;
};
// clang-format off
inline constexpr DecisionChoice DecisionChoices[] = {
  //         Caption  Failed               Cap  Restart  Unsafe
    {        u"None", {false,               {},   false,  false}},
    { u"Failed dive", { true,               {},   false,  false}},
    {   u"At most 2", {false, CapOtherPosition,   false,  false}},
    {u"At most 4\u00BD", {false,      CapArms,   false,  false}},
    {    u"Re-start", {false,               {},    true,  false}},
};
// clang-format on

// What the status drop-down offers, in its order: diving on, or each way of stopping.
struct StatusChoice {
  std::u16string_view Caption;
  DiverStatus Status;
};
// clang-format off
inline constexpr StatusChoice StatusChoices[] = {
  //             Caption                  Status
    {           u"Dives on",                  DiverStatus::Ok},
    { u"Out of competition",    DiverStatus::OutOfCompetition},
    {          u"Withdrawn",           DiverStatus::Withdrawn},
    {      u"Did not start",         DiverStatus::DidNotStart},
    {       u"Disqualified",        DiverStatus::Disqualified},
};
// clang-format on
static_assert(
    [] {
      std::size_t Row = 0;
      for (const StatusChoice& Choice : StatusChoices)
        if (Choice.Status != StatusRows[Row++].Status) return false;
      return Row == std::size(StatusRows);
    }(),
    "each status once, in the order of StatusRows");

namespace competition_layout {
using enum ControlKind;
using enum WindowCommand;
using enum CompetitionControl;

// Every control in tab order: the dive up next as the announcer reads it, the award boxes in
// seating order with the decision and the Record button beside them, then the standings (24
// divers and their header without scrolling, at rows of 19 pixels at 96 dpi) with the status
// of the diver picked there below them, beside the dives recorded with the results' buttons
// and the next phase's below them; last the draw with its seed (the system's where none is
// typed) and the buttons of the other pages.
// clang-format off
inline constexpr ControlLayout CompetitionWindowControls[] = {
  //          Id           Name       Index      Kind     Inside              Caption   Left   Top  Width Height             Command
    {   lblUpNext,   "lblUpNext", NotInArray,     Label, NoControl,           "Up next:",   240,  240,   960,   255,              None},
    {     lblDive,     "lblDive", NotInArray,     Label, NoControl,                   "",  1260,  240, 13140,   255,              None},
    {   lblJudge1,    "lblJudge",          1,     Label, NoControl,                 "J1",   240,  600,   720,   255,              None},
    {   lblJudge2,    "lblJudge",          2,     Label, NoControl,                 "J2",  1080,  600,   720,   255,              None},
    {   lblJudge3,    "lblJudge",          3,     Label, NoControl,                 "J3",  1920,  600,   720,   255,              None},
    {   lblJudge4,    "lblJudge",          4,     Label, NoControl,                 "J4",  2760,  600,   720,   255,              None},
    {   lblJudge5,    "lblJudge",          5,     Label, NoControl,                 "J5",  3600,  600,   720,   255,              None},
    {   lblJudge6,    "lblJudge",          6,     Label, NoControl,                 "J6",  4440,  600,   720,   255,              None},
    {   lblJudge7,    "lblJudge",          7,     Label, NoControl,                 "J7",  5280,  600,   720,   255,              None},
    {   lblJudge8,    "lblJudge",          8,     Label, NoControl,                 "J8",  6120,  600,   720,   255,              None},
    {   lblJudge9,    "lblJudge",          9,     Label, NoControl,                 "J9",  6960,  600,   720,   255,              None},
    {  lblJudge10,    "lblJudge",         10,     Label, NoControl,                "J10",  7800,  600,   720,   255,              None},
    {  lblJudge11,    "lblJudge",         11,     Label, NoControl,                "J11",  8640,  600,   720,   255,              None},
    {    txAward1,     "txAward",          1,  AwardBox, NoControl,                   "",   240,  870,   720,   360,              None},
    {    txAward2,     "txAward",          2,  AwardBox, NoControl,                   "",  1080,  870,   720,   360,              None},
    {    txAward3,     "txAward",          3,  AwardBox, NoControl,                   "",  1920,  870,   720,   360,              None},
    {    txAward4,     "txAward",          4,  AwardBox, NoControl,                   "",  2760,  870,   720,   360,              None},
    {    txAward5,     "txAward",          5,  AwardBox, NoControl,                   "",  3600,  870,   720,   360,              None},
    {    txAward6,     "txAward",          6,  AwardBox, NoControl,                   "",  4440,  870,   720,   360,              None},
    {    txAward7,     "txAward",          7,  AwardBox, NoControl,                   "",  5280,  870,   720,   360,              None},
    {    txAward8,     "txAward",          8,  AwardBox, NoControl,                   "",  6120,  870,   720,   360,              None},
    {    txAward9,     "txAward",          9,  AwardBox, NoControl,                   "",  6960,  870,   720,   360,              None},
    {   txAward10,     "txAward",         10,  AwardBox, NoControl,                   "",  7800,  870,   720,   360,              None},
    {   txAward11,     "txAward",         11,  AwardBox, NoControl,                   "",  8640,  870,   720,   360,              None},
    { lblDecision, "lblDecision", NotInArray,     Label, NoControl,          "Decision:",  9720,  600,  2160,   255,              None},
    { cboDecision, "cboDecision", NotInArray,  DropDown, NoControl,                   "",  9720,  885,  2160,   330,    DecisionPicked},
    {   cmdRecord,   "cmdRecord", NotInArray,   Command, NoControl,             "Record", 12120,  862,  2280,   375,        RecordDive},
    {   cmdCancel,   "cmdCancel", NotInArray,   Command, NoControl,  "Cancel correction", 12120, 1320,  2280,   375,  CancelCorrection},
    {   lblRounds,   "lblRounds", NotInArray,     Label, NoControl,                   "",   240, 1380, 11640,   255,              None},
    {lblStandings,"lblStandings", NotInArray,     Label, NoControl,         "Standings:",   240, 1800,  7200,   255,              None},
    {grdStandings,"grdStandings", NotInArray,      Grid, NoControl,                   "",   240, 2070,  7200,  7200,              None},
    {   cboStatus,   "cboStatus", NotInArray,  DropDown, NoControl,                   "",   240, 9472,  2640,   330,              None},
    {   cmdStatus,   "cmdStatus", NotInArray,   Command, NoControl,         "Set status",  3000, 9450,  1815,   375,    SetDiverStatus},
    {    lblDives,    "lblDives", NotInArray,     Label, NoControl,
                             "Dives recorded (Enter or a double-click corrects one):",  7680, 1800,  6720,   255,              None},
    {    grdDives,    "grdDives", NotInArray,      Grid, NoControl,                   "",  7680, 2070,  6720,  7200,       CorrectDive},
    {    cmdPrint,    "cmdPrint", NotInArray,   Command, NoControl,      "Print results",  7680, 9450,  1815,   375,      PrintResults},
    {   cmdExport,   "cmdExport", NotInArray,   Command, NoControl,      "Export CSV...",  9615, 9450,  1815,   375,         ExportCsv},
    {      lblTop,      "lblTop", NotInArray,     Label, NoControl,               "Top:", 11550, 9510,   600,   255,              None},
    {       txTop,       "txTop", NotInArray,   TextBox, NoControl,                 "12", 12180, 9472,   600,   330,              None},
    {     cmdNext,     "cmdNext", NotInArray,   Command, NoControl,      "Next phase...", 12900, 9450,  1500,   375,     MakeNextPhase},
    {     lblSeed,     "lblSeed", NotInArray,     Label, NoControl,              "Seed:",   240, 9990,   600,   255,              None},
    {      txSeed,      "txSeed", NotInArray,   TextBox, NoControl,                   "",   900, 9952,  1980,   330,              None},
    {     cmdDraw,     "cmdDraw", NotInArray,   Command, NoControl,               "Draw",  3000, 9930,  1815,   375,    DrawStartOrder},
    {cmdStartList,"cmdStartList", NotInArray,   Command, NoControl,         "Start list",  7680, 9930,  1815,   375,    PrintStartList},
    {  cmdRanking,  "cmdRanking", NotInArray,   Command, NoControl,"Ranking after round",  9615, 9930,  2280,   375,      PrintRanking},
    {   cmdJudges,   "cmdJudges", NotInArray,   Command, NoControl,   "Judges' analysis", 12015, 9930,  2385,   375,       PrintJudges},
};
// clang-format on

// The menu bar: the pages of the event and its files, each also a button below the grids;
// the judges' devices, served from this window.
inline constexpr MenuItem CompetitionMenu[] = {
  //         Menu                      Caption  Shortcut         Command
    {"&Competition",  "&Draw the starting order",       "Ctrl+D", DrawStartOrder},
    {"&Competition",                          "",             "",           None},
    {"&Competition",               "&Start list",       "Ctrl+L", PrintStartList},
    {"&Competition", "&Ranking after this round",       "Ctrl+R",   PrintRanking},
    {"&Competition",            "&Print results",       "Ctrl+P",   PrintResults},
    {"&Competition",         "&Judges' analysis",       "Ctrl+J",    PrintJudges},
    {"&Competition",                          "",             "",           None},
    {"&Competition",            "&Next phase...",       "Ctrl+N",  MakeNextPhase},
    {"&Competition",            "&Export CSV...",       "Ctrl+E",      ExportCsv},
    {    "&Devices",       "&Judges' devices...", "Ctrl+Shift+J",  JudgesDevices},
};

}  // namespace competition_layout

// The recorder's window: its menu; Enter off the award boxes and the other buttons
// records the dive; no drops.
inline constexpr WindowLayout CompetitionWindow{
    .Caption = "Competition - Untitled",
    .Controls = competition_layout::CompetitionWindowControls,
    .ClientWidth = 14640,
    .ClientHeight = 10545,
    .ReadOnlyBox = NoControl,
    .DefaultButton = CompetitionControl::cmdRecord,
    .DropBox = NoControl,
    .Menu = competition_layout::CompetitionMenu,
    .Keys = {},
};
static_assert(LaidOutSoundly(CompetitionWindow) && ShortcutsSound(CompetitionWindow) &&
              IdsFollowRows<CompetitionControl>(CompetitionWindow));
static_assert(static_cast<int>(CompetitionControl::txAward11) -
                      static_cast<int>(CompetitionControl::txAward1) + 1 ==
                  MaxJudges,
              "one award box a seat of the largest panel");

}  // namespace merrith
