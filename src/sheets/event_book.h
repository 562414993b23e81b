#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/dd_tenths.h"

namespace merrith {

// A part of a list that has rules of its own: the limited part of an age group's list, or the
// free dives beside it.
struct PartRule {
  std::int32_t Dives = 0;            // how many dives the part has (the free part: the rest)
  bool DifferentGroups = false;      // each of its dives from a different group
  std::optional<DdTenths> MaxTotal;  // the most its DDs may add up to
};

// Who dives a line of a list.
enum class Who : std::uint8_t {
  Anyone,     // whoever the list is of
  Woman,      // one woman
  Man,        // one man
  MixedPair,  // a synchronised pair of one woman and one man
};

// Who dives a line, as a sentence says it: "a woman", "a mixed pair", "anyone".
std::u16string_view WhoWords(Who By);

// One line of a list with rules of its own, as the event fixes it by its place in the list.
struct RoundRule {
  std::vector<std::int32_t> Heights;   // the HeightIndex of each it may use; empty: the event's
  Who By = Who::Anyone;                // who dives it
  std::optional<DdTenths> AssignedDD;  // the DD it counts, whatever the dive
};

// The most dives an event's list may have; a sheet may hold more, and is told so.
inline constexpr std::int32_t MostDives = 100;

// What a diver's list for one event must hold, as a rules file states it.
struct Event {
  std::u16string Id;                  // what a sheet's "Event:" line names
  std::u16string Title;               // "Women 3 m springboard"
  std::u16string Rule;                // the rule that sets the list ("D 3.4.1"); may be empty
  std::u16string HeightRule;          // the rule that sets its heights; Rule when none given
  std::vector<std::int32_t> Heights;  // the HeightIndex of each height allowed, in order
  std::int32_t Dives = 0;             // how many dives the list has
  std::int32_t MinGroups = 0;         // its dives come from at least this many groups
  std::optional<PartRule> Limited;    // the limited part, where the list has one
  PartRule Free;                      // the other dives (Dives unused)
  std::vector<RoundRule> Rounds;      // the rules of the first lines of the list, in order
  std::int32_t MostDivers = 0;        // a team's list: at most this many divers share it
  bool WomenAndMen = false;           // a team's list: its divers at least one woman and one man
  std::optional<DdTenths> MaxDiveDD;  // no dive may count more
  bool Repeats = false;               // a dive number may come more than once
  bool Synchro = false;               // dived by synchronised pairs, judged by 9 or 11
  std::u16string Note;                // a reminder for the printed sheet
  std::u16string File;                // the rules file that defines it
  std::u16string Book;                // the id of the rule book it belongs to
};

// A rule book whose events a sheet is checked against, and the numbers of its rules for every
// list, which the problems of any event cite.
struct RuleBook {
  std::u16string Id;             // what a sheet's "Book:" line names
  std::u16string Title;          // "World Aquatics Diving Rules 2024"
  std::u16string StatementRule;  // what a statement of dives gives ("4.9")
  std::u16string RepeatRule;     // no dive number twice ("3.3")
  std::u16string DdRule;         // each dive's DD by the formula ("1.6.2-1.6.3")
  std::u16string File;           // the rules file that first named it
};

// A fault in a rules file: where it is (line and column from 1; 0 where the whole file is
// meant) and what is wrong, in words.
struct RulesError {
  std::u16string File;
  std::size_t Line = 0;
  std::size_t Column = 0;
  std::u16string Text;
};

// The rule book a sheet is checked against when it names none.
inline constexpr std::u16string_view DefaultBookId = u"world-aquatics-2024";

// The rule books and events known, from every rules file read, and the faults found in those
// files.
struct EventBook {
  std::vector<RuleBook> Books;     // in the order first named
  std::vector<Event> Events;       // in the order first defined, each in its book
  std::vector<RulesError> Errors;  // in the order met

  // The event of the book BookId whose id is Id, whatever the case of their letters; nullptr
  // when none is.
  const Event* Find(std::u16string_view Id, std::u16string_view BookId = DefaultBookId) const;

  // The book whose id is Id, whatever the case of its letters; nullptr when none is.
  const RuleBook* FindBook(std::u16string_view Id) const;

  // The ids of the books, joined by ", ": for a message naming them.
  std::u16string BookIds() const;
};

// The names the built-in rules files go by in messages.
inline constexpr std::u16string_view BuiltInRulesNames[] = {
    u"world-aquatics-2024.toml (built in)",
    u"fina-2017-2021.toml (built in)",
};

// Adds the events of one rules file, read from Text (TOML, UTF-8), to Book: to the book its
// [book] table names (which it adds where it is new), else to the default one. An id already
// known in that book replaces the earlier event. A file with a fault adds none of its events,
// and its faults to Book.Errors, each with File and its place.
void AddRulesText(EventBook& Book, std::u16string_view File, std::string_view Text);

// Adds the events of the rules file at Path, as AddRulesText; a file that cannot be read is
// an error of its own. The file is UTF-8, as TOML wants; UTF-16 is read too, for Notepad.
void AddRulesFile(EventBook& Book, std::u16string_view Path);

// The events of the two rule books every program carries: the World Aquatics rules of 2024 (the
// default) and the FINA rules of 2017-2021.
EventBook BuiltInEvents();

// The user's folder of events: $XDG_CONFIG_HOME/merrith/events (~/.config when it is not
// set), and on Windows %APPDATA%\Merrith\events; empty when the environment names no home.
std::u16string UserRulesFolder();

// The rules files in the user's folder of events, *.toml, sorted by name.
std::vector<std::u16string> UserRulesFiles();

// The built-in events, then those of the user's folder, then those of Files, in order.
EventBook LoadEventBook(std::span<const std::u16string> Files);

// The fault as "file:line:column: text" (without the place where it is the whole file's).
std::u16string RulesErrorText(const RulesError& Error);

// The height captions of the event, joined by Joint: "5m, 7.5m, 10m".
std::u16string HeightsText(const Event& E, std::u16string_view Joint);

}  // namespace merrith
