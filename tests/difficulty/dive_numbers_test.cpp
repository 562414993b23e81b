#include "difficulty/dive_numbers.h"

#include <gtest/gtest.h>

#include <algorithm>
#include <map>
#include <set>
#include <string>
#include <vector>

#include "difficulty/explain_dive.h"
#include "difficulty/heights.h"
#include "difficulty/parse_code.h"
#include "dive_codes.h"
#include "support/utf8.h"

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
      {u"642",      0, 6, u"642",     NoDive::None},  // inward: no DD, but a dive
      {u"6421D",    5, 6, u"6421",    NoDive::None},
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

// The dive that Number reads as.
Fields DiveOf(const std::u16string& Number) {
  const DiveCode D = ReadDiveNumber(Number).Dive;
  return {D.Dir, D.Fly, D.Som, D.Twi, D.Arm};
}

// The list is in the order the rule book's lists and charts keep. Each listed dive has a DD and
// is listed once. Every code written with one digit per part, three digits (105), four (5253,
// 1011), five (51132) and four with M (5132M), that is not listed has no DD with any letter at
// any height, or writes again a listed dive, whose row it gives (5150 is 105, 52162 is 5162M).
TEST(ListDiveNumbers, ListsEachDiveWithADdOnceInTheRuleBooksOrder) {
  std::map<Fields, std::vector<double>> ListedRows;
  std::set<std::u16string> Listed;
  const std::vector<DiveNumber> All = ListDiveNumbers();
  EXPECT_TRUE(std::is_sorted(All.begin(), All.end(), BeforeInRuleBook));
  for (const DiveNumber& N : All) {
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
    const auto Same = ListedRows.find(DiveOf(Number));
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

struct Decoded {
  std::u16string Code;
  std::int32_t HeightIndex;
  DiveCode Dive;  // Dir, Fly, Som, Twi, Pos, Arm
};

std::string Show(const DiveCode& D) {
  return "Dir " + std::to_string(D.Dir) + " Fly " + std::to_string(D.Fly) + " Som " +
         std::to_string(D.Som) + " Twi " + std::to_string(D.Twi) + " Pos " + std::to_string(D.Pos) +
         " Arm " + std::to_string(D.Arm);
}

TEST(ParseCode, DecodesEveryKindOfDiveNumber) {
  // clang-format off
  const Decoded Cases[] = {
      //  code                   height  Dir Fly Som Twi Pos Arm
      {u"105B",                  1,     {1, 0,  5,  0,  1,  0}},
      {u"10(11)B",               1,     {1, 0, 11,  0,  1,  0}},
      {u"(1)(0)(5)(B)",          1,     {1, 0,  5,  0,  1,  0}},  // every part in brackets
      {u"5253B",                 2,     {2, 0,  5,  3,  1,  0}},
      {u"6243D",                 3,     {2, 0,  4,  3,  3,  1}},
      {u"100A",                  1,     {1, 0,  0,  0,  0,  0}},
      {u"112B",                  1,     {1, 1,  2,  0,  1,  0}},
      {u"1)5B",                  1,     {1, 0,  5,  0,  1,  0}},  // a lone bracket reads as 0
      {u"5132MB",                1,     {1, 2,  3,  2,  1,  0}},  // twisting form with M
      {u"5132mb",                1,     {1, 2,  3,  2,  1,  0}},  // letters in either case
      {u"51132B",                1,     {1, 1,  3,  2,  1,  0}},  // flying twisting form
      {u"10(2.5)B",              1,     {1, 0,  2,  0,  1,  0}},  // halves round to even
      {u"10(3.5)B",              1,     {1, 0,  4,  0,  1,  0}},
      {u"10(-1.5)B",             1,     {1, 0, -2,  0,  1,  0}},
      {u"10( 1\t2\n)B",          1,     {1, 0, 12,  0,  1,  0}},  // blanks are skipped
      {u"10(1e1)B",              1,     {1, 0, 10,  0,  1,  0}},  // exponent
      {u"10(+.25E+1)B",          1,     {1, 0,  2,  0,  1,  0}},
      {u"10(2x9)B",              1,     {1, 0,  2,  0,  1,  0}},  // stops at a misfit
      {u"10(&H10)A",             3,     {1, 0,  0,  0,  0,  0}},  // radix prefix reads as 0
      {u"10(1E-9999999999999)A", 1,     {1, 0,  0,  0,  0,  0}},  // tiny reads as 0
      {u"1059",                  1,     {1, 0,  5,  0, -8,  0}},  // digit as position
      {u"105\u8041",             1,     {1, 0,  5,  0, -32768, 0}},  // lowest that fits
      {u"10(2147483647)B",       1,     {1, 0, 2147483647, 0, 1, 0}},
      {u"10(-2147483648.5)B",    1,     {1, 0, -2147483648, 0, 1, 0}},
      {u"10(000000000000007)B",  1,     {1, 0,  7,  0,  1,  0}},
      // Five parts of a forward, back, reverse or inward dive join the third and fourth into
      // one number of half somersaults, whatever the fourth holds; twisting and armstand
      // codes do not.
      {u"1011B",         1,     {1, 0, 11,  0,  1,  0}},  // two digits of somersaults
      {u"40(1)(1)C",     1,     {4, 0, 11,  0,  2,  0}},  // brackets join the same way
      {u"10(1.)(5)B",    1,     {1, 0,  2,  0,  1,  0}},  // joined: 1.5
      {u"10(1)(E1)B",    1,     {1, 0, 10,  0,  1,  0}},  // joined: 1E1
      {u"202()B",        1,     {2, 0,  2,  0,  1,  0}},  // an empty part joins too: 202B
      {u"30()3C",        1,     {3, 0,  3,  0,  2,  0}},  // in front as well: 303C
      {u"10()()A",       1,     {1, 0,  0,  0,  0,  0}},  // nothing joined to nothing: 0
      {u"612()B",        3,     {1, 0,  2,  0,  1,  1}},  // an armstand's empty twist part
      {u"5()253B",       1,     {2, 0,  5,  3,  1,  0}},  // six parts: the flying part
  };
  // clang-format on
  for (const Decoded& C : Cases) {
    DiveCode Dive;
    ASSERT_EQ(ParseCode(C.Code, C.HeightIndex, Dive), CodeValid) << Narrow(C.Code);
    EXPECT_EQ(Show(Dive), Show(C.Dive)) << Narrow(C.Code);
  }
}

TEST(ParseCode, RefusesCodesThatBreakARule) {
  const std::u16string Refused[] = {
      u"",                   // no parts
      u"105",                // three parts
      u"112A",               // flying dive straight
      u"100B",               // no somersault, not straight
      u"125B",               // flying digit 2
      u"9525B",              // five parts of no twisting group
      u"505B",               // four parts starting with 5
      u"1(05B",              // bracket not closed
      u"1234567",            // seven parts
      u"105()",              // empty position part
      u"5132XB7",            // seven parts, one of them letters
      u"7132MB",             // M form of a group that is not twisting
      u"10(2147483647.5)B",  // rounds to 2^31
      u"10(-2147483649)B",
      u"10(1E400)B",  // beyond any double
      u"10(1E99999999999999999999)B",
      u"10(9999999999999999999999999999999999999999)B",
      u"105\u8040",  // position code units that leave the 16-bit range
      u"10(" + std::u16string(100000, u'9') + u")B",
      u"10(" + std::u16string(100000, u'(') + u")B",
      u"10(0." + std::u16string(100000, u'0') + u"1)B",  // no somersault, in pike
      u"10(\xD800)\xDC00",                               // unpaired surrogates
      u"20()()B",                                        // 0 half somersaults in pike
  };
  for (const std::u16string& Code : Refused) {
    DiveCode Dive;
    EXPECT_EQ(ParseCode(Code, 3, Dive), CodeInvalid) << Narrow(Code);
  }
  // The fields stay as they were when a bracket is not closed.
  DiveCode Dive{7, 7, 7, 7, 7, 7};
  EXPECT_EQ(ParseCode(u"10(5B", 1, Dive), CodeInvalid);
  EXPECT_EQ(Show(Dive), Show(DiveCode{7, 7, 7, 7, 7, 7}));
}

TEST(UpperCase, ChangesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCase(u"5253b m(e)"), u"5253B M(E)");
  EXPECT_EQ(UpperCase(u"\u00e9\u0131\u017f\uff41"), u"\u00e9\u0131\u017f\uff41");
}

std::string NameOf(const DiveExplanation& E) { return E.Name ? ToUtf8(*E.Name) : "(no name)"; }

// The dive in words and its position, as parsed from the code; a code that cannot be read, or
// fields that name no dive, give no name. official_dd_test holds the names the rule book
// prints; the rows here are each position and the forms it does not print.
TEST(ExplainDive, NamesTheDiveInWords) {
  struct Named {
    std::u16string Code;
    std::string Name;
  };
  // clang-format off
  const Named Cases[] = {
      {u"100A",     "Forward Jump, Straight"},
      {u"411C",     "Inward Flying Dive, Tuck"},
      {u"405E",     "Inward 2½ Somersaults, position E"},
      {u"5132D",    "Forward 1½ Somersaults 1 Twist, Free"},
      {u"539(10)B", "Reverse 4½ Somersaults 5 Twists, Pike"},
      {u"51132B",   "Forward Flying 1½ Somersaults 1 Twist, Pike"},
      {u"5132MB",   "Forward 1½ Somersaults 1 Twist (M), Pike"},
      {u"642C",     "Armstand Inward Somersault, Tuck"},
      {u"105Z",     "Forward 2½ Somersaults"},  // no such position: the dive alone
      {u"5011B",    "(no name)"},               // a twisting dive without a direction
      {u"5511B",    "(no name)"},               // direction 5
      {u"53142B",   "(no name)"},               // a flying digit 3
      {u"6011A",    "(no name)"},               // armstand, somersaults without a direction
      {u"630A",     "(no name)"},               // armstand, a direction without somersaults
      {u"1(-1)5B",  "(no name)"},
      {u"10(-1)A",  "(no name)"},
      {u"514(-2)B", "(no name)"},
      {u"1(05B",    "(no name)"},               // cannot be read
  };
  // clang-format on
  for (const Named& C : Cases) EXPECT_EQ(NameOf(ExplainDive(C.Code, 5)), C.Name) << Narrow(C.Code);
  EXPECT_EQ(NameOf(ExplainDive(u"614C", 1)), "Armstand Forward 2 Somersaults, Tuck");
  EXPECT_EQ(ToUtf8(ExplainDive(u"614C", 3).Position.value()), "Tuck");
}

TEST(ExplainDive, SaysWhyADiveHasNoDd) {
  struct Refused {
    std::u16string Code;
    std::int32_t HeightIndex;
    Refusal Why;
  };
  // clang-format off
  const Refused Cases[] = {
      {u"1(05B",   1, Refusal::NotADiveNumber},         // bracket not closed
      {u"7132B",   5, Refusal::NotADiveNumber},         // no such group
      {u"112A",    1, Refusal::FlyingStraight},
      {u"100B",    1, Refusal::NoSomersault},
      {u"614C",    2, Refusal::ArmstandOnSpringboard},
      {u"5132MB",  5, Refusal::MFormOnlyHighDiving},
      {u"53132B",  5, Refusal::NotAllowedHere},         // a flying digit 3
      {u"105B",    6, Refusal::FeetFirst},              // five half somersaults end head first
      {u"614C",    6, Refusal::FeetFirst},              // from an armstand, four do
      {u"105B",    0, Refusal::NoSuchHeight},
      {u"105B",   10, Refusal::NoSuchHeight},
      {u"105Z",    2, Refusal::NoSuchPosition},
      {u"5142Z",   6, Refusal::NoSuchPosition},
      {u"105D",    1, Refusal::FreeWithoutTwist},
      {u"104D",    8, Refusal::FreeWithoutTwist},
      {u"5132B",   2, Refusal::TwistingPosition},       // 1½ somersaults twist free
      {u"5142B",   6, Refusal::TwistingPosition},
      {u"642C",    3, Refusal::InwardArmstand},
      {u"641B",    6, Refusal::InwardArmstand},
      {u"6422D",   5, Refusal::InwardArmstand},
      {u"109C",    3, Refusal::NotAllowedHere},         // -999 in the 5 m somersault row
      {u"1010B",   1, Refusal::NotAllowedHere},         // no position table for ten
      {u"601B",    5, Refusal::NotAllowedHere},         // an armstand dive without direction
      {u"10(12)B", 9, Refusal::NotAllowedHere},         // beyond the forward parity row
  };
  // clang-format on
  std::set<Refusal> Met;
  for (const Refused& C : Cases) {
    const DiveExplanation E = ExplainDive(C.Code, C.HeightIndex);
    EXPECT_EQ(RefusalText(E.Why), RefusalText(C.Why)) << Narrow(C.Code) << " " << C.HeightIndex;
    EXPECT_EQ(E.DD, NotAllowed);
    Met.insert(C.Why);
  }
  for (const Reason& R : Reasons)
    EXPECT_TRUE(R.Why == Refusal::None || Met.count(R.Why) == 1) << ToUtf8(R.Text);
}

}  // namespace
}  // namespace merrith
