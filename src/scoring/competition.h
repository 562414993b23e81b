#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/dd_tenths.h"
#include "scoring/award.h"
#include "scoring/competition_fault.h"
#include "scoring/decision.h"
#include "scoring/panel.h"
#include "sheets/event_book.h"
#include "sheets/sheet_reader.h"
#include "support/file_outcome.h"

namespace merrith {

// One dive of a diver's list, as the competition dives it.
struct ListedDive {
  DiveLine Written;              // as its list writes it; Written.Line is the line there
  std::int32_t HeightIndex = 0;  // the height it is done from; 0 when it has none
  std::u16string Number;         // as the rule book writes it ("5253"); the code where none
  char16_t Position = 0;         // its position letter; 0 when it has none
  std::optional<DdTenths> DD;    // the DD that counts: 2.0 in an assigned round
  bool Limited = false;          // in an age group's limited part, marked or found
};

// A problem the sheets' checker found in a diver's list: in the list's file (empty: the
// competition's own lines), with the number of the rule it breaks (may be empty). The report
// words it.
struct ListProblem {
  std::u16string File;
  Problem Found;
  std::u16string Rule;
};

// Where a diver stands in the event beyond their dives: a guest out of competition dives and
// is scored but not placed; a diver who withdrew, did not start or was disqualified dives no
// more from a round on, and is placed after everyone who finished.
enum class DiverStatus : std::uint8_t {
  Ok,
  OutOfCompetition,
  Withdrawn,
  DidNotStart,
  Disqualified
};

// How each status is written: the text file's key, the spreadsheet's and the results' word,
// whether it names the first round the diver no longer dives.
struct StatusRow {
  DiverStatus Status;
  std::u16string_view Key;
  std::u16string_view Word;
  bool FromRound;
};
// clang-format off
inline constexpr StatusRow StatusRows[] = {
  // status                         text file key            word    from a round
    {DiverStatus::Ok,               u"",                     u"ok",  false},
    {DiverStatus::OutOfCompetition, u"Out of competition",   u"ooc", false},
    {DiverStatus::Withdrawn,        u"Withdrawn",            u"wd",  true},
    {DiverStatus::DidNotStart,      u"Did not start",        u"dns", false},
    {DiverStatus::Disqualified,     u"Disqualified",         u"dsq", true},
};
// clang-format on

constexpr const StatusRow& RowOf(DiverStatus Status) {
  return StatusRows[static_cast<std::size_t>(Status)];
}

// A diver (or a synchronised pair, "Ann Example / Bea Example", or a team) in starting order.
struct Entry {
  std::size_t Line = 0;  // the Diver: line, or the CSV row that first names it
  std::u16string Diver;
  std::u16string Team;            // team or club; may be empty
  std::u16string Sheet;           // the list's file as written, beside the competition; empty
                                  // when the dives are inline
  std::int32_t HeightIndex = 0;   // an inline list's Height: line; 0 when none
  std::vector<ListedDive> Dives;  // by round
  std::vector<ListProblem> ListProblems;  // what the sheets' checker found, by line
  DiverStatus Status = DiverStatus::Ok;
  std::size_t StatusRound = 0;  // Withdrawn, Disqualified: the first round not dived
  std::u16string StatusReason;  // Disqualified: why, where the file says
  std::size_t StatusLine = 0;   // the status's line (or CSV row); 0 for none
  // An age group's final: the points of the limited dives of the preliminary, carried forward
  // and added to the final's (12.4.5.1); nothing elsewhere.
  std::optional<Hundredths> Carried;
};

// How many rounds the diver dives: none when they did not start, those before the round they
// withdrew or were disqualified in, else their whole list.
std::size_t RoundsDived(const Entry& E);

// The awards of one dive and the referee's decision, as recorded.
struct RecordedDive {
  std::size_t Line = 0;                          // its line (or CSV row)
  std::size_t Entry = 0;                         // the diver's place in the starting order, from 0
  std::size_t Round = 0;                         // from 1
  SeatValues<std::optional<HalfPoints>> Awards;  // in seating order; nothing for a missing one
  Decision Decided;
};

// Something wrong in a competition's files: the file (empty for the competition's own), its
// line from 1 (0 for the file as a whole) and what is wrong. The report words it.
struct CompetitionError {
  std::u16string File;
  std::size_t Line = 0;
  CompetitionFault Why = CompetitionFault::HeadLine;
  FaultValues Values;
  std::optional<ListProblem> List;  // a problem of a diver's list that keeps it from scoring
};

// Which session of an event a competition is: each starts from zero points (2.3.3).
enum class Phase : std::uint8_t { None, Preliminary, SemiFinal, Final };

// How each phase is written: its head line's word (read in any case) and its name in a title.
struct PhaseRow {
  Phase Is;
  std::u16string_view Word;
  std::u16string_view Title;
};
// clang-format off
inline constexpr PhaseRow PhaseRows[] = {
  // phase              head line's word   title
    {Phase::None,        u"",              u""},
    {Phase::Preliminary, u"preliminary",   u"Preliminary"},
    {Phase::SemiFinal,   u"semi-final",    u"Semi-final"},
    {Phase::Final,       u"final",         u"Final"},
};
// clang-format on

constexpr const PhaseRow& RowOf(Phase P) { return PhaseRows[static_cast<std::size_t>(P)]; }

// A judge the head names: the seat (from 1, J1), the name and the nation (three capital
// letters; empty where the head gives none).
struct NamedJudge {
  std::size_t Seat = 0;
  std::u16string Name;
  std::u16string Nation;
};

// A diver ranked next after those who went through to this phase, who takes the place of one
// unable to start (2.1.6), in the order they are called on.
struct Reserve {
  std::u16string Diver;
  std::u16string Team;  // may be empty
};

// A competition: the event, the panel, the divers with their lists, and the dives recorded in
// the order they were recorded.
struct Competition {
  std::u16string EventId;      // empty when the event is unknown (a spreadsheet on its own)
  std::u16string Book;         // the rule book's id; empty with the event
  std::optional<Event> Rules;  // the event's rules (a final's, 12.4.5.1), where it is known
  Panel Judges = Panel::Five;
  std::u16string Meet;      // the meet's name; may be empty
  std::u16string MeetDate;  // as the head writes it; may be empty
  Phase Stage = Phase::None;
  std::optional<std::uint64_t> DrawSeed;  // the seed of the draw that set the order
  std::size_t DrawLine = 0;               // the Draw: line; 0 where there is none
  std::vector<NamedJudge> JudgeNames;     // by seat, those the head names
  std::vector<Reserve> Reserves;          // in the order they are called on
  std::vector<Entry> Entries;             // in starting order
  std::vector<RecordedDive> Recorded;
  bool ListsChecked = false;               // the lists were checked against the event's rules
  std::vector<CompetitionError> Problems;  // dives scored as given, and named in the results
};

// The most dives a diver's list has: the rounds of the competition.
std::size_t RoundsOf(const Competition& C);

// Something the reader tells of a file it read that is no fault: text that was not UTF-8,
// columns of a spreadsheet it leaves alone.
enum class ReadNoteKind : std::uint8_t { NotUtf8, ColumnsLeftAlone };
struct ReadNote {
  std::u16string File;  // empty for the competition's own
  ReadNoteKind Kind = ReadNoteKind::NotUtf8;
  std::u16string Words;  // the character set read in, or the columns left alone
};

// A competition as read, or the errors that keep it from being scored.
struct CompetitionRead {
  Competition Read;
  std::vector<CompetitionError> Errors;  // by line; the competition counts only without any
  std::vector<ReadNote> Notes;

