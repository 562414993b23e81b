#include "scoring/judges_analysis.h"

#include <algorithm>
#include <numeric>

#include "scoring/score_dive.h"
#include "support/words.h"

namespace merrith {
namespace {

// The differences from the others' mean are kept in half points times Common, which every
// number of other judges in a group (1 to 10) divides: each difference is then whole.
constexpr std::int64_t Common = 2520;
static_assert(Common % 2 == 0 && Common % 3 == 0 && Common % 4 == 0 && Common % 5 == 0 &&
              Common % 7 == 0 && Common % 8 == 0 && Common % 9 == 0 && Common % 10 == 0);
// 2 points, in those units: 4 half points.
constexpr std::int64_t FarApart = 4 * Common;

// Enough to hold the products of the rank sums of MostRanked divers: each sum of squares of
// doubled ranks times their number is below 4 N^4, so the products compared stay below
// 4 10^6 (4 N^4)^2, 6.4 10^31 for a thousand divers.
__extension__ typedef unsigned __int128 Wide;  // NOLINT(modernize-use-using)
constexpr std::size_t MostRanked = 1000;

// Whether two seats judge in one group: the whole panel; on a synchro panel, the execution
// judges of both divers, or the synchronisation judges.
bool SameGroup(Panel P, int A, int B) {
  return (SeatOf(P, A) == Seat::Synchronisation) == (SeatOf(P, B) == Seat::Synchronisation);
}

// Sums of differences from the others' mean, in half points times Common, and how many.
struct Differences {
  std::int64_t Sum = 0;
  std::int64_t Count = 0;
  std::optional<Fraction> Mean() const {
    if (Count == 0) return std::nullopt;
    return Fraction{Sum, 2 * Common * Count};
  }
};

struct SeatSums {
  std::int64_t Awarded = 0;  // half points
  Differences Signed, Apart, Own, Others;
};

// The judge's nation, as the head names it; empty where it does not.
std::u16string NationOf(const Competition& C, std::size_t Seat) {
  for (const NamedJudge& J : C.JudgeNames)
    if (J.Seat == Seat) return J.Nation;
  return u"";
}

// Ranks from 1 of Values, the highest first, tied values taking the average of their ranks;
// doubled, so that each is whole.
std::vector<std::int64_t> DoubledRanks(const std::vector<std::int64_t>& Values) {
  std::vector<std::size_t> Order(Values.size());
  std::iota(Order.begin(), Order.end(), std::size_t{0});
  std::stable_sort(Order.begin(), Order.end(),
                   [&Values](std::size_t A, std::size_t B) { return Values[A] > Values[B]; });
  std::vector<std::int64_t> Ranks(Values.size());
  for (std::size_t First = 0; First < Order.size();) {
    std::size_t Last = First;
    while (Last + 1 < Order.size() && Values[Order[Last + 1]] == Values[Order[First]]) ++Last;
    // Ranks First + 1 to Last + 1 shared: their average, doubled.
    const auto Shared = static_cast<std::int64_t>(First + Last + 2);
    for (std::size_t I = First; I <= Last; ++I) Ranks[Order[I]] = Shared;
    First = Last + 1;
  }
  return Ranks;
}

// The product-moment correlation of two rankings, in thousandths rounded half away from zero:
// Sxy / sqrt(Sxx Syy) found exactly, as the largest M with (M - 1/2)^2 Sxx Syy <= 10^6 Sxy^2.
std::optional<std::int64_t> Correlation(const std::vector<std::int64_t>& X,
                                        const std::vector<std::int64_t>& Y) {
  const auto N = static_cast<std::int64_t>(X.size());
  if (N < 2) return std::nullopt;
  std::int64_t SumX = 0, SumY = 0, SumXX = 0, SumYY = 0, SumXY = 0;
  for (std::size_t I = 0; I < X.size(); ++I) {
    SumX += X[I];
    SumY += Y[I];
    SumXX += X[I] * X[I];
    SumYY += Y[I] * Y[I];
    SumXY += X[I] * Y[I];
  }
  const std::int64_t Sxx = N * SumXX - SumX * SumX;
  const std::int64_t Syy = N * SumYY - SumY * SumY;
  const std::int64_t Sxy = N * SumXY - SumX * SumY;
  if (Sxx == 0 || Syy == 0) return std::nullopt;
  const Wide Product = static_cast<Wide>(Sxx) * static_cast<Wide>(Syy);
  const auto AbsXY = static_cast<Wide>(Sxy < 0 ? -Sxy : Sxy);
  const Wide Bound = 4'000'000 * AbsXY * AbsXY;
  std::int64_t M = 1000;
  while (M > 0 && static_cast<Wide>((2 * M - 1) * (2 * M - 1)) * Product > Bound) --M;
  return Sxy < 0 ? -M : M;
}

// The seat's Rho: its ranking of the placed divers set against the standings'.
std::optional<std::int64_t> SeatRho(const Competition& C, const Standings& S, std::size_t Index) {
  std::vector<std::int64_t> Given, Places;
  for (const Standing& Row : S.Rows) {
    if (Row.Place == 0) continue;
    std::int64_t Sum = 0;
    for (const StandingDive& D : Row.Dives) {
      const std::optional<HalfPoints>& A = D.Recorded->Awards[Index];
      if (A) Sum += std::int64_t{*A} * C.Entries[Row.Entry].Dives[D.Round - 1].DD.value_or(0);
    }
    Given.push_back(Sum);
    Places.push_back(Row.Total);
  }
  if (Given.size() > MostRanked) return std::nullopt;
  return Correlation(DoubledRanks(Given), DoubledRanks(Places));
}

void Add(Differences& D, std::int64_t Difference) {
  D.Sum += Difference;
  ++D.Count;
}

}  // namespace

std::int64_t RoundedTo(Fraction F, std::int64_t Scale) {
  const std::int64_t Magnitude = (F.Num < 0 ? -F.Num : F.Num) * Scale;
  const std::int64_t Rounded = (2 * Magnitude + F.Den) / (2 * F.Den);
  return F.Num < 0 ? -Rounded : Rounded;
}

JudgesAnalysis AnalyseJudges(const Competition& C, const Standings& S) {
  const Panel P = C.Judges;
  const int Judges = JudgesOf(P);
  std::vector<SeatSums> Sums(static_cast<std::size_t>(Judges));
  JudgesAnalysis Out;
  Out.Seats.resize(Sums.size());
  Out.Dives = C.Recorded.size();
  std::vector<std::u16string> Nations(Sums.size());
  for (std::size_t I = 0; I < Sums.size(); ++I) Nations[I] = NationOf(C, I + 1);
  for (const RecordedDive& R : C.Recorded) {
    const std::u16string& Team = C.Entries[R.Entry].Team;
    const ScoredDive Scored = ScoreDive(P, R.Awards, Decision{}, 0);
    for (int I = 0; I < Judges; ++I) {
      const auto Index = static_cast<std::size_t>(I);
      if (!R.Awards[Index]) continue;
      const std::int64_t Award = *R.Awards[Index];
      SeatAnalysis& A = Out.Seats[Index];
      SeatSums& Sum = Sums[Index];
      ++A.Awards;
      Sum.Awarded += Award;
      if (Scored.Fault == ScoreFault::None && Scored.Cancelled[Index])
        ++(Scored.High[Index] ? A.CancelledHigh : A.CancelledLow);
      std::int64_t Others = 0, Count = 0;
      for (int O = 0; O < Judges; ++O) {
        const std::optional<HalfPoints>& Other = R.Awards[static_cast<std::size_t>(O)];
        if (O == I || !Other || !SameGroup(P, I, O)) continue;
        Others += *Other;
        ++Count;
      }
      if (Count == 0) continue;
      const std::int64_t Difference = Award * Common - Others * (Common / Count);
      Add(Sum.Signed, Difference);
      Add(Sum.Apart, Difference < 0 ? -Difference : Difference);
      if (Difference >= FarApart || Difference <= -FarApart) ++A.Far;
      if (Nations[Index].empty()) continue;
      const bool Own = Team.size() == 3 && SameWord(Team, Nations[Index]);
      Add(Own ? Sum.Own : Sum.Others, Difference);
    }
  }
  for (const Standing& Row : S.Rows) Out.Ranked += Row.Place != 0 ? 1U : 0U;
  for (std::size_t I = 0; I < Sums.size(); ++I) {
    SeatAnalysis& A = Out.Seats[I];
    const SeatSums& Sum = Sums[I];
    A.Seat = I + 1;
    A.Role = SeatOf(P, static_cast<int>(I));
    if (A.Awards == 0) continue;
    A.Mean = Fraction{Sum.Awarded, 2 * static_cast<std::int64_t>(A.Awards)};
    A.Bias = Sum.Signed.Mean();
    A.Spread = Sum.Apart.Mean();
    A.OwnNationBias = Sum.Own.Mean();
    A.OtherNationsBias = Sum.Others.Mean();
    A.OwnNationAwards = static_cast<std::size_t>(Sum.Own.Count);
    A.Rho = SeatRho(C, S, I);
  }
  return Out;
}

}  // namespace merrith
