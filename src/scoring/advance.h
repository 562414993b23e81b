#pragma once

#include <cstddef>
#include <cstdint>
#include <vector>

#include "scoring/competition.h"
#include "scoring/standings.h"

namespace merrith {

// What the next phase of an event is asked to be: how many of the standings go through, which
// phase it is, and the seed of the draw among divers tied for a place.
struct AdvanceAsk {
  std::size_t Top = 12;
  Phase Next = Phase::Final;
  std::uint64_t Seed = 0;
};

// Why no next phase is made.
enum class AdvanceFault : std::uint8_t {
  None,
  AfterFinal,       // the competition is a final: no phase comes after it
  NoRoundComplete,  // no round is complete: there is no ranking to go by
  NobodyPlaced,     // every diver is out of competition, withdrew, did not start or is out
};

// The next phase, made from a competition's standings.
struct AdvancedPhase {
  AdvanceFault Fault = AdvanceFault::None;
  Competition Next;  // the new competition, from zero points
  // The divers who go through, in the next phase's starting order, as their places in the
  // standings (which Next's entries follow): each an index into the standings' rows.
  std::vector<std::size_t> Through;
  std::size_t Placed = 0;             // the divers placed in the standings
  std::size_t TiedBeyond = 0;         // those who go through beyond Top, tied at its place
  bool Drawn = false;                 // a draw ordered divers tied for a place
  std::vector<std::size_t> Reserves;  // the reserves, as rows of the standings
  bool LimitedCarried = false;        // the limited parts stay behind, their points carried
};

// The next phase of C's event from its standings S: the divers placed up to the Top-th place,
// every diver tied at that place with them (2.1.7), in the reverse order of the standings
// (2.1.2, 2.1.3), divers tied for a place in the order of a draw among them from Ask.Seed (each
// tie in turn, from the lowest place, with one generator). Each list is carried over, an age
// group's without its limited part, whose points are carried forward (12.4.5.1). The next two
// placed are its reserves (2.1.6), with any tied at the second reserve's place. The event,
// book, panel and meet are C's; the head names the phase, the draw where there was one, and
// the reserves.
AdvancedPhase AdvancePhase(const Competition& C, const Standings& S, const AdvanceAsk& Ask);

}  // namespace merrith
