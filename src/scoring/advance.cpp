#include "scoring/advance.h"

#include <algorithm>

#include "scoring/draw.h"

namespace merrith {
namespace {

// How many reserves are named: the next two placed.
constexpr std::size_t ReservesNamed = 2;

// Whether the next phase leaves the limited part of C's lists behind: an age group's
// preliminary going on to its final (12.4.5.1).
bool DropsLimitedPart(const Competition& C, Phase Next) {
  return C.Rules && C.Rules->Limited && C.Stage != Phase::SemiFinal && C.Stage != Phase::Final &&
         Next != Phase::Preliminary;
}

// The diver of Row as the next phase lists them: the same name and team, each dive of the list
// with its height written on its line, and where the limited part stays behind, the dives
// without limit alone and the points of the limited ones carried.
Entry CarriedEntry(const Competition& C, const Standing& Row, bool DropLimited) {
  const Entry& Was = C.Entries[Row.Entry];
  Entry E;
  E.Diver = Was.Diver;
  E.Team = Was.Team;
  E.Carried = Was.Carried;
  for (const ListedDive& L : Was.Dives) {
    if (DropLimited && L.Limited) continue;
    ListedDive& D = E.Dives.emplace_back(L);
    D.Written.Line = 0;
    D.Written.Limited = false;
    if (D.Written.HeightIndex == 0) D.Written.HeightIndex = L.HeightIndex;
  }
  if (!DropLimited) return E;
  Hundredths Limited = 0;
  for (const StandingDive& D : Row.Dives)
    if (Was.Dives[D.Round - 1].Limited) Limited += D.Scored.Points;
  E.Carried = E.Carried.value_or(0) + Limited;
  return E;
}

}  // namespace

AdvancedPhase AdvancePhase(const Competition& C, const Standings& S, const AdvanceAsk& Ask) {
  AdvancedPhase Out;
  if (C.Stage == Phase::Final) {
    Out.Fault = AdvanceFault::AfterFinal;
    return Out;
  }
  if (S.RoundsComplete == 0) {
    Out.Fault = AdvanceFault::NoRoundComplete;
    return Out;
  }
  while (Out.Placed < S.Rows.size() && S.Rows[Out.Placed].Place != 0) ++Out.Placed;
  if (Out.Placed == 0) {
    Out.Fault = AdvanceFault::NobodyPlaced;
    return Out;
  }
  // The places share their number with those tied: every diver placed up to Top goes.
  std::size_t Going = 0;
  while (Going < Out.Placed && S.Rows[Going].Place <= Ask.Top) ++Going;
  Out.TiedBeyond = Going > Ask.Top ? Going - Ask.Top : 0;
  // The reverse of the standings; each tie, from the lowest place, in the order of its draw.
  CDrawGenerator Draw(Ask.Seed);
  for (std::size_t End = Going; End > 0;) {
    std::size_t First = End - 1;
    while (First > 0 && S.Rows[First - 1].Place == S.Rows[End - 1].Place) --First;
    if (End - First == 1) {
      Out.Through.push_back(First);
    } else {
      std::vector<std::u16string> Names;
      for (std::size_t I = First; I < End; ++I) Names.push_back(C.Entries[S.Rows[I].Entry].Diver);
      for (const std::size_t I : DrawOrder(Names, Draw)) Out.Through.push_back(First + I);
      Out.Drawn = true;
    }
    End = First;
  }
  for (std::size_t I = Going; I < Out.Placed; ++I) {
    const bool Tied = !Out.Reserves.empty() && S.Rows[I].Place == S.Rows[Out.Reserves.back()].Place;
    if (Out.Reserves.size() >= ReservesNamed && !Tied) break;
    Out.Reserves.push_back(I);
  }
  Competition& N = Out.Next;
  N.EventId = C.EventId;
  N.Book = C.Book;
  N.Rules = C.Rules;
  N.Judges = C.Judges;
  N.Meet = C.Meet;
  N.MeetDate = C.MeetDate;
  N.Stage = Ask.Next;
  if (Out.Drawn) N.DrawSeed = Ask.Seed;
  N.ListsChecked = C.ListsChecked;
  for (const std::size_t I : Out.Reserves) {
    const Entry& E = C.Entries[S.Rows[I].Entry];
    N.Reserves.push_back({E.Diver, E.Team});
  }
  const bool DropLimited = DropsLimitedPart(C, Ask.Next);
  Out.LimitedCarried = DropLimited;
  for (const std::size_t I : Out.Through)
    N.Entries.push_back(CarriedEntry(C, S.Rows[I], DropLimited));
  return Out;
}

}  // namespace merrith
