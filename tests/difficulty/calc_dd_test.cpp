#include "difficulty/calc_dd.h"

#include <gtest/gtest.h>

#include <string>

#include "difficulty/dive_code.h"
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

TEST(CalcDD, HandlesExtremeFieldsSafely) {
  // clang-format off
  ExpectDds(CalcDD, {
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

}  // namespace
}  // namespace merrith
