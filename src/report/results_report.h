#pragma once

#include <string>

#include "scoring/competition.h"
#include "scoring/standings.h"

namespace merrith {

// The competition's event in words: "Women 3 m springboard (women-3m), fina-2017-2021", or
// that it is unknown and no list was checked.
std::u16string CompetitionEventText(const Competition& C);

// The panel in words: "5 judges", "9 judges, synchronised".
std::u16string PanelText(Panel P);

// The standings as text for a person at the table: the event, the panel, how far the rounds
// are, then place, diver, team, total and each counted dive's points in a table whose columns
// line up in a fixed-width font, then what the sheets' checker found in the divers' lists.
std::u16string ResultsReport(const Competition& C, const Standings& S);

// A problem of a diver's list in words, with its rule: "file:line: text (rule)", "line 7: ..."
// for the competition's own lines.
std::u16string ListProblemText(const ListProblem& L);

// The error as "file:line: text" (without what it lacks).
std::u16string CompetitionErrorText(const CompetitionError& E);

}  // namespace merrith
