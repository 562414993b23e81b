#include "report/number_format.h"

#include <gtest/gtest.h>

#include <cmath>
#include <cstdio>
#include <string>

namespace merrith {
namespace {

struct Formatted {
  double Value;
  std::u16string Text;
};

std::string Narrow(const std::u16string& Text) { return std::string(Text.begin(), Text.end()); }

TEST(FormatGeneral, RoundsToFifteenDigitsAndDropsTrailingZeros) {
  // clang-format off
  const Formatted Cases[] = {
      {2.0,                      u"2"},
      {2.3000000000000003,       u"2.3"},
      {std::nextafter(3.1, 0.0), u"3.1"},
      {1.0 / 3.0,                u"0.333333333333333"},
      {-0.0,                     u"0"},
      {-2.5,                     u"-2.5"},
      {0.00001,                  u"0.00001"},
      {123456789012345678.0,     u"123456789012346000"},
      {0.000123456789012345678,  u"0.000123456789012346"},
  };
  // clang-format on
  for (const Formatted& C : Cases) EXPECT_EQ(Narrow(FormatGeneral(C.Value, u".")), Narrow(C.Text));
}

// (The tenths themselves are the sweep's below.)
TEST(FormatFixed1, RoundsToOneDecimal) {
  // clang-format off
  const Formatted Cases[] = {
      {0.04,                     u"0.0"},
      {12.96,                    u"13.0"},
      {-0.04,                    u"0.0"},
  };
  // clang-format on
  for (const Formatted& C : Cases) EXPECT_EQ(Narrow(FormatFixed1(C.Value, u".")), Narrow(C.Text));
}

// The tables' sums land within a few units in the last place of a tenth, where both formats
// take a shortcut; printf rounds the exact binary value, also at the halves between tenths.
TEST(NumberFormats, AgreeWithPrintfNearEveryTenthAndHalfTenth) {
  char Fixed[32];
  char General[32];
  for (int Twentieths = 0; Twentieths < 2000; ++Twentieths) {
    double Value = Twentieths / 20.0;
    for (int Step = 0; Step < 4; ++Step) Value = std::nextafter(Value, 0.0);
    for (int Step = 0; Step < 9; ++Step, Value = std::nextafter(Value, 1000.0)) {
      std::snprintf(Fixed, sizeof Fixed, "%.1f", Value);
      std::snprintf(General, sizeof General, "%.15g", Value);
      EXPECT_EQ(Narrow(FormatFixed1(Value, u".")), Fixed) << General;
      if (Value == 0 || Value >= 1e-4) {  // below, %g would choose an exponent
        EXPECT_EQ(Narrow(FormatGeneral(Value, u".")), General);
      }
    }
  }
  EXPECT_EQ(Narrow(FormatFixed1(3.4000000000000004, u",")), "3,4");
  EXPECT_EQ(Narrow(FormatGeneral(3.4000000000000004, u",")), "3,4");
  EXPECT_EQ(Narrow(FormatGeneral(3.0000000000000004, u",")), "3");
}

}  // namespace
}  // namespace merrith
