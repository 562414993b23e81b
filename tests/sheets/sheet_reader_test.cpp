#include "sheets/sheet_reader.h"

#include <gtest/gtest.h>

#include <string>
#include <tuple>
#include <vector>

namespace merrith {
namespace {

// Each dive read, a line each: its line, code, height and stated DD, and "limited" where marked.
std::string DivesRead(const SheetText& Sheet) {
  std::string Read;
  for (const DiveLine& D : Sheet.Dives)
    Read += std::to_string(D.Line) + " " + std::string(D.Code.begin(), D.Code.end()) + " " +
            std::to_string(D.HeightIndex) + " " + (D.Stated ? std::to_string(*D.Stated) : "-") +
            (D.Limited ? " limited" : "") + "\n";
  return Read;
}

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
  EXPECT_EQ(DivesRead(Sheet), "5 5253B 2 34 limited\n7 105B 4 34\n8 10(11)C 0 -\n");
  EXPECT_TRUE(Sheet.Problems.empty());
}

// Lines as coaches write them: each read as the one dive it means, without a problem.
TEST(ReadSheet, ReadsDiveLinesAsCoachesWriteThem) {
  struct Written {
    std::u16string_view Line;
    std::string Read;  // the code, the height and the stated DD
  };
  const Written Cases[] = {
      {      u"1. 107B 3.1",   "107B 0 31"},
      {     u"12) 107B 3,1",   "107B 0 31"},
      {        u"2)107b 3m",    "107B 2 -"},
      {u"Round 3: 207 C 10",    "207C 5 -"},
      {  u"round 3 : 207 c",    "207C 0 -"},
      { u"4\t5253B\t3\t3.4",  "5253B 2 34"},
      {       u"107B 3 m 3",   "107B 2 30"},
      {  u"107B 7.5 metres",    "107B 4 -"},
      {      u"107B 3metre",    "107B 2 -"},
      {       u"10(11) C 1", "10(11)C 1 -"},
      {       u"107B 2.8 3",   "107B 2 28"},
  };
  for (const Written& C : Cases) {
    const SheetText Sheet = ReadSheet(C.Line);
    const std::string Shown(C.Line.begin(), C.Line.end());
    EXPECT_EQ(DivesRead(Sheet), "1 " + C.Read + "\n") << Shown;
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
  EXPECT_EQ(DivesRead(Tabs), "3 107B 2 31 limited\n4 205C 0 -\n7 305C 0 -\n");
  std::vector<std::pair<SheetProblem, std::u16string>> Problems;
  for (const Problem& P : Tabs.Problems) Problems.emplace_back(P.Why, P.Values.Written);
  const std::vector<std::pair<SheetProblem, std::u16string>> Wanted{
      {      SheetProblem::NotADiveLine, u"Total\t\t5.9"},
      {       SheetProblem::UnknownWord,           u"2m"},
      {       SheetProblem::UnknownWord,            u"x"},
      {SheetProblem::CellOutsideColumns,         u"more"},
  };
  EXPECT_EQ(Problems, Wanted);

  // A line without the separator reads as ever.
  const SheetText Commas = ReadSheet(u"code,DD\n105B,\"2,6\"\n105B 1m 2.6");
  EXPECT_EQ(DivesRead(Commas), "2 105B 0 26\n3 105B 1 26\n");
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
    EXPECT_EQ(DivesRead(Sheet), "2 107B 2 31\n3 205C 2 30\n") << Shown;
    EXPECT_TRUE(Sheet.Problems.empty()) << Shown;
  }
}

// A position cell that is no letter, or a letter beside a code that has one, is a problem of
// its row, the number kept alone; a header row without a dive column is no table.
TEST(ReadSheet, NamesTheRowOfAPositionCellItCannotJoin) {
  const SheetText Sheet = ReadSheet(u"Dive\tPos\tHeight\n107\tX\t3m\n107B\tC\t3m");
  EXPECT_EQ(DivesRead(Sheet), "2 107 2 -\n3 107B 2 -\n");
  using Named = std::tuple<SheetProblem, std::size_t, std::u16string>;  // the kind, line, word
  std::vector<Named> Problems;
  for (const Problem& P : Sheet.Problems) Problems.emplace_back(P.Why, P.Line, P.Values.Written);
  const std::vector<Named> Wanted{
      {SheetProblem::NotAPosition, 2, u"X"},
      {   SheetProblem::WordTwice, 3, u"C"},
  };
  EXPECT_EQ(Problems, Wanted);

  const SheetText NoDive = ReadSheet(u"Round\tHeight\n107B\t3m");
  EXPECT_EQ(DivesRead(NoDive), "2 107B 2 -\n");
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
