#pragma once

#include <optional>
#include <string>
#include <string_view>

#include "scoring/award.h"

namespace merrith {

// The caps of a dive's awards, in half points: at most 2 for a dive in another position, at
// most 4½ for the arms at entry.
inline constexpr HalfPoints CapOtherPosition = 4;
inline constexpr HalfPoints CapArms = 9;

// What the referee (or the panel) decided on a dive. Several may hold at once.
struct Decision {
  bool Failed = false;            // failed dive: 0 points
  std::optional<HalfPoints> Cap;  // 4 (at most 2: another position) or 9 (at most 4½: arms)
  bool Restart = false;           // 2 points off every award, never below 0
  bool Unsafe = false;            // unsafe dive reviewed: the majority rule of 8.5.4
  bool operator==(const Decision&) const = default;
};

// The file and CSV form: empty, or words joined by "+": failed, max2, max4.5, restart, unsafe
// ("restart+max2"); nothing when a word is unknown or repeated.
std::optional<Decision> ReadDecision(std::u16string_view Text);
// The file and CSV form of D: "" for none; words in the order above.
std::u16string DecisionText(const Decision& D);

}  // namespace merrith
