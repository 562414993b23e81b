#pragma once

#include <cstdint>
#include <string_view>

#include "difficulty/dd_working.h"

namespace merrith {

// The degree of difficulty of a dive from the springboard or platform (HeightIndex 1 to 5):
// the unrounded sum of its position, somersault, twist, approach and entry values, or
// NotAllowed when the code cannot be read or the dive is not allowed at that height.
double CalcDD(std::u16string_view Code, std::int32_t HeightIndex) noexcept;

// CalcDD of a code already read, for a code priced at several heights or in several positions.
double CalcReadDD(const RuleBookDive& Read, std::int32_t HeightIndex) noexcept;

// CalcDD of a code already read, with its working: the five values in the order they are added
// (position, with the flying value, somersaults, twists, approach, entry), or the rule that refuses
// the dive.
DdWorking WorkDD(const RuleBookDive& Read, std::int32_t HeightIndex) noexcept;

}  // namespace merrith
