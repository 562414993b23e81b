#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "difficulty/dive_code.h"

namespace merrith {

// The dive in words without its position, as the rule book names it: "Back 2½ Somersaults
// 1½ Twists", "Armstand Inward Somersault", "Forward Flying 1½ Somersaults". Nothing for a
// dive the rule book cannot write: a direction beyond inward (or none), a negative number of
// half turns, a flying digit other than 0, 1 and M's 2, or an armstand dive whose direction and
// somersaults disagree (only the armstand dive, 600, has neither).
std::optional<std::u16string> DiveName(const DiveCode& Dive);

// Whether DiveName names the dive, without naming it.
bool HasDiveName(const DiveCode& Dive);

// The position in words: "Straight", "Pike", "Tuck", "Free" or "position E"; nothing when Pos
// is no position letter.
std::optional<std::u16string_view> PositionName(std::int32_t Pos);

}  // namespace merrith
