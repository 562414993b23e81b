#pragma once

#include <cstdint>
#include <optional>
#include <string>
#include <string_view>

#include "difficulty/dive_code.h"

namespace merrith {

// The dive in words without its position, as a diver's sheet describes it: "Back 2½
// Somersaults 1½ Twists", "Armstand Forward 2 Somersaults", "Forward Flying 1½ Somersaults".
// Nothing for a field that has no words: a direction beyond inward (or none, but for an
// armstand dive), a negative number of half turns, a flying digit other than 0 and 1.
std::optional<std::u16string> DiveName(const DiveCode& Dive);

// The position in words: "Straight", "Pike", "Tuck", "Free" or "position E"; nothing when Pos
// is no position letter.
std::optional<std::u16string_view> PositionName(std::int32_t Pos);

}  // namespace merrith
