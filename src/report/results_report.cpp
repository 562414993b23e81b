#include "report/results_report.h"

#include "report/text_table.h"
#include "sheets/sheet_words.h"

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
    for (const std::u16string& Problem : E.ListProblems) {
      if (!Heading) Text += u"\nThe divers' lists:\n";
      Heading = true;
      Text += u"  " + E.Diver + u": " + Problem + u"\n";
    }
  return Text;
}

}  // namespace merrith
