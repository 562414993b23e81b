#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace merrith {

// What the result box shows for a code as typed, at HeightIndex: the dive's DD in the general
// number format, or "ERROR" when it has none there. The code is upper-cased but otherwise
// reaches the calculator exactly as typed, spaces included.
std::u16string EvaluateCode(std::u16string_view Typed, std::int32_t HeightIndex,
                            std::u16string_view DecimalSeparator);

}  // namespace merrith
