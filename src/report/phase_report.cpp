#include "report/phase_report.h"

#include <utility>
#include <vector>

#include "report/competition_faults.h"
#include "report/results_report.h"
#include "report/text_table.h"
#include "scoring/competition_csv.h"
#include "scoring/draw.h"
#include "support/file_lock.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith {
namespace {

std::u16string PhaseWord(Phase P) {
  return P == Phase::None ? u"competition" : std::u16string(RowOf(P).Word);
}

// How far the standings went: "after round 5 of 5".
std::u16string AfterText(const Standings& S) {
  return u"after round " + NumberText(S.RoundsComplete) + u" of " + NumberText(S.Rounds);
}

// Where the event is not complete: that the standings rest on the rounds that are.
std::u16string IncompleteText(const Standings& S) {
  if (S.RoundsComplete == S.Rounds) return u"";
  return u"The event is not complete: the standings rest on the rounds complete (6.4.2).";
}

// What the next phase goes by: "places 1 to 12", and those tied at the last place.
std::u16string ThroughText(const Standings& S, const AdvanceAsk& Ask, const AdvancedPhase& A) {
  const std::size_t Going = A.Through.size();
  if (A.Placed < Ask.Top || (A.Placed == Going && A.TiedBeyond == 0))
    return u"all " + CountText(A.Placed, u"diver", u"divers") + u" placed go through" +
           (A.Placed < Ask.Top ? u": fewer than " + NumberText(Ask.Top) : u"") + u".";
  std::u16string Text = NumberText(Going) + u" of the " + CountText(A.Placed, u"diver", u"divers") +
                        u" placed go through: the top " + NumberText(Ask.Top);
  if (A.TiedBeyond == 0) return Text + u".";
  const std::size_t Last = S.Rows[Going - 1].Place;
  const std::size_t Tied = Going - Last + 1;
  return Text + u", and with them " + (Tied == 2 ? u"both" : u"all " + NumberText(Tied)) +
         u" divers tied for " + OrdinalText(Last) + u" place (2.1.7).";
}

// Each diver of the next phase in starting order: the order, the place, the diver, the team
// and the total they went through with.
std::u16string OrderTable(const Competition& C, const Standings& S, const AdvancedPhase& A) {
  std::vector<Column> Columns{
      {u"Order", {},  true},
      {u"Place", {},  true},
      {u"Diver", {}, false},
      { u"Team", {}, false},
      {u"Total", {},  true}
  };
  for (std::size_t I = 0; I < A.Through.size(); ++I) {
    const Standing& Row = S.Rows[A.Through[I]];
    const Entry& E = C.Entries[Row.Entry];
    Columns[0].Cells.push_back(NumberText(I + 1));
    Columns[1].Cells.push_back(NumberText(Row.Place));
    Columns[2].Cells.push_back(E.Diver);
    Columns[3].Cells.push_back(E.Team);
    Columns[4].Cells.push_back(PointsText(Row.Total));
  }
  return TextTable(Columns, A.Through.size());
}

std::u16string ReservesText(const Competition& C, const Standings& S, const AdvancedPhase& A) {
  std::u16string Text;
  for (const std::size_t I : A.Reserves)
    AppendJoined(Text, u", ",
                 C.Entries[S.Rows[I].Entry].Diver + u" (" + OrdinalText(S.Rows[I].Place) + u")");
  return Text.empty() ? u"none: nobody else is placed (2.1.6)"
                      : Text + u", called on in this order (2.1.6)";
}

}  // namespace

std::u16string DrawReport(const Competition& C) {
  std::u16string Text = CompetitionFactsText(C);
  if (C.DrawSeed) Text += u"Draw:    seed " + SeedText(*C.DrawSeed) + u" (2.1.1)\n";
  Text += u"\n";
  std::vector<Column> Columns{
      {u"Order", {},  true},
      {u"Diver", {}, false},
      { u"Team", {}, false}
  };
  for (std::size_t I = 0; I < C.Entries.size(); ++I) {
    Columns[0].Cells.push_back(NumberText(I + 1));
    Columns[1].Cells.push_back(C.Entries[I].Diver);
    Columns[2].Cells.push_back(C.Entries[I].Team);
  }
  return Text + TextTable(Columns, C.Entries.size());
}

