#include "scoring/standings.h"

#include <algorithm>

#include "sheets/sheet_words.h"
#include "support/words.h"

namespace merrith {
namespace {

// Each diver's recorded dive of each round; nullptr where none is recorded yet.
using RecordGrid = std::vector<std::vector<const RecordedDive*>>;

RecordGrid GridOf(const Competition& C) {
  RecordGrid Grid(C.Entries.size());
  for (std::size_t I = 0; I < C.Entries.size(); ++I) Grid[I].resize(C.Entries[I].Dives.size());
  for (const RecordedDive& R : C.Recorded)
    if (R.Entry < Grid.size() && R.Round >= 1 && R.Round <= Grid[R.Entry].size())
      Grid[R.Entry][R.Round - 1] = &R;
  return Grid;
}

// How many divers dive in Round (from 1): a list may be shorter than another.
std::size_t DiversIn(const Competition& C, std::size_t Round) {
  return static_cast<std::size_t>(
      std::count_if(C.Entries.begin(), C.Entries.end(),
                    [Round](const Entry& E) { return E.Dives.size() >= Round; }));
}

Standing StandingOf(const Competition& C, const RecordGrid& Grid, std::size_t Entry,
                    std::size_t Rounds) {
  Standing S;
  S.Entry = Entry;
  const std::vector<ListedDive>& Dives = C.Entries[Entry].Dives;
  S.Dives.reserve(std::min(Rounds, Dives.size()));
  for (std::size_t Round = 1; Round <= Rounds && Round <= Dives.size(); ++Round) {
    const RecordedDive* R = Grid[Entry][Round - 1];
    StandingDive& D = S.Dives.emplace_back();
    D.Round = Round;
    D.Recorded = R;
    D.Scored = ScoreDive(C.Judges, R->Awards, R->Decided, Dives[Round - 1].DD.value_or(0));
    S.Total += D.Scored.Points;
    D.Running = S.Total;
  }
  return S;
}

}  // namespace

Standings RankCompetition(const Competition& C) {
  Standings S;
  const RecordGrid Grid = GridOf(C);
  for (const Entry& E : C.Entries) S.Rounds = std::max(S.Rounds, E.Dives.size());
  S.RecordedIn.assign(S.Rounds, 0);
  for (const std::vector<const RecordedDive*>& Row : Grid)
    for (std::size_t I = 0; I < Row.size(); ++I) S.RecordedIn[I] += Row[I] != nullptr ? 1U : 0U;
  while (S.RoundsComplete < S.Rounds &&
         S.RecordedIn[S.RoundsComplete] == DiversIn(C, S.RoundsComplete + 1))
    ++S.RoundsComplete;
  S.Rows.reserve(C.Entries.size());
  for (std::size_t I = 0; I < C.Entries.size(); ++I)
    S.Rows.push_back(StandingOf(C, Grid, I, S.RoundsComplete));
  std::stable_sort(S.Rows.begin(), S.Rows.end(),
                   [](const Standing& A, const Standing& B) { return A.Total > B.Total; });
  for (std::size_t I = 0; I < S.Rows.size(); ++I)
    S.Rows[I].Place = I > 0 && S.Rows[I].Total == S.Rows[I - 1].Total ? S.Rows[I - 1].Place : I + 1;
  return S;
}

std::u16string RoundsText(const Competition& C, const Standings& S) {
  if (S.Rounds == 0) return u"No dives listed yet.";
  std::u16string Text = S.RoundsComplete == 0 ? u"No round complete yet."
                                              : u"After round " + NumberText(S.RoundsComplete) +
                                                    u" of " + NumberText(S.Rounds) + u".";
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
