#include "difficulty/calc_hdd.h"

#include <gtest/gtest.h>

#include <string>

#include "difficulty/dive_code.h"
#include "difficulty/high_diving_tables.h"
#include "dive_codes.h"

namespace merrith {
namespace {

using namespace high_diving;

using testing::ExpectDds;

TEST(CalcHDD, RefusesDivesTheRulesOrTablesDoNotAllow) {
  // clang-format off
  ExpectDds(CalcHDD, {
      {u"",          H12, NotAllowed},
      {u"5167B",     H12, NotAllowed},  // many twists after three somersaults: free only
      {u"51(10)B",   H12, NotAllowed},  // ten half twists forward: t = 5
      {u"6331D",     H20, NotAllowed},  // no twisting reverse armstands
      {u"1(0)(10)B", H12, NotAllowed},  // no ten half somersaults at 12 m
      {u"5(-1)2(-1)D", H20, NotAllowed},
      {u"5(2147483647)(2147483647)(2147483647)B", H27, NotAllowed},
      {u"6(-2147483648)(-2147483647)(-2147483648)B", H27, NotAllowed},
      {u"104\u8041", H20, NotAllowed},
  });
  // clang-format on
}

// One dive on each side of every edge where a count picks a rule, a row or a column. Most sides
// are published dives, which published_dd_test holds to their DDs; the rows here are the sides
// that no published dive reads, or reads with a DD our tables do not give. Each DD is worked
// out by hand from the printed tables, in the order the calculator adds: direction +
// somersault + twist + twist count + parity + no-twist + position.
TEST(CalcHDD, TakesEachSideOfEveryRuleAndColumnEdge) {
  constexpr double NA = NotAllowed;
  // clang-format off
  ExpectDds(CalcHDD, {
      // Head-first entry: Som + Arm even; explain_dive_test refuses the odd sides, 105B, 614C.
      {u"104B",  H12, 2.9},  // 0   + 2.6 + 0   + 0   + 0.3 + 0   + 0
      {u"613C",  H12, 2.8},  // 0.1 + 2.6 + 0   + 0   + 0.3 + 0   - 0.2
      // Twist column t: Twi div 2 forward and inward, (Twi - 1) div 2 back and reverse;
      // 4 half somersaults (s = 2) at 20 m, free. p = 0 adds the parity value forward and
      // inward, p = 1 back and reverse.
      {u"5442D", H20, 4.0},  // 0.4 + 2.8 + 0.4 + 0   + 0.4 + 0   + 0
      // The half-twist case, forward and inward: free only up to 2 half somersaults, any
      // position but free from 4.
      {u"5121B", H20, NA},
      {u"5141D", H20, NA},
      // Rule 1: free only for 2 to 4 half somersaults.
      {u"5142B", H20, NA},
      // Rules 2 and 3: 6 half somersaults forward, pike or tuck up to 5 half twists, then free.
      {u"5165D", H27, NA},
      {u"5166B", H27, NA},
      // Rules 4 and 5: back and reverse, pike or tuck up to 6 half twists, then free.
      {u"5266D", H27, NA},
      {u"5267B", H27, NA},
      // Rules 6 and 7: forward armstand, 5 half somersaults: pike or tuck up to 3 half twists.
      {u"6153D", H27, NA},
      {u"6154B", H27, NA},
      // Rules 8 and 9: back armstand, 5 half somersaults: pike or tuck up to 4 half twists.
      {u"6254D", H27, NA},
      {u"6255B", H27, NA},
      // Rule 10: pike or tuck only from 7 half somersaults, armstands included.
      {u"5287D", H27, NA},
      {u"6171B", H20, 4.9},  // 0.5 + 4.4 + 0   + 0   + 0   + 0   + 0
      {u"6171D", H20, NA},
      // Position column k = (Som + Arm) div 2: tuck is -0.1 at k = 1, -0.2 at k = 2 and 3,
      // -0.3 at k = 4, -0.5 from k = 5; E ends at k = 4.
      {u"104C",  H12, 2.7},  // 0   + 2.6 + 0   + 0   + 0.3 + 0   - 0.2
      {u"623C",  H12, 2.6},  // 0   + 2.6 + 0   + 0   + 0   + 0.2 - 0.2
      {u"10(10)C", H20, 6.2},  // 0 + 5.9 + 0   + 0   + 0.8 + 0   - 0.5
      {u"108E",  H20, 5.4},  // 0   + 4.4 + 0   + 0   + 0.6 + 0   + 0.4
      {u"10(10)E", H20, NA},
      // No-twist value: at 12 m back dives have a row of their own, at 20 m every direction
      // shares one.
      {u"204C",  H12, 2.7},  // 0.3 + 2.6 + 0   + 0   + 0   + 0   - 0.2
      {u"304C",  H12, 2.8},  // 0.3 + 2.6 + 0   + 0   + 0   + 0.1 - 0.2
  });
  // clang-format on
}

// Whole rows of the twist and no-twist tables, one dive per column, which no published dive
// reads; worked out by hand as above.
TEST(CalcHDD, ReadsEveryColumnOfATwistRow) {
  constexpr double NA = NotAllowed;
  // clang-format off
  ExpectDds(CalcHDD, {
      // Reverse 3 somersaults at 20 m, t = (Twi - 1) div 2 = 0 to 4; p = 1 adds 0.5.
      {u"5361B", H20, 4.4},  // 0.5 + 3.4 + 0   + 0   + 0.5 + 0   + 0
      {u"5363B", H20, 5.0},  // 0.5 + 3.4 + 0.6 + 0   + 0.5 + 0   + 0
      {u"5365B", H20, 5.8},  // 0.5 + 3.4 + 1.3 + 0.1 + 0.5 + 0   + 0
      {u"5367D", H20, 6.8},  // 0.5 + 3.4 + 2.2 + 0.2 + 0.5 + 0   + 0
      {u"5369D", H20, 8.0},  // 0.5 + 3.4 + 3.3 + 0.3 + 0.5 + 0   + 0
      // Inward 4 somersaults at 27 m, t = Twi div 2 = 0 to 4; p = 0 adds 0.7.
      {u"5481B", H27, 4.7},  // 0.6 + 4.1 + 0   + 0   + 0   + 0   + 0
      {u"5482B", H27, 6.1},  // 0.6 + 4.1 + 0.7 + 0   + 0.7 + 0   + 0
      {u"5484B", H27, 7.0},  // 0.6 + 4.1 + 1.5 + 0.1 + 0.7 + 0   + 0
      {u"5486B", H27, 8.0},  // 0.6 + 4.1 + 2.4 + 0.2 + 0.7 + 0   + 0
      {u"5488B", H27, 9.1},  // 0.6 + 4.1 + 3.4 + 0.3 + 0.7 + 0   + 0
      // Back armstands at 20 m: the no-twist row for Arm 1.
      {u"627B",  H20, 5.3},  // 0.5 + 4.4 + 0   + 0   + 0   + 0.4 + 0
      {u"629B",  H20, 7.2},  // 0.7 + 5.9 + 0   + 0   + 0   + 0.6 + 0
      // Only the rows each set lists: forward at 27 m ends at six whole somersaults, with -999
      // from t = 1; forward armstands have a row for s = 5 at 15 m, none at 12 m.
      {u"51(12)2B", H27, NA},
      {u"6191B", H15, 7.1},  // 0.7 + 5.7 + 0.7 + 0   + 0   + 0   + 0
      {u"6191B", H12, NA},
  });
  // clang-format on
}

}  // namespace
}  // namespace merrith
