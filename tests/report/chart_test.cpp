#include "report/chart.h"

#include <gtest/gtest.h>

#include <cstdint>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "report/batch_row.h"
#include "report/number_format.h"

namespace merrith {
namespace {

using Row = std::vector<std::string>;

std::string Narrow(std::u16string_view Text) {
  std::string Out;
  for (char16_t C : Text) Out += C < 0x80 ? static_cast<char>(C) : '?';
  return Out;
}

// The rows of each board of a chart page as a reader takes them in: the text of each cell.
std::vector<std::vector<Row>> Boards(std::u16string_view Page) {
  std::vector<std::vector<Row>> Read;
  for (std::size_t At = 0; (At = Page.find(u"<t", At)) != std::u16string_view::npos; ++At) {
    const std::u16string_view Tag = Page.substr(At, 4);
    if (Tag == u"<tab") Read.emplace_back();
    if (Tag == u"<tr>" || Tag == u"<tr ") Read.back().emplace_back();
    if (Tag != u"<td>" && Tag != u"<td " && Tag != u"<th>" && Tag != u"<th ") continue;
    const std::size_t Start = Page.find(u'>', At) + 1;
    At = Page.find(u"</t", Start);
    Read.back().back().push_back(Narrow(Page.substr(Start, At - Start)));
  }
  return Read;
}

// A listed line that is a dive with its letter is left out of the chart and said by the table
// alike; a word that merely ends in one of A to E (free, note) is no dive to both.
TEST(ReadChartList, LeavesOutTheLinesTheTableSaysEndInAPositionLetter) {
  const std::u16string_view List = u"5253b\nfree\nnote\n5132M\n1(05B\n105";
  const ChartList Read = ReadChartList(List);
  std::vector<std::pair<std::size_t, LeftOut>> LeftOutLines;
  for (const LeftOutLine& L : Read.LeftOut) LeftOutLines.emplace_back(L.Line, L.Why);
  const std::vector<std::pair<std::size_t, LeftOut>> Wanted = {
      {1, LeftOut::PositionLetter},
      {2,       LeftOut::NotADive},
      {3,       LeftOut::NotADive},
      {5,       LeftOut::NotADive}
  };
  EXPECT_EQ(LeftOutLines, Wanted);
  EXPECT_EQ(Read.Dives.size(), 2U);  // 5132M and 105
  const LetteredLines Lettered = FindLetteredLines(List);
  ASSERT_EQ(Lettered.Count, 1U);
  EXPECT_EQ(Lettered.First[0].Number, 1U);
}

// Each cell is what the calculator of its height gives the number with its letter; each dive
// has one row, in the rule book's order under its group's heading, on each board where it has
// a DD; the heights stand in the rule book's order.
TEST(BuildChart, GivesEachCellTheCalculatorsDd) {
  const std::vector<DiveNumber> Dives =
      ReadChartList(u"105\n10(11)\n5253\n614\n1(0)5\n305\n6243\n5162M\n104\n5337").Dives;
  ChartChoice Every;
  Every.Heights = {9, 8, 7, 6, 5, 4, 3, 2, 1};
  Every.Names = false;
  const std::vector<std::vector<Row>> Read = Boards(BuildChart(Dives, Every));

  const std::u16string_view Heights[] = {u"12", u"543", u"6789"};  // HeightIndex, by board
  const std::vector<Row> Heads = {
      {"Springboard",  "1m",   "3m"},
      { "Platform", "10m", "7.5m",              "5m"},
      { "High diving", "12m",  "15m",              "20m", "27m"}
  };
  const std::u16string_view Numbers[] = {u"Forward",  u"104",      u"105",  u"10(11)", u"Reverse",
                                         u"305",      u"Twisting", u"5253", u"5337",   u"5162M",
                                         u"Armstand", u"614",      u"6243"};
  ASSERT_EQ(Read.size(), 3u);
  for (std::size_t B = 0; B < Read.size(); ++B) {
    std::vector<Row> Wanted = {Heads[B]};
    std::string Heading;  // shown before the group's first row
    for (std::u16string_view Number : Numbers) {
      if (Number.find_first_of(u"0123456789") == std::u16string_view::npos) {
        Heading = Narrow(Number);
        continue;
      }
      Row Cells{Narrow(Number)};
      bool Any = false;
      for (char16_t Digit : Heights[B]) {
        const std::int32_t Index = Digit - u'0';
        for (char16_t Letter : std::u16string_view(Index <= 5 ? u"ABCD" : u"ABCDE")) {
          const std::u16string Code = std::u16string(Number) + Letter;
          const double DD = Index <= 5 ? CalcDD(Code, Index) : CalcHDD(Code, Index);
          Any = Any || DD >= 0;
          Cells.push_back(DD >= 0 ? Narrow(FormatFixed1(DD, u".")) : "-");
        }
      }
      if (!Any) continue;
      if (!Heading.empty()) Wanted.push_back({std::exchange(Heading, {})});
      Wanted.push_back(Cells);
    }
    std::vector<Row> Got = Read[B];
    Got.erase(Got.begin() + 1);  // the letters' row
    EXPECT_EQ(Got, Wanted) << "board " << B;
  }
}

}  // namespace
}  // namespace merrith
