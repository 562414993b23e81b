#pragma once

#include <cstddef>
#include <string>
#include <string_view>
#include <vector>

#include "scoring/advance.h"
#include "scoring/competition.h"
#include "scoring/standings.h"
#include "support/file_outcome.h"

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

// The most divers a next phase may take, and how many a phase takes, in words.
inline constexpr std::size_t MostTop = 999;
inline constexpr std::u16string_view TopWords = u"a number of divers from 1 to 999";
// What a seed of a draw is, in words.
inline constexpr std::u16string_view SeedWords = u"a whole number from 0 to 18446744073709551615";

// What became of writing a next phase: refused (Refusal says why), made but not read back as a
// competition (its Errors), or written (Written says whether it went).
struct NextPhaseWrite {
  std::u16string Refusal;
  std::vector<CompetitionError> Errors;
  FileOutcome Written;

  bool Done() const { return Refusal.empty() && Errors.empty() && Written.Done(); }
};

// Writes the next phase A of the competition C, read from Path and standing as S, to Next,
// held locked while it is written so that no recorder opens it half made. Refused where Next
// is a spreadsheet, one of C's own files, a competition with dives recorded or one a recorder
// holds.
NextPhaseWrite WriteNextPhase(std::u16string_view Path, const Competition& C, const Standings& S,
                              const AdvancedPhase& A, std::u16string_view Next,
                              const EventBook& Book);

}  // namespace merrith
