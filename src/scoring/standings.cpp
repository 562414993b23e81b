#include "scoring/standings.h"

#include <algorithm>
#include <span>

#include "sheets/sheet_words.h"
#include "support/words.h"

namespace merrith {
namespace {

// Each diver's recorded dive of each round, the divers' rows one after the other in one
// table; nullptr where none is recorded yet.
class RecordGrid {
 public:
  explicit RecordGrid(const Competition& C) {
    Starts.reserve(C.Entries.size() + 1);
    Starts.push_back(0);
    for (const Entry& E : C.Entries) Starts.push_back(Starts.back() + E.Dives.size());
    Cells.assign(Starts.back(), nullptr);
    for (const RecordedDive& R : C.Recorded)
      if (R.Entry < C.Entries.size() && R.Round >= 1 && R.Round <= Row(R.Entry).size())
        Cells[Starts[R.Entry] + R.Round - 1] = &R;
  }

  std::size_t Divers() const { return Starts.size() - 1; }

  // The Entry-th diver's dives by round.
  std::span<const RecordedDive* const> Row(std::size_t Entry) const {
    return std::span(Cells).subspan(Starts[Entry], Starts[Entry + 1] - Starts[Entry]);
  }

 private:
  std::vector<std::size_t> Starts;  // where each diver's row starts, and the end of the last
  std::vector<const RecordedDive*> Cells;
};

// Where a diver stands in the order of the results: placed, out of competition, stopped.
int Tier(const Entry& E) {
  switch (E.Status) {
    case DiverStatus::Ok:
      return 0;
    case DiverStatus::OutOfCompetition:
      return 1;
    case DiverStatus::Withdrawn:
    case DiverStatus::Disqualified:
      return 2;
    case DiverStatus::DidNotStart:
      return 3;
  }
  return 3;
}

// Every dive of the diver's recorded, scored, in round order, each with the total after it.
Standing StandingOf(const Competition& C, const RecordGrid& Grid, std::size_t Entry) {
  Standing S;
  S.Entry = Entry;
  S.Total = C.Entries[Entry].Carried.value_or(0);
  const std::vector<ListedDive>& Dives = C.Entries[Entry].Dives;
  S.Dives.reserve(Dives.size());
  for (std::size_t Round = 1; Round <= Dives.size(); ++Round) {
    const RecordedDive* R = Grid.Row(Entry)[Round - 1];
    if (R == nullptr) continue;
    const ScoredDive Scored =
        ScoreDive(C.Judges, R->Awards, R->Decided, Dives[Round - 1].DD.value_or(0));
    S.Total += Scored.Points;
    S.Dives.push_back({Round, R, Scored, S.Total});
  }
  return S;
}

// The same standing counting only the rounds up to Rounds: its dives of those rounds, each
// scored once for both.
Standing Through(const Standing& Current, std::size_t Rounds, Hundredths Carried) {
  const auto Later = std::find_if(Current.Dives.begin(), Current.Dives.end(),
                                  [Rounds](const StandingDive& D) { return D.Round > Rounds; });
  Standing S;
  S.Entry = Current.Entry;
  S.Total = Carried;
  S.Dives.assign(Current.Dives.begin(), Later);
  if (!S.Dives.empty()) S.Total = S.Dives.back().Running;
  return S;
}

// Rows in the order of the results, placed: the placed divers by total (equal totals share a
// place, in starting order), then those out of competition, then those who stopped.
void Rank(const Competition& C, std::vector<Standing>& Rows, bool Placed) {
  std::stable_sort(Rows.begin(), Rows.end(), [&C](const Standing& A, const Standing& B) {
    const int TierA = Tier(C.Entries[A.Entry]);
    const int TierB = Tier(C.Entries[B.Entry]);
    return TierA != TierB ? TierA < TierB : TierA < 3 && A.Total > B.Total;
  });
  for (std::size_t I = 0; I < Rows.size() && Placed; ++I) {
    if (C.Entries[Rows[I].Entry].Status != DiverStatus::Ok) break;
    Rows[I].Place = I > 0 && Rows[I].Total == Rows[I - 1].Total ? Rows[I - 1].Place : I + 1;
  }
}

}  // namespace

Standings RankCompetition(const Competition& C, std::size_t AfterRound) {
  Standings S;
  const RecordGrid Grid(C);
  S.Rounds = RoundsOf(C);
  S.RecordedIn.assign(S.Rounds, 0);
  for (std::size_t Entry = 0; Entry < Grid.Divers(); ++Entry) {
    const std::span<const RecordedDive* const> Row = Grid.Row(Entry);
    for (std::size_t I = 0; I < Row.size(); ++I) S.RecordedIn[I] += Row[I] != nullptr ? 1U : 0U;
  }
  while (S.RoundsComplete < S.Rounds &&
         S.RecordedIn[S.RoundsComplete] == DiversIn(C, S.RoundsComplete + 1))
    ++S.RoundsComplete;
  S.RoundsFinished = S.RoundsComplete;
  if (AfterRound != 0) S.RoundsComplete = std::min(S.RoundsComplete, AfterRound);
  S.Current.reserve(C.Entries.size());
  S.Rows.reserve(C.Entries.size());
  for (std::size_t I = 0; I < C.Entries.size(); ++I) {
    S.Current.push_back(StandingOf(C, Grid, I));
    S.Rows.push_back(Through(S.Current.back(), S.RoundsComplete, C.Entries[I].Carried.value_or(0)));
  }
  // Nobody is placed before the first round is complete, nor now before the first dive.
  Rank(C, S.Rows, S.RoundsComplete > 0);
  if (S.RoundsComplete < S.RoundsFinished)
    S.Current = S.Rows;  // asked after an earlier round
  else
    Rank(C, S.Current, !C.Recorded.empty());
  return S;
}

std::size_t DiversIn(const Competition& C, std::size_t Round) {
  return static_cast<std::size_t>(
      std::count_if(C.Entries.begin(), C.Entries.end(),
                    [Round](const Entry& E) { return RoundsDived(E) >= Round; }));
}

std::optional<DiveTurn> NextTurn(const Competition& C) {
  const RecordGrid Grid(C);
  const std::size_t Rounds = RoundsOf(C);
  for (std::size_t Round = 1; Round <= Rounds; ++Round)
    for (std::size_t I = 0; I < C.Entries.size(); ++I)
      if (Round <= RoundsDived(C.Entries[I]) && Grid.Row(I)[Round - 1] == nullptr)
        return DiveTurn{I, Round};
  return std::nullopt;
}

std::u16string RoundsText(const Competition& C, const Standings& S) {
  if (S.Rounds == 0) return u"No dives listed yet.";
  std::u16string Text = S.RoundsComplete == 0 ? u"No round complete yet."
                                              : u"After round " + NumberText(S.RoundsComplete) +
                                                    u" of " + NumberText(S.Rounds) + u".";
  if (S.RoundsFinished > S.RoundsComplete)
    return Text + u" Rounds 1 to " + NumberText(S.RoundsFinished) + u" are complete.";
  std::size_t Round = S.RoundsComplete + 1;
  if (Round <= S.Rounds && S.RecordedIn[Round - 1] > 0) {
    Text += u" Round " + NumberText(Round) + u": " + NumberText(S.RecordedIn[Round - 1]) + u" of " +
            CountText(DiversIn(C, Round), u"dive", u"dives") + u" recorded, not counted yet.";
    ++Round;
  }
  if (Round > S.Rounds) return Text;
  // A dive recorded out of turn leaves the later rounds incomplete, not empty.
  const bool Empty = std::all_of(S.RecordedIn.begin() + static_cast<std::ptrdiff_t>(Round - 1),
                                 S.RecordedIn.end(), [](std::size_t N) { return N == 0; });
  Text += Round == S.Rounds ? u" Round " + NumberText(Round)
                            : u" Rounds " + NumberText(Round) + u" to " + NumberText(S.Rounds);
  Text += Round == S.Rounds ? (Empty ? u" has no awards yet." : u" is not complete.")
                            : (Empty ? u" have no awards yet." : u" are not complete.");
  return Text;
}

}  // namespace merrith
