#include "report/results_report.h"

#include <algorithm>

#include "report/competition_faults.h"
#include "report/problem_text.h"
#include "report/text_table.h"
#include "sheets/sheet_words.h"
#include "support/words.h"

namespace merrith {

std::u16string CompetitionEventText(const Competition& C) {
  if (C.EventId.empty()) return u"unknown (a spreadsheet on its own): no list was checked";
  std::u16string Text = C.Rules ? C.Rules->Title + u" (" + C.EventId + u")" : C.EventId;
  return Text + u", " + C.Book;
}

std::u16string MeetText(const Competition& C) {
  if (C.Meet.empty() || C.MeetDate.empty()) return C.Meet;
  return C.Meet + u", " + C.MeetDate;
}

std::u16string CompetitionTitle(const Competition& C) {
  std::u16string Title = C.Rules             ? C.Rules->Title
                         : C.EventId.empty() ? std::u16string(u"competition")
                                             : C.EventId;
  if (C.Stage != Phase::None) Title += u", " + std::u16string(RowOf(C.Stage).Title);
  return Title;
}

RunningHead CompetitionRunningHead(const Competition& C) {
  return {MeetText(C), CompetitionTitle(C)};
}

std::u16string CompetitionFactsText(const Competition& C) {
  std::u16string Text = u"Event:   " + CompetitionEventText(C) + u"\n";
  if (!C.Meet.empty()) Text += u"Meet:    " + MeetText(C) + u"\n";
  if (C.Stage != Phase::None) Text += u"Phase:   " + std::u16string(RowOf(C.Stage).Word) + u"\n";
  return Text;
}

void AppendCompetitionFacts(std::u16string& Out, const Competition& C) {
  AppendFact(Out, u"Event", CompetitionEventText(C));
  if (!C.Meet.empty()) AppendFact(Out, u"Meet", MeetText(C));
  if (C.Stage != Phase::None) AppendFact(Out, u"Phase", RowOf(C.Stage).Word);
}

std::u16string PanelText(Panel P) {
  return NumberText(static_cast<std::size_t>(JudgesOf(P))) + u" judges" +
         (IsSynchro(P) ? u", synchronised" : u"");
}

std::u16string PlaceText(const Standing& Row, const Entry& E) {
  if (E.Status == DiverStatus::Ok) return Row.Place == 0 ? u"" : NumberText(Row.Place);
  std::u16string Word(RowOf(E.Status).Word);
  for (char16_t& C : Word) C = static_cast<char16_t>(C - u'a' + u'A');
  return Word;
}

std::u16string StatusWords(const Entry& E) {
  switch (E.Status) {
    case DiverStatus::Ok:
      return u"";
    case DiverStatus::OutOfCompetition:
      return u"out of competition: scored, not placed";
    case DiverStatus::Withdrawn:
      return u"withdrew before round " + NumberText(E.StatusRound);
    case DiverStatus::DidNotStart:
      return u"did not start";
    case DiverStatus::Disqualified:
      return u"disqualified in round " + NumberText(E.StatusRound) +
             (E.StatusReason.empty() ? u"" : u": " + E.StatusReason);
  }
  return u"";
}

namespace {

// The columns every table of standings starts with: place, diver, team and total.
std::vector<Column> StandingColumns() {
  return {
      {u"Place", {},  true},
      {u"Diver", {}, false},
      { u"Team", {}, false},
      {u"Total", {},  true}
  };
}

void AppendStandingCells(std::vector<Column>& Columns, const Standing& Row, const Entry& E) {
  Columns[0].Cells.push_back(PlaceText(Row, E));
  Columns[1].Cells.push_back(E.Diver);
  Columns[2].Cells.push_back(E.Team);
  Columns[3].Cells.push_back(PointsText(Row.Total));
}

}  // namespace

std::u16string CurrentReport(const Competition& C, const Standings& S) {
  std::vector<Column> Columns = StandingColumns();
  Columns.push_back({u"Last dive", {}, true});
  Columns.push_back({u"Behind", {}, true});
  const Hundredths Leader = S.Current.empty() ? 0 : S.Current.front().Total;
  for (const Standing& Row : S.Current) {
    AppendStandingCells(Columns, Row, C.Entries[Row.Entry]);
    Columns[4].Cells.push_back(Row.Dives.empty() ? u""
                                                 : PointsText(Row.Dives.back().Scored.Points));
    Columns[5].Cells.push_back(Row.Place > 1 ? PointsText(Leader - Row.Total) : u"");
  }
  return u"Now, after the last dive recorded (the round under way does not count yet):\n" +
         TextTable(Columns, S.Current.size());
}

std::vector<CompetitionProblem> CompetitionProblems(const Competition& C) {
  std::vector<CompetitionProblem> Found;
  for (const Entry& E : C.Entries)
    for (const ListProblem& P : E.ListProblems)
      Found.push_back({E.Diver, P.Found.Line, std::u16string(AsciiText(KindOf(P.Found.Why).Name)),
                       ListProblemText(P)});
  for (const CompetitionError& P : C.Problems)
    Found.push_back({P.Values.Diver, P.Line, AsciiText(FaultName(P.Why)),
                     FaultPlace(P.File, P.Line) + u": " + CompetitionFaultText(P.Why, P.Values)});
  return Found;
}

std::u16string ResultsReport(const Competition& C, const Standings& S) {
  std::u16string Text = CompetitionFactsText(C) + u"Panel:   " + PanelText(C.Judges) +
                        u"\nRounds:  " + RoundsText(C, S) + u"\n\n";
  std::vector<Column> Columns = StandingColumns();
  const bool Carried = std::any_of(C.Entries.begin(), C.Entries.end(),
                                   [](const Entry& E) { return E.Carried.has_value(); });
  if (Carried) Columns.push_back({u"Carried", {}, true});
  const std::size_t FirstRound = Columns.size();
  for (std::size_t Round = 1; Round <= S.RoundsComplete; ++Round)
    Columns.push_back({NumberText(Round), {}, true});
  std::u16string Statuses;
  for (const Standing& Row : S.Rows) {
    const Entry& E = C.Entries[Row.Entry];
    AppendStandingCells(Columns, Row, E);
    if (Carried) Columns[4].Cells.push_back(E.Carried ? PointsText(*E.Carried) : u"");
    for (std::size_t Round = 1; Round <= S.RoundsComplete; ++Round)
      Columns[FirstRound + Round - 1].Cells.push_back(
          Round <= Row.Dives.size() ? PointsText(Row.Dives[Round - 1].Scored.Points) : u"");
    if (E.Status != DiverStatus::Ok) Statuses += u"  " + E.Diver + u": " + StatusWords(E) + u"\n";
  }
  if (S.RoundUnderWay()) Text += u"The result, of the rounds complete:\n";
  Text += TextTable(Columns, S.Rows.size());
  if (S.RoundUnderWay()) Text += u"\n" + CurrentReport(C, S);
  if (!Statuses.empty()) Text += u"\nNot placed:\n" + Statuses;
  const std::vector<CompetitionProblem> Problems = CompetitionProblems(C);
  if (!Problems.empty()) Text += u"\nThe divers' lists and DDs:\n";
  for (const CompetitionProblem& P : Problems) Text += u"  " + P.Diver + u": " + P.Text + u"\n";
  return Text;
}

std::u16string ListProblemText(const ListProblem& L) {
  const std::u16string Place = FaultPlace(L.File, L.Found.Line);
  std::u16string Text = ProblemText(L.Found, Places::ByLine);
  if (!L.Rule.empty()) Text += u" (" + L.Rule + u")";
  return Place.empty() ? Text : Place + u": " + Text;
}

std::u16string NoRankingText(const Competition& C, const Standings& S, std::size_t Round) {
  return u"no ranking after round " + NumberText(Round) + u": " + RoundsText(C, S);
}

}  // namespace merrith
