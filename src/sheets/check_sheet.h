#pragma once

#include <cstddef>
#include <cstdint>
#include <functional>
#include <map>
#include <optional>
#include <string>
#include <string_view>
#include <tuple>
#include <vector>

#include "difficulty/dd_tenths.h"
#include "difficulty/dive_group.h"
#include "difficulty/explain_dive.h"
#include "sheets/event_book.h"
#include "sheets/event_lookup.h"
#include "sheets/sheet_problem.h"
#include "sheets/sheet_reader.h"
#include "sheets/sheet_words.h"
#include "support/words.h"

namespace merrith {

// One dive of a checked sheet.
struct CheckedDive {
  std::size_t Line = 0;                // its line in the file, from 1
  std::u16string Code;                 // as written, upper-cased
  std::int32_t HeightIndex = 0;        // its height; 0 when it has none
  std::optional<std::u16string> Name;  // in words with its position, as ExplainDive names it
  DiveGroup Group = DiveGroup::None;   // None when the code cannot be read
  std::u16string Number;               // as the rule book writes it; empty for no dive
  char16_t Position = 0;               // its position letter; 0 when it has none
  std::optional<DdTenths> DD;          // by the formula; none for no dive or no DD
  std::optional<DdTenths> Counted;     // what counts towards the total: 2.0 in assigned rounds
  std::optional<DdTenths> Stated;      // as the diver stated it
  bool Marked = false;                 // marked limited on the sheet
  bool Limited = false;                // in the limited part, marked or found
  std::vector<std::u16string> Divers;  // who dives it, as its line names them
};

// How a sheet's limited part came about.
enum class LimitedBy : std::uint8_t {
  None,    // the event has none, or no split keeps its rules
  Marks,   // the dives marked limited
  Search,  // none marked: the checker found a split that keeps the rules
};

// A sheet checked against its event: every dive, every problem, and the total DD. Its book and
// its event are those of the EventBook it was checked against: it must not outlive that book,
// nor be kept while events are added to it.
struct CheckedSheet {
  std::u16string BookId;            // the book asked for: the Book: line's, else the caller's
  const RuleBook* Book = nullptr;   // the book checked against; nullptr when it is unknown
  std::u16string EventId;           // as the Event: line gives it
  const Event* Rules = nullptr;     // the event named; nullptr when it is unknown or missing
  EventBy RulesBy = EventBy::None;  // how the Event: line names it
  std::u16string Diver;
  std::vector<NamedDiver> Divers;    // as the Divers: line, or the Diver: line's pair, names them
  std::vector<std::size_t> Unnamed;  // the dives (from 1) whose line names nobody, where the
                                     // sheet names its divers
  std::vector<CheckedDive> Dives;    // in the order they are dived
  std::vector<DiveGroup> Groups;     // the groups the dives with a DD come from, in order
  LimitedBy Limited = LimitedBy::None;
  DdTotal LimitedTotal = 0;       // what the limited part adds up to
  std::optional<DdTotal> Total;   // the sum of the DDs that count; none without any
  std::vector<Problem> Problems;  // by line, those of the list as a whole last

  // Whether the sheet keeps every rule.
  bool Holds() const { return Problems.empty(); }
};

// Dive codes read and priced at their heights, kept for the next list that has them: the
// lists of a meet's hundred divers share a few dozen dives.
class DiveReadings {
 public:
  // Code at HeightIndex as ExplainDive explains it with Parts, read once; it holds as long as
  // the readings do.
  const DiveExplanation& Explain(std::u16string_view Code, std::int32_t HeightIndex,
                                 ExplainParts Parts);

 private:
  // A code's readings by height, and by whether its name and its components were asked for.
  using Readings = std::map<std::tuple<std::int32_t, bool, bool>, DiveExplanation>;

  // Each code's readings, found by the code as the sheet writes it.
  std::map<std::u16string, Readings, std::less<>> Read;
};

// What a check works out beyond the rules, and with what help: a competition, which prints no
// list, leaves the dives' names out and reads each dive once for all its lists.
struct CheckParts {
  bool Names = true;                 // each dive's name in words (CheckedDive::Name)
  DiveReadings* Readings = nullptr;  // the dives read by earlier checks; none: read afresh
};

// Checks a sheet as read against its event in Book, in the rule book its Book: line names,
// else in BookId. The checked sheet points into Book.
CheckedSheet CheckSheet(const SheetText& Sheet, const EventBook& Book,
                        std::u16string_view BookId = DefaultBookId, const CheckParts& Parts = {});

// Reads the text of a sheet and checks it as CheckSheet does; the checked sheet points into
// Book.
CheckedSheet CheckSheetText(std::u16string_view Text, const EventBook& Book,
                            std::u16string_view BookId = DefaultBookId);

// The number of the rule P breaks, as Sheet's book and event state it ("3.3").
std::u16string SheetProblemRule(const Problem& P, const CheckedSheet& Sheet);

}  // namespace merrith
