#include "difficulty/calc_dd.h"

#include <gtest/gtest.h>

#include <string>

#include "difficulty/dive_code.h"
#include "dive_codes.h"

namespace merrith {
namespace {

using testing::Narrow;

struct Expected {
  std::u16string Code;
  std::int32_t HeightIndex;
  double Dd;  // to one decimal, or NotAllowed
};

void ExpectDd(const std::u16string& Code, std::int32_t HeightIndex, double Expected) {
  const double Dd = CalcDD(Code, HeightIndex);
  const std::string Where = Narrow(Code) + " at height " + std::to_string(HeightIndex);
  if (Expected == NotAllowed)
    EXPECT_EQ(Dd, NotAllowed) << Where;
  else
    EXPECT_NEAR(Dd, Expected, 1e-9) << Where;
}

void ExpectDds(std::initializer_list<Expected> Cases) {
  for (const Expected& C : Cases) ExpectDd(C.Code, C.HeightIndex, C.Dd);
}

TEST(CalcDD, GivesTheDdOfDivesFromEveryHeight) {
  constexpr double NA = NotAllowed;
  constexpr double Skip = -1;  // not checked here
  struct ByHeight {
    std::u16string Code;
    double Dd[5];  // 1 m, 3 m, 5 m, 7.5 m, 10 m, to one decimal
  };
  // clang-format off
  const ByHeight Cases[] = {
      //             1 m   3 m   5 m   7.5 m 10 m
      {u"105B",    {2.6,  2.4,  2.6,  2.4,  2.3}},
      {u"101A",    {1.4,  1.6,  Skip, Skip, Skip}},
      {u"100A",    {1.2,  Skip, Skip, Skip, 1.3}},
      {u"109C",    {4.3,  3.8,  NA,   Skip, 3.7}},
      {u"1011C",   {Skip, NA,   NA,   Skip, 4.7}},
      {u"112B",    {1.7,  1.8,  Skip, Skip, 1.9}},
      {u"205B",    {Skip, 3.0,  Skip, Skip, Skip}},
      {u"305C",    {Skip, 2.8,  Skip, Skip, 2.8}},
      {u"407C",    {Skip, 3.4,  Skip, Skip, 3.2}},
      {u"5253B",   {Skip, 3.4,  Skip, Skip, 3.2}},
      {u"5132D",   {2.2,  2.1,  Skip, Skip, Skip}},
      {u"5337D",   {Skip, 3.5,  Skip, Skip, 3.4}},
      {u"614C",    {NA,   NA,   2.2,  Skip, 2.1}},
      {u"626C",    {Skip, Skip, Skip, Skip, 3.3}},
      {u"6243D",   {Skip, Skip, Skip, Skip, 3.2}},
      {u"600A",    {Skip, Skip, Skip, Skip, 1.6}},
      {u"105E",    {Skip, 2.5,  Skip, Skip, 2.4}},  // the flying row as position value
      {u"5511B",   {Skip, NA,   Skip, Skip, 1.6}},  // direction 5 reads the armstand column
      {u"105D",    {NA,   NA,   NA,   NA,   NA}},   // free position without twist
      {u"1010B",   {NA,   NA,   NA,   NA,   NA}},   // ten half somersaults
  };
  // clang-format on
  for (const ByHeight& C : Cases)
    for (std::int32_t HeightIndex = 1; HeightIndex <= 5; ++HeightIndex)
      if (const double Dd = C.Dd[HeightIndex - 1]; Dd != Skip) ExpectDd(C.Code, HeightIndex, Dd);
}

TEST(CalcDD, RefusesDivesTheTablesDoNotAllow) {
  // clang-format off
  ExpectDds({
      {u"112A",    1, NotAllowed},
      {u"5132MB",  5, NotAllowed},  // the M form is for high diving
      {u"5(10)1B", 5, NotAllowed},  // ten half twists
      {u"",        1, NotAllowed},
  });
  // clang-format on
}

TEST(CalcDD, AddsTheValuesInOrderWithoutRounding) {
  // position + somersault + twist + approach + entry, as the doubles add up
  EXPECT_EQ(CalcDD(u"5253B", 2), 0.3 + 2.2 + 0.7 + 0.2 + 0.0);
  EXPECT_EQ(CalcDD(u"109C", 1), 0.0 + 3.8 + 0.0 + 0.5 + 0.0);
  EXPECT_EQ(CalcDD(u"305C", 2), 0.0 + 2.2 + 0.0 + 0.3 + 0.3);
}

TEST(CalcDD, HandlesExtremeFieldsSafely) {
  // clang-format off
  ExpectDds({
      {u"10(2147483647)B",                        5, NotAllowed},
      {u"10(-2147483648)B",                       5, NotAllowed},
      {u"(2147483647)05B",                        5, NotAllowed},
      {u"6(-2147483648)5(2147483647)B",           5, 2.1},  // no twist, approach column
      {u"5(2147483647)(2147483647)(2147483647)B", 5, NotAllowed},
      {u"5(-2147483648)1(-2147483648)B",          5, NotAllowed},
      {u"105\u8041",                              5, NotAllowed},
      {u"105\uFFFF",                              5, NotAllowed},
      {u"105\xD800",                              5, NotAllowed},
  });
  // clang-format on
}

TEST(CalcDD, GivesADdOrNotAllowedForEveryCodeAndHeight) {
  for (const std::u16string& Code : testing::GeneratedCodes()) {
    for (std::int32_t HeightIndex : testing::AnyHeightIndex) {
      const double Dd = CalcDD(Code, HeightIndex);
      ASSERT_TRUE(Dd >= 0 || Dd == NotAllowed) << Narrow(Code) << " " << HeightIndex;
      if (HeightIndex < 1 || HeightIndex > 5) {
        ASSERT_EQ(Dd, NotAllowed) << Narrow(Code) << " " << HeightIndex;
      }
    }
  }
}

TEST(CalcDD, ReadsBracketedAndLowerCaseCodesAlike) {
  for (std::int32_t HeightIndex = 1; HeightIndex <= 5; ++HeightIndex) {
    EXPECT_EQ(CalcDD(u"10(11)C", HeightIndex), CalcDD(u"1011C", HeightIndex));
    EXPECT_EQ(CalcDD(u"(1)(0)(5)(B)", HeightIndex), CalcDD(u"105B", HeightIndex));
  }
  for (std::int32_t HeightIndex : {2, 5}) {
    for (const std::u16string& Code : testing::GeneratedCodes()) {
      ASSERT_EQ(CalcDD(testing::LowerCase(Code), HeightIndex), CalcDD(Code, HeightIndex))
          << Narrow(Code);
    }
  }
}

}  // namespace
}  // namespace merrith