std::u16string AdvanceFaultText(AdvanceFault Fault) {
  switch (Fault) {
    case AdvanceFault::None:
      return u"";
    case AdvanceFault::AfterFinal:
      return u"the competition is a final: no phase comes after it";
    case AdvanceFault::NoRoundComplete:
      return u"no round is complete: the next phase goes by the standings of the rounds complete";
    case AdvanceFault::NobodyPlaced:
      return u"no diver is placed: every one is out of competition, withdrew, did not start or "
             u"was disqualified";
  }
  return u"";
}

std::u16string OrdinalText(std::size_t Place) {
  const std::size_t Tens = Place % 100;
  const std::size_t Units = Place % 10;
  const std::u16string_view End = Tens >= 11 && Tens <= 13 ? u"th"
                                  : Units == 1             ? u"st"
                                  : Units == 2             ? u"nd"
                                  : Units == 3             ? u"rd"
                                                           : u"th";
  return NumberText(Place) + std::u16string(End);
}

std::u16string AdvanceReport(const Competition& C, const Standings& S, const AdvanceAsk& Ask,
                             const AdvancedPhase& A) {
  std::u16string Text = CompetitionFactsText(A.Next);
  Text += u"From:    the standings of the " + PhaseWord(C.Stage) + u" " + AfterText(S) + u".\n";
  if (const std::u16string Note = IncompleteText(S); !Note.empty())
    Text += u"Note:    " + Note + u"\n";
  Text += u"Through: " + ThroughText(S, Ask, A) + u"\n";
  Text += u"Order:   the reverse of the standings (2.1.2, 2.1.3)";
  if (A.Drawn) Text += u", a tie for a place drawn with seed " + SeedText(Ask.Seed);
  Text += u".\nReserves: " + ReservesText(C, S, A) + u"\n";
  if (A.LimitedCarried)
    Text +=
        u"Lists:   the dives without limit alone; the limited dives' points are carried "
        u"forward (12.4.5.1)\n";
  return Text + u"\n" + OrderTable(C, S, A);
}

std::u16string NextPhaseText(const Standings& S, const AdvancedPhase& A, std::u16string_view From) {
  std::u16string Head = u"# The " + PhaseWord(A.Next.Stage) + u", from the standings of " +
                        std::u16string(From) + u" " + AfterText(S) + u".\n";
  if (const std::u16string Note = IncompleteText(S); !Note.empty()) Head += u"# " + Note + u"\n";
  Head += u"# " + CountText(A.Through.size(), u"diver", u"divers") +
          u" in the reverse order of the standings, " +
          (A.LimitedCarried ? u"the limited dives' points carried forward (12.4.5.1).\n"
                            : u"each from zero points (2.3.3).\n");
  return Head + CompetitionText(A.Next);
}

namespace {

// Why the file at Next may not take the next phase; empty where it may.
std::u16string NextRefusal(std::u16string_view Path, const Competition& C, std::u16string_view Next,
                           const EventBook& Book) {
  if (IsCsvPath(Next))
    return std::u16string(Next) +
           u": the next phase is written in text form, whose head holds the phase, the draw "
           u"and the reserves; name it .txt";
  if (const std::u16string Input = InputAt(Path, C, Next); !Input.empty())
    return OutputOverInputText(Next, Input);
  const CompetitionRead There = ReadCompetitionFile(Next, Book);
  if (There.Ok() && !There.Read.Recorded.empty())
    return std::u16string(Next) + u" holds a competition with " +
           CountText(There.Read.Recorded.size(), u"dive", u"dives") +
           u" recorded: it is not written over";
  return u"";
}

}  // namespace

NextPhaseWrite WriteNextPhase(std::u16string_view Path, const Competition& C, const Standings& S,
                              const AdvancedPhase& A, std::u16string_view Next,
                              const EventBook& Book) {
  NextPhaseWrite Outcome;
  Outcome.Refusal = NextRefusal(Path, C, Next, Book);
  if (!Outcome.Refusal.empty()) return Outcome;
  CFileLock Lock;
  if (const LockAttempt Taken = Lock.Take(Next, ThisProcessHolder()); !Taken.Taken) {
    Outcome.Refusal = std::u16string(Next) + u" is being recorded by " +
                      (Taken.Holder.empty() ? u"another program" : Taken.Holder) +
                      u": it is not written over";
    return Outcome;
  }
  const std::u16string Text = NextPhaseText(S, A, Path);
  CompetitionRead Again = ReadCompetitionText(Text, Book, SheetsBeside(Next));
  if (!Again.Ok()) {
    Outcome.Errors = std::move(Again.Errors);
    return Outcome;
  }
  Outcome.Written = WriteFileBytes(Next, EncodeUtf8(Text));
  return Outcome;
}

}  // namespace merrith
