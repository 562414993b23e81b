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

// The DD of Number with each letter at each height, as the batch table's row shows them (-1
// where there is none).
std::vector<double> DdRow(const std::u16string& Number) {
  std::vector<double> Row;
  std::u16string Dive = Number;
  for (const Height& H : Heights)
    for (char16_t Letter : H.Letters) {
      Dive.resize(Number.size());
      Dive += Letter;
      Row.push_back(std::max(H.Calc->DD(Dive, H.Index), -1.0));
    }
  return Row;
}

bool HasDd(const std::vector<double>& Row) {
  return std::any_of(Row.begin(), Row.end(), [](double DD) { return DD >= 0; });
}

std::u16string Widen(std::string_view Ascii) { return {Ascii.begin(), Ascii.end()}; }

// Where each number stands in the list.
std::map<std::u16string, std::size_t> Places() {
  std::map<std::u16string, std::size_t> At;
  for (const DiveNumber& N : ListDiveNumbers()) At.emplace(N.Number, At.size());
  return At;
}

using Fields = std::vector<std::int32_t>;  // Dir, Fly, Som, Twi and Arm

Fields FieldsOf(const DiveCode& D) { return {D.Dir, D.Fly, D.Som, D.Twi, D.Arm}; }

// The dive that Number reads as where it has a DD.
Fields DiveWithDd(const std::u16string& Number) {
  for (const Height& H : Heights)
    for (char16_t Letter : H.Letters)
      if (DiveCode D; H.Calc->DD(Number + Letter, H.Index) >= 0) {
        EXPECT_EQ(ParseCode(Number + Letter, H.Index, D), CodeValid) << Narrow(Number);
        return FieldsOf(D);
      }
  return {};
}

TEST(ListDiveNumbers, HoldsTheDivesOfTheRuleBook) {
  const auto At = Places();
  for (const char* Number : {"101", "105", "1011", "112", "201", "305", "409", "5111", "5253",
                             "5337", "600", "614", "626", "6243"})
    EXPECT_TRUE(At.contains(Widen(Number))) << Number;
}

// Each pair is listed in this order: by group, plain before flying, by half somersaults, by
// direction and twists; two digits of half somersaults after one; armstand dives without
// twist before those with; flying and M forms after the plain ones of their group.
TEST(ListDiveNumbers, KeepsTheOrderOfTheRuleBook) {
  const auto At = Places();
  const char* Pairs[][2] = {
      {  "101",   "109"},
      {  "109",  "1011"},
      { "1011",   "112"},
      {  "112",   "201"},
      {  "409",  "5111"},
      { "5111",  "5112"},
      { "5132",  "5211"},
      { "5253",  "5337"},
      { "5337", "51132"},
      {"51132", "5162M"},
      {"5162M",   "600"},
      {  "636",  "6122"},
      { "6122",  "6243"},
  };
  for (const auto& [Before, After] : Pairs) {
    ASSERT_TRUE(At.contains(Widen(Before))) << Before;
    ASSERT_TRUE(At.contains(Widen(After))) << After;
    EXPECT_LT(At.at(Widen(Before)), At.at(Widen(After))) << Before << " before " << After;
  }
}

// The dive that each listed number stands for is the one the parser reads, and has a DD.
TEST(ListDiveNumbers, ListsEachDiveOnceWithADd) {
  std::set<Fields> Dives;
  for (const DiveNumber& N : ListDiveNumbers()) {
    EXPECT_TRUE(HasDd(DdRow(N.Number))) << Narrow(N.Number);
    EXPECT_TRUE(HasSomeDD(N.Number)) << Narrow(N.Number);
    const DiveCode& Listed = N.Dive;
    DiveCode Read;
    const char16_t Letter = Listed.Som == 0 ? u'A' : u'B';
    ASSERT_EQ(ParseCode(N.Number + Letter, HeightIndexLastPlatform, Read), CodeValid)
        << Narrow(N.Number);
    EXPECT_EQ(FieldsOf(Read), FieldsOf(Listed)) << Narrow(N.Number);
    EXPECT_TRUE(Dives.insert(FieldsOf(Listed)).second) << Narrow(N.Number) << " is listed twice";
  }
}

// Every code written with one digit per part: three digits (105), four (5253, 1011), five
// (51132) and four with M (5132M). Each that is not listed has no DD with any letter at any
// height, or writes again a listed dive, whose row it gives (5150 is 105, 52162 is 5162M).
TEST(ListDiveNumbers, LeavesOutOnlyNumbersWithoutDdOrWrittenAgain) {
  std::map<Fields, std::vector<double>> ListedRows;
  std::set<std::u16string> Listed;
  for (const DiveNumber& N : ListDiveNumbers()) {
    ListedRows.emplace(FieldsOf(N.Dive), DdRow(N.Number));
    Listed.insert(N.Number);
  }
  std::set<std::u16string> WrittenAgain;
  const auto Check = [&](const std::u16string& Number) {
    if (Listed.contains(Number)) return;
    const std::vector<double> Row = DdRow(Number);
    if (!HasDd(Row)) return;
    WrittenAgain.insert(Number);
    const auto Same = ListedRows.find(DiveWithDd(Number));
    ASSERT_NE(Same, ListedRows.end()) << Narrow(Number) << " has a DD but is not listed";
    EXPECT_EQ(Same->second, Row) << Narrow(Number);
  };
  for (int Digits = 3; Digits <= 5; ++Digits) {
    int End = 1;
    for (int I = 0; I < Digits; ++I) End *= 10;
    for (int Value = 0; Value < End; ++Value) {
      std::string Text = std::to_string(Value);
      Text.insert(0, static_cast<std::size_t>(Digits) - Text.size(), '0');
      Check(Widen(Text));
      if (Digits == 4) Check(Widen(Text + "M"));
    }
  }
  for (const char* Again : {"1001", "5150", "6120", "51150", "50132", "52162"})
    EXPECT_TRUE(WrittenAgain.contains(Widen(Again))) << Again;
}

TEST(HasSomeDD, SaysWhetherAnyHeightAndLetterHasADd) {
  EXPECT_TRUE(HasSomeDD(u"105"));
  EXPECT_TRUE(HasSomeDD(u"614"));     // from the platform only
  EXPECT_TRUE(HasSomeDD(u"5162M"));   // from the high-diving heights only
  EXPECT_FALSE(HasSomeDD(u"125"));    // a flying digit 2
  EXPECT_FALSE(HasSomeDD(u"5132M"));  // M with too few somersaults
  EXPECT_FALSE(HasSomeDD(u"7123"));   // no such group
  EXPECT_FALSE(HasSomeDD(u"X"));
  EXPECT_FALSE(HasSomeDD(u""));
}

}  // namespace
}  // namespace merrith
