#include "report/results_page.h"

#include <algorithm>
#include <vector>

#include "report/html_page.h"
#include "report/results_report.h"
#include "sheets/sheet_words.h"
#include "support/file_bytes.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith {
namespace {

// Each diver's block is a table kept on one page, with its own heading rows; awards are
// narrow columns, so that eleven of them fit the width of A4 in 10 pt type.
constexpr std::u16string_view ResultsStyle =
    u"table.facts th { text-align: left; padding: 0.5mm 4mm 0.5mm 0; }\n"
    u"table.facts td { padding: 0.5mm 0; }\n"
    u"table.diver { width: 100%; margin-top: 5mm; break-inside: avoid; "
    u"page-break-inside: avoid; }\n"
    u"table.diver th, table.diver td { border: 0.3mm solid #000; padding: 0.8mm 1.2mm; }\n"
    u"table.diver thead th { background: #eee; }\n"
    u"table.diver th.who { text-align: left; font-size: 11.5pt; background: none; }\n"
    u"table.diver .n { text-align: right; white-space: nowrap; }\n"
    u"table.diver td.off { text-decoration: line-through; }\n"
    u"table.diver tfoot th { text-align: right; }\n"
    u"table.summary { margin-top: 4mm; }\n"
    u"table.summary th, table.summary td { border: 0.3mm solid #000; padding: 0.8mm 2mm; "
    u"text-align: left; }\n"
    u"table.summary thead th { background: #eee; }\n"
    u"table.summary .n { text-align: right; }\n"
    u"p.note { margin-top: 5mm; }\n";

void AppendFacts(std::u16string& Out, const Competition& C, const Standings& S) {
  Out += u"<table class=\"facts\">\n";
  AppendCompetitionFacts(Out, C);
  AppendFact(Out, u"Panel", PanelText(C.Judges));
  AppendFact(Out, u"Rounds", RoundsText(C, S));
  Out += u"</table>\n";
}

bool AnyCarried(const Competition& C) {
  return std::any_of(C.Entries.begin(), C.Entries.end(),
                     [](const Entry& E) { return E.Carried.has_value(); });
}

// The standings at a glance, before each diver's dives: place, diver, team, total.
void AppendSummary(std::u16string& Out, const Competition& C, const Standings& S) {
  const bool Carried = AnyCarried(C);
  Out +=
      u"<table class=\"summary\">\n<thead><tr><th class=\"n\">Place</th><th>Diver</th>"
      u"<th>Team</th>";
  if (Carried) Out += u"<th class=\"n\">Carried</th>";
  Out += u"<th class=\"n\">Total</th></tr></thead>\n<tbody>\n";
  for (const Standing& Row : S.Rows) {
    const Entry& E = C.Entries[Row.Entry];
    Out += u"<tr>";
    AppendElement(Out, u"td", u"n", PlaceText(Row, E));
    AppendElement(Out, u"td", u"", E.Diver);
    AppendElement(Out, u"td", u"", E.Team);
    if (Carried) AppendElement(Out, u"td", u"n", E.Carried ? PointsText(*E.Carried) : u"");
    AppendElement(Out, u"td", u"n", PointsText(Row.Total));
    Out += u"</tr>\n";
  }
  Out += u"</tbody>\n</table>\n";
}

void AppendHead(std::u16string& Out, const Standing& Row, const Entry& E, int Judges) {
  std::u16string Who = (Row.Place != 0 ? NumberText(Row.Place) + u". " : u"") + E.Diver;
  if (!E.Team.empty()) Who += u", " + E.Team;
  if (E.Status != DiverStatus::Ok) Who += u" (" + StatusWords(E) + u")";
  Out += u"<table class=\"diver\">\n<thead><tr><th class=\"who\" colspan=\"" +
         NumberText(static_cast<std::size_t>(Judges) + 8) + u"\">";
  AppendHtmlText(Out, Who);
  Out +=
      u"</th></tr>\n<tr><th>Round</th><th>Dive</th><th>Pos.</th><th>Height</th>"
      u"<th class=\"n\">DD</th>";
  for (int J = 1; J <= Judges; ++J)
    Out += u"<th class=\"n\">J" + NumberText(static_cast<std::size_t>(J)) + u"</th>";
  Out += u"<th>Decision</th><th class=\"n\">Points</th><th class=\"n\">Total</th></tr></thead>\n";
}

void AppendDive(std::u16string& Out, const ListedDive& L, const StandingDive& D) {
  Out += u"<tr>";
  AppendElement(Out, u"td", u"n", NumberText(D.Round));
  AppendElement(Out, u"td", u"", L.Number);
  AppendElement(Out, u"td", u"", L.Position != 0 ? std::u16string(1, L.Position) : u"");
  AppendElement(Out, u"td", u"", L.HeightIndex != 0 ? HeightText(L.HeightIndex) : u"");
  AppendElement(Out, u"td", u"n", L.DD ? TenthsText(*L.DD) : u"");
  for (std::size_t J = 0; J < D.Scored.Awards.size(); ++J) {
    const bool Off = J < D.Scored.Cancelled.size() && D.Scored.Cancelled[J];
    const bool Replaced = J < D.Scored.Replaced.size() && D.Scored.Replaced[J];
    std::u16string Award = AwardText(D.Scored.Awards[J]) + (Replaced ? u"*" : u"");
    AppendElement(Out, u"td", Off ? u"n off" : u"n", Off ? u"(" + Award + u")" : Award);
  }
  AppendElement(Out, u"td", u"", D.Recorded != nullptr ? DecisionText(D.Recorded->Decided) : u"");
  AppendElement(Out, u"td", u"n", PointsText(D.Scored.Points));
  AppendElement(Out, u"td", u"n", PointsText(D.Running));
  Out += u"</tr>\n";
}

void AppendDiver(std::u16string& Out, const Competition& C, const Standing& Row) {
  const Entry& E = C.Entries[Row.Entry];
  const int Judges = JudgesOf(C.Judges);
  AppendHead(Out, Row, E, Judges);
  Out += u"<tbody>\n";
  for (const StandingDive& D : Row.Dives) AppendDive(Out, E.Dives[D.Round - 1], D);
  const std::u16string Total =
      E.Carried ? u"Total, with " + PointsText(*E.Carried) + u" carried (12.4.5.1)" : u"Total";
  Out += u"</tbody>\n<tfoot><tr><th colspan=\"" + NumberText(static_cast<std::size_t>(Judges) + 7) +
         u"\">";
  AppendHtmlText(Out, Total);
  Out += u"</th>";
  AppendElement(Out, u"th", u"n", PointsText(Row.Total));
  Out += u"</tr></tfoot>\n</table>\n";
}

}  // namespace

std::u16string ResultsPage(const Competition& C, const Standings& S) {
  const std::u16string Title = u"Results: " + CompetitionTitle(C);
  std::u16string Page = PageStart(Title, ResultsStyle, CompetitionRunningHead(C));
  // Room for the whole page at once, a row of at most about 400 units a dive and a head and
  // total of 800 a diver, so that a meet's page of a megabyte is not copied as it grows.
  Page.reserve(Page.size() + 400 * C.Recorded.size() + 800 * C.Entries.size() + 1000);
  AppendElement(Page, u"h1", u"", Title);
  Page += u"\n";
  AppendFacts(Page, C, S);
  AppendSummary(Page, C, S);
  for (const Standing& Row : S.Rows) AppendDiver(Page, C, Row);
  Page +=
      u"<p class=\"note\">Awards in brackets are cancelled; an award marked * stands for a "
      u"missing one, the average of the others (7.9, 7.10).</p>\n";
  Page += PageEnd;
  return Page;
}

FileOutcome WriteResultsPage(const Competition& C, const Standings& S, std::u16string_view Path) {
  return WriteFileBytes(Path, EncodeUtf8(ResultsPage(C, S)));
}

}  // namespace merrith
