#pragma once

#include <array>
#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "difficulty/dd_tenths.h"
#include "scoring/panel.h"

namespace merrith {

// What can be wrong in a competition, whichever way it came in: its text file, its
// spreadsheet form, the recorder's keys or a judge's pad. Each fault keeps the competition
// from being scored, but for those marked a problem: the dive is scored as given and the
// results name the problem.
enum class CompetitionFault : std::uint8_t {
  // The head of the text file.
  HeadLine,          // a line of the head that is no key of it
  KeyTwice,          // a second Event:, Book:, Panel: ... line
  NoEvent,           // no Event: line before the divers
  NoPanel,           // no Panel: line before the divers
  UnknownBook,       // a Book: naming no rule book
  UnknownEvent,      // an Event: naming no event of the book
  NotAPanel,         // a Panel: that is no number of judges
  PanelNotOfEvent,   // 9 or 11 judges for an event that is not synchronised, or the reverse
  HeadAfterDivers,   // Event:, Book: or Panel: among the divers
  NotARecordedDive,  // after the first recorded dive, a line that is none
  MeetShape,         // a Meet: without a name, or with more than a name and a date
  NotAPhase,         // a Phase: that is none of preliminary, semi-final, final
  NotASeed,          // a Draw: that is not "seed N", N a whole number
  JudgeShape,        // a judge of Judges: that is not "J1 Ann Judge (GBR)"
  JudgeSeat,         // a judge of Judges: in a seat beyond the panel's
  JudgeTwice,        // a second judge of Judges: in one seat
  NotANation,        // a judge's nation that is not three letters
  ReserveShape,      // a Reserve: without a name, or with more than a name and a team
  // The divers and their lists.
  DiverWithoutName,   // Diver: with nothing after it
  NameWithBar,        // a diver's, a team's or a sheet's name holding |
  DiverTwice,         // a second Diver: line of one name
  SheetAndInline,     // a diver with both a Sheet: line and inline dives
  SheetUnreadable,    // a Sheet: whose file cannot be read
  SheetOfOtherEvent,  // a sheet whose Event: is another
  DiveNotScorable,    // a dive of a list that has no DD, or whose list cannot be read
  NotCarried,         // a Carried: that is no points (152.40)
  // Statuses: out of competition, withdrawn, did not start, disqualified.
  StatusOfNobody,   // a status naming no diver
  StatusTwice,      // a second status of one diver
  StatusRound,      // Withdrawn: or Disqualified: without a round, or with one past the list
  DiveAfterStatus,  // a dive recorded in a round the diver no longer dives
  // A recorded dive, whichever way it came.
  RecordShape,        // not Round N | diver | dive | awards [| decision]
  NotARound,          // a round that is no whole number from 1
  UnknownDiver,       // a dive of a diver the competition does not have
  NoSuchRound,        // a round beyond the diver's list
  NotTheListedDive,   // a dive other than the list's of its round
  NotAnAward,         // a word that is no award: 0 to 10 in half points, or -
  AwardCount,         // not as many awards as the panel has judges
  GroupWithoutAward,  // every judge of one group gave none: nothing to replace from
  NotADecision,       // a decision that is none of the words
  RoundTwice,         // a second recorded dive of one diver's round
  NotUpNext,          // a dive keyed or sent that is not the one up next
  // The draw of the starting order.
  DrawWithDives,      // a draw of a competition with dives recorded
  DrawOfSpreadsheet,  // a draw of a spreadsheet form, whose order is its rows'
  // The spreadsheet form.
  NoHeader,               // no header row the reader understands
  HeaderColumn,           // a header column missing, or twice
  JudgeColumns,           // J columns that make no panel
  FieldCount,             // a row with more or fewer fields than the header
  NoDiver,                // a row without a diver
  PairNotTwo,             // a synchro panel's row naming other than two divers
  TeamDiffers,            // a diver's row with another team than the diver's first row
  NotAHeight,             // a height that is none
  NotADd,                 // a DD that is no DD
  ZeroDd,                 // a DD of 0
  NotADive,               // a dive that is no dive at its height
  NoDdAtHeight,           // a dive without a DD at its height and no DD given
  DecisionWithoutAwards,  // a decision on a row without awards
  NotAStatus,             // a status cell that is none
  MissingRound,           // a diver's rows with a round missing
  NoColumnFor,            // a decision or a status to write where the spreadsheet has no column
  // Problems: scored as given, and named in the results.
  StatedDdNotCounted,  // a DD given that is not the dive's (or the assigned round's)
};

// Whether the fault is a problem, which leaves the dive scored as given.
constexpr bool IsProblem(CompetitionFault Fault) {
  return Fault == CompetitionFault::StatedDdNotCounted;
}

// Each fault's stable name, for other programs: lower-case words joined by hyphens.
struct CompetitionFaultName {
  CompetitionFault Fault;
  std::string_view Name;
};

// clang-format off
inline constexpr CompetitionFaultName CompetitionFaultNames[] = {
    {CompetitionFault::HeadLine,              "head-line"},
    {CompetitionFault::KeyTwice,              "key-twice"},
    {CompetitionFault::NoEvent,               "no-event"},
    {CompetitionFault::NoPanel,               "no-panel"},
    {CompetitionFault::UnknownBook,           "unknown-book"},
    {CompetitionFault::UnknownEvent,          "unknown-event"},
    {CompetitionFault::NotAPanel,             "not-a-panel"},
    {CompetitionFault::PanelNotOfEvent,       "panel-not-of-event"},
    {CompetitionFault::HeadAfterDivers,       "head-after-divers"},
    {CompetitionFault::NotARecordedDive,      "not-a-recorded-dive"},
    {CompetitionFault::MeetShape,             "meet-shape"},
    {CompetitionFault::NotAPhase,             "not-a-phase"},
    {CompetitionFault::NotASeed,              "not-a-seed"},
    {CompetitionFault::JudgeShape,            "judge-shape"},
    {CompetitionFault::JudgeSeat,             "judge-seat"},
    {CompetitionFault::JudgeTwice,            "judge-twice"},
    {CompetitionFault::NotANation,            "not-a-nation"},
    {CompetitionFault::ReserveShape,          "reserve-shape"},
    {CompetitionFault::DiverWithoutName,      "diver-without-name"},
    {CompetitionFault::NameWithBar,           "name-with-bar"},
    {CompetitionFault::DiverTwice,            "diver-twice"},
    {CompetitionFault::SheetAndInline,        "sheet-and-inline"},
    {CompetitionFault::SheetUnreadable,       "sheet-unreadable"},
    {CompetitionFault::SheetOfOtherEvent,     "sheet-of-other-event"},
    {CompetitionFault::DiveNotScorable,       "dive-not-scorable"},
    {CompetitionFault::NotCarried,            "not-carried"},
    {CompetitionFault::StatusOfNobody,        "status-of-nobody"},
    {CompetitionFault::StatusTwice,           "status-twice"},
    {CompetitionFault::StatusRound,           "status-round"},
    {CompetitionFault::DiveAfterStatus,       "dive-after-status"},
    {CompetitionFault::RecordShape,           "record-shape"},
    {CompetitionFault::NotARound,             "not-a-round"},
    {CompetitionFault::UnknownDiver,          "unknown-diver"},
    {CompetitionFault::NoSuchRound,           "no-such-round"},
    {CompetitionFault::NotTheListedDive,      "not-the-listed-dive"},
    {CompetitionFault::NotAnAward,            "not-an-award"},
    {CompetitionFault::AwardCount,            "award-count"},
    {CompetitionFault::GroupWithoutAward,     "group-without-award"},
    {CompetitionFault::NotADecision,          "not-a-decision"},
    {CompetitionFault::RoundTwice,            "round-twice"},
    {CompetitionFault::NotUpNext,             "not-up-next"},
    {CompetitionFault::DrawWithDives,         "draw-with-dives"},
    {CompetitionFault::DrawOfSpreadsheet,     "draw-of-spreadsheet"},
    {CompetitionFault::NoHeader,              "no-header"},
    {CompetitionFault::HeaderColumn,          "header-column"},
    {CompetitionFault::JudgeColumns,          "judge-columns"},
    {CompetitionFault::FieldCount,            "field-count"},
    {CompetitionFault::NoDiver,               "no-diver"},
    {CompetitionFault::PairNotTwo,            "pair-not-two"},
    {CompetitionFault::TeamDiffers,           "team-differs"},
    {CompetitionFault::NotAHeight,            "not-a-height"},
    {CompetitionFault::NotADd,                "not-a-dd"},
    {CompetitionFault::ZeroDd,                "zero-dd"},
    {CompetitionFault::NotADive,              "not-a-dive"},
    {CompetitionFault::NoDdAtHeight,          "no-dd-at-height"},
    {CompetitionFault::DecisionWithoutAwards, "decision-without-awards"},
    {CompetitionFault::NotAStatus,            "not-a-status"},
    {CompetitionFault::MissingRound,          "missing-round"},
    {CompetitionFault::NoColumnFor,           "no-column-for"},
    {CompetitionFault::StatedDdNotCounted,    "stated-dd-not-counted"},
};
// clang-format on

static_assert([] {
  std::size_t Row = 0;
  for (const CompetitionFaultName& N : CompetitionFaultNames)
    if (static_cast<std::size_t>(N.Fault) != Row++) return false;
  return CompetitionFaultNames[std::size(CompetitionFaultNames) - 1].Fault ==
         CompetitionFault::StatedDdNotCounted;
}());

constexpr std::string_view FaultName(CompetitionFault Fault) {
  return CompetitionFaultNames[static_cast<std::size_t>(Fault)].Name;
}

// What a fault is about; each fault uses those its wording names.
struct FaultValues {
  std::u16string Written{};          // the word, line, name, code, id or file at fault, as written
  std::u16string Diver{};            // the diver (or pair, or team) it concerns
  std::u16string Other{};            // what it is set against: the list's dive, the other event
  std::size_t Round = 0;             // a round, from 1
  std::size_t Count = 0;             // how many there are
  std::size_t Wanted = 0;            // how many there should be
  std::size_t OtherLine = 0;         // the earlier line it repeats or differs from
  std::int32_t Height = 0;           // a height's index
  std::optional<DdTenths> Dd{};      // the DD that counts
  std::optional<DdTenths> Stated{};  // the DD given
  std::optional<Seat> Group{};       // the judges' group
  std::u16string Reason{};           // why a file cannot be read, or a dive has no DD
};

}  // namespace merrith
