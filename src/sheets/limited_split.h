#pragma once

#include <cstddef>
#include <cstdint>
#include <span>
#include <vector>

#include "difficulty/dd_tenths.h"
#include "difficulty/dive_group.h"
#include "sheets/event_book.h"

namespace merrith {

// A dive as the search for a limited part sees it: its group and the DD it counts.
struct SplitDive {
  DiveGroup Group = DiveGroup::None;
  DdTenths DD = 0;
};

// How the search for a limited part ended.
enum class SplitOutcome : std::uint8_t {
  Found,    // a limited part that keeps every rule
  TooFew,   // not enough dives (from different groups, where it must be) for the part
  Crowded,  // a group with more dives than the two parts can take between them
  OverCap,  // every limited part that keeps the group rules is over the cap
};

// What the search found: the limited part it took, or why there is none.
struct LimitedSplit {
  SplitOutcome Outcome = SplitOutcome::TooFew;
  std::vector<std::size_t> Limited;  // the places in Dives of the part found, in order
  std::int64_t Least = 0;            // the least total of a part that keeps the group rules
  std::size_t Groups = 0;            // how many groups the dives are from
  DiveGroup CrowdedGroup{};          // the group with the most dives, where Crowded
  std::size_t CrowdedDives = 0;      // and how many it has
};

// Splits Dives into the limited part the rule Limited sets and the free part Free sets, when
// the sheet marks none: of all the splits that keep the group rules, the one whose limited
// part adds up to the least, if that is within the cap. Within a group the limited part takes
// the cheapest dives (the earlier of two alike), so the search goes group by group, and a
// long list costs it little more than a sum.
LimitedSplit FindLimitedSplit(std::span<const SplitDive> Dives, const PartRule& Limited,
                              const PartRule& Free);

}  // namespace merrith
