#pragma once

#include <string>

#include "scoring/estimate.h"
#include "sheets/check_sheet.h"
#include "sheets/event_book.h"

namespace merrith {

// The event's rules in words, with their numbers: "D 3.4.1: 5 dives from 3m, from at least 5
// different groups".
std::u16string EventRulesText(const Event& E);

// The rule book a sheet was checked against in words: its title and id, or that there is none.
std::u16string SheetBookText(const CheckedSheet& Sheet);

// The event of a checked sheet in words: its title and id, or what is wrong with its id.
std::u16string SheetEventText(const CheckedSheet& Sheet);

// The limited part of a checked sheet in words ("dives 1, 3, 5, 7, 9, none marked: found by
// the checker; 9.4 of at most 9.5"); empty where its event has none.
std::u16string LimitedPartText(const CheckedSheet& Sheet);

// The divers the sheet names, each with (W) or (M) where it says: "Ann Example (W), Ben
// Example (M)"; empty where it names none.
std::u16string SheetDiversText(const CheckedSheet& Sheet);

// The dives whose line names nobody, where the sheet names its divers, in words; empty where
// there are none.
std::u16string UnnamedText(const CheckedSheet& Sheet);

// One problem as a person reads it: where it is ("Dive 2", "Line 9", "List"), what is wrong,
// and the rule it breaks in brackets.
std::u16string ProblemLine(const Problem& P, const CheckedSheet& Sheet);

// The verdict: "The sheet holds: nothing to correct." or how many problems it has.
std::u16string VerdictText(const CheckedSheet& Sheet);

// The checked sheet as a short text for a person at a desk: the diver and the event, the dives
// in a table, the groups, the limited part and the total DD, every problem, and the verdict;
// then, given an Estimate, each dive's points and the list's. Lines end in a line feed; the
// tables' columns line up in a fixed-width font.
std::u16string SheetReport(const CheckedSheet& Sheet, const ListEstimate* Estimate = nullptr);

}  // namespace merrith
