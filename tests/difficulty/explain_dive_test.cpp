#include "difficulty/explain_dive.h"

#include <gtest/gtest.h>

#include <set>
#include <string>

#include "dive_codes.h"
#include "support/utf8.h"

namespace merrith {
namespace {

using testing::Narrow;

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
