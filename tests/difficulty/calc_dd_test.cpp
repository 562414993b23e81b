#include "difficulty/calc_dd.h"
#include "difficulty/calc_hdd.h"

#include <gtest/gtest.h>

#include <string>

#include "difficulty/dive_code.h"
#include "difficulty/high_diving_tables.h"
#include "dive_codes.h"

namespace merrith {
namespace {

using testing::ExpectDds;

// One dive on each side of every edge where a count picks a band of half somersaults, a row or
// a column. Most sides are printed or published dives, which official_dd_test and
// published_dd_test hold to their DDs; the rows here are the sides that neither reads. Each DD
// is worked out by hand from the printed tables, in the order the calculator adds: position
// (with the flying row) + somersault + twist + approach + entry.
TEST(CalcDD, TakesEachSideOfEveryBandEdgeFromItsOwnBand) {
  // clang-format off
  ExpectDds(CalcDD, {
      // Position bands 0-2 | 3-4 | 5 | 6-7 | 8-9 | 10 none | 11 on the platform only; forward
      // pike at 1 m. The forward approach changes at 8 half somersaults.
      {u"108B",    1, 4.4},  // 0.4 + 3.3 + 0   + 0.5 + 0.2
      {u"109B",    1, 4.7},  // 0.4 + 3.8 + 0   + 0.5 + 0
      {u"1010B",   5, NotAllowed},
      {u"1011C",   2, NotAllowed},
      // Approach bands: back 0-6 | 7 or more at 1 m; reverse 0-4 | 5-6 | 7 or more at 5 m
      // and 7.5 m; inward 0-2 | 3 or more at 1 m.
      {u"207C",    1, 4.0},  // 0.0 + 3.0 + 0   + 0.6 + 0.4
      {u"307C",    3, 4.0},  // 0.0 + 3.0 + 0   + 0.6 + 0.4
      // Armstand approach: forward 0-4 | 5 or more, back and reverse 0-1 | 2 or more, and
      // direction 0 without somersaults only; at 10 m, the armstand column of the position,
      // which a direction 5 reads too.
      {u"615C",    5, 2.9},  // 0.1 + 2.1 + 0   + 0.4 + 0.3
      {u"601A",    5, NotAllowed},
      {u"5511B",   5, 1.6},  // 0.3 + 1.3 + 0   + 0   + 0
      // Jumps, and position E, which reads the flying row.
      {u"100A",    1, 1.2},  // 0.3 + 0.9 + 0   + 0   + 0
      {u"100A",    5, 1.3},  // 0.3 + 1.0 + 0   + 0   + 0
      {u"105E",    2, 2.5},  // 0.3 + 2.2 + 0   + 0   + 0
      {u"105E",    5, 2.4},  // 0.3 + 2.1 + 0   + 0   + 0
      // Twist bands 0-2 | 3-4 | 5 | 6 or more: back and inward half twists at 1 m.
      {u"5241B",   1, 2.9},  // 0.3 + 2.0 + 0.4 + 0.2 + 0
      {u"5451B",   1, 3.6},  // 0.5 + 2.4 + 0.2 + 0.5 + 0
      {u"5461B",   1, 4.2},  // 0.6 + 2.7 + 0.4 + 0.5 + 0
      // From 5 half somersaults the back twist differs between springboard and platform, and
      // from the reverse twist beside it.
      {u"5247B",   5, 4.1},  // 0.3 + 1.9 + 1.7 + 0.2 + 0
      {u"5257B",   2, 4.4},  // 0.3 + 2.2 + 1.7 + 0.2 + 0
      // Half twists 9 | 10: the twist table ends at 9.
      {u"5139D",   1, 3.6},  // 0.0 + 1.6 + 2.0 + 0   + 0
      {u"513(10)D", 1, NotAllowed},
      // Twisting positions: pike or tuck from 4 half somersaults.
      {u"5141D",   1, NotAllowed},
      // Armstand twists, bands 0-2 | 3-4 | 5 | 6 or more; with 4 half somersaults, pike or tuck
      // for a half twist and free for more. A twisting armstand dive has no approach value.
      {u"6121D",   5, 1.8},  // 0.0 + 1.4 + 0.4 + 0   + 0
      {u"6151B",   5, 2.6},  // 0.0 + 2.1 + 0.5 + 0   + 0
      {u"6161B",   5, 3.3},  // 0.4 + 2.5 + 0.4 + 0   + 0
      {u"6141B",   5, 2.7},  // 0.3 + 1.9 + 0.5 + 0   + 0
      {u"6141D",   5, NotAllowed},
      // Flying dives: position + flying row + somersault + twist + approach + entry.
      {u"116B",    1, 3.6},  // 0.3 + 0.4 + 2.7 + 0   + 0   + 0.2
      {u"315B",    1, 3.5},  // 0.2 + 0.3 + 2.4 + 0   + 0.3 + 0.3
      {u"415B",    1, 4.1},  // 0.5 + 0.7 + 2.4 + 0   + 0.5 + 0
      {u"205A",    1, 3.6},  // 0.7       + 2.4 + 0   + 0.2 + 0.3, straight for comparison
  });
  // clang-format on
}

TEST(CalcDD, RefusesDivesTheTablesDoNotAllow) {
  // clang-format off
  ExpectDds(CalcDD, {
      {u"5(10)1B", 5, NotAllowed},  // ten half twists
      {u"",        1, NotAllowed},
      {u"405A",    1, NotAllowed},  // no inward 2 1/2 somersaults straight
      {u"615A",    5, NotAllowed},  // nor armstand ones
      {u"1011C",   3, NotAllowed},  // no 5 1/2 somersaults from 5 m
      {u"5511B",   2, NotAllowed},  // the armstand column of direction 5 is the platform's
      // Fields far beyond any table.
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
  // In every direction: straight from 6 half somersaults, flying from 6 except forward and
  // from 8 in any direction, and from 11 anything but a forward tuck from 10 m; free without
  // a twist, and ten half somersaults, from no height.
  std::vector<testing::ExpectedDd> Refused;
  for (std::int32_t HeightIndex = 1; HeightIndex <= 5; ++HeightIndex) {
    for (const std::u16string Dir : {u"1", u"2", u"3", u"4"}) {
      for (const std::u16string Rest : {u"06A", u"07A", u"08A", u"09A", u"18B", u"0(11)B"})
        Refused.push_back({Dir + Rest, HeightIndex, NotAllowed});
      if (Dir != u"1") {
        Refused.push_back({Dir + u"16B", HeightIndex, NotAllowed});  // flying 6-7 forward only
        Refused.push_back({Dir + u"0(11)C", HeightIndex, NotAllowed});
      }
    }
    for (const std::u16string Code :
         {u"616A", u"617A", u"618A", u"619A", u"61(11)C", u"105D", u"1010B"})
      Refused.push_back({Code, HeightIndex, NotAllowed});
  }
  ExpectDds(CalcDD, Refused);
}

using namespace high_diving;

// One dive on each side of every edge where a count picks a rule, a row or a column. Most sides
// are published dives, which published_dd_test holds to their DDs; the rows here are the sides
// that no published dive reads, or reads with a DD our tables do not give. Each DD is worked
// out by hand from the printed tables, in the order the calculator adds: direction +
// somersault + twist + twist count + parity + no-twist + position.
TEST(CalcHDD, TakesEachSideOfEveryRuleAndColumnEdge) {
  constexpr double NA = NotAllowed;
  // clang-format off
  ExpectDds(CalcHDD, {
      // What no rule or table allows, and fields far beyond any table.
      {u"",          H12, NA},
      {u"5167B",     H12, NA},  // many twists after three somersaults: free only
      {u"51(10)B",   H12, NA},  // ten half twists forward: t = 5
      {u"6331D",     H20, NA},  // no twisting reverse armstands
      {u"1(0)(10)B", H12, NA},  // no ten half somersaults at 12 m
      {u"5(-1)2(-1)D", H20, NA},
      {u"5(2147483647)(2147483647)(2147483647)B", H27, NA},
      {u"6(-2147483648)(-2147483647)(-2147483648)B", H27, NA},
      {u"104\u8041", H20, NA},
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
      {u"6151D", H27, NA},
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
