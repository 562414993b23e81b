#include "report/chart.h"

#include <gtest/gtest.h>

#include <string>
#include <utility>
#include <vector>

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "report/number_format.h"

namespace merrith {
namespace {

std::string Narrow(std::u16string_view Text) {
  std::string Out;
  for (char16_t C : Text) Out += C < 0x80 ? static_cast<char>(C) : '?';
  return Out;
}

// A board of a chart page as a reader takes it in: its heading rows' cells, then for each row
// its group heading or its cells, all as text.
struct Board {
  std::vector<std::string> Head;
  std::vector<std::vector<std::string>> Rows;
};

// The text of each cell of an HTML row, tags dropped.
std::vector<std::string> CellsOf(std::string_view Row) {
  std::vector<std::string> Cells;
  for (std::size_t At = 0; (At = Row.find("<t", At)) != std::string_view::npos; ++At) {
    if (Row.substr(At, 3) == "<tr") continue;
    const std::size_t Start = Row.find('>', At) + 1;
    At = Row.find("</t", Start);
    Cells.emplace_back(Row.substr(Start, At - Start));
  }
  return Cells;
}

std::vector<Board> Boards(std::u16string_view Page) {
  std::vector<Board> Read;
  std::size_t Start = 0;
  for (std::size_t End; (End = Page.find(u'\n', Start)) != std::u16string_view::npos;) {
    const std::string Line = Narrow(Page.substr(Start, End - Start));
    Start = End + 1;
    if (Line.starts_with("<div class=board>")) Read.emplace_back();
    if (!Line.starts_with("<tr>") && !Line.starts_with("<tr class=group>")) continue;
    std::vector<std::string> Cells = CellsOf(Line);
    auto& Into = Line.starts_with("<tr><th") ? Read.back().Head : Read.back().Rows.emplace_back();
    Into.insert(Into.end(), Cells.begin(), Cells.end());
  }
  return Read;
}

std::vector<DiveNumber> Listed(std::u16string_view Text) { return ReadChartList(Text).Dives; }

ChartChoice Choose(std::vector<std::int32_t> Heights, bool Names) {
  ChartChoice Choice;
  Choice.Heights = std::move(Heights);
  Choice.Names = Names;
  return Choice;
}

// Each cell is what the calculator of its height gives the number with its letter, and a dive
// has a row on a board only where it has a DD there.
TEST(BuildChart, GivesEachCellTheCalculatorsDd) {
  // The heights of each board as the rule book prints them, by HeightIndex; A to D under each,
  // and E too for high diving.
  const std::u16string_view BoardHeights[] = {u"12", u"543", u"6789"};
  // In the rule book's order, as the chart rows them whatever the list's order.
  const std::u16string_view Numbers[] = {u"104",  u"105",   u"109", u"10(11)", u"5253",
                                         u"5337", u"5162M", u"614", u"6243"};
  const std::vector<Board> Read =
      Boards(BuildChart(Listed(u"105\n10(11)\n5253\n5337\n614\n6243\n5162M\n104\n109"),
                        Choose({1, 2, 3, 4, 5, 6, 7, 8, 9}, false)));
  ASSERT_EQ(Read.size(), 3u);
  for (std::size_t B = 0; B < Read.size(); ++B) {
    std::size_t Row = 0;
    for (std::u16string_view Number : Numbers) {
      std::vector<std::string> Wanted{Narrow(Number)};
      bool Any = false;
      for (char16_t Digit : BoardHeights[B]) {
        const std::int32_t Index = Digit - u'0';
        for (char16_t Letter : std::u16string_view(Index <= 5 ? u"ABCD" : u"ABCDE")) {
          const std::u16string Code = std::u16string(Number) + Letter;
          const double DD = Index <= 5 ? CalcDD(Code, Index) : CalcHDD(Code, Index);
          Any = Any || DD >= 0;
          Wanted.push_back(DD >= 0 ? Narrow(FormatFixed1(DD, u".")) : "-");
        }
      }
      while (Row < Read[B].Rows.size() && Read[B].Rows[Row].size() == 1) ++Row;  // a heading
      if (!Any) continue;
      ASSERT_LT(Row, Read[B].Rows.size()) << "board " << B << ": no row " << Narrow(Number);
      EXPECT_EQ(Read[B].Rows[Row++], Wanted) << "board " << B;
    }
    EXPECT_EQ(Row, Read[B].Rows.size()) << "board " << B << ": rows of no listed dive";
  }
}

// The boards of the chosen heights, each height in the rule book's place; the dives grouped in
// its order, each once, the first listed of two numbers that write the same dive.
TEST(BuildChart, GroupsTheDivesOfTheChosenHeightsAsTheRuleBook) {
  const std::vector<Board> Read =
      Boards(BuildChart(Listed(u"614\n1(0)5\n5253\n105\n101\n5132M"), Choose({3, 9, 5, 3}, true)));
  ASSERT_EQ(Read.size(), 2u);
  EXPECT_EQ(Read[0].Head, (std::vector<std::string>{"Platform", "10m", "5m", "No.", "Dive", "A",
                                                    "B", "C", "D", "A", "B", "C", "D"}));
  std::vector<std::string> Rows;
  for (const auto& Row : Read[0].Rows)
    Rows.push_back(Row.size() == 1 ? Row[0] : Row[0] + " " + Row[1]);
  EXPECT_EQ(Rows,
            (std::vector<std::string>{"Forward", "101 Forward Dive", "1(0)5 Forward 2? Somersaults",
                                      "Twisting", "5253 Back 2? Somersaults 1? Twists", "Armstand",
                                      "614 Armstand Forward 2 Somersaults"}));
  EXPECT_EQ(Read[1].Head.front(), "High diving");
  EXPECT_EQ(Read[1].Head[1], "27m");
}

TEST(BuildChart, SaysSoWhenNoDiveHasADdOnABoard) {
  const std::vector<Board> Read = Boards(BuildChart(Listed(u"614"), Choose({1}, true)));
  ASSERT_EQ(Read.size(), 1u);
  EXPECT_EQ(Read[0].Rows,
            (std::vector<std::vector<std::string>>{{"No dive listed has a DD here."}}));
}

// Lines are counted from 1, blank ones too; a line that names no dive, or ends in a letter the
// chart adds itself, is left out and said so, shown safely.
TEST(ReadChartList, LeavesOutLinesThatNameNoDive) {
  const ChartList List =
      ReadChartList(u"105\r\n\n 5253b \nhello\x1b[2J\x9b\n5511\n614\n" + std::u16string(50, u'7'));
  ASSERT_EQ(List.Dives.size(), 2u);
  EXPECT_EQ(List.Dives[0].Number, u"105");
  EXPECT_EQ(List.Dives[1].Number, u"614");
  std::vector<std::string> Messages;
  for (const LeftOutLine& Line : List.LeftOut) Messages.push_back(Narrow(LeftOutMessage(Line)));
  EXPECT_EQ(Messages,
            (std::vector<std::string>{
                "line 3: 5253b ends in a position letter",
                "line 4: hello?[2J? is no dive number of the rule book",
                "line 5: 5511 is no dive number of the rule book",
                "line 7: " + std::string(40, '7') + "? is no dive number of the rule book"}));
}

}  // namespace
}  // namespace merrith
