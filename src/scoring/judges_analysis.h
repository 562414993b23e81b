#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <vector>

#include "scoring/competition.h"
#include "scoring/standings.h"

namespace merrith {

// A fraction of whole numbers, kept exact until it is printed; Den is above 0.
struct Fraction {
  std::int64_t Num = 0;
  std::int64_t Den = 1;
  bool operator==(const Fraction&) const = default;
};

// F in whole units of 1 / Scale, rounded half away from zero: 7/8 to hundredths is 88, -1/8
// is -13.
std::int64_t RoundedTo(Fraction F, std::int64_t Scale);

// How one judge's seat judged, over the dives recorded with an award from it, the awards taken
// as the judges gave them: before the referee's decisions, a missing award counting for
// nobody. Each award is set against the mean of the other awards of its group on the same
// dive: the whole panel, or on a synchro panel the execution judges (of both divers) or the
// synchronisation judges. Points are in points: a Mean of 15/2 is 7.5.
struct SeatAnalysis {
  std::size_t Seat = 0;  // from 1
  merrith::Seat Role = merrith::Seat::Judge;
  std::size_t Awards = 0;          // the dives with an award from the seat
  std::optional<Fraction> Mean;    // its average award; none without an award
  std::optional<Fraction> Bias;    // the average of its award less the others' mean: above 0
                                   // generous, below severe; none where no other judge of its
                                   // group gave an award beside it
  std::optional<Fraction> Spread;  // the average of the same differences, all counted positive
  std::size_t Far = 0;             // its awards 2 points or more from the others' mean
  std::size_t CancelledHigh = 0;   // its awards cancelled as a highest, as the scoring cancels
  std::size_t CancelledLow = 0;    // them, of several equal awards which
  // Spearman's rank correlation, in thousandths rounded half away from zero, between the
  // ranking its awards give (each placed diver's sum over the dives counted of the award
  // times the DD) and the standings, tied places taking the average of their ranks; none
  // with fewer than two divers placed, or where either ranking ties them all.
  std::optional<std::int64_t> Rho;
  // Where the head gives the judge's nation: the bias on the dives of divers of that nation
  // (a diver's nation is a team of three letters, GBR), and on the others'.
  std::optional<Fraction> OwnNationBias;
  std::optional<Fraction> OtherNationsBias;
  std::size_t OwnNationAwards = 0;
};

// The judges' analysis of a competition (5.1.3, 13.3.2.6): every seat of its panel in seating
// order, S being its standings.
struct JudgesAnalysis {
  std::vector<SeatAnalysis> Seats;
  std::size_t Dives = 0;   // the dives recorded
  std::size_t Ranked = 0;  // the divers placed, whom Rho ranks
};

JudgesAnalysis AnalyseJudges(const Competition& C, const Standings& S);

}  // namespace merrith
