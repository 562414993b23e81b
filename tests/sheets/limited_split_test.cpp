#include "sheets/limited_split.h"

#include <gtest/gtest.h>

#include <vector>

namespace merrith {
namespace {

// Forward (1), back (2), reverse (3), inward (4) and twisting (5) dives with their DDs.
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
    {"the cheapest dive of each group", {{1, 24}, {1, 16}, {2, 18}, {2, 22}, {3, 19}, {3, 28}, {4, 21}, {4, 27}, {5, 21}},
     FiveApart, SplitOutcome::Found, {1, 2, 4, 6, 8}, 95},   // 1.6 + 1.8 + 1.9 + 2.1 + 2.1 is the cap exactly
    {"the earlier of two alike", {{1, 16}, {1, 16}, {2, 18}, {3, 19}, {4, 21}, {5, 21}},
     FiveApart, SplitOutcome::Found, {0, 2, 3, 4, 5}, 95},
    {"a group of one dive where the free part needs it apart", {{1, 14}, {1, 30}, {2, 15}, {3, 16}, {4, 13}, {5, 40}, {5, 17}},
     {4, true, 76}, SplitOutcome::Found, {0, 2, 4, 6}, 59},
    {"over the cap by a tenth", {{1, 16}, {2, 18}, {3, 19}, {4, 21}, {5, 22}},
     FiveApart, SplitOutcome::OverCap, {}, 96},
    {"three dives of one group", {{1, 16}, {1, 17}, {1, 18}, {2, 18}, {3, 19}, {4, 21}, {5, 21}},
     FiveApart, SplitOutcome::Crowded, {}, 0},
    {"too few groups", {{1, 16}, {1, 17}, {2, 18}, {2, 19}, {3, 21}},
     FiveApart, SplitOutcome::TooFew, {}, 0},
    {"a part of any groups, without a cap", {{1, 30}, {1, 10}, {1, 20}},
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
  EXPECT_EQ(Split.CrowdedGroup, 1);
  EXPECT_EQ(Split.CrowdedDives, 3U);
}

}  // namespace
}  // namespace merrith
