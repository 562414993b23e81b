#include "report/sheet_page.h"

#include <cerrno>
#include <cstdint>
#include <vector>

#include "report/html_page.h"
#include "report/sheet_report.h"
#include "sheets/sheet_words.h"
#include "support/utf8.h"
#include "support/words.h"

namespace merrith {
namespace {

// The page's own look: a compact table of dives with ruled cells, the verdict in bold, and
// two signature lines side by side at the foot.
constexpr std::u16string_view SheetStyle =
    u"h1 { font-size: 15pt; margin: 0 0 3mm; }\n"
    u"table.facts th { text-align: left; padding: 0.6mm 4mm 0.6mm 0; vertical-align: top;\n"
    u"  white-space: nowrap; }\n"
    u"table.facts td { padding: 0.6mm 0; }\n"
    u"table.dives { width: 100%; margin-top: 5mm; }\n"
    u"table.dives th, table.dives td { border: 0.3mm solid #000; padding: 1.4mm 2mm; }\n"
    u"table.dives th { background: #eee; text-align: left; }\n"
    u"table.dives .n { text-align: right; }\n"
    u"table.dives tfoot th { text-align: right; background: none; }\n"
    u".verdict { font-weight: bold; margin: 4mm 0 1mm; }\n"
    u"ul.problems { margin: 1mm 0; padding-left: 6mm; }\n"
    u".note { font-style: italic; }\n"
    u".signatures { display: flex; flex-wrap: wrap; gap: 16mm 20mm; margin-top: 22mm;\n"
    u"  break-inside: avoid; }\n"
    u".signatures div { flex: 1 0 40mm; border-top: 0.3mm solid #000; padding-top: 1mm; }\n";

// The most of a diver's name a signature line shows.
constexpr std::size_t NameShown = 60;

std::u16string PageTitle(const CheckedSheet& Sheet) {
  std::u16string Title = u"Statement of dives";
  if (!Sheet.Diver.empty()) Title += u": " + Sheet.Diver;
  if (Sheet.Rules) Title += u", " + Sheet.Rules->Title;
  return Title;
}

void AppendFacts(std::u16string& Out, const CheckedSheet& Sheet) {
  Out += u"<table class=\"facts\">\n";
  AppendFact(Out, u"Diver", Sheet.Diver);
  if (Sheet.Divers.size() > 1 || Sheet.Diver.empty())
    if (const std::u16string Divers = SheetDiversText(Sheet); !Divers.empty())
      AppendFact(Out, u"Divers", Divers);
  AppendFact(Out, u"Event", SheetEventText(Sheet));
  AppendFact(Out, u"Rule book", SheetBookText(Sheet));
  if (Sheet.Rules) AppendFact(Out, u"Rules", EventRulesText(*Sheet.Rules));
  if (const std::u16string Limited = LimitedPartText(Sheet); !Limited.empty())
    AppendFact(Out, u"Limited part", Limited);
  if (const std::u16string Unnamed = UnnamedText(Sheet); !Unnamed.empty())
    AppendFact(Out, u"Unnamed", Unnamed);
  Out += u"</table>\n";
}

void AppendDive(std::u16string& Out, std::size_t Round, const CheckedDive& D, bool Parts,
                const ListEstimate* Estimate) {
  Out += u"<tr>";
  AppendElement(Out, u"td", u"n", NumberText(Round));
  AppendElement(Out, u"td", u"", D.Number.empty() ? D.Code : D.Number);
  AppendElement(Out, u"td", u"", D.Position != 0 ? std::u16string(1, D.Position) : u"");
  AppendElement(Out, u"td", u"", D.HeightIndex != 0 ? HeightText(D.HeightIndex) : u"");
  AppendElement(Out, u"td", u"", D.Name.value_or(u""));
  AppendElement(Out, u"td", u"n", D.Counted ? TenthsText(*D.Counted) : u"\u2013");
  if (Parts) AppendElement(Out, u"td", u"", D.Limited ? u"limited" : u"free");
  if (Estimate) {
    const std::optional<Hundredths>& Points = Estimate->Points[Round - 1];
    AppendElement(Out, u"td", u"n", Points ? PointsText(*Points) : u"no DD");
  }
  Out += u"</tr>\n";
}

void AppendDives(std::u16string& Out, const CheckedSheet& Sheet, const ListEstimate* Estimate) {
  const bool Parts = Sheet.Limited != LimitedBy::None;
  Out +=
      u"<table class=\"dives\">\n<thead><tr><th class=\"n\">Round</th><th>Number</th>"
      u"<th>Position</th><th>Height</th><th>Dive</th><th class=\"n\">DD</th>";
  if (Parts) Out += u"<th>Part</th>";
  if (Estimate) AppendElement(Out, u"th", u"n", u"Points at " + AwardText(Estimate->Award));
  Out += u"</tr></thead>\n<tbody>\n";
  for (std::size_t I = 0; I < Sheet.Dives.size(); ++I)
    AppendDive(Out, I + 1, Sheet.Dives[I], Parts, Estimate);
  Out += u"</tbody>\n<tfoot><tr><th colspan=\"5\">Total DD</th>";
  AppendElement(Out, u"td", u"n", Sheet.Total ? TenthsText(*Sheet.Total) : u"\u2013");
  if (Parts) Out += u"<td></td>";
  if (Estimate) AppendElement(Out, u"td", u"n", PointsText(Estimate->Total));
  Out += u"</tr></tfoot>\n</table>\n";
}

void AppendVerdict(std::u16string& Out, const CheckedSheet& Sheet) {
  AppendElement(Out, u"p", u"verdict", VerdictText(Sheet));
  Out += u"\n";
  if (!Sheet.Holds()) {
    Out += u"<ul class=\"problems\">\n";
    for (const Problem& P : Sheet.Problems) {
      AppendElement(Out, u"li", u"", ProblemLine(P, Sheet));
      Out += u"\n";
    }
    Out += u"</ul>\n";
  }
  if (Sheet.Rules && !Sheet.Rules->Note.empty()) {
    AppendElement(Out, u"p", u"note", Sheet.Rules->Note);
    Out += u"\n";
  }
}

// A line to sign for each diver the sheet names (one for "Diver" where it names none as a
// team or pair does), and one for the coach.
void AppendSignatures(std::u16string& Out, const CheckedSheet& Sheet) {
  Out += u"<div class=\"signatures\">";
  if (Sheet.Divers.empty()) Out += u"<div>Diver</div>";
  for (const NamedDiver& Diver : Sheet.Divers)
    AppendElement(Out, u"div", u"", u"Diver: " + Shortened(Diver.Name, NameShown));
  Out += u"<div>Coach</div></div>\n";
}

}  // namespace

std::u16string SheetPage(const CheckedSheet& Sheet, const ListEstimate* Estimate) {
  std::u16string Page = PageStart(PageTitle(Sheet), SheetStyle);
  Page += u"<h1>Statement of dives</h1>\n";
  AppendFacts(Page, Sheet);
  AppendDives(Page, Sheet, Estimate);
  AppendVerdict(Page, Sheet);
  AppendSignatures(Page, Sheet);
  Page += PageEnd;
  return Page;
}

FileOutcome WriteSheetPage(const CheckedSheet& Sheet, std::u16string_view Path,
                           const ListEstimate* Estimate) {
  if (Path.empty()) return {FileStep::Write, ENOENT, {}};
  return WriteFileBytes(Path, EncodeUtf8(SheetPage(Sheet, Estimate)));
}

}  // namespace merrith
