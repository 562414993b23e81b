#include "report/results_report.h"

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

std::u16string PanelText(Panel P) {
  return NumberText(static_cast<std::size_t>(JudgesOf(P))) + u" judges" +
         (IsSynchro(P) ? u", synchronised" : u"");
}

std::u16string ResultsReport(const Competition& C, const Standings& S) {
  std::u16string Text = u"Event:   " + CompetitionEventText(C) + u"\nPanel:   " +
                        PanelText(C.Judges) + u"\nRounds:  " + RoundsText(C, S) + u"\n\n";
  std::vector<Column> Columns{
      {u"Place", {},  true},
      {u"Diver", {}, false},
      { u"Team", {}, false},
      {u"Total", {},  true}
  };
  for (std::size_t Round = 1; Round <= S.RoundsComplete; ++Round)
    Columns.push_back({NumberText(Round), {}, true});
  for (const Standing& Row : S.Rows) {
    const Entry& E = C.Entries[Row.Entry];
    Columns[0].Cells.push_back(NumberText(Row.Place));
    Columns[1].Cells.push_back(E.Diver);
    Columns[2].Cells.push_back(E.Team);
    Columns[3].Cells.push_back(PointsText(Row.Total));
    for (std::size_t Round = 1; Round <= S.RoundsComplete; ++Round)
      Columns[3 + Round].Cells.push_back(
          Round <= Row.Dives.size() ? PointsText(Row.Dives[Round - 1].Scored.Points) : u"");
  }
  Text += TextTable(Columns, S.Rows.size());
  bool Heading = false;
  for (const Entry& E : C.Entries)
    for (const ListProblem& Problem : E.ListProblems) {
      if (!Heading) Text += u"\nThe divers' lists:\n";
      Heading = true;
      Text += u"  " + E.Diver + u": " + ListProblemText(Problem) + u"\n";
    }
  return Text;
}

namespace {

// Where a problem or an error stands: "file:7", "line 7", "file"; empty for none.
std::u16string PlaceText(std::u16string_view File, std::size_t Line) {
  std::u16string Text(File);
  if (Line != 0) Text += (Text.empty() ? u"line " : u":") + NumberText(Line);
  return Text;
}

std::u16string ProblemWords(const ListProblem& L) {
  std::u16string Text = ProblemText(L.Found, Places::ByLine);
  if (!L.Rule.empty()) Text += u" (" + L.Rule + u")";
  return Text;
}

}  // namespace

std::u16string ListProblemText(const ListProblem& L) {
  const std::u16string Place = PlaceText(L.File, L.Found.Line);
  return Place.empty() ? ProblemWords(L) : Place + u": " + ProblemWords(L);
}

std::u16string CompetitionErrorText(const CompetitionError& E) {
  std::u16string Text = PlaceText(E.File, E.Line);
  if (!Text.empty()) Text += u": ";
  if (E.List) Text += ProblemWords(*E.List);
  return Text + E.Text;
}

}  // namespace merrith
