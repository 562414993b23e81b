#include "difficulty/parse_code.h"

#include <gtest/gtest.h>

#include <string>

#include "dive_codes.h"

namespace merrith {
namespace {

using testing::Narrow;

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

template <std::size_t N>
void ExpectDecoded(const Decoded (&Cases)[N]) {
  for (const Decoded& C : Cases) {
    DiveCode Dive;
    ASSERT_EQ(ParseCode(C.Code, C.HeightIndex, Dive), CodeValid) << Narrow(C.Code);
    EXPECT_EQ(Show(Dive), Show(C.Dive)) << Narrow(C.Code);
  }
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
  };
  // clang-format on
  ExpectDecoded(Cases);
}

// Five parts of a forward, back, reverse or inward dive join the third and fourth into one
// number of half somersaults, whatever the fourth holds; twisting and armstand codes do not.
TEST(ParseCode, JoinsTheSomersaultPartsOfAFivePartCode) {
  // clang-format off
  const Decoded Cases[] = {
      //  code           height  Dir Fly Som Twi Pos Arm
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
  ExpectDecoded(Cases);
  DiveCode Dive;
  EXPECT_EQ(ParseCode(u"20()()B", 1, Dive), CodeInvalid);  // 0 half somersaults in pike
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
  };
  for (const std::u16string& Code : Refused) {
    DiveCode Dive;
    EXPECT_EQ(ParseCode(Code, 3, Dive), CodeInvalid) << Narrow(Code);
  }
}

TEST(ParseCode, LeavesTheFieldsAloneWhenABracketIsNotClosed) {
  DiveCode Dive{7, 7, 7, 7, 7, 7};
  EXPECT_EQ(ParseCode(u"10(5B", 1, Dive), CodeInvalid);
  EXPECT_EQ(Show(Dive), Show(DiveCode{7, 7, 7, 7, 7, 7}));
}

TEST(UpperCase, ChangesOnlyAsciiLetters) {
  EXPECT_EQ(UpperCase(u"5253b m(e)"), u"5253B M(E)");
  EXPECT_EQ(UpperCase(u"\u00e9\u0131\u017f\uff41"), u"\u00e9\u0131\u017f\uff41");
}

}  // namespace
}  // namespace merrith
