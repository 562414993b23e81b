#pragma once

#include <string>
#include <string_view>

#include "scoring/advance.h"
#include "scoring/competition.h"
#include "scoring/standings.h"

namespace merrith {

// The draw of the starting order as it is shown (13.3.2.8): the event, the meet, the phase,
// the seed that repeats it, then each diver in the order drawn, with their team.
std::u16string DrawReport(const Competition& C);

// Why no next phase is made, in words.
std::u16string AdvanceFaultText(AdvanceFault Fault);

// A place as an ordinal: "1st", "12th", "22nd".
std::u16string OrdinalText(std::size_t Place);

// The next phase in words: the phase and what it was made from, who goes through (and those
// tied at the last place, who all go), the starting order with each diver's place and total,
// the draw among divers tied for a place, the reserves with their places, and how the lists
// were carried.
std::u16string AdvanceReport(const Competition& C, const Standings& S, const AdvanceAsk& Ask,
                             const AdvancedPhase& A);

// The next phase's file: the competition's text, after comment lines that say where its order
// came from (From names the competition it was made from, S its standings).
std::u16string NextPhaseText(const Standings& S, const AdvancedPhase& A, std::u16string_view From);

}  // namespace merrith
