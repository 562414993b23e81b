#include "sheets/limited_split.h"

#include <gtest/gtest.h>

#include <vector>

namespace merrith {
namespace {

// Forward (F), back (B), reverse (R), inward (I) and twisting (T) dives with their DDs.
constexpr DiveGroup F = DiveGroup::Forward, B = DiveGroup::Back, R = DiveGroup::Reverse,
                    I = DiveGroup::Inward, T = DiveGroup::Twisting;

struct SplitCase {
  const char* What;
  std::vector<SplitDive> Dives;
  PartRule Limited;
  SplitOutcome Outcome;
  std::vector<std::size_t> Taken;  // where Found
  std::int64_t Least;              // where Found or OverCap; 0 where the search stops early
};

const PartRule FiveApart{5, true, 95};  // an age group's limited part on 3 m
const PartRule FreeApart{0, true, {}};

// clang-format off
const SplitCase Cases[] = {
    {"the cheapest dive of each group", {{F, 24}, {F, 16}, {B, 18}, {B, 22}, {R, 19}, {R, 28}, {I, 21}, {I, 27}, {T, 21}},
     FiveApart, SplitOutcome::Found, {1, 2, 4, 6, 8}, 95},   // 1.6 + 1.8 + 1.9 + 2.1 + 2.1 is the cap exactly
    {"the earlier of two alike", {{F, 16}, {F, 16}, {B, 18}, {R, 19}, {I, 21}, {T, 21}},
     FiveApart, SplitOutcome::Found, {0, 2, 3, 4, 5}, 95},
    {"a group of one dive where the free part needs it apart", {{F, 14}, {F, 30}, {B, 15}, {R, 16}, {I, 13}, {T, 40}, {T, 17}},
     {4, true, 76}, SplitOutcome::Found, {0, 2, 4, 6}, 59},
    {"over the cap by a tenth", {{F, 16}, {B, 18}, {R, 19}, {I, 21}, {T, 22}},
     FiveApart, SplitOutcome::OverCap, {}, 96},
    {"three dives of one group", {{F, 16}, {F, 17}, {F, 18}, {B, 18}, {R, 19}, {I, 21}, {T, 21}},
     FiveApart, SplitOutcome::Crowded, {}, 0},
    {"too few groups", {{F, 16}, {F, 17}, {B, 18}, {B, 19}, {R, 21}},
     FiveApart, SplitOutcome::TooFew, {}, 0},
    {"a part of any groups, without a cap", {{F, 30}, {F, 10}, {F, 20}},
     {2, false, {}}, SplitOutcome::Found, {1, 2}, 30},
};
// clang-format on

TEST(FindLimitedSplit, TakesTheLeastTotalThatKeepsTheGroupRules) {
  for (const SplitCase& C : Cases) {
    const LimitedSplit Split = FindLimitedSplit(C.Dives, C.Limited, FreeApart);
    EXPECT_EQ(Split.Outcome, C.Outcome) << C.What;
    EXPECT_EQ(Split.Limited, C.Taken) << C.What;
    EXPECT_EQ(Split.Least, C.Least) << C.What;
  }
}

TEST(FindLimitedSplit, NamesTheCrowdedGroup) {
  const LimitedSplit Split = FindLimitedSplit(Cases[4].Dives, FiveApart, FreeApart);
  EXPECT_EQ(Split.CrowdedGroup, F);
  EXPECT_EQ(Split.CrowdedDives, 3U);
}

}  // namespace
}  // namespace merrith
