#include "difficulty/calc_hdd.h"

#include <gtest/gtest.h>

#include <cmath>
#include <string>

#include "difficulty/dive_code.h"
#include "difficulty/high_diving_tables.h"
#include "dive_codes.h"

namespace merrith {
namespace {

using testing::Narrow;

using namespace high_diving;

struct Expected {
  std::u16string Code;
  std::int32_t HeightIndex;
  double Dd;  // the exact double, or NotAllowed
};

TEST(CalcHDD, AddsTheSevenValuesInOrderWithoutRounding) {
  // direction + somersault + twist + twist count + parity + no-twist + position
  // clang-format off
  const Expected Cases[] = {
      {u"104B",     H12, 0   + 2.6 + 0   + 0   + 0.3 + 0   + 0},
      {u"204C",     H15, 0.3 + 2.7 + 0   + 0   + 0   + 0   - 0.2},
      {u"5141B",    H12, 0   + 2.6 + 0.2 + 0   + 0   + 0   + 0},
      {u"51(12)1B", H27, 0   + 6.4 + 0   + 0   + 0   + 0   + 0},
      {u"623C",     H12, 0   + 2.6 + 0   + 0   + 0   + 0.2 - 0.2},
      {u"526(10)D", H27, 0.3 + 3.4 + 2.3 + 0   + 0   + 0   + 0},
      {u"5269D",    H27, 0.3 + 3.4 + 2.3 + 0.3 + 0.5 + 0   + 0},
      {u"104B",     H20, std::nextafter(3.1, 0.0)},  // 2.8 + 0.3 falls just short of 3.1
  };
  // clang-format on
  for (const Expected& C : Cases)
    EXPECT_EQ(CalcHDD(C.Code, C.HeightIndex), C.Dd) << Narrow(C.Code) << " " << C.HeightIndex;
}

TEST(CalcHDD, RefusesDivesTheRulesOrTablesDoNotAllow) {
  // clang-format off
  const Expected Cases[] = {
      {u"",          H12, NotAllowed},
      {u"105B",      H20, NotAllowed},  // feet first
      {u"614B",      H20, NotAllowed},  // armstand feet first
      {u"104D",      H20, NotAllowed},  // free without twist
      {u"5141D",     H12, NotAllowed},  // free half twist after two somersaults
      {u"10(12)B",   H27, NotAllowed},  // beyond the forward parity row
      {u"5167B",     H12, NotAllowed},  // many twists after three somersaults: free only
      {u"51(10)B",   H12, NotAllowed},  // ten half twists forward: t = 5
      {u"6413C",     H20, NotAllowed},  // no inward armstands
      {u"6331D",     H20, NotAllowed},  // no twisting reverse armstands
      {u"1(0)(10)B", H12, NotAllowed},  // no ten half somersaults at 12 m
      {u"5(-1)2(-1)D", H20, NotAllowed},
      {u"5(2147483647)(2147483647)(2147483647)B", H27, NotAllowed},
      {u"6(-2147483648)(-2147483647)(-2147483648)B", H27, NotAllowed},
      {u"104\u8041", H20, NotAllowed},
  };
  // clang-format on
  for (const Expected& C : Cases)
    EXPECT_EQ(CalcHDD(C.Code, C.HeightIndex), NotAllowed) << Narrow(C.Code) << " " << C.HeightIndex;
}

TEST(CalcHDD, FindsOnlyTheTwistRowsEachSetLists) {
  // The forward set has a row for three whole somersaults at 27 m, six half somersaults, but
  // the forward armstand set has no fifth-somersault row at 12 m while it has one at 15 m.
  EXPECT_GE(CalcHDD(u"51(12)1B", H27), 0);
  EXPECT_EQ(CalcHDD(u"51(12)2B", H27), NotAllowed);  // 6 whole somersaults, t = 1: -999
  EXPECT_EQ(CalcHDD(u"51(11)1B", H27), NotAllowed);  // odd
  EXPECT_EQ(CalcHDD(u"6191B", H12), NotAllowed);     // s = 5: no row at 12 m
  EXPECT_GE(CalcHDD(u"6191B", H15), 0);              // s = 5: 0.7 at 15 m
}

TEST(CalcHDD, GivesADdOrNotAllowedForEveryCodeAndHeight) {
  for (const std::u16string& Code : testing::GeneratedCodes()) {
    for (std::int32_t HeightIndex : testing::AnyHeightIndex) {
      const double Dd = CalcHDD(Code, HeightIndex);
      ASSERT_TRUE(Dd >= 0 || Dd == NotAllowed) << Narrow(Code) << " " << HeightIndex;
      if (HeightIndex < 6 || HeightIndex > 9) {
        ASSERT_EQ(Dd, NotAllowed) << Narrow(Code) << " " << HeightIndex;
      }
    }
  }
}

TEST(CalcHDD, ReadsBracketedAndLowerCaseCodesAlike) {
  for (std::int32_t HeightIndex = H12; HeightIndex <= H27; ++HeightIndex)
    EXPECT_EQ(CalcHDD(u"10(10)B", HeightIndex), CalcHDD(u"1010B", HeightIndex));
  for (std::int32_t HeightIndex : {H15, H27}) {
    for (const std::u16string& Code : testing::GeneratedCodes()) {
      ASSERT_EQ(CalcHDD(testing::LowerCase(Code), HeightIndex), CalcHDD(Code, HeightIndex))
          << Narrow(Code);
    }
  }
}

}  // namespace
}  // namespace merrith
