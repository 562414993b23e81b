#pragma once

#include <optional>
#include <span>
#include <string>

#include "scoring/score_dive.h"

namespace merrith {

// What a judge in the seat watches, as the explanation's column and the recorder's tips say it;
// empty for a judge of an individual's panel, who watches the whole dive.
std::u16string_view SeatWords(Seat S);

// How one dive's points come about, for a person checking the secretaries' sheet: each
// judge's award as given and as it counts, which were cancelled and which replaced, the
// decision, the kept awards and their sum, and the points with the reckoning that gives them.
// Dive is ScoreDive's answer for the same Awards, Decided and DD. Lines end in a line feed.
std::u16string ScoreExplanation(Panel P, std::span<const std::optional<HalfPoints>> Awards,
                                const Decision& Decided, DdTenths DD, const ScoredDive& Dive);

}  // namespace merrith
