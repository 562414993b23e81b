#pragma once

#include <cstdint>
#include <string_view>

#include "difficulty/dd_working.h"

namespace merrith {

// The degree of difficulty of a high dive (HeightIndex 6 to 9, 12 m to 27 m): the unrounded
// sum of its seven values, or NotAllowed when the code cannot be read or the dive is not
// allowed at that height.
double CalcHDD(std::u16string_view Code, std::int32_t HeightIndex) noexcept;

// CalcHDD of a code already read, for a code priced at several heights or in several positions.
double CalcReadHDD(const RuleBookDive& Read, std::int32_t HeightIndex) noexcept;

// CalcHDD of a code already read, with its working: the seven values in the order they are added
// (direction, somersaults, twists, twist count, parity, no twist, position), or the rule that
// refuses the dive.
DdWorking WorkHDD(const RuleBookDive& Read, std::int32_t HeightIndex) noexcept;

}  // namespace merrith
