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
#include "scoring/decision.h"
#include "scoring/panel.h"
#include "sheets/event_book.h"
#include "sheets/sheet_reader.h"
#include "support/file_outcome.h"

namespace merrith {

// The rule books whose events a competition may name, the one in force first.
inline constexpr std::u16string_view Books[] = {u"fina-2017-2021"};

// One dive of a diver's list, as the competition dives it.
struct ListedDive {
  DiveLine Written;              // as its list writes it; Written.Line is the line there
  std::int32_t HeightIndex = 0;  // the height it is done from; 0 when it has none
  std::u16string Number;         // as the rule book writes it ("5253"); the code where none
  char16_t Position = 0;         // its position letter; 0 when it has none
  std::optional<DdTenths> DD;    // the DD that counts: 2.0 in an assigned round
};

// A problem the sheets' checker found in a diver's list: in the list's file (empty: the
// competition's own lines), with the number of the rule it breaks (may be empty). The report
// words it.
struct ListProblem {
  std::u16string File;
  Problem Found;
  std::u16string Rule;
};

// A diver (or a synchronised pair, "Ann Example / Bea Example") in starting order.
struct Entry {
  std::size_t Line = 0;  // the Diver: line, or the CSV row that first names it
  std::u16string Diver;
  std::u16string Team;            // team or club; may be empty
  std::u16string Sheet;           // the list's file as written, beside the competition; empty
                                  // when the dives are inline
  std::int32_t HeightIndex = 0;   // an inline list's Height: line; 0 when none
  std::vector<ListedDive> Dives;  // by round
  std::vector<ListProblem> ListProblems;  // what the sheets' checker found, by line
};

// The awards of one dive and the referee's decision, as recorded.
struct RecordedDive {
  std::size_t Line = 0;                          // its line (or CSV row)
  std::size_t Entry = 0;                         // the diver's place in the starting order, from 0
  std::size_t Round = 0;                         // from 1
  SeatValues<std::optional<HalfPoints>> Awards;  // in seating order; nothing for a missing one
  Decision Decided;
};

// A competition: the event, the panel, the divers with their lists, and the dives recorded in
// the order they were recorded.
struct Competition {
  std::u16string EventId;      // empty when the event is unknown (a spreadsheet on its own)
  std::u16string Book;         // one of Books; empty with the event
  std::optional<Event> Rules;  // the event's rules, where it is known
  Panel Judges = Panel::Five;
  std::vector<Entry> Entries;  // in starting order
  std::vector<RecordedDive> Recorded;
  bool ListsChecked = false;  // the lists were checked against the event's rules
};

// Something wrong in a competition's files: the file (empty for the competition's own), its
// line from 1 (0 for the file as a whole) and what is wrong.
struct CompetitionError {
  std::u16string File;
  std::size_t Line = 0;
  std::u16string Text;              // after the problem's words, where there is a problem
  std::optional<ListProblem> List;  // a problem of a diver's list that keeps it from scoring
};

// A competition as read, or the errors that keep it from being scored.
struct CompetitionRead {
  Competition Read;
  std::vector<CompetitionError> Errors;  // by line; the competition counts only without any

  bool Ok() const { return Errors.empty(); }
};

// Reads a sheet file that a competition names (Name as written there); nothing when it cannot
// be read.
using SheetFileReader = std::function<std::optional<std::u16string>(std::u16string_view Name)>;

// Reads a competition file's text. The head comes first, "Key: value" in any case: Event:,
// Book: (default the book in force) and Panel: (the number of judges). Then each diver: a
// Diver: line, a Team: line, and either a Sheet: line naming a dive sheet or the dives inline
// as in a sheet. Then one line per dive recorded, in the order recorded:
//   Round 1 | Ann Example | 105B | 7.0 7.5 - 7.0 6.5 | restart
// (the awards in seating order, "-" for a missing one, the decision where there is one).
// Blank lines and lines starting with # are skipped. Each list is checked against the event
// by the sheets' checker; a dive without a DD, or a recorded dive that is not the list's dive
// of its round, is an error.
CompetitionRead ReadCompetitionText(std::u16string_view Text, const EventBook& Book,
                                    const SheetFileReader& Sheets);

// The competition file: what ReadCompetitionText reads back as the same competition, UTF-8.
std::u16string CompetitionText(const Competition& C);

// Reads the sheets that the competition file at Path names, relative to its folder.
SheetFileReader SheetsBeside(std::u16string_view Path);
// How the competition file at Path names the sheet at SheetPath: by its file name alone where
// the two share a folder, so that the folder can move as a whole.
std::u16string SheetNameBeside(std::u16string_view Path, std::u16string_view SheetPath);

// Reads the competition file at Path (as DecodeText reads a sheet), its sheets named
// relative to its folder.
CompetitionRead ReadCompetitionFile(std::u16string_view Path, const EventBook& Book);

// Writes CompetitionText(C) to Path through the atomic write.
FileOutcome WriteCompetitionFile(const Competition& C, std::u16string_view Path);

}  // namespace merrith
