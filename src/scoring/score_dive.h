#pragma once

#include <cstddef>
#include <cstdint>
#include <optional>
#include <span>

#include "difficulty/dd_tenths.h"
#include "scoring/award.h"
#include "scoring/decision.h"
#include "scoring/panel.h"

namespace merrith {

// Why a dive's awards cannot be scored.
enum class ScoreFault : std::uint8_t {
  None,
  AwardCount,  // not as many awards as the panel has judges
  AllMissing,  // no award to replace a missing one from
};

// A dive's awards scored: each seat's award as counted (a missing one replaced, the decisions
// applied), which were cancelled, the kept sum and the points.
struct ScoredDive {
  ScoreFault Fault = ScoreFault::None;
  SeatValues<HalfPoints> Awards;  // as counted, in seating order
  SeatValues<bool> Replaced;      // the seat's award was missing: the others' average (7.9, 7.10)
  SeatValues<bool> Cancelled;     // cancelled as a highest or a lowest
  SeatValues<bool> High;          // cancelled as a highest
  HalfPoints Sum = 0;             // the kept awards
  bool Failed = false;            // declared, or by 9.9 / 9.11 in synchro
  Hundredths Points = 0;
};

// Scores one dive: Awards in seating order (each 0 to MaxAward, as ReadAward gives them;
// nothing for a missing award), DD in tenths (the DD that counts: 2.0 in an assigned synchro
// round).
ScoredDive ScoreDive(Panel P, std::span<const std::optional<HalfPoints>> Awards, const Decision& D,
                     DdTenths DD);

}  // namespace merrith
