#include "report/chart.h"

#include <algorithm>
#include <cstddef>
#include <iterator>
#include <optional>
#include <string>

#include "difficulty/dive_name.h"
#include "difficulty/heights.h"
#include "report/html_page.h"
#include "report/number_format.h"
#include "support/trim_white.h"

namespace merrith {
namespace {

// A board of the rule book's DD tables, a table of the chart of its own, with its heights in
// the order the rule book prints them: the platform from the top down.
struct Board {
  std::u16string_view Name;
  std::int32_t FirstHeight;  // the HeightIndex of its first column
  std::int32_t LastHeight;   // and of its last
};

// clang-format off
constexpr Board Boards[] = {
  // board,          first and last height
    {u"Springboard", 1, 2},  // 1m 3m
    {u"Platform",    5, 3},  // 10m 7.5m 5m
    {u"High diving", 6, 9},  // 12m 15m 20m 27m
};
// clang-format on

// The heights of Board, from its first column to its last.
std::vector<std::int32_t> HeightsOf(const Board& B) {
  std::vector<std::int32_t> Indices;
  const std::int32_t Step = B.FirstHeight <= B.LastHeight ? 1 : -1;
  for (std::int32_t Index = B.FirstHeight;; Index += Step) {
    Indices.push_back(Index);
    if (Index == B.LastHeight) return Indices;
  }
}

// Each height on one board, and each board's heights known to one calculator.
static_assert([] {
  bool On[HeightIndexLast + 1] = {};
  for (const Board& B : Boards)
    for (std::int32_t Index = std::min(B.FirstHeight, B.LastHeight);
         Index <= std::max(B.FirstHeight, B.LastHeight); ++Index) {
      if (Index < HeightIndexFirst || Index > HeightIndexLast || On[Index] ||
          HeightAt(Index)->Calc != HeightAt(B.FirstHeight)->Calc)
        return false;
      On[Index] = true;
    }
  return std::all_of(std::begin(On) + HeightIndexFirst, std::end(On), [](bool B) { return B; });
}());

// The chart's own styling, beside what every printed page wears. The high-diving board's
// twenty columns of DDs fit the width of an A4 page at 10 pt; the names take what is left,
// wrapped, so that nothing runs past the right edge. On screen the row and the column under
// the mouse are shaded (a tall shadow behind the cell, clipped at the board's edge).
constexpr std::u16string_view ChartStyle =
    u"table.chart { width: 100%; margin-bottom: 6mm; font-size: 10pt; }\n"
    u"table.chart th, table.chart td { border: 0.5pt solid #000; padding: 0.1em 0.15em; }\n"
    u"table.chart td { text-align: center; white-space: nowrap; }\n"
    u"table.chart td.no { text-align: left; }\n"
    u"table.chart td.name { text-align: left; white-space: normal; overflow-wrap: anywhere; "
    u"width: 100%; }\n"
    u"table.chart th.board { text-align: left; }\n"
    u"table.chart colgroup.height { border-left: 1.5pt solid #000; }\n"
    u"table.chart tr.group th { text-align: left; padding-top: 0.4em; }\n"
    u"@media screen {\n"
    u"  div.board { overflow: hidden; }\n"
    u"  table.chart td { position: relative; }\n"
    u"  table.chart tbody tr:hover { background: #e8e8e8; }\n"
    u"  table.chart td:hover::after { content: \"\"; position: absolute; left: 0; top: -5000px; "
    u"width: 100%; height: 10000px; background: rgba(0, 0, 160, 0.1); pointer-events: none; }\n"
    u"}\n";

// A dive of the chart: its number as listed, and its name.
struct ChartDive {
  const DiveNumber* Dive;
  std::u16string Name;
};

// The dives that have names, in the order of the rule book, each once: of two numbers that
// write the same dive the first listed stays.
std::vector<ChartDive> DivesInOrder(const std::vector<DiveNumber>& Dives) {
  std::vector<ChartDive> Chart;
  for (const DiveNumber& N : Dives)
    if (std::optional<std::u16string> Name = DiveName(N.Dive))
      Chart.push_back({&N, std::move(*Name)});
  const auto Before = [](const ChartDive& A, const ChartDive& B) {
    return BeforeInRuleBook(*A.Dive, *B.Dive);
  };
  std::stable_sort(Chart.begin(), Chart.end(), Before);
  const auto Same = [&Before](const ChartDive& A, const ChartDive& B) {
    return !Before(A, B) && !Before(B, A);
  };
  Chart.erase(std::unique(Chart.begin(), Chart.end(), Same), Chart.end());
  return Chart;
}

// The captions of the heights are ASCII.
void AppendAscii(std::u16string& Out, std::string_view Text) {
  for (char C : Text) Out += static_cast<char16_t>(C);
}

void AppendCount(std::u16string& Out, std::size_t Count) {
  AppendAscii(Out, std::to_string(Count));
}

// The columns of a board: the number, the name, and a group of letters under each height.
void AppendColumns(std::u16string& Out, const std::vector<const Height*>& Columns, bool Names) {
  Out += Names ? u"<colgroup span=2></colgroup>\n" : u"<colgroup></colgroup>\n";
  for (const Height* H : Columns) {
    Out += u"<colgroup class=height span=";
    AppendCount(Out, H->Letters.size());
    Out += u"></colgroup>\n";
  }
}

// The two heading rows, which a printed page repeats at its top: the board and the heights,
// then the number, the name and the letters.
void AppendHead(std::u16string& Out, std::u16string_view Name,
                const std::vector<const Height*>& Columns, bool Names) {
  Out += u"<thead>\n<tr><th class=board colspan=";
  AppendCount(Out, Names ? 2 : 1);
  Out += u">";
  Out += Name;
  Out += u"</th>";
  for (const Height* H : Columns) {
    Out += u"<th colspan=";
    AppendCount(Out, H->Letters.size());
    Out += u">";
    AppendAscii(Out, H->Caption);
    Out += u"</th>";
  }
  Out += Names ? u"</tr>\n<tr><th>No.</th><th>Dive</th>" : u"</tr>\n<tr><th>No.</th>";
  for (const Height* H : Columns)
    for (char16_t Letter : H->Letters) {
      Out += u"<th>";
      Out += Letter;
      Out += u"</th>";
    }
  Out += u"</tr>\n</thead>\n";
}

// The DD cells of Dive under each of Columns; false when none of them has a DD.
bool AppendCells(std::u16string& Out, const DiveNumber& Dive,
                 const std::vector<const Height*>& Columns) {
  bool Any = false;
  std::u16string Code;
  for (const Height* H : Columns)
    for (char16_t Letter : H->Letters) {
      Code.assign(Dive.Number);
      Code += Letter;
      const double DD = H->Calc->DD(Code, H->Index);
      Out += u"<td>";
      if (DD >= 0) {
        Out += FormatFixed1(DD, u".");
        Any = true;
      } else {
        Out += u'-';
      }
      Out += u"</td>";
    }
  return Any;
}

// One row for each dive with a DD at one of Columns, under the heading of its group.
void AppendRows(std::u16string& Out, const std::vector<ChartDive>& Dives,
                const std::vector<const Height*>& Columns, bool Names) {
  std::size_t Width = Names ? 2 : 1;
  for (const Height* H : Columns) Width += H->Letters.size();
  std::optional<DiveGroup> Group;
  std::u16string Row;
  for (const ChartDive& D : Dives) {
    Row.assign(u"<tr><td class=no>");
    AppendHtmlText(Row, D.Dive->Number);
    if (Names) {
      Row += u"</td><td class=name>";
      AppendHtmlText(Row, D.Name);
    }
    Row += u"</td>";
    if (!AppendCells(Row, *D.Dive, Columns)) continue;
    if (D.Dive->Group != Group) {
      if (Group) Out += u"</tbody>\n";
      Group = D.Dive->Group;
      Out += u"<tbody>\n<tr class=group><th colspan=";
      AppendCount(Out, Width);
      Out += u">";
      Out += GroupHeading(*Group);
      Out += u"</th></tr>\n";
    }
    Out += Row;
    Out += u"</tr>\n";
  }
  if (Group) {
    Out += u"</tbody>\n";
    return;
  }
  Out += u"<tbody>\n<tr><td class=name colspan=";
  AppendCount(Out, Width);
  Out += u">No dive listed has a DD here.</td></tr>\n</tbody>\n";
}

// The chosen heights on Board, in the order of its columns.
std::vector<const Height*> ChosenOn(const Board& B, const std::vector<std::int32_t>& Chosen) {
  std::vector<const Height*> Columns;
  for (std::int32_t Index : HeightsOf(B))
    if (std::find(Chosen.begin(), Chosen.end(), Index) != Chosen.end())
      Columns.push_back(HeightAt(Index));
  return Columns;
}

// A line as the user reads it in a message: control characters, which a terminal might obey,
// as '?', and at most so many units.
constexpr std::size_t ShownUnits = 40;

constexpr bool IsControl(char16_t C) { return C < u' ' || (C >= u'\x7F' && C <= u'\x9F'); }

std::u16string Shown(std::u16string_view Text) {
  std::u16string Out(Text.substr(0, ShownUnits));
  for (char16_t& C : Out)
    if (IsControl(C)) C = u'?';
  if (Text.size() > ShownUnits) Out += u'\u2026';  // …
  return Out;
}

}  // namespace

ChartList ReadChartList(std::u16string_view Text) {
  ChartList List;
  std::size_t Line = 0;
  for (std::size_t Start = 0; Start <= Text.size();) {
    const std::size_t End = std::min(Text.find(u'\n', Start), Text.size());
    std::u16string Number = mXMLParser::TrimWhite(std::u16string(Text.substr(Start, End - Start)));
    Start = End + 1;
    ++Line;
    if (Number.empty()) continue;
    if (EndsInPositionLetter(Number)) {
      List.LeftOut.push_back({Line, std::move(Number), LeftOut::PositionLetter});
    } else if (const RuleBookDive Read = ReadDiveNumber(Number); Read.Why == NoDive::None) {
      List.Dives.push_back({std::move(Number), Read.Group, Read.Dive});
    } else {
      List.LeftOut.push_back({Line, std::move(Number), LeftOut::NotADive});
    }
  }
  return List;
}

std::u16string LeftOutMessage(const LeftOutLine& Line) {
  std::u16string Message(u"line ");
  AppendCount(Message, Line.Line);
  Message += u": ";
  Message += Shown(Line.Text);
  Message += Line.Why == LeftOut::PositionLetter ? u" ends in a position letter"
                                                 : u" is no dive number of the rule book";
  return Message;
}

std::u16string BuildChart(const std::vector<DiveNumber>& Dives, const ChartChoice& Choice) {
  const std::vector<ChartDive> Chart = DivesInOrder(Dives);
  std::u16string Page = PageStart(u"DD chart", ChartStyle);
  Page += u"<h1>Degrees of difficulty, 2015-2021 tables</h1>\n";
  for (const Board& B : Boards) {
    const std::vector<const Height*> Columns = ChosenOn(B, Choice.Heights);
    if (Columns.empty()) continue;
    Page += u"<div class=board><table class=chart>\n";
    AppendColumns(Page, Columns, Choice.Names);
    AppendHead(Page, B.Name, Columns, Choice.Names);
    AppendRows(Page, Chart, Columns, Choice.Names);
    Page += u"</table></div>\n";
  }
  Page += PageEnd;
  return Page;
}

}  // namespace merrith
