#include "sheets/sheet_reader.h"

#include <gtest/gtest.h>

#include <string>
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
