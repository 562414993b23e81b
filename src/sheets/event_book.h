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
  std::int32_t AssignedRounds = 0;    // the first rounds count AssignedDD, whatever the dive
  DdTenths AssignedDD = 0;
  std::optional<DdTenths> MaxDiveDD;  // no dive may count more
  bool Repeats = false;               // a dive number may come more than once
  std::u16string Note;                // a reminder for the printed sheet
  std::u16string File;                // the rules file that defines it
};

// A fault in a rules file: where it is (line and column from 1; 0 where the whole file is
// meant) and what is wrong, in words.
struct RulesError {
  std::u16string File;
  std::size_t Line = 0;
  std::size_t Column = 0;
  std::u16string Text;
};

// The events known, from every rules file read, and the faults found in those files.
struct EventBook {
  std::vector<Event> Events;       // in the order first defined
  std::vector<RulesError> Errors;  // in the order met

  // The event whose id is Id, whatever the case of its letters; nullptr when none is.
  const Event* Find(std::u16string_view Id) const;
};

// The name the built-in rules file goes by in messages.
inline constexpr std::u16string_view BuiltInRulesName = u"fina-2017-2021.toml (built in)";

// Adds the events of one rules file, read from Text (TOML, UTF-8), to Book: an id already
// known replaces the earlier event. A file with a fault adds none of its events, and its
// faults to Book.Errors, each with File and its place.
void AddRulesText(EventBook& Book, std::u16string_view File, std::string_view Text);

// Adds the events of the rules file at Path, as AddRulesText; a file that cannot be read is
// an error of its own. The file is UTF-8, as TOML wants; UTF-16 is read too, for Notepad.
void AddRulesFile(EventBook& Book, std::u16string_view Path);

// The events of the FINA rules of 2017-2021, which every program carries.
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
