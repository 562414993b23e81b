#include "difficulty/explain_dive.h"

#include <gtest/gtest.h>

#include <cstring>
#include <set>
#include <string>
#include <vector>

#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"
#include "dive_codes.h"
#include "support/utf8.h"

namespace merrith {
namespace {

using testing::Narrow;

std::string NameOf(const DiveExplanation& E) { return E.Name ? ToUtf8(*E.Name) : "(no name)"; }

// The dive in words and its position, as parsed from the code; a code that cannot be read, or
// fields that name no dive, give no name.
TEST(ExplainDive, NamesTheDiveInWords) {
  struct Named {
    std::u16string Code;
    std::string Name;
  };
  // clang-format off
  const Named Cases[] = {
      {u"105B",     "Forward 2½ Somersaults, Pike"},
      {u"101A",     "Forward Dive, Straight"},
      {u"100A",     "Forward Jump, Straight"},
      {u"113C",     "Forward Flying 1½ Somersaults, Tuck"},
      {u"411C",     "Inward Flying Dive, Tuck"},
      {u"202B",     "Back Somersault, Pike"},
      {u"1011B",    "Forward 5½ Somersaults, Pike"},
      {u"405E",     "Inward 2½ Somersaults, position E"},
      {u"5253B",    "Back 2½ Somersaults 1½ Twists, Pike"},
      {u"5132D",    "Forward 1½ Somersaults 1 Twist, Free"},
      {u"5122D",    "Forward Somersault 1 Twist, Free"},
      {u"5337D",    "Reverse 1½ Somersaults 3½ Twists, Free"},
      {u"539(10)B", "Reverse 4½ Somersaults 5 Twists, Pike"},
      {u"5411A",    "Inward Dive ½ Twist, Straight"},
      {u"51132B",   "Forward Flying 1½ Somersaults 1 Twist, Pike"},
      {u"5132MB",   "Forward 1½ Somersaults 1 Twist (M), Pike"},
      {u"600A",     "Armstand Dive, Straight"},
      {u"621B",     "Armstand Back ½ Somersault, Pike"},
      {u"632C",     "Armstand Reverse Somersault, Tuck"},
      {u"6243D",    "Armstand Back 2 Somersaults 1½ Twists, Free"},
      {u"614C",     "Armstand Forward 2 Somersaults, Tuck"},
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

std::string Working(const DiveExplanation& E) {
  std::string Text;
  for (const DdComponent& C : E.Components)
    Text += ToUtf8(C.Name) + " " + std::to_string(C.Value) + "; ";
  return Text;
}

TEST(ExplainDive, GivesEachValueInTheOrderItIsAdded) {
  // Position (with the flying value), somersaults, twists, approach, entry from 1 m to 10 m;
  // direction, somersaults, twists, twist count, parity, no twist, position from 12 m up.
  EXPECT_EQ(Working(ExplainDive(u"113C", 1)),
            "position 0.200000; somersaults 1.600000; twists 0.000000; approach 0.000000; "
            "entry 0.000000; ");
  EXPECT_EQ(Working(ExplainDive(u"204C", 7)),
            "direction 0.300000; somersaults 2.700000; twists 0.000000; twist count 0.000000; "
            "parity 0.000000; no twist 0.000000; position -0.200000; ");
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

bool SameBits(double A, double B) { return std::memcmp(&A, &B, sizeof A) == 0; }

// The working and the DD alone come from the same rules, so they never disagree. Each
// calculator gives a DD or NotAllowed, and NotAllowed at every height but its own.
TEST(ExplainDive, GivesTheVeryDoubleOfTheCalculators) {
  for (const std::u16string& Code : testing::GeneratedCodes()) {
    for (std::int32_t HeightIndex : testing::AnyHeightIndex) {
      const DiveExplanation E = ExplainDive(Code, HeightIndex);
      const bool High = HeightIndex > 5;
      const double Dd = High ? CalcHDD(Code, HeightIndex) : CalcDD(Code, HeightIndex);
      const std::string Where = Narrow(Code) + " " + std::to_string(HeightIndex);
      ASSERT_TRUE(Dd >= 0 || Dd == NotAllowed) << Where;
      ASSERT_EQ(High ? CalcDD(Code, HeightIndex) : CalcHDD(Code, HeightIndex), NotAllowed) << Where;
      ASSERT_TRUE(SameBits(E.DD, Dd)) << Where;
      ASSERT_EQ(E.Why == Refusal::None, Dd >= 0) << Where;
      ASSERT_EQ(E.Components.empty(), Dd < 0) << Where;
      double Sum = -0.0;
      for (const DdComponent& C : E.Components) Sum += C.Value;
      if (Dd >= 0) {
        ASSERT_TRUE(SameBits(Sum, Dd)) << Where;
      }
    }
  }
}

}  // namespace
}  // namespace merrith
