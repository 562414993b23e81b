#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "difficulty/dd_tenths.h"
#include "sheets/event_book.h"
#include "sheets/sheet_problem.h"

namespace merrith {

// A diver of a team's list as its Divers: line names them: "Ann Example (W)".
struct NamedDiver {
  std::u16string Name;
  Who Sex = Who::Anyone;  // Woman or Man; Anyone where the line does not say
};

// One dive line of a sheet as written: "5253b 3m 3,4 limited".
struct DiveLine {
  std::size_t Line = 0;                // its line in the file, from 1
  std::u16string Code;                 // the dive code, upper-cased
  std::int32_t HeightIndex = 0;        // the height written on the line; 0 when none is
  std::optional<DdTenths> Stated;      // the DD the diver stated
  bool Limited = false;                // marked as one of the limited dives
  std::vector<std::u16string> Divers;  // who dives it, as the line's end names them
};

// A sheet as written, before any rule is applied: its head, its dives in order, and what could
// not be read.
struct SheetText {
  std::u16string BookId;           // the Book: line's id; empty when there is none
  std::size_t BookLine = 0;        // the Book: line; 0 when there is none
  std::u16string EventId;          // the Event: line's id; empty when there is none
  std::size_t EventLine = 0;       // the Event: line; 0 when there is none
  std::u16string Diver;            // the Diver: line's text
  std::size_t DiverLine = 0;       // the Diver: line; 0 when there is none
  std::vector<NamedDiver> Divers;  // those the Divers: line names, else the Diver: line's pair
  std::size_t DiversLine = 0;      // the Divers: line; 0 when there is none
  std::int32_t HeightIndex = 0;    // the Height: line's height; 0 when there is none
  std::vector<DiveLine> Dives;
  std::vector<Problem> Problems;  // lines and words that could not be read, by line
};

// Reads the text of a sheet: lines end at line feeds (a carriage return before one is white
// space), every line counts from 1, and blank lines and lines starting with # are skipped.
// Before the first dive come the headings, "Key: value" in any case (Book:, Event:, Diver:,
// Height:, Divers:); a dive line starts with a digit, its code first, then in any order a
// height, a stated DD (3.4 or 3,4) and the word limited; where the sheet names its divers
// (Divers: Ann Example (W), Ben Example (M), or Diver: Ann Example / Bea Example), the line may
// end with who dives it, one name or two joined by /. Anything else is a problem of its line.
SheetText ReadSheet(std::u16string_view Text);

// A stated DD as a sheet writes it: one or two digits, then a point or a comma and one digit
// (zeros may follow): 3, 3.4, 3,4, 3.40. Nothing for any other word.
std::optional<DdTenths> ReadStatedDd(std::u16string_view Word);

}  // namespace merrith
