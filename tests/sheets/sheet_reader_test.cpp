#include "sheets/sheet_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace merrith {
namespace {

// Every line counts, blank, comment or CR LF; headings in any case; the words of a dive line
// in any order.
TEST(ReadSheet, ReadsHeadingsAndDiveLinesCountingEveryLine) {
  const SheetText Sheet = ReadSheet(
      u"# a comment\r\n"
      u"EVENT:  women-3m \r\n"
      u"diver: A. <Diver>\r\n"
      u"\r\n"
      u"  5253b\t3,4 limited 3M\r\n"
      u"   # a comment after the dives\n"
      u"105B 3.40 7.5m\n"
      u"10(11)c");
  EXPECT_EQ(Sheet.EventId, u"women-3m");
  EXPECT_EQ(Sheet.EventLine, 2U);
  EXPECT_EQ(Sheet.Diver, u"A. <Diver>");
  ASSERT_EQ(Sheet.Dives.size(), 3U);
  EXPECT_EQ(Sheet.Dives[0].Line, 5U);
  EXPECT_EQ(Sheet.Dives[0].Code, u"5253B");
  EXPECT_EQ(Sheet.Dives[0].HeightIndex, 2);
  EXPECT_EQ(Sheet.Dives[0].Stated, 34);
  EXPECT_TRUE(Sheet.Dives[0].Limited);
  EXPECT_EQ(Sheet.Dives[1].Line, 7U);
  EXPECT_EQ(Sheet.Dives[1].HeightIndex, 4);
  EXPECT_EQ(Sheet.Dives[1].Stated, 34);
  EXPECT_EQ(Sheet.Dives[2].Line, 8U);
  EXPECT_EQ(Sheet.Dives[2].Code, u"10(11)C");
  EXPECT_TRUE(Sheet.Problems.empty());
}

// Lines as coaches write them: each read as the one dive it means, without a problem.
TEST(ReadSheet, ReadsDiveLinesAsCoachesWriteThem) {
  struct Written {
    std::u16string_view Line;
    std::u16string_view Code;
    std::int32_t HeightIndex;
    std::optional<DdTenths> Stated;
  };
  const Written Cases[] = {
      {      u"1. 107B 3.1",    u"107B", 0,           31},
      {     u"12) 107B 3,1",    u"107B", 0,           31},
      {        u"2)107b 3m",    u"107B", 2, std::nullopt},
      {u"Round 3: 207 C 10",    u"207C", 5, std::nullopt},
      {  u"round 3 : 207 c",    u"207C", 0, std::nullopt},
      { u"4\t5253B\t3\t3.4",   u"5253B", 2,           34},
      {       u"107B 3 m 3",    u"107B", 2,           30},
      {  u"107B 7.5 metres",    u"107B", 4, std::nullopt},
      {      u"107B 3metre",    u"107B", 2, std::nullopt},
      {       u"10(11) C 1", u"10(11)C", 1, std::nullopt},
      {       u"107B 2.8 3",    u"107B", 2,           28},
  };
  for (const Written& C : Cases) {
    const SheetText Sheet = ReadSheet(C.Line);
    const std::string Shown(C.Line.begin(), C.Line.end());
    ASSERT_EQ(Sheet.Dives.size(), 1U) << Shown;
    EXPECT_EQ(Sheet.Dives[0].Code, C.Code) << Shown;
    EXPECT_EQ(Sheet.Dives[0].HeightIndex, C.HeightIndex) << Shown;
    EXPECT_EQ(Sheet.Dives[0].Stated, C.Stated) << Shown;
    EXPECT_TRUE(Sheet.Problems.empty()) << Shown;
  }
}

// What still cannot be read keeps its problem: a second height, a round with no dive.
TEST(ReadSheet, KeepsTheProblemsOfLinesThatStillCannotBeRead) {
  const SheetText Sheet = ReadSheet(u"1. 107B 3 m 10m\nRound 2:\n3. 207 CC");
  ASSERT_EQ(Sheet.Dives.size(), 3U);
  EXPECT_EQ(Sheet.Dives[1].Code, u"ROUND");
  EXPECT_EQ(Sheet.Dives[2].Code, u"207");
  ASSERT_EQ(Sheet.Problems.size(), 3U);
  EXPECT_EQ(Sheet.Problems[0].Why, SheetProblem::WordTwice);
  EXPECT_EQ(Sheet.Problems[1].Why, SheetProblem::UnknownWord);
  EXPECT_EQ(Sheet.Problems[2].Why, SheetProblem::UnknownWord);
}

// A table pasted from a spreadsheet: its columns in any order and case, each cell read as its
// column says; short rows and rows of empty cells as a spreadsheet writes them.
TEST(ReadSheet, ReadsATablePastedFromASpreadsheet) {
  const SheetText Tabs = ReadSheet(
      u"Event: men-3m\n"
      u"Round\tDive name\tdd\tNUMBER\tPosition\tBoard\tPart\n"
      u"1\tForward\t3,1\t107\tb\t3 m\tlimited\n"
      u"2\t\t\t205C\n"
      u"\t\t\t\t\t\n"
      u"Total\t\t5.9\n"
      u"3\t\tx\t305\tC\t2m\tfree\t\tmore");
  ASSERT_EQ(Tabs.Dives.size(), 3U);
  EXPECT_EQ(Tabs.Dives[0].Code, u"107B");
  EXPECT_EQ(Tabs.Dives[0].HeightIndex, 2);
  EXPECT_EQ(Tabs.Dives[0].Stated, 31);
  EXPECT_TRUE(Tabs.Dives[0].Limited);
  EXPECT_EQ(Tabs.Dives[1].Code, u"205C");
  EXPECT_EQ(Tabs.Dives[1].Line, 4U);
  EXPECT_EQ(Tabs.Dives[2].Code, u"305C");
  EXPECT_FALSE(Tabs.Dives[2].Limited);
  std::vector<std::pair<SheetProblem, std::u16string>> Problems;
  for (const Problem& P : Tabs.Problems) Problems.emplace_back(P.Why, P.Values.Written);
  const std::vector<std::pair<SheetProblem, std::u16string>> Wanted{
      {      SheetProblem::NotADiveLine, u"Total\t\t5.9"},
      {       SheetProblem::UnknownWord,           u"2m"},
      {       SheetProblem::UnknownWord,            u"x"},
      {SheetProblem::CellOutsideColumns,         u"more"},
  };
  EXPECT_EQ(Problems, Wanted);

  const SheetText Commas = ReadSheet(u"code,DD\n105B,\"2,6\"\n105B 1m 2.6");
  ASSERT_EQ(Commas.Dives.size(), 2U);
  EXPECT_EQ(Commas.Dives[0].Stated, 26);
  EXPECT_EQ(Commas.Dives[1].HeightIndex, 1);  // a line without the separator reads as ever
  EXPECT_TRUE(Commas.Problems.empty());
}

// A table pasted as people keep it, apart at tabs, commas or semicolons and headed with the
// words of a competition's spreadsheet: a dive number and its position in two columns are one
// code, and a code whole in the dive column needs no position.
TEST(ReadSheet, ReadsAPastedTableHeadedAsSpreadsheetsAre) {
  const std::u16string_view Cases[] = {
      u"Round\tDive\tPos\tHeight\tDD\n1\t107\tB\t3m\t3.1\n2\t205C\t\t3m\t3.0",
      u"Round,Dive,Pos,Height,DD\n1,107,b,3m,3.1\n2,205c,,3m,3.0",
      u"Rd;Dive No.;Position;Board;D.D.\n1;107;B;3;3,1\n2;205C;;3;3,0",
  };
  for (const std::u16string_view Text : Cases) {
    const SheetText Sheet = ReadSheet(Text);
    const std::string Shown(Text.begin(), Text.end());
    ASSERT_EQ(Sheet.Dives.size(), 2U) << Shown;
    EXPECT_EQ(Sheet.Dives[0].Code, u"107B") << Shown;
    EXPECT_EQ(Sheet.Dives[1].Code, u"205C") << Shown;
    EXPECT_EQ(Sheet.Dives[1].HeightIndex, 2) << Shown;
    EXPECT_EQ(Sheet.Dives[0].Stated, 31) << Shown;
    EXPECT_TRUE(Sheet.Problems.empty()) << Shown;
  }
}

// A position cell that is no letter, or a letter beside a code that has one, is a problem of
// its row, the number kept alone; a header row without a dive column is no table.
TEST(ReadSheet, NamesTheRowOfAPositionCellItCannotJoin) {
  const SheetText Sheet = ReadSheet(u"Dive\tPos\tHeight\n107\tX\t3m\n107B\tC\t3m");
  ASSERT_EQ(Sheet.Dives.size(), 2U);
  EXPECT_EQ(Sheet.Dives[0].Code, u"107");
  using Named = std::tuple<SheetProblem, std::size_t, std::u16string>;  // the kind, line, word
  std::vector<Named> Problems;
  for (const Problem& P : Sheet.Problems) Problems.emplace_back(P.Why, P.Line, P.Values.Written);
  const std::vector<Named> Wanted{
      {SheetProblem::NotAPosition, 2, u"X"},
      {   SheetProblem::WordTwice, 3, u"C"},
  };
  EXPECT_EQ(Problems, Wanted);

  const SheetText NoDive = ReadSheet(u"Round\tHeight\n107B\t3m");
  ASSERT_EQ(NoDive.Dives.size(), 1U);
  EXPECT_EQ(NoDive.Dives[0].Code, u"107B");
  EXPECT_EQ(NoDive.Problems.size(), 1U);
}

TEST(ReadStatedDd, ReadsOneDecimalAfterAPointOrAComma) {
  struct Stated {
    std::u16string_view Word;
    std::optional<DdTenths> Tenths;
  };
  const Stated Cases[] = {
      {    u"3",           30},
      {  u"3.4",           34},
      {  u"3,4",           34},
      {u"03.40",           34},
      { u"12.0",          120},
      { u"3.45", std::nullopt},
      {   u"3.", std::nullopt},
      {   u".4", std::nullopt},
      {  u"123", std::nullopt},
      {   u"3m", std::nullopt},
      { u"3,4,", std::nullopt},
  };
  for (const Stated& C : Cases)
    EXPECT_EQ(ReadStatedDd(C.Word), C.Tenths) << std::string(C.Word.begin(), C.Word.end());
}

}  // namespace
}  // namespace merrith
