#include "difficulty/dive_numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <optional>
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

// The list is in the rule book's order, and each dive of the rule book's reads back as its
// dive, so that a chart of the list leaves nothing out.
TEST(ListNamedDiveNumbers, ReadsBackInTheRuleBooksOrder) {
  const std::vector<DiveNumber> All = ListDiveNumbers();
  EXPECT_TRUE(std::is_sorted(All.begin(), All.end(), [](const auto& A, const auto& B) {
    return BeforeInRuleBook(A.Dive, B.Dive);
  }));
  for (const DiveNumber& N : ListNamedDiveNumbers()) {
    const std::optional<DiveCode> Read = ReadDiveNumber(N.Number);
    ASSERT_TRUE(Read) << Narrow(N.Number);
    EXPECT_EQ(FieldsOf(*Read), FieldsOf(N.Dive)) << Narrow(N.Number);
  }
}

// A listed line names a dive only as the rule book writes it: digits and brackets, an M at the
// end, in the dive's own group.
TEST(ReadDiveNumber, ReadsOnlyNumbersWrittenAsTheRuleBookWritesThem) {
  struct Read {
    std::u16string Number;
    Fields Dive;  // Dir, Fly, Som, Twi and Arm; empty when it names no dive
  };
  // clang-format off
  const Read Cases[] = {
      {u"10(11)", {1, 0, 11, 0, 0}},
      {u"(5)253", {2, 0, 5, 3, 0}},
      {u"5132m",  {1, 2, 3, 2, 0}},
      {u"5150",   {}},  // 105 written as a twisting dive
      {u"105X",   {}},
      {u"513M2",  {}},
      {u"1 05",   {}},
  };
  // clang-format on
  for (const Read& C : Cases) {
    const std::optional<DiveCode> Dive = ReadDiveNumber(C.Number);
    EXPECT_EQ(Dive ? FieldsOf(*Dive) : Fields{}, C.Dive) << Narrow(C.Number);
  }
  EXPECT_TRUE(EndsInPositionLetter(u"5253b"));
  EXPECT_FALSE(EndsInPositionLetter(u"5132M"));
}

}  // namespace
}  // namespace merrith
