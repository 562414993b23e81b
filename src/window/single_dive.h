#pragma once

#include <cstdint>
#include <string>
#include <string_view>

namespace merrith {

// The DD of a code as typed, at HeightIndex: the code is upper-cased as a whole and given to
// the calculator of that height. Negative when the dive has no DD there.
double CalcTypedDD(std::u16string_view Typed, std::int32_t HeightIndex);

// What the result box shows for a code as typed, at HeightIndex: the dive's DD in the general
// number format, or "ERROR" when it has none there. The code is upper-cased but otherwise
// reaches the calculator exactly as typed, spaces included.
std::u16string EvaluateCode(std::u16string_view Typed, std::int32_t HeightIndex,
                            std::u16string_view DecimalSeparator);

}  // namespace merrith
