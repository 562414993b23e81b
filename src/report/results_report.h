#pragma once

#include <cstddef>
#include <string>
#include <vector>

#include "report/html_page.h"
#include "scoring/competition.h"
#include "scoring/standings.h"

namespace merrith {

// The competition's event in words: "Women 3 m springboard (women-3m), fina-2017-2021", or
// that it is unknown and no list was checked.
std::u16string CompetitionEventText(const Competition& C);

// The meet in words, its date after a comma: "Riverside spring meet, 12 May 2024"; empty
// where the head names none.
std::u16string MeetText(const Competition& C);

// The event and the phase, as a page's title names them: "Women 1 m springboard, Final".
std::u16string CompetitionTitle(const Competition& C);

// What each printed sheet of a competition's pages repeats: the meet, the event and phase.
RunningHead CompetitionRunningHead(const Competition& C);

// The facts at the top of every text report of a competition, one a line, the name in a
// column of 9: the event, and the meet and the phase where the head names them.
std::u16string CompetitionFactsText(const Competition& C);

// Appends the rows of a page's table of facts that every page of a competition has: the event,
// and the meet and the phase where the head names them.
void AppendCompetitionFacts(std::u16string& Out, const Competition& C);

// The panel in words: "5 judges", "9 judges, synchronised".
std::u16string PanelText(Panel P);

// A diver's place as the results print it: the number, or OOC, WD, DNS, DSQ for one not placed;
// nothing before the first round is complete.
std::u16string PlaceText(const Standing& Row, const Entry& E);

// A diver's status in words: "withdrew before round 3"; empty for a diver who dives on.
std::u16string StatusWords(const Entry& E);

// A problem the results name: a diver's list that breaks its event's rules, a DD given that
// does not count so. Kind is the problem's stable name.
struct CompetitionProblem {
  std::u16string Diver;
  std::size_t Line = 0;
  std::u16string Kind;
  std::u16string Text;  // with its place and its rule
};

// Every problem of the competition: the lists' in starting order, then the DDs'.
std::vector<CompetitionProblem> CompetitionProblems(const Competition& C);

// The current standings, after the last dive recorded, as a table: place, diver, team, total,
// the last dive's points and how far behind the leader each diver is.
std::u16string CurrentReport(const Competition& C, const Standings& S);

// The standings as text for a person at the table: the event, the panel, how far the rounds
// are, then place, diver, team, total and each counted dive's points in a table whose columns
// line up in a fixed-width font (the result), the current standings where a round is under way,
// the divers not placed and why, then the problems.
std::u16string ResultsReport(const Competition& C, const Standings& S);

// A problem of a diver's list in words, with its rule: "file:line: text (rule)", "line 7: ..."
// for the competition's own lines.
std::u16string ListProblemText(const ListProblem& L);

// Why there is no ranking after round Round of C, whose standings after it are S: how far the
// rounds are.
std::u16string NoRankingText(const Competition& C, const Standings& S, std::size_t Round);

}  // namespace merrith