  bool Ok() const { return Errors.empty(); }
};

// The most rounds a recorded dive may name.
inline constexpr std::size_t MostRounds = 999;

// A sheet (or a competition) file as read: its text, or why it cannot be read; the character
// set it was read in where it was not UTF-8.
struct TextFileRead {
  std::optional<std::u16string> Text;
  std::u16string Failure;     // the reason, where there is no text
  std::u16string FellBackTo;  // empty for UTF-8 (and marked or UTF-16 text)
};

// Reads the regular file at Path as a document: UTF-8 where it is, else as DecodeDocument
// falls back.
TextFileRead ReadTextFile(std::u16string_view Path);

// Reads a sheet file that a competition names (Name as written there).
using SheetFileReader = std::function<TextFileRead(std::u16string_view Name)>;

// Reads a competition file's text. The head comes first, "Key: value" in any case: Event:,
// Book: (default the book in force) and Panel: (the number of judges), and where there are
// Meet: (the name | the date), Phase: (preliminary, semi-final or final), Draw: (seed N),
// Judges: (J1 Ann Judge (GBR), J2 ...) and one Reserve: line each (the name | the team). Then
// each diver: a Diver: line, a Team: line, a Carried: line (an age group's final) and either a
// Sheet: line naming a dive sheet or the dives inline as in a sheet. The lists of an age
// group's semi-final or final are checked as a final's: its dives without limit alone. Then one
// line per dive recorded, in the order recorded:
//   Round 1 | Ann Example | 105B | 7.0 7.5 - 7.0 6.5 | restart
// (the awards in seating order, "-" for a missing one, the decision where there is one).
// Blank lines and lines starting with # are skipped. Each list is checked against the event
// by the sheets' checker; a dive without a DD, or a recorded dive that is not the list's dive
// of its round, is an error.
CompetitionRead ReadCompetitionText(std::u16string_view Text, const EventBook& Book,
                                    const SheetFileReader& Sheets);

// The competition file: what ReadCompetitionText reads back as the same competition, UTF-8.
std::u16string CompetitionText(const Competition& C);

// The line of a recorded dive, as the competition file writes it (no line end).
std::u16string RecordedDiveLine(const Competition& C, const RecordedDive& R);
// The Draw: line as the competition file writes it (no line end): "Draw: seed 42".
std::u16string DrawLineText(std::uint64_t Seed);

// The line of a diver's status, as the competition file writes it (no line end): "Withdrawn:
// Lu Example | round 3".
std::u16string StatusLineText(const Entry& E);

// Reads the sheets that the competition file at Path names, relative to its folder.
SheetFileReader SheetsBeside(std::u16string_view Path);
// How the competition file at Path names the sheet at SheetPath: by its file name alone where
// the two share a folder, so that the folder can move as a whole.
std::u16string SheetNameBeside(std::u16string_view Path, std::u16string_view SheetPath);

// The paths of the sheet files the competition file at Path names.
std::vector<std::u16string> SheetPathsOf(std::u16string_view Path, const Competition& C);

// The file among the competition at Path and its sheets that Output names (through links, in
// any spelling); empty when Output names none of them, so that a page written there would lose
// no input.
std::u16string InputAt(std::u16string_view Path, const Competition& C, std::u16string_view Output);

// Reads the text of the competition file at Path: a spreadsheet form where its name ends in
// .csv, its sheets named relative to its folder.
CompetitionRead ReadCompetitionFileText(std::u16string_view Path, std::u16string_view Text,
                                        const EventBook& Book);

// Reads the competition file at Path (as ReadTextFile reads it) and its sheets.
CompetitionRead ReadCompetitionFile(std::u16string_view Path, const EventBook& Book);

// Writes CompetitionText(C) to Path through the atomic write.
FileOutcome WriteCompetitionFile(const Competition& C, std::u16string_view Path);

}  // namespace merrith
