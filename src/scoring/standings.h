#pragma once

#include <cstddef>
#include <optional>
#include <string>
#include <vector>

#include "scoring/competition.h"
#include "scoring/score_dive.h"

namespace merrith {

// One dive of a diver's standing: its round, its awards scored, and the total after it.
struct StandingDive {
  std::size_t Round = 0;  // from 1
  const RecordedDive* Recorded = nullptr;
  ScoredDive Scored;
  Hundredths Running = 0;  // the diver's total after this dive
};

// A diver's place: divers with equal totals share it, and the places after them are skipped
// (1, 2, 2, 4). A diver out of competition, withdrawn, disqualified or not started has none,
// and nobody has one before the first round is complete.
struct Standing {
  std::size_t Place = 0;            // from 1; 0 for a diver who is not placed
  std::size_t Entry = 0;            // in the starting order, from 0
  Hundredths Total = 0;             // with the points carried from the preliminary (12.4.5.1)
  std::vector<StandingDive> Dives;  // those of the rounds complete, in order
};

// The standings of the rounds complete: a round counts once the dive of it of every diver who
// dives it is recorded (the result rests on the last complete round).
struct Standings {
  std::size_t Rounds = 0;               // the most dives a diver's list has
  std::size_t RoundsComplete = 0;       // rounds 1 to this are counted
  std::size_t RoundsFinished = 0;       // rounds 1 to this are complete: RoundsComplete, but
                                        // where the standings were asked after an earlier one
  std::vector<std::size_t> RecordedIn;  // how many dives each round has recorded, from round 1
  std::vector<Standing> Rows;           // by place, equal places in starting order; then the
                                        // divers out of competition, then those who stopped
  // The same after the last dive recorded, every dive counted: where the divers stand now,
  // while a round is under way. The rounds complete stay the result (6.4.2).
  std::vector<Standing> Current;

  // Whether a dive beyond the rounds complete is recorded: the current standings differ.
  // Not so for the standings asked after an earlier round.
  bool RoundUnderWay() const {
    if (RoundsComplete != RoundsFinished) return false;
    for (std::size_t Round = RoundsComplete; Round < RecordedIn.size(); ++Round)
      if (RecordedIn[Round] > 0) return true;
    return false;
  }
};

// Scores every dive recorded and ranks the divers by their totals over the rounds complete, or
// over rounds 1 to AfterRound where that is fewer (0: all of them): the placed divers first,
// then those out of competition (scored, not placed), then those who withdrew, were
// disqualified or did not start. C must be a competition read without errors, so that each
// dive has a DD.
Standings RankCompetition(const Competition& C, std::size_t AfterRound = 0);

// How many divers dive Round (from 1): a list may be shorter than another, and a diver who
// stopped dives no more.
std::size_t DiversIn(const Competition& C, std::size_t Round);

// A diver's dive of a round: the diver's place in the starting order (from 0), the round
// (from 1).
struct DiveTurn {
  std::size_t Entry = 0;
  std::size_t Round = 0;
  bool operator==(const DiveTurn&) const = default;
};

// The dive that comes after those recorded: each diver's dive of a round, in starting order,
// before any dive of the next round; a diver who stopped is passed over; nothing when every
// dive is recorded.
std::optional<DiveTurn> NextTurn(const Competition& C);

// How far the competition is, in words: "After round 3 of 6." and where a round is under way
// or has no awards yet, so much more: "Round 4: 2 of 8 dives recorded, not counted yet.
// Rounds 5 to 6 have no awards yet."
std::u16string RoundsText(const Competition& C, const Standings& S);

}  // namespace merrith
