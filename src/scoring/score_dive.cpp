#include "scoring/score_dive.h"

#include <algorithm>

namespace merrith {
namespace {

// The award the unsafe-dive rule and the cap of another position hold awards to: 2 points.
constexpr HalfPoints TwoPoints = 4;
// A re-start costs 2 points off every award.
constexpr HalfPoints RestartDeduction = 4;

// The average of the awards given in the seat's group (the whole panel in individual and
// team events, the same diver's execution judges or the synchronisation judges in synchro),
// rounded to a half point: .01 to .24 lost, .25 to .74 to .50, .75 and up to the next point.
std::optional<HalfPoints> Replacement(Panel P, std::span<const std::optional<HalfPoints>> Awards,
                                      int Index) {
  HalfPoints Sum = 0;
  HalfPoints Count = 0;
  for (int I = 0; I < JudgesOf(P); ++I) {
    const auto& A = Awards[static_cast<std::size_t>(I)];
    if (!A || SeatOf(P, I) != SeatOf(P, Index)) continue;
    Sum += *A;
    ++Count;
  }
  if (Count == 0) return std::nullopt;
  // Sum / Count half points is 2 Sum / Count quarters; a half point up from .25 and from .75
  // is rounding the half points half up.
  return (2 * Sum + Count) / (2 * Count);
}

// 9.9 and 9.11: every execution judge of one diver, or every synchronisation judge, awards 0.
bool FailedBySynchroJudges(Panel P, const SeatValues<HalfPoints>& Awards) {
  if (!IsSynchro(P)) return false;
  for (Seat S : {Seat::ExecutionDiver1, Seat::ExecutionDiver2, Seat::Synchronisation}) {
    bool AllZero = true;
    for (int I = 0; I < JudgesOf(P); ++I)
      if (SeatOf(P, I) == S && Awards[static_cast<std::size_t>(I)] != 0) AllZero = false;
    if (AllZero) return true;
  }
  return false;
}

// The referee's and the panel's decisions, in one fixed order where the book leaves it open:
// the cap, then the re-start's 2 points off (never below 0), then the unsafe-dive rule.
void ApplyDecision(Panel P, const Decision& D, SeatValues<HalfPoints>& Awards) {
  for (HalfPoints& A : Awards) {
    if (D.Cap) A = std::min(A, *D.Cap);
    if (D.Restart) A = std::max(A - RestartDeduction, 0);
  }
  // 8.5.4: when a majority of the panel awards 2 or less (3 of 5, 4 of 7; we take the same
  // majority of 3, 9 and 11), every higher award becomes 2.
  if (!D.Unsafe) return;
  const auto AtMostTwo =
      std::count_if(Awards.begin(), Awards.end(), [](HalfPoints A) { return A <= TwoPoints; });
  if (AtMostTwo < JudgesOf(P) / 2 + 1) return;
  for (HalfPoints& A : Awards) A = std::min(A, TwoPoints);
}

// Cancels the highest and the lowest awards of every pool, only as many of several equal
// awards as needed: the lowest from the first seats, the highest from the last.
void Cancel(Panel P, ScoredDive& Dive) {
  const auto Each = static_cast<std::size_t>(CancelledEachEnd(P));
  if (Each == 0) return;
  for (int Pool = 0; Pool < PoolCount; ++Pool) {
    // The pool's seats by award, equal awards in seating order.
    SeatValues<std::size_t> Seats;
    for (int I = 0; I < JudgesOf(P); ++I)
      if (PoolOf(P, I) == Pool) Seats.push_back(static_cast<std::size_t>(I));
    if (Seats.size() == 0) continue;
    std::sort(Seats.begin(), Seats.end(), [&Dive](std::size_t A, std::size_t B) {
      return Dive.Awards[A] != Dive.Awards[B] ? Dive.Awards[A] < Dive.Awards[B] : A < B;
    });
    for (std::size_t K = 0; K < Each; ++K) {
      Dive.Cancelled[Seats[K]] = true;
      Dive.Cancelled[Seats[Seats.size() - 1 - K]] = true;
      Dive.High[Seats[Seats.size() - 1 - K]] = true;
    }
  }
}

// A dive that cannot be scored, for the reason F.
ScoredDive Unscored(ScoreFault F) {
  ScoredDive Dive;
  Dive.Fault = F;
  return Dive;
}

}  // namespace

ScoredDive ScoreDive(Panel P, std::span<const std::optional<HalfPoints>> Awards, const Decision& D,
                     DdTenths DD) {
  const auto Judges = static_cast<std::size_t>(JudgesOf(P));
  if (Awards.size() != Judges) return Unscored(ScoreFault::AwardCount);
  ScoredDive Dive{.Awards = SeatValues<HalfPoints>(Judges),
                  .Replaced = SeatValues<bool>(Judges),
                  .Cancelled = SeatValues<bool>(Judges),
                  .High = SeatValues<bool>(Judges)};
  // Missing awards are replaced first, from the awards as the other judges gave them.
  for (std::size_t I = 0; I < Judges; ++I) {
    std::optional<HalfPoints> A = Awards[I];
    if (!A) A = Replacement(P, Awards, static_cast<int>(I));
    if (!A) return Unscored(ScoreFault::AllMissing);
    Dive.Awards[I] = *A;
    Dive.Replaced[I] = !Awards[I];
  }
  Dive.Failed = D.Failed || FailedBySynchroJudges(P, Dive.Awards);
  ApplyDecision(P, D, Dive.Awards);
  Cancel(P, Dive);
  if (Dive.Failed) return Dive;
  for (std::size_t I = 0; I < Judges; ++I)
    if (!Dive.Cancelled[I]) Dive.Sum += Dive.Awards[I];
  // Half points times tenths are twentieths of a point; synchro takes the kept sum / 5 x 3.
  const Hundredths PerUnit = IsSynchro(P) ? 3 : 5;
  Dive.Points = Hundredths{Dive.Sum} * DD * PerUnit;
  return Dive;
}

}  // namespace merrith
