#include "report/sheet_report.h"

#include <algorithm>
#include <cstddef>
#include <vector>

#include "report/problem_text.h"
#include "report/text_table.h"
#include "sheets/sheet_words.h"
#include "support/words.h"

namespace merrith {
namespace {

// The most of a code, a name or an id that a cell or a heading shows.
constexpr std::size_t CodeShown = 12;
constexpr std::size_t TextShown = 60;

// The width the report's lines of words are wrapped to; the table of dives may be wider.
constexpr std::size_t ReportWidth = 88;

// "dives 1 and 2", "dives 4 to 6", "dive 3": the lines First to Last, from 1.
std::u16string DivesText(std::size_t First, std::size_t Last) {
  if (First == Last) return u"dive " + NumberText(First);
  return u"dives " + NumberText(First) + (Last == First + 1 ? u" and " : u" to ") +
         NumberText(Last);
}

// What a round's rules say, after the words naming its dives: " by a woman from 3m".
std::u16string RoundRuleText(const RoundRule& Round) {
  std::u16string Text;
  if (Round.By != Who::Anyone) Text += u" by " + std::u16string(WhoWords(Round.By));
  for (std::size_t I = 0; I < Round.Heights.size(); ++I)
    Text += (I == 0                          ? u" from "
             : I + 1 == Round.Heights.size() ? u" or "
                                             : u", ") +
            HeightText(Round.Heights[I]);
  if (Round.AssignedDD) Text += u" at an assigned DD of " + TenthsText(*Round.AssignedDD);
  return Text;
}

// The rounds the event fixes, alike ones together: "; dives 1 and 2 count DD 2.0".
std::u16string RoundsText(const Event& E) {
  std::u16string Text;
  std::size_t First = 0;
  for (std::size_t I = 0; I < E.Rounds.size(); ++I) {
    const std::u16string Rule = RoundRuleText(E.Rounds[I]);
    if (I + 1 < E.Rounds.size() && RoundRuleText(E.Rounds[I + 1]) == Rule) continue;
    if (!Rule.empty()) Text += u"; " + DivesText(First + 1, I + 1) + Rule;
    First = I + 1;
  }
  return Text;
}

// The event's heights as a sentence says them: "3m", "5m, 7.5m or 10m".
std::u16string HeightsInWords(const Event& E) {
  std::u16string Text;
  for (std::size_t I = 0; I < E.Heights.size(); ++I) {
    if (I > 0) Text += I + 1 == E.Heights.size() ? u" or " : u", ";
    Text += HeightText(E.Heights[I]);
  }
  return Text;
}

std::u16string PartText(const PartRule& Part, std::u16string_view Dives) {
  std::u16string Text(Dives);
  if (Part.DifferentGroups) Text += u", each from a different group";
  if (Part.MaxTotal)
    Text += u", their DDs adding up to " + TenthsText(*Part.MaxTotal) + u" at most";
  return Text;
}

// Text broken at spaces into lines of at most Width units (a longer word stands alone), each
// after the first indented by Indent spaces.
std::u16string Wrapped(std::u16string_view Text, std::size_t Width, std::size_t Indent) {
  std::u16string Out;
  std::size_t LineStart = 0;
  std::size_t At = 0;
  while (At < Text.size()) {
    std::size_t End = Text.find(u' ', At);
    if (End == std::u16string_view::npos) End = Text.size();
    const std::size_t Used = Out.size() - LineStart;
    if (Used > Indent && Used + 1 + (End - At) > Width) {
      Out += u"\n" + std::u16string(Indent, u' ');
      LineStart = Out.size() - Indent;
    } else if (At > 0) {
      Out += u' ';
    }
    Out += Text.substr(At, End - At);
    At = End + 1;
  }
  return Out;
}

// A labelled line of the report: the label in a column of its own, the text wrapped beside it.
std::u16string Labelled(std::u16string_view Label, std::u16string_view Text) {
  constexpr std::size_t LabelWidth = 10;
  std::u16string Line(Label);
  Line.resize(LabelWidth, u' ');
  return Wrapped(Line + std::u16string(Text), ReportWidth, LabelWidth) + u"\n";
}

std::u16string Tenths(const std::optional<DdTenths>& DD) { return DD ? TenthsText(*DD) : u""; }

// Names joined by Joint.
std::u16string DiversText(const std::vector<std::u16string>& Names, std::u16string_view Joint) {
  std::u16string Text;
  for (const std::u16string& Name : Names) AppendJoined(Text, Joint, Name);
  return Text;
}

std::vector<Column> DiveColumns(const CheckedSheet& Sheet) {
  std::vector<Column> Columns{
      {    u"Dive", {},  true},
      {    u"Code", {}, false},
      {  u"Height", {}, false},
      {u"In words", {}, false},
      {      u"DD", {},  true},
      {  u"Counts", {},  true},
      {  u"Stated", {},  true},
      {    u"Part", {}, false},
      {   u"Diver", {}, false},
  };
  const bool Named = std::any_of(Sheet.Dives.begin(), Sheet.Dives.end(),
                                 [](const CheckedDive& D) { return !D.Divers.empty(); });
  if (!Named) Columns.pop_back();
  for (std::size_t I = 0; I < Sheet.Dives.size(); ++I) {
    const CheckedDive& D = Sheet.Dives[I];
    const bool Assigned = D.Counted != D.DD;
    const std::u16string Cells[] = {
        NumberText(I + 1),
        Shortened(D.Code, CodeShown),
        D.HeightIndex != 0 ? HeightText(D.HeightIndex) : u"",
        D.Name.value_or(u""),
        Tenths(D.DD),
        Assigned ? Tenths(D.Counted) : u"",
        Tenths(D.Stated),
        Sheet.Limited == LimitedBy::None ? u"" : (D.Limited ? u"limited" : u"free"),
        Shortened(DiversText(D.Divers, u" / "), TextShown),
    };
    for (std::size_t C = 0; C < Columns.size(); ++C) Columns[C].Cells.push_back(Cells[C]);
  }
  return Columns;
}

// The coach's estimate: each dive's points at the DD it counts, or why it has none, and the
// list's total.
std::u16string EstimateText(const CheckedSheet& Sheet, const ListEstimate& Estimate) {
  std::vector<Column> Columns{
      {  u"Dive", {},  true},
      {    u"DD", {},  true},
      {u"Points", {},  true},
      {       {}, {}, false},
  };
  for (std::size_t I = 0; I < Sheet.Dives.size(); ++I) {
    const CheckedDive& D = Sheet.Dives[I];
    const std::optional<Hundredths>& Points = Estimate.Points[I];
    Columns[0].Cells.push_back(NumberText(I + 1));
    Columns[1].Cells.push_back(Tenths(D.Counted));
    Columns[2].Cells.push_back(Points ? PointsText(*Points) : u"none");
    Columns[3].Cells.push_back(Points ? u"" : u"no DD (line " + NumberText(D.Line) + u")");
  }
  return Labelled(u"Estimate:",
                  u"each dive's points if every judge awards " + AwardText(Estimate.Award)) +
         u"\n" + TextTable(Columns, Sheet.Dives.size()) + u"\n" +
         Labelled(u"Points:", PointsText(Estimate.Total) + u" for the list");
}

}  // namespace

std::u16string EventRulesText(const Event& E) {
  std::u16string Text = E.Rule.empty() ? u"" : E.Rule + u": ";
  Text += CountText(static_cast<std::size_t>(E.Dives), u"dive", u"dives") + u" from " +
          HeightsInWords(E);
  if (E.MinGroups > 0)
    Text += u", from at least " +
            CountText(static_cast<std::size_t>(E.MinGroups), u"group", u"different groups");
  if (E.Limited) {
    Text += u"; " + PartText(*E.Limited, u"a limited part of " +
                                             CountText(static_cast<std::size_t>(E.Limited->Dives),
                                                       u"dive", u"dives"));
    Text += u"; " + PartText(E.Free, u"the other dives free");
  } else if (E.Free.DifferentGroups) {
    Text += u", each from a different group";
  }
  Text += RoundsText(E);
  if (E.MaxDiveDD) Text += u"; no dive counts more than " + TenthsText(*E.MaxDiveDD);
  if (E.Repeats) Text += u"; a dive number may come again";
  if (E.HeightRule != E.Rule && !E.HeightRule.empty()) Text += u"; heights " + E.HeightRule;
  return Text;
}

std::u16string SheetBookText(const CheckedSheet& Sheet) {
  if (Sheet.Book) return Sheet.Book->Title + u" (" + Sheet.Book->Id + u")";
  return Shortened(Sheet.BookId, TextShown) + u" (no such book)";
}

std::u16string SheetEventText(const CheckedSheet& Sheet) {
  if (Sheet.Rules && Sheet.RulesBy == EventBy::Title)
    return Sheet.Rules->Title + u" (" + Sheet.Rules->Id + u"): the sheet names it by its title";
  if (Sheet.Rules) return Sheet.Rules->Title + u" (" + Sheet.Rules->Id + u")";
  if (Sheet.EventId.empty()) return u"none named";
  return Shortened(Sheet.EventId, TextShown) + u" (no such event)";
}

std::u16string LimitedPartText(const CheckedSheet& Sheet) {
  if (!Sheet.Rules || !Sheet.Rules->Limited) return {};
  if (Sheet.Limited == LimitedBy::None) return u"none keeps the rules (see the problems)";
  std::u16string Dives;
  for (std::size_t I = 0; I < Sheet.Dives.size(); ++I)
    if (Sheet.Dives[I].Limited) AppendJoined(Dives, u", ", NumberText(I + 1));
  std::u16string Text = u"dives " + Dives;
  Text += Sheet.Limited == LimitedBy::Marks ? u" as marked, "
                                            : u" (none marked: found by the checker), ";
  Text += TenthsText(Sheet.LimitedTotal);
  if (Sheet.Rules->Limited->MaxTotal)
    Text += u" of at most " + TenthsText(*Sheet.Rules->Limited->MaxTotal);
  return Text;
}

std::u16string SheetDiversText(const CheckedSheet& Sheet) {
  std::u16string Text;
  for (const NamedDiver& Diver : Sheet.Divers) {
    std::u16string Named = Shortened(Diver.Name, TextShown);
    if (Diver.Sex != Who::Anyone) Named += Diver.Sex == Who::Woman ? u" (W)" : u" (M)";
    AppendJoined(Text, u", ", Named);
  }
  return Text;
}

std::u16string UnnamedText(const CheckedSheet& Sheet) {
  if (Sheet.Unnamed.empty()) return {};
  std::u16string Dives;
  for (const std::size_t Round : Sheet.Unnamed) AppendJoined(Dives, u", ", NumberText(Round));
  if (Sheet.Unnamed.size() == 1)
    return u"dive " + Dives + u" names nobody: who dives it is not checked";
  return u"dives " + Dives + u" name nobody: who dives them is not checked";
}

std::u16string ProblemLine(const Problem& P, const CheckedSheet& Sheet) {
  std::u16string Line;
  if (P.Dive > 0)
    Line = u"Dive " + NumberText(P.Dive) + u": ";
  else if (P.Line > 0)
    Line = u"Line " + NumberText(P.Line) + u": ";
  else
    Line = u"List: ";
  Line += ProblemText(P, Places::ByDive);
  const std::u16string Rule = SheetProblemRule(P, Sheet);
  if (!Rule.empty()) Line += u" (" + Rule + u")";
  return Line;
}

std::u16string VerdictText(const CheckedSheet& Sheet) {
  if (Sheet.Holds()) return u"The sheet holds: nothing to correct.";
  return u"The sheet breaks the rules: " +
         CountText(Sheet.Problems.size(), u"problem", u"problems") + u" to correct.";
}

std::u16string SheetReport(const CheckedSheet& Sheet, const ListEstimate* Estimate) {
  std::u16string Text;
  if (!Sheet.Diver.empty()) Text += Labelled(u"Diver:", Shortened(Sheet.Diver, TextShown));
  if (Sheet.Divers.size() > 1 || Sheet.Diver.empty())
    if (const std::u16string Divers = SheetDiversText(Sheet); !Divers.empty())
      Text += Labelled(u"Divers:", Divers);
  Text += Labelled(u"Event:", SheetEventText(Sheet));
  Text += Labelled(u"Book:", SheetBookText(Sheet));
  if (Sheet.Rules) Text += Labelled(u"Rules:", EventRulesText(*Sheet.Rules));
  if (Sheet.Rules && !Sheet.Rules->Note.empty()) Text += Labelled(u"Note:", Sheet.Rules->Note);
  Text += u"\n";
  if (!Sheet.Dives.empty()) Text += TextTable(DiveColumns(Sheet), Sheet.Dives.size()) + u"\n";
  Text += Labelled(u"Groups:", GroupsText(Sheet.Groups));
  if (const std::u16string Limited = LimitedPartText(Sheet); !Limited.empty())
    Text += Labelled(u"Limited:", Limited);
  Text += Labelled(u"Total DD:", Sheet.Total ? TenthsText(*Sheet.Total) : u"none");
  if (const std::u16string Unnamed = UnnamedText(Sheet); !Unnamed.empty())
    Text += Labelled(u"Unnamed:", Unnamed);
  if (!Sheet.Holds()) {
    Text += u"\nProblems:\n";
    for (const Problem& P : Sheet.Problems)
      Text += u"  " + Wrapped(ProblemLine(P, Sheet), ReportWidth, 4) + u"\n";
  }
  Text += u"\n" + VerdictText(Sheet) + u"\n";
  if (Estimate) Text += u"\n" + EstimateText(Sheet, *Estimate);
  return Text;
}

}  // namespace merrith
