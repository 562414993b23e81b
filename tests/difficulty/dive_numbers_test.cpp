#include "difficulty/dive_numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "difficulty/heights.h"
#include "difficulty/parse_code.h"
#include "dive_codes.h"

namespace merrith {
namespace {

using testing::Narrow;

// A number alone, as a chart's list holds it, or a code at a height, as a sheet states it: its
// group is its first part's, its number as the rule book writes it.
TEST(ReadDiveNumber, GivesGroupNumberAndWhetherItIsADive) {
  struct Read {
    std::u16string Text;
    std::int32_t HeightIndex;  // 0 for a number alone
    std::int32_t Group;
    std::u16string Number;
    NoDive Why;
  };
  // clang-format off
  const Read Cases[] = {
      {u"10(11)",   0, 1, u"1011",    NoDive::None},
      {u"(5)253",   0, 5, u"5253",    NoDive::None},
      {u"5132m",    0, 5, u"5132M",   NoDive::None},
      {u"5160M",    0, 5, u"5160M",   NoDive::None},  // no other number writes it
      {u"5150",     0, 5, u"5150",    NoDive::NoTwist},
      {u"5511",     0, 5, u"5511",    NoDive::NotInRuleBook},
      {u"105X",     0, 0, u"",        NoDive::NotANumber},
      {u"1)5",      0, 0, u"",        NoDive::NotANumber},
      {u"202()",    0, 0, u"",        NoDive::NotANumber},
      {u"513M2",    0, 0, u"",        NoDive::NotANumber},
      {u"105M",     0, 0, u"",        NoDive::NotANumber},  // M only in the twisting form
      {u"1011C",    5, 1, u"1011",    NoDive::None},
      {u"5253B",    2, 5, u"5253",    NoDive::None},
      {u"52(10)2B", 9, 5, u"52(10)2", NoDive::None},
      {u"51132B",   5, 5, u"51132",   NoDive::None},
      {u"614C",     1, 6, u"614",     NoDive::None},  // a dive; its DD is another matter
      {u"6140C",    5, 6, u"614",     NoDive::None},
      {u"6243D",    5, 6, u"6243",    NoDive::None},
      {u"105E",     2, 1, u"105",     NoDive::NoSuchPosition},
      {u"105E",     6, 1, u"105",     NoDive::None},
      {u"105Z",     9, 1, u"105",     NoDive::NoSuchPosition},
      {u"1051",     9, 1, u"105",     NoDive::NoSuchPosition},
      {u"5150B",    2, 5, u"5150",    NoDive::NoTwist},
      {u"105BB",    2, 0, u"",        NoDive::NotANumber},
      {u"1(05B",    2, 0, u"",        NoDive::NotANumber},
      {u"105MB",    5, 0, u"",        NoDive::NotANumber},
      {u"105(B)",   5, 0, u"",        NoDive::NotANumber},
  };
  // clang-format on
  for (const Read& C : Cases) {
    const RuleBookDive D =
        C.HeightIndex == 0 ? ReadDiveNumber(C.Text) : ReadDiveNumber(C.Text, C.HeightIndex);
    EXPECT_EQ(D.Group, static_cast<DiveGroup>(C.Group)) << Narrow(C.Text);
    EXPECT_EQ(D.Number, C.Number) << Narrow(C.Text);
    EXPECT_EQ(D.Why, C.Why) << Narrow(C.Text);
    if (C.HeightIndex != 0 && C.Why == NoDive::None) {
      EXPECT_EQ(u'A' + D.Dive.Pos, C.Text.back()) << Narrow(C.Text);
    }
  }
}

// The DD of Number with each letter at each height, as the batch table's row shows them (-1
// where there is none).
std::vector<double> DdRow(const std::u16string& Number) {
  std::vector<double> Row;
  for (const Height& H : Heights)
    for (char16_t Letter : H.Letters)
      Row.push_back(std::max(H.Calc->DD(Number + Letter, H.Index), -1.0));
  return Row;
}

bool HasDd(const std::vector<double>& Row) {
  return std::any_of(Row.begin(), Row.end(), [](double DD) { return DD >= 0; });
}

using Fields = std::vector<std::int32_t>;  // Dir, Fly, Som, Twi and Arm

// The dive that Number reads as where it has a DD.
Fields DiveWithDd(const std::u16string& Number) {
  for (const Height& H : Heights)
    for (char16_t Letter : H.Letters)
      if (DiveCode D; ParseCode(Number + Letter, H.Index, D) == CodeValid)
        return {D.Dir, D.Fly, D.Som, D.Twi, D.Arm};
  return {};
}

// Each listed dive has a DD and is listed once. Every code written with one digit per part,
// three digits (105), four (5253, 1011), five (51132) and four with M (5132M), that is not
// listed has no DD with any letter at any height, or writes again a listed dive, whose row it
// gives (5150 is 105, 52162 is 5162M).
TEST(ListDiveNumbers, ListsEachDiveWithADdOnce) {
  std::map<Fields, std::vector<double>> ListedRows;
  std::set<std::u16string> Listed;
  for (const DiveNumber& N : ListDiveNumbers()) {
    const DiveCode& D = N.Dive;
    const std::vector<double> Row = DdRow(N.Number);
    EXPECT_TRUE(HasDd(Row)) << Narrow(N.Number);
    EXPECT_TRUE(ListedRows.emplace(Fields{D.Dir, D.Fly, D.Som, D.Twi, D.Arm}, Row).second)
        << Narrow(N.Number) << " is listed twice";
    Listed.insert(N.Number);
  }
  std::set<std::string> WrittenAgain;
  const auto Check = [&](const std::string& Text) {
    const std::u16string Number(Text.begin(), Text.end());
    if (Listed.contains(Number)) return;
    const std::vector<double> Row = DdRow(Number);
    if (!HasDd(Row)) return;
    WrittenAgain.insert(Text);
    const auto Same = ListedRows.find(DiveWithDd(Number));
    ASSERT_NE(Same, ListedRows.end()) << Text << " has a DD but is not listed";
    EXPECT_EQ(Same->second, Row) << Text;
  };
  for (int Digits = 3, End = 1000; Digits <= 5; ++Digits, End *= 10)
    for (int Value = 0; Value < End; ++Value) {
      std::string Text = std::to_string(Value);
      Text.insert(0, static_cast<std::size_t>(Digits) - Text.size(), '0');
      Check(Text);
      if (Digits == 4) Check(Text + "M");
    }
  for (const char* Again : {"1001", "5150", "6120", "51150", "50132", "52162"})
    EXPECT_TRUE(WrittenAgain.contains(Again)) << Again;
}

// The list is in the order the rule book's lists and charts keep.
TEST(ListDiveNumbers, ListsInTheRuleBooksOrder) {
  const std::vector<DiveNumber> All = ListDiveNumbers();
  EXPECT_TRUE(std::is_sorted(All.begin(), All.end(), BeforeInRuleBook));
}

}  // namespace
}  // namespace merrith
