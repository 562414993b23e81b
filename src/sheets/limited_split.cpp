#include "sheets/limited_split.h"

#include <algorithm>
#include <limits>
#include <map>

namespace merrith {
namespace {

// No sum of DDs comes near it.
constexpr std::int64_t NoSum = std::numeric_limits<std::int64_t>::max();

// The dives of one group, cheapest first, and how many of them the limited part may take.
struct GroupDives {
  DiveGroup Group = DiveGroup::None;
  std::vector<std::size_t> Dives;  // places in the sheet's list, by DD, then by place
  std::size_t Least = 0;           // the free part takes at most one where it wants groups apart
  std::size_t Most = 0;            // the limited part likewise
};

std::vector<GroupDives> ByGroup(std::span<const SplitDive> Dives, const PartRule& Limited,
                                const PartRule& Free) {
  std::map<DiveGroup, std::vector<std::size_t>> Places;
  for (std::size_t I = 0; I < Dives.size(); ++I) Places[Dives[I].Group].push_back(I);
  std::vector<GroupDives> Groups;
  for (auto& [Group, Each] : Places) {
    std::stable_sort(Each.begin(), Each.end(),
                     [&](std::size_t A, std::size_t B) { return Dives[A].DD < Dives[B].DD; });
    const std::size_t Count = Each.size();
    Groups.push_back({Group, std::move(Each), Free.DifferentGroups ? Count - 1 : 0,
                      Limited.DifferentGroups ? 1 : Count});
  }
  return Groups;
}

// The least total of Wanted dives that keeps each group's bounds, by a table of the least sum
// of k dives from the first groups; Taken[g][k] is how many group g gives to that sum.
std::int64_t LeastTotal(std::span<const SplitDive> Dives, const std::vector<GroupDives>& Groups,
                        std::size_t Wanted, std::vector<std::vector<std::size_t>>& Taken) {
  std::vector<std::int64_t> Best(Wanted + 1, NoSum);
  Best[0] = 0;
  Taken.assign(Groups.size(), std::vector<std::size_t>(Wanted + 1, 0));
  for (std::size_t G = 0; G < Groups.size(); ++G) {
    std::vector<std::int64_t> Next(Wanted + 1, NoSum);
    std::int64_t Cost = 0;
    for (std::size_t M = 0; M <= Groups[G].Most && M <= Wanted; ++M) {
      if (M > 0) Cost += Dives[Groups[G].Dives[M - 1]].DD;
      if (M < Groups[G].Least) continue;
      for (std::size_t K = 0; K + M <= Wanted; ++K) {
        if (Best[K] == NoSum || Best[K] + Cost >= Next[K + M]) continue;
        Next[K + M] = Best[K] + Cost;
        Taken[G][K + M] = M;
      }
    }
    Best = std::move(Next);
  }
  return Best[Wanted];
}

// The places of the dives that make the least total, in list order.
std::vector<std::size_t> TakenPlaces(const std::vector<GroupDives>& Groups,
                                     const std::vector<std::vector<std::size_t>>& Taken,
                                     std::size_t Wanted) {
  std::vector<std::size_t> Places;
  for (std::size_t G = Groups.size(); G-- > 0;) {
    const std::size_t M = Taken[G][Wanted];
    Places.insert(Places.end(), Groups[G].Dives.begin(),
                  Groups[G].Dives.begin() + static_cast<std::ptrdiff_t>(M));
    Wanted -= M;
  }
  std::sort(Places.begin(), Places.end());
  return Places;
}

}  // namespace

LimitedSplit FindLimitedSplit(std::span<const SplitDive> Dives, const PartRule& Limited,
                              const PartRule& Free) {
  LimitedSplit Split;
  const std::vector<GroupDives> Groups = ByGroup(Dives, Limited, Free);
  Split.Groups = Groups.size();
  std::size_t Least = 0;
  std::size_t Most = 0;
  for (const GroupDives& G : Groups) {
    Least += G.Least;
    Most += G.Most;
    if (G.Dives.size() > Split.CrowdedDives) {
      Split.CrowdedGroup = G.Group;
      Split.CrowdedDives = G.Dives.size();
    }
  }
  const auto Wanted = static_cast<std::size_t>(Limited.Dives);
  const bool Crowded = std::any_of(Groups.begin(), Groups.end(),
                                   [](const GroupDives& G) { return G.Least > G.Most; });
  if (Crowded || Least > Wanted) {
    Split.Outcome = SplitOutcome::Crowded;
    return Split;
  }
  if (Most < Wanted) return Split;  // TooFew
  std::vector<std::vector<std::size_t>> Taken;
  Split.Least = LeastTotal(Dives, Groups, Wanted, Taken);
  if (Limited.MaxTotal && Split.Least > *Limited.MaxTotal) {
    Split.Outcome = SplitOutcome::OverCap;
    return Split;
  }
  Split.Outcome = SplitOutcome::Found;
  Split.Limited = TakenPlaces(Groups, Taken, Wanted);
  return Split;
}

}  // namespace merrith
